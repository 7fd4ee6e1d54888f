// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QAbstractButton>
#include <QFileDialog>
#include <QMessageBox>
#include <QGuiApplication>
#include <QListWidget>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>
#include <filesystem>
#include <iterator>

#include "filedialogs.h"
#include "fakedialogs.h"
#include "photofiles.h"
#include "core/filebytes.h"
#include "objects/tgflatcalendar.h"
#include "objects/tgimage.h"
#include "objects/tgplabel.h"
#include "page/calpanel32.h"
#include "documents/documentcommands.h"
#include "documents/documenthost.h"
#include "documents/mrufilelist.h"
#include "documents/objectfiler.h"
#include "surface/tghandle.h"
#include "documents/recoverychooser.h"
#include "documents/recoverycopy.h"
#include "storage/calendarfile.h"

namespace {

// A window holding one document, recording what the commands ask of it.
struct Window : DocumentHost {
    Window()
    {
        calendar.ResetToDefaults();
        commands = std::make_unique<DocumentCommands>(*this);
        fake->onDialog = [this](QDialog &d) {
            if (!FileDialogs::isFileDialog(d) || chosenFile.isEmpty())
                return int(QDialog::Rejected);
            lastProposal = FileDialogs::proposal(d);
            FileDialogs::choose(d, chosenFile);
            return int(QDialog::Accepted);
        };
    }

    // QTemporaryDir cannot remove names that are not UTF-8.
    ~Window() override
    {
        std::error_code ignored;
        std::filesystem::remove_all(QFile::encodeName(dir.path()).toStdString(), ignored);
    }

    QWidget *dialogParent() override { return nullptr; }
    TCalendarPanel32 &page() override { return calendar; }
    TMRUFileList *recentFiles() override { return &recent; }
    void saveRecentFiles() override { ++recentSaves; }
    QString documentFileName() const override { return fileName; }
    void setDocumentFileName(const QString &path) override { fileName = path; }
    bool Modified() const override { return modified; }
    void SetModified(bool on) override { modified = on; }
    void setOpening(bool on) override { opening = on; }
    void setPageShown(bool shown) override { pageShown = shown; }
    void SetButtons() override {}
    void SetCaption() override { caption = fileName.isEmpty() ? QStringLiteral("Orvane") : QFileInfo(fileName).fileName(); }
    void setWindowCaption(const QString &text) override { caption = text; }
    void updateIconWindow() override {}
    void DoSaveRichtext() override { ++commits; }
    bool runNewCalendarProperties() override
    {
        ++propertiesRuns;
        return confirmNew;
    }

    QString writeDocument(const QString &name)
    {
        const QString path = dir.filePath(name);
        TCalendarPanel32 other;
        other.ResetToDefaults();
        other.SetMainCalMonth(6);
        CalendarFile::SaveDocument(other.document(), path, {});
        return path;
    }

    QTemporaryDir dir;
    ScopedFakeDialogs fake;
    TCalendarPanel32 calendar;
    TMRUFileList recent;
    std::unique_ptr<DocumentCommands> commands;
    QString fileName;
    bool modified = false;
    bool opening = false;
    bool pageShown = false;
    bool confirmNew = true;
    int propertiesRuns = 0;
    int recentSaves = 0;
    int commits = 0;
    QString caption;
    QString chosenFile;
    QString lastProposal;
};

} // namespace

TEST(DocumentCommands, NewMakesAnUntitledModifiedDocument)
{
    Window w;
    w.commands->New1Click();
    EXPECT_EQ(w.propertiesRuns, 1);
    EXPECT_TRUE(w.modified);
    EXPECT_TRUE(w.fileName.isEmpty());
    EXPECT_EQ(w.caption, QStringLiteral("Orvane [untitled]"));
    EXPECT_TRUE(w.fake->messages.isEmpty());
}

TEST(DocumentCommands, CancellingTheSaveQuestionKeepsTheWork)
{
    Window w;
    w.modified = true;
    w.fake->answers = {QMessageBox::Cancel};
    w.commands->New1Click();
    EXPECT_EQ(w.propertiesRuns, 0);
    EXPECT_TRUE(w.modified);

    // Save, then cancelling the Save As dialog, also stops and keeps the flag.
    w.fake->answers = {QMessageBox::Save};
    EXPECT_FALSE(w.commands->FormCloseQuery());
    EXPECT_TRUE(w.modified);

    // Discard goes on without saving.
    w.fake->answers = {QMessageBox::Discard};
    w.commands->New1Click();
    EXPECT_EQ(w.propertiesRuns, 1);
    EXPECT_EQ(w.fake->messages.last().text, QStringLiteral("Save changes to the untitled calendar?"));
    EXPECT_EQ(w.fake->messages.last().caption, QStringLiteral("Save"));
}

TEST(DocumentCommands, SaveAsProposesMonthAndYearAndRemembersTheFile)
{
    Window w;
    w.calendar.SetMainCalYear(1998);
    w.calendar.SetMainCalMonth(3);
    w.calendar.setNames(languageNames(CalendarLanguage::English));
    EXPECT_EQ(w.commands->proposedSaveName(), QStringLiteral("Mar1998.OVF"));
    w.modified = true;
    w.chosenFile = w.dir.filePath(QStringLiteral("Mar1998.OVF"));
    w.commands->SavebuttonClick();
    EXPECT_TRUE(w.lastProposal.endsWith(QStringLiteral("Mar1998.OVF")));
    EXPECT_TRUE(QFile::exists(w.chosenFile));
    EXPECT_FALSE(w.modified);
    EXPECT_EQ(w.fileName, w.chosenFile);
    EXPECT_EQ(w.caption, QStringLiteral("Mar1998.OVF"));
    EXPECT_EQ(w.recent.files().value(0), w.chosenFile);
    EXPECT_EQ(w.recentSaves, 1);
    EXPECT_EQ(w.commands->proposedSaveName(), QStringLiteral("Mar1998.OVF"));
}

TEST(DocumentCommands, TheZoomNeitherChangesWhatIsSavedNorIsChangedBySavingOrOpening)
{
    Window w;
    auto label = std::make_unique<TGPLabel>();
    label->SetFont(TFont(QStringLiteral("Liberation Sans"), 11));
    label->setBounds(11, 21, 143, 35);
    w.calendar.appendObject(std::move(label));
    w.calendar.ConnectObjects();
    const QString full = w.dir.filePath(QStringLiteral("full.OVF"));
    ASSERT_TRUE(w.commands->SaveCalendarFile(full));
    // Opened once, so that the object has the name that reading gives it.
    w.commands->OpenCalendarFile(full);
    ASSERT_TRUE(w.commands->SaveCalendarFile(full));
    const QRect stored = w.calendar.objects().front()->storedBounds();

    // Odd places and sizes at every zoom step: the old rescaling moved and widened them.
    for (const float zoom : {0.5f, 0.701f, 1.5f, 2.0f, 4.001f}) {
        w.calendar.SetZoom(zoom);
        const QString path = w.dir.filePath(QStringLiteral("zoomed.OVF"));
        ASSERT_TRUE(w.commands->SaveCalendarFile(path));
        EXPECT_EQ(w.calendar.ZoomFactor(), zoom) << "saving leaves the zoom alone";
        const QByteArray zoomedBytes = FileBytes::readRegularFile(path, 1 << 20).bytes;
        const QByteArray fullBytes = FileBytes::readRegularFile(full, 1 << 20).bytes;
        EXPECT_EQ(zoomedBytes, fullBytes) << "saved at " << zoom;
        w.commands->OpenCalendarFile(path);
        EXPECT_EQ(w.calendar.ZoomFactor(), zoom) << "opening leaves the zoom alone";
        ASSERT_EQ(w.calendar.objects().size(), 1u);
        EXPECT_EQ(w.calendar.objects().front()->storedBounds(), stored) << "opened at " << zoom;
    }
}

TEST(DocumentCommands, AFailedSaveSaysWhyAndStaysModified)
{
    Window w;
    const QString blocker = w.writeDocument(QStringLiteral("a.OVF"));
    w.modified = true;
    EXPECT_FALSE(w.commands->SaveCalendarFile(blocker + QStringLiteral("/b.OVF")));
    EXPECT_TRUE(w.modified);
    EXPECT_TRUE(w.fileName.isEmpty());
    ASSERT_EQ(w.fake->messages.size(), 1);
    EXPECT_TRUE(w.fake->messages[0].text.startsWith(QStringLiteral("Unable to save ") + blocker));
    EXPECT_FALSE(w.calendar.PaintSuspended());
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST(DocumentCommands, OpeningChecksTheExtensionAndReportsDamage)
{
    Window w;
    w.chosenFile = w.writeDocument(QStringLiteral("June.txt"));
    w.commands->Open1Click();
    ASSERT_EQ(w.fake->messages.size(), 1);
    EXPECT_EQ(w.fake->messages[0].text, QStringLiteral("Must be a Calendar file (*.OVF)"));

    w.chosenFile = w.writeDocument(QStringLiteral("june.ovf"));
    w.commands->Open1Click();
    EXPECT_EQ(w.fileName, w.chosenFile);
    EXPECT_EQ(w.calendar.MainCalMonth(), 6);
    EXPECT_TRUE(w.pageShown);
    EXPECT_FALSE(w.modified);

    const QString junk = w.dir.filePath(QStringLiteral("junk.OVF"));
    QFile file(junk);
    file.open(QIODevice::WriteOnly);
    file.write("TPF0 nothing like a calendar");
    file.close();
    const QString june = w.fileName;
    w.commands->OpenCalendarFile(junk);
    EXPECT_EQ(w.fileName, june) << "the calendar that was open stays open";
    EXPECT_TRUE(w.pageShown);
    EXPECT_EQ(w.calendar.MainCalMonth(), 6);
    // The program's words come first; the reader's reason follows.
    EXPECT_TRUE(w.fake->messages.last().text.startsWith(
        QStringLiteral("Unable to open ") + junk + QStringLiteral(". Possibly \rcorrupted, possibly not a Calendar file\r(")))
        << qPrintable(w.fake->messages.last().text);
    const QString folder = w.dir.filePath(QStringLiteral("folder.OVF"));
    QDir().mkpath(folder);
    w.commands->OpenCalendarFile(folder);
    EXPECT_TRUE(w.fake->messages.last().text.endsWith(QStringLiteral("(it is a folder, not a file)")))
        << qPrintable(w.fake->messages.last().text);
    // A failed read leaves the page painting, not loading, and the cursor normal.
    EXPECT_FALSE(w.calendar.PaintSuspended());
    EXPECT_FALSE(w.calendar.Loading());
    EXPECT_FALSE(w.opening);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);

    w.commands->OpenCalendarFile(w.dir.filePath(QStringLiteral("gone.OVF")));
    EXPECT_EQ(w.fake->messages.last().text,
              QStringLiteral("File ") + w.dir.filePath(QStringLiteral("gone.OVF")) + QStringLiteral(" no longer exists"));
}

TEST(DocumentCommands, CancelChangesRereadsTheSavedFile)
{
    Window w;
    w.modified = true;
    w.fake->answers = {QMessageBox::Yes};
    w.commands->mnuCancelChangesClick();
    EXPECT_FALSE(w.modified);

    const QString path = w.writeDocument(QStringLiteral("june.OVF"));
    w.commands->OpenCalendarFile(path);
    w.calendar.SetMainCalMonth(9);
    w.modified = true;
    w.fake->answers = {QMessageBox::Yes};
    w.commands->mnuCancelChangesClick();
    EXPECT_EQ(w.calendar.MainCalMonth(), 6);
    EXPECT_FALSE(w.modified);
    EXPECT_EQ(w.fake->messages.last().caption, QStringLiteral("CANCEL")) << qPrintable(w.fake->messages.last().text);
}

TEST(DocumentCommands, CancelChangesRunsWhatTheRereadQueuedButNotItself)
{
    Window w;
    w.commands->OpenCalendarFile(w.writeDocument(QStringLiteral("june.OVF")));
    w.calendar.SetMainCalMonth(9);
    w.modified = true;
    int reentered = 0;
    // Both arrive while the command lets pending events run: a second Cancel Changes and a
    // change reported late by the reread document.
    QMetaObject::invokeMethod(w.commands.get(), [&w, &reentered] {
        ++reentered;
        w.commands->mnuCancelChangesClick();
    }, Qt::QueuedConnection);
    QMetaObject::invokeMethod(w.commands.get(), [&w] { w.modified = true; }, Qt::QueuedConnection);
    const int messagesBefore = int(w.fake->messages.size());
    w.fake->answers = {QMessageBox::Yes, QMessageBox::Yes};

    w.commands->mnuCancelChangesClick();
    EXPECT_EQ(reentered, 1);
    EXPECT_EQ(w.fake->messages.size(), messagesBefore + 1) << "the second Cancel asked nothing";
    EXPECT_EQ(w.fake->answers.size(), 1);
    EXPECT_EQ(w.calendar.MainCalMonth(), 6);
    EXPECT_FALSE(w.modified) << "the late change ran before the flag was cleared";
}

TEST(DocumentCommands, ObjectsAreSavedAtFullScaleAndComeBackInTheirOrder)
{
    Window w;
    auto label = std::make_unique<TGPLabel>();
    label->setName(QStringLiteral("Component0"));
    label->setBounds(10, 20, 142, 33);
    label->SetCaption(QStringLiteral("Hi"));
    w.calendar.appendObject(std::move(label));
    auto calendar = std::make_unique<TGFlatCalendar>(QDate(2026, 3, 1));
    calendar->setName(QStringLiteral("Special1"));
    calendar->setBounds(100, 200, 180, 140);
    w.calendar.appendObject(std::move(calendar));
    w.calendar.ConnectObjects();
    w.calendar.SetZoom(0.5f);
    const QString path = w.dir.filePath(QStringLiteral("objects.OVF"));
    ASSERT_TRUE(w.commands->SaveCalendarFile(path));

    w.commands->OpenCalendarFile(path);
    ASSERT_EQ(w.fileName, path);
    EXPECT_FALSE(w.modified) << "reading objects does not mark the document";
    const auto &objects = w.calendar.objects();
    ASSERT_EQ(objects.size(), 2u);
    EXPECT_EQ(objects[0]->className(), QStringLiteral("TGPLabel"));
    EXPECT_EQ(objects[0]->Name(), QStringLiteral("Component0"));
    EXPECT_EQ(objects[1]->Name(), QStringLiteral("Component1"));
    EXPECT_EQ(dynamic_cast<const TGPLabel &>(*objects[0]).Caption(), QStringLiteral("Hi"));
    EXPECT_EQ(dynamic_cast<const TGFlatCalendar &>(*objects[1]).Month(), 3);
    // Shown at the zoom the page came back to, stored at full scale.
    EXPECT_FLOAT_EQ(w.calendar.ZoomFactor(), 0.5f);
    EXPECT_EQ(objects[1]->boundsRect(), QRect(50, 100, 90, 70));
    EXPECT_FALSE(objects[0]->popupMenu().empty());
}

TEST(DocumentCommands, UndoAndRedoStepThroughTheRecordedChanges)
{
    Window w;
    const QString path = w.writeDocument(QStringLiteral("undo.OVF"));
    w.commands->OpenCalendarFile(path);
    EXPECT_FALSE(w.commands->canUndo()) << "opening starts the history";

    auto label = std::make_unique<TGPLabel>();
    label->setBounds(10, 20, 142, 33);
    // The label fits its height to its text.
    const QSize size = label->boundsRect().size();
    w.calendar.appendObject(std::move(label));
    w.calendar.ConnectObjects();
    w.modified = true;
    w.commands->recordChange();
    w.commands->flushPendingChange();
    w.calendar.objects().front()->setBounds(40, 60, 142, 33);
    w.calendar.SetMainCalMonth(9);
    w.commands->recordChange();
    w.commands->flushPendingChange();
    ASSERT_TRUE(w.commands->canUndo());

    w.commands->Undo();
    ASSERT_EQ(w.calendar.objects().size(), 1u);
    EXPECT_EQ(w.calendar.objects().front()->boundsRect(), QRect(QPoint(10, 20), size));
    EXPECT_EQ(w.calendar.MainCalMonth(), 6);
    EXPECT_TRUE(w.modified);
    w.commands->Undo();
    EXPECT_TRUE(w.calendar.objects().empty());
    EXPECT_FALSE(w.modified) << "back at the state that was opened";
    EXPECT_FALSE(w.commands->canUndo());
    EXPECT_EQ(w.fileName, path) << "undo does not touch the file";

    w.commands->Redo();
    w.commands->Redo();
    ASSERT_EQ(w.calendar.objects().size(), 1u);
    EXPECT_EQ(w.calendar.objects().front()->boundsRect(), QRect(QPoint(40, 60), size));
    EXPECT_EQ(w.calendar.MainCalMonth(), 9);
    EXPECT_TRUE(w.modified);

    // Saving marks the state that undo comes back to unmodified.
    ASSERT_TRUE(w.commands->SaveCalendarFile(path));
    w.commands->Undo();
    EXPECT_TRUE(w.modified);
    w.commands->Redo();
    EXPECT_FALSE(w.modified);
}

TEST(DocumentCommands, UndoStaysAvailableAfterPlacingALargePhoto)
{
    // A 20-megapixel photo makes a document of about 60 MB, so two whole snapshots would
    // not fit the history's bound; the steps after it share the photo's bytes.
    Window w;
    w.commands->resetHistory(true);
    QImage photo(5472, 3648, QImage::Format_RGB32);
    for (int y = 0; y < photo.height(); ++y)
        QRandomGenerator(quint32(y)).fillRange(reinterpret_cast<quint32 *>(photo.scanLine(y)), photo.width());
    Picture picture;
    picture.setBitmap(photo);
    auto image = std::make_unique<TGImage>();
    image->setBounds(30, 40, 300, 200);
    image->SetPicture(picture);
    w.calendar.appendObject(std::move(image));
    auto label = std::make_unique<TGPLabel>();
    label->setBounds(10, 20, 142, 33);
    const QSize size = label->boundsRect().size();
    w.calendar.appendObject(std::move(label));
    w.calendar.ConnectObjects();
    w.commands->recordChange();
    w.commands->flushPendingChange();
    const qint64 withPhoto = w.commands->history().byteCount();
    EXPECT_GT(withPhoto, 40LL * 1024 * 1024);

    w.calendar.objects().back()->setBounds(50, 70, 142, 33);
    w.calendar.SetMainCalMonth(9);
    w.commands->recordChange();
    w.commands->flushPendingChange();
    ASSERT_TRUE(w.commands->canUndo());
    EXPECT_LT(w.commands->history().byteCount() - withPhoto, 512 * 1024) << "the step holds the photo again";

    w.commands->Undo();
    ASSERT_EQ(w.calendar.objects().size(), 2u);
    EXPECT_EQ(w.calendar.objects().back()->boundsRect(), QRect(QPoint(10, 20), size));
    EXPECT_EQ(dynamic_cast<const TGImage &>(*w.calendar.objects().front()).picture().image().size(),
              photo.size());
    w.commands->Undo();
    EXPECT_TRUE(w.calendar.objects().empty());
}

TEST(DocumentCommands, UndoPutsObjectsBackShownAtTheZoomShownNow)
{
    Window w;
    w.commands->OpenCalendarFile(w.writeDocument(QStringLiteral("zoom.OVF")));
    auto label = std::make_unique<TGPLabel>();
    label->setBounds(100, 40, 200, 40);
    w.calendar.appendObject(std::move(label));
    w.calendar.ConnectObjects();
    w.commands->recordChange();
    w.commands->flushPendingChange();
    w.calendar.objects().front()->setBounds(300, 40, 200, 40);
    w.commands->recordChange();
    w.commands->flushPendingChange();
    w.calendar.SetZoom(0.5f);
    w.commands->Undo();
    ASSERT_EQ(w.calendar.objects().size(), 1u);
    const TGGraphicControl &back = *w.calendar.objects().front();
    EXPECT_EQ(back.pageBounds().topLeft(), QPointF(100, 40));
    EXPECT_EQ(back.boundsRect().topLeft(), QPoint(50, 20));
}

TEST(DocumentCommands, TheChangesOfOneActionMakeOneStep)
{
    Window w;
    w.commands->OpenCalendarFile(w.writeDocument(QStringLiteral("step.OVF")));
    // A drag reports every object it moved before control returns to the event loop.
    w.calendar.SetMainCalMonth(7);
    w.commands->recordChange();
    w.calendar.SetMainCalMonth(8);
    w.commands->recordChange();
    EXPECT_TRUE(w.commands->canUndo()) << "the pending change can be undone at once";
    QCoreApplication::processEvents();
    w.commands->Undo();
    EXPECT_EQ(w.calendar.MainCalMonth(), 6);
    EXPECT_FALSE(w.commands->canUndo());
}

namespace {

// The recovery folder of one test, shared by the programs the test runs side by side.
struct RecoveryFolder {
    // QTemporaryDir cannot remove names that are not UTF-8.
    ~RecoveryFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(QFile::encodeName(dir.path()).toStdString(), ignored);
    }
    QTemporaryDir dir;
    QString folder() const { return dir.filePath(QStringLiteral("Recovery")); }
    QString legacy() const { return dir.filePath(QStringLiteral("Recovery.OVR")); }
    // A program's copies under its own owner name.
    RecoveryCopy copyFor(const QString &owner) const { return RecoveryCopy(folder(), owner, legacy()); }
    QStringList copies() const
    {
        return QDir(folder()).entryList({QStringLiteral("*.OVR")}, QDir::Files, QDir::Name);
    }
};

// Answers the recovery dialog: 'answer' gets the dialog and the titles of its rows, and
// presses its buttons.
void answerRecoveryWith(Window &w, std::function<void(RecoveryChooser &, const QStringList &)> answer)
{
    w.fake->onDialog = [answer](QDialog &dialog) {
        auto *chooser = dynamic_cast<RecoveryChooser *>(&dialog);
        if (!chooser)
            return int(QDialog::Rejected);
        QStringList rows;
        for (int i = 0; i < chooser->list()->count(); ++i)
            rows << chooser->list()->item(i)->text();
        answer(*chooser, rows);
        return chooser->result();
    };
}

void answerRecoveryWith(Window &w, const QString &button)
{
    answerRecoveryWith(w, [button](RecoveryChooser &chooser, const QStringList &) {
        if (button == QLatin1String("Restore"))
            chooser.restoreButton()->click();
        else if (button == QLatin1String("Discard"))
            chooser.discardButton()->click();
        else
            chooser.laterButton()->click();
    });
}

// A change the program records, as a user's edit does.
void change(Window &w, int cell, const QByteArray &text)
{
    w.calendar.SetCellRtfText(cell, TWPRtfStorage("{\\rtf1 " + text + "\\par}"));
    w.modified = true;
    w.commands->recordChange();
    w.commands->flushPendingChange();
}

} // namespace

TEST(DocumentCommands, UnsavedChangesAreCopiedAsideAndOfferedBackAfterACrash)
{
    RecoveryFolder aside;
    const TWPRtfStorage typed("{\\rtf1 typed before the crash\\par}");
    QString document;
    {
        Window w;
        w.commands->setRecoveryCopy(aside.copyFor(QStringLiteral("100-a")));
        document = w.writeDocument(QStringLiteral("Jun2026.OVF"));
        w.commands->OpenCalendarFile(document);
        // Nothing changed: no copy.
        w.commands->writeRecoveryCopy();
        EXPECT_TRUE(aside.copies().isEmpty());
        change(w, 9, "typed before the crash");
        w.commands->writeRecoveryCopy();
        ASSERT_EQ(aside.copies().size(), 1);
        const QString path = w.commands->recoveryCopy().path();
        // Only a new change makes a new copy.
        QFile::remove(path);
        w.commands->writeRecoveryCopy();
        EXPECT_TRUE(aside.copies().isEmpty());
        w.commands->recordChange();
        w.commands->flushPendingChange();
        w.commands->writeRecoveryCopy();
        ASSERT_EQ(aside.copies().size(), 1);
        // The window goes away without closing: the copy stays.
    }
    Window restarted;
    restarted.commands->setRecoveryCopy(aside.copyFor(QStringLiteral("200-b")));
    answerRecoveryWith(restarted, QStringLiteral("Restore"));
    ASSERT_TRUE(restarted.commands->offerRecovery());
    EXPECT_EQ(restarted.fileName, document);
    EXPECT_TRUE(restarted.modified);
    EXPECT_TRUE(restarted.pageShown);
    EXPECT_EQ(restarted.calendar.GetCellRtfText(9, {}), typed);
    // The restored changes are this program's own copy now, until they are saved.
    ASSERT_EQ(aside.copies(), QStringList{QFileInfo(restarted.commands->recoveryCopy().path()).fileName()});
    EXPECT_TRUE(aside.copies().constFirst().startsWith(QLatin1String("200-b-")));
    ASSERT_TRUE(restarted.commands->SaveCalendarFile(aside.dir.filePath(QStringLiteral("Jun2026.OVF"))));
    EXPECT_TRUE(aside.copies().isEmpty());
}

TEST(DocumentCommands, ADiscardedOrUnreadableRecoveryCopyRestoresNothing)
{
    RecoveryFolder aside;
    {
        Window w;
        w.commands->setRecoveryCopy(aside.copyFor(QStringLiteral("100-a")));
        change(w, 9, "x");
        w.commands->writeRecoveryCopy();
        ASSERT_EQ(aside.copies().size(), 1);
    }
    Window restarted;
    restarted.commands->setRecoveryCopy(aside.copyFor(QStringLiteral("200-b")));
    answerRecoveryWith(restarted, QStringLiteral("Discard"));
    EXPECT_FALSE(restarted.commands->offerRecovery());
    EXPECT_FALSE(restarted.modified);
    EXPECT_TRUE(aside.copies().isEmpty());

    // A file that is not one of ours is not offered at all, nor deleted.
    QFile junk(QDir(aside.folder()).filePath(QStringLiteral("300-c-untitled.OVR")));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("not a recovery copy");
    junk.close();
    const int dialogs = restarted.fake->dialogCount;
    EXPECT_FALSE(restarted.commands->offerRecovery());
    EXPECT_EQ(restarted.fake->dialogCount, dialogs);
    EXPECT_TRUE(junk.exists());
}

TEST(DocumentCommands, RunningProgramsKeepTheirOwnRecoveryCopies)
{
    // Another program of the user, running beside this one (only one window of a test may
    // answer dialogs, so it keeps its copy without one).
    RecoveryFolder aside;
    const QString otherDocument = aside.dir.filePath(QStringLiteral("Other.OVF"));
    TCalendarPanel32 otherPage;
    otherPage.ResetToDefaults();
    otherPage.SetCellRtfText(3, TWPRtfStorage("{\\rtf1 other\\par}"));
    auto other = std::make_unique<RecoveryCopy>(aside.copyFor(QStringLiteral("100-a")));
    ASSERT_TRUE(other->write({otherDocument, DocumentCommands::stateOf(otherPage.model())}));

    auto w = std::make_unique<Window>();
    w->commands->setRecoveryCopy(aside.copyFor(QStringLiteral("200-b")));
    change(*w, 4, "mine");
    w->commands->writeRecoveryCopy();
    ASSERT_EQ(aside.copies().size(), 2) << "one copy for each program";
    // The copy of a running program is neither offered nor deleted.
    EXPECT_FALSE(w->commands->offerRecovery());
    EXPECT_EQ(w->fake->dialogCount, 0);
    // Saving removes this program's copy only.
    ASSERT_TRUE(w->commands->SaveCalendarFile(w->dir.filePath(QStringLiteral("Mine.OVF"))));
    ASSERT_EQ(aside.copies().size(), 1);
    EXPECT_TRUE(aside.copies().constFirst().startsWith(QLatin1String("100-a-")));
    w.reset();

    // Once its owner has ended the copy is offered; Later keeps it.
    other.reset();
    Window restarted;
    restarted.commands->setRecoveryCopy(aside.copyFor(QStringLiteral("300-c")));
    answerRecoveryWith(restarted, QStringLiteral("Later"));
    EXPECT_FALSE(restarted.commands->offerRecovery());
    EXPECT_EQ(restarted.fake->dialogCount, 1);
    EXPECT_EQ(aside.copies().size(), 1);
    // While one program has it on offer, no other program offers it too.
    RecoveryCopy starting = aside.copyFor(QStringLiteral("400-d"));
    QStringList offered;
    int offeredMeanwhile = -1;
    answerRecoveryWith(restarted, [&](RecoveryChooser &chooser, const QStringList &rows) {
        offered = rows;
        offeredMeanwhile = int(starting.claimOrphans().size());
        chooser.restoreButton()->click();
    });
    ASSERT_TRUE(restarted.commands->offerRecovery());
    EXPECT_EQ(offeredMeanwhile, 0);
    ASSERT_EQ(offered.size(), 1);
    EXPECT_TRUE(offered.constFirst().startsWith(QLatin1String("Other.OVF"))) << qPrintable(offered.constFirst());
    EXPECT_EQ(restarted.fileName, otherDocument);
    EXPECT_EQ(restarted.calendar.GetCellRtfText(3, {}), TWPRtfStorage("{\\rtf1 other\\par}"));
    EXPECT_TRUE(starting.claimOrphans().isEmpty()) << "the restored copy is the restoring program's own";
}

TEST(DocumentCommands, SeveralCopiesLeftBehindAreListedTogether)
{
    RecoveryFolder aside;
    for (const auto &[owner, text] : {std::pair("100-a", "alpha"), std::pair("200-b", "beta")}) {
        Window crashed;
        crashed.commands->setRecoveryCopy(aside.copyFor(QLatin1String(owner)));
        change(crashed, 5, text);
        crashed.commands->writeRecoveryCopy();
    }
    // The single copy of earlier versions, its name as UTF-8 text.
    PageDocument legacyPage;
    legacyPage.cells[4] = TWPRtfStorage("{\\rtf1 gamma\\par}");
    QFile legacy(aside.legacy());
    ASSERT_TRUE(legacy.open(QIODevice::WriteOnly));
    legacy.write("Orvane recovery 1\n/home/me/Old \xc3\xa9t\xc3\xa9.OVF\n");
    const float zoom = 1.0f;
    legacy.write(reinterpret_cast<const char *>(&zoom), sizeof zoom);
    legacy.write(CalendarFile::documentBytes(legacyPage, {}));
    legacy.close();

    Window restarted;
    restarted.commands->setRecoveryCopy(aside.copyFor(QStringLiteral("300-c")));
    QStringList offered;
    answerRecoveryWith(restarted, [&](RecoveryChooser &chooser, const QStringList &rows) {
        offered = rows;
        // Discard the legacy copy, restore one of the others.
        for (int i = 0; i < chooser.list()->count(); ++i) {
            if (chooser.list()->item(i)->text().startsWith(QStringLiteral("Old \u00e9t\u00e9.OVF"))) {
                chooser.list()->setCurrentRow(i);
                chooser.discardButton()->click();
                break;
            }
        }
        chooser.list()->setCurrentRow(0);
        chooser.restoreButton()->click();
    });
    ASSERT_TRUE(restarted.commands->offerRecovery());
    ASSERT_EQ(offered.size(), 3) << qPrintable(offered.join(QLatin1Char('\n')));
    EXPECT_FALSE(QFileInfo::exists(aside.legacy()));
    const QByteArray restored = restarted.calendar.GetCellRtfText(5, {}).rtf();
    EXPECT_TRUE(restored.contains("alpha") || restored.contains("beta"));

    // The copy not chosen stays for later, and is all the next start offers.
    Window next;
    next.commands->setRecoveryCopy(aside.copyFor(QStringLiteral("400-d")));
    answerRecoveryWith(next, [&](RecoveryChooser &, const QStringList &rows) { offered = rows; });
    EXPECT_FALSE(next.commands->offerRecovery());
    ASSERT_EQ(offered.size(), 1);
    EXPECT_EQ(aside.copies().size(), 2) << "the one left and the restoring program's own";
}

TEST(DocumentCommands, TheSaveQuestionNamesTheDocument)
{
    Window w;
    w.fileName = w.dir.filePath(QStringLiteral("Dec2026.OVF"));
    w.modified = true;
    w.fake->answers = {QMessageBox::Cancel};
    EXPECT_FALSE(w.commands->CheckSaveNeeded());
    EXPECT_EQ(w.fake->messages.last().text, QStringLiteral("Save changes to Dec2026.OVF?"));
}

TEST(DocumentCommands, ADocumentWhoseNameIsNotUtf8OpensAndSavesUnderThatName)
{
    Window w;
    const QByteArray name = QFile::encodeName(w.dir.path()) + "/Juni\xff\xfe.OVF";
    const QString path = FileBytes::decodeName(name);
    ASSERT_EQ(::rename(QFile::encodeName(w.writeDocument(QStringLiteral("plain.OVF"))).constData(),
                       name.constData()), 0);
    w.commands->OpenCalendarFile(path);
    EXPECT_EQ(w.calendar.MainCalMonth(), 6) << "the file was read";
    EXPECT_EQ(w.fileName, path);
    EXPECT_TRUE(w.fake->messages.isEmpty()) << qPrintable(w.fake->messages.value(0).text);

    w.calendar.SetMainCalMonth(8);
    EXPECT_TRUE(w.commands->SaveCalendarFile(path));
    // Qt's own listing cannot see such names; the file system's can.
    const auto entries = std::filesystem::directory_iterator(QFile::encodeName(w.dir.path()).toStdString());
    EXPECT_EQ(std::distance(std::filesystem::begin(entries), std::filesystem::end(entries)), 1)
        << "saved over the same name";
    PageDocument reread;
    ASSERT_TRUE(CalendarFile::LoadDocument(reread, path, nullptr, {}).ok);
    EXPECT_EQ(reread.settings.month, 8);
}

TEST(DocumentCommands, ARestoredCopySavesOverAFileWhoseNameIsNotUtf8)
{
    RecoveryFolder aside;
    const QByteArray name = QFile::encodeName(aside.dir.path()) + "/caf\xe9\nplan.OVF";
    const QString path = FileBytes::decodeName(name);
    {
        Window w;
        w.commands->setRecoveryCopy(aside.copyFor(QStringLiteral("100-a")));
        ASSERT_EQ(::rename(QFile::encodeName(w.writeDocument(QStringLiteral("plain.OVF"))).constData(),
                           name.constData()), 0);
        w.commands->OpenCalendarFile(path);
        ASSERT_EQ(w.fileName, path);
        w.calendar.SetMainCalMonth(11);
        change(w, 2, "restored");
        w.commands->writeRecoveryCopy();
    }
    Window restarted;
    restarted.commands->setRecoveryCopy(aside.copyFor(QStringLiteral("200-b")));
    answerRecoveryWith(restarted, QStringLiteral("Restore"));
    ASSERT_TRUE(restarted.commands->offerRecovery());
    EXPECT_EQ(FileBytes::encodeName(restarted.fileName), name);
    restarted.commands->mnuSaveClick();
    EXPECT_FALSE(restarted.modified);
    EXPECT_TRUE(restarted.fake->messages.isEmpty()) << qPrintable(restarted.fake->messages.value(0).text);
    // The real file was replaced, and no other file made beside it.
    QList<QByteArray> files;
    for (const auto &entry : std::filesystem::directory_iterator(QFile::encodeName(aside.dir.path()).toStdString())) {
        if (entry.is_regular_file())
            files << QByteArray::fromStdString(entry.path().filename().native());
    }
    EXPECT_EQ(files, QList<QByteArray>{"caf\xe9\nplan.OVF"});
    PageDocument reread;
    ASSERT_TRUE(CalendarFile::LoadDocument(reread, path, nullptr, {}).ok);
    EXPECT_EQ(reread.settings.month, 11);
}

namespace {

const Picture &clipArtPicture(const TCalendarPanel32 &page, size_t place)
{
    return dynamic_cast<const TGImage &>(*page.objects().at(place)).picture();
}

// A photo placed as clip art and recorded as one change.
void placePhoto(Window &w, const QByteArray &jpeg)
{
    Picture picture;
    ASSERT_TRUE(picture.setSourceFile(jpeg, Picture::SourceFormat::Jpeg).ok());
    auto image = std::make_unique<TGImage>();
    image->setBounds(30, 40, 384, 288);
    image->SetPicture(picture);
    w.calendar.appendObject(std::move(image));
    w.calendar.ConnectObjects();
    w.modified = true;
    w.commands->recordChange();
    w.commands->flushPendingChange();
}

} // namespace

TEST(DocumentCommands, APhotoKeepsItsFileThroughUndoRedoAndRecoveryCopies)
{
    RecoveryFolder aside;
    const QByteArray jpeg = PhotoFiles::photoJpeg({1600, 1200});
    {
        Window w;
        w.commands->setRecoveryCopy(aside.copyFor(QStringLiteral("100-a")));
        w.commands->resetHistory(true);
        placePhoto(w, jpeg);
        change(w, 9, "after the photo");
        w.commands->Undo();
        w.commands->Undo();
        EXPECT_TRUE(w.calendar.objects().empty());
        w.commands->Redo();
        ASSERT_EQ(w.calendar.objects().size(), 1u);
        EXPECT_EQ(clipArtPicture(w.calendar, 0).sourceFile(), jpeg);
        w.commands->writeRecoveryCopy();
    }
    Window restarted;
    restarted.commands->setRecoveryCopy(aside.copyFor(QStringLiteral("200-b")));
    answerRecoveryWith(restarted, QStringLiteral("Restore"));
    ASSERT_TRUE(restarted.commands->offerRecovery());
    ASSERT_EQ(restarted.calendar.objects().size(), 1u);
    EXPECT_EQ(clipArtPicture(restarted.calendar, 0).sourceFile(), jpeg);
}

TEST(DocumentCommands, CopiedPastedAndClonedPhotosKeepTheirFiles)
{
    Window w;
    w.calendar.setObjectTransfer(std::make_unique<TGLabelObjectFiler>());
    const QByteArray jpeg = PhotoFiles::photoJpeg({1200, 900});
    placePhoto(w, jpeg);
    TGGraphicControl *placed = w.calendar.objects().front().get();
    w.calendar.frame().AddToSelection(placed);
    w.calendar.CopySelection();
    w.calendar.PasteObjects();
    w.calendar.CloneObject(*placed);
    ASSERT_EQ(w.calendar.objects().size(), 3u);
    for (size_t place : {1, 2})
        EXPECT_EQ(clipArtPicture(w.calendar, place).sourceFile(), jpeg) << place;
}

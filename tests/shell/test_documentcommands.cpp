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
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <cstdio>
#include <filesystem>
#include <iterator>

#include "fakedialogs.h"
#include "core/filebytes.h"
#include "objects/tgflatcalendar.h"
#include "objects/tgimage.h"
#include "objects/tgplabel.h"
#include "page/calpanel32.h"
#include "shell/documentcommands.h"
#include "shell/documenthost.h"
#include "shell/mrufilelist.h"
#include "shell/recoverycopy.h"
#include "storage/calendarfile.h"

namespace {

// A window holding one document, recording what the commands ask of it.
struct Window : DocumentHost {
    Window()
    {
        calendar.ResetToDefaults();
        commands = std::make_unique<DocumentCommands>(*this);
        fake->onDialog = [this](QDialog &d) {
            auto *files = dynamic_cast<QFileDialog *>(&d);
            if (!files || chosenFile.isEmpty())
                return int(QDialog::Rejected);
            lastProposal = files->selectedFiles().value(0);
            files->selectFile(chosenFile);
            return int(QDialog::Accepted);
        };
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

TEST(DocumentCommands, SavingWritesAtFullScaleAndRestoresTheZoom)
{
    Window w;
    const QString path = w.dir.filePath(QStringLiteral("z.OVF"));
    w.calendar.SetZoom(0.701f);
    ASSERT_TRUE(w.commands->SaveCalendarFile(path));
    EXPECT_FLOAT_EQ(w.calendar.ZoomFactor(), 0.701f);
    w.calendar.SetZoom(1.001f);
    ASSERT_TRUE(w.commands->SaveCalendarFile(path));
    EXPECT_EQ(w.calendar.ZoomFactor(), 1.0f);

    w.calendar.SetZoom(0.401f);
    w.commands->OpenCalendarFile(path);
    ASSERT_EQ(w.fileName, path);
    EXPECT_FLOAT_EQ(w.calendar.ZoomFactor(), 0.401f) << "opening puts the zoom back too";
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
    EXPECT_EQ(w.calendar.objects().front()->boundsRect(), QRect(10, 20, 142, 33));
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
    EXPECT_EQ(w.calendar.objects().front()->boundsRect(), QRect(40, 60, 142, 33));
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
    EXPECT_EQ(w.calendar.objects().back()->boundsRect(), QRect(10, 20, 142, 33));
    EXPECT_EQ(dynamic_cast<const TGImage &>(*w.calendar.objects().front()).picture().image().size(),
              photo.size());
    w.commands->Undo();
    EXPECT_TRUE(w.calendar.objects().empty());
}

TEST(DocumentCommands, UndoPutsObjectsBackAtTheZoomShownNow)
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
    EXPECT_EQ(w.calendar.objects().front()->boundsRect(), QRect(50, 20, 100, 20));
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

// Presses the button of that caption in the next message box with buttons of its own.
void answerChoiceWith(Window &w, const QString &button)
{
    w.fake->onDialog = [button](QDialog &dialog) {
        auto *box = dynamic_cast<QMessageBox *>(&dialog);
        if (!box)
            return int(QDialog::Rejected);
        for (QAbstractButton *candidate : box->buttons()) {
            if (candidate->text() == button)
                candidate->click();
        }
        return box->result();
    };
}

} // namespace

TEST(DocumentCommands, UnsavedChangesAreCopiedAsideAndOfferedBackAfterACrash)
{
    QTemporaryDir aside;
    const RecoveryCopy copy(aside.filePath(QStringLiteral("Recovery.OVR")));
    const TWPRtfStorage typed("{\\rtf1 typed before the crash\\par}");
    QString document;
    {
        Window w;
        w.commands->setRecoveryCopy(copy);
        document = w.writeDocument(QStringLiteral("Jun2026.OVF"));
        w.commands->OpenCalendarFile(document);
        // Nothing changed: no copy.
        w.commands->writeRecoveryCopy();
        EXPECT_FALSE(QFileInfo::exists(copy.path()));
        w.calendar.SetCellRtfText(9, typed);
        w.modified = true;
        w.commands->recordChange();
        w.commands->flushPendingChange();
        w.commands->writeRecoveryCopy();
        ASSERT_TRUE(QFileInfo::exists(copy.path()));
        // Only a new change makes a new copy.
        QFile::remove(copy.path());
        w.commands->writeRecoveryCopy();
        EXPECT_FALSE(QFileInfo::exists(copy.path()));
        w.commands->recordChange();
        w.commands->flushPendingChange();
        w.commands->writeRecoveryCopy();
        ASSERT_TRUE(QFileInfo::exists(copy.path()));
        // The window goes away without closing: the copy stays.
    }
    Window restarted;
    restarted.commands->setRecoveryCopy(copy);
    answerChoiceWith(restarted, QStringLiteral("Restore"));
    ASSERT_TRUE(restarted.commands->offerRecovery());
    EXPECT_EQ(restarted.fileName, document);
    EXPECT_TRUE(restarted.modified);
    EXPECT_TRUE(restarted.pageShown);
    EXPECT_EQ(restarted.calendar.GetCellRtfText(9, {}), typed);
    // Kept until the restored changes are saved.
    EXPECT_TRUE(QFileInfo::exists(copy.path()));
    ASSERT_TRUE(restarted.commands->SaveCalendarFile(aside.filePath(QStringLiteral("Jun2026.OVF"))));
    EXPECT_FALSE(QFileInfo::exists(copy.path()));
}

TEST(DocumentCommands, ADiscardedOrUnreadableRecoveryCopyRestoresNothing)
{
    QTemporaryDir aside;
    const RecoveryCopy copy(aside.filePath(QStringLiteral("Recovery.OVR")));
    {
        Window w;
        w.commands->setRecoveryCopy(copy);
        w.calendar.SetCellRtfText(9, TWPRtfStorage("{\\rtf1 x\\par}"));
        w.modified = true;
        w.commands->recordChange();
        w.commands->flushPendingChange();
        w.commands->writeRecoveryCopy();
        ASSERT_TRUE(QFileInfo::exists(copy.path()));
    }
    Window restarted;
    restarted.commands->setRecoveryCopy(copy);
    answerChoiceWith(restarted, QStringLiteral("Discard"));
    EXPECT_FALSE(restarted.commands->offerRecovery());
    EXPECT_FALSE(restarted.modified);
    EXPECT_FALSE(QFileInfo::exists(copy.path()));

    // A file that is not one of ours is not offered at all.
    QFile junk(copy.path());
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("not a recovery copy");
    junk.close();
    const int dialogs = restarted.fake->dialogCount;
    EXPECT_FALSE(restarted.commands->offerRecovery());
    EXPECT_EQ(restarted.fake->dialogCount, dialogs);
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

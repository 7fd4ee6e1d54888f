// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QFile>
#include <QFileDialog>
#include <QTemporaryDir>

#include "fakedialogs.h"
#include "page/calpanel32.h"
#include "shell/documentcommands.h"
#include "shell/mrufilelist.h"
#include "storage/calendarfile.h"

namespace {

// The document commands over a real page, with every window service recorded.
struct Window {
    Window()
    {
        page.ResetToDefaults();
        DocumentCommands::Services s;
        s.page = &page;
        s.recentFiles = &recent;
        s.runNewCalendarProperties = [this] {
            ++propertiesRuns;
            return confirmNew;
        };
        s.setWindowCaption = [this](const QString &c) { caption = c; };
        s.saveRecentFiles = [this] { ++recentSaves; };
        commands = std::make_unique<DocumentCommands>(std::move(s));
        fake->onDialog = [this](QDialog &d) {
            auto *files = dynamic_cast<QFileDialog *>(&d);
            if (!files || chosenFile.isEmpty())
                return int(QDialog::Rejected);
            lastProposal = files->selectedFiles().value(0);
            files->selectFile(chosenFile);
            return int(QDialog::Accepted);
        };
    }

    QString writeDocument(const QString &name)
    {
        const QString path = dir.filePath(name);
        TCalendarPanel32 other;
        other.ResetToDefaults();
        other.SetMainCalMonth(6);
        CalendarFile::SaveDocument(other, path, {});
        return path;
    }

    QTemporaryDir dir;
    ScopedFakeDialogs fake;
    TCalendarPanel32 page;
    TMRUFileList recent;
    std::unique_ptr<DocumentCommands> commands;
    bool confirmNew = true;
    int propertiesRuns = 0;
    int recentSaves = 0;
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
    EXPECT_TRUE(w.commands->modified());
    EXPECT_TRUE(w.commands->fileName().isEmpty());
    EXPECT_EQ(w.caption, QStringLiteral("Orvane [untitled]"));
    EXPECT_TRUE(w.fake->messages.isEmpty());
}

TEST(DocumentCommands, CancellingTheSaveQuestionKeepsTheWork)
{
    Window w;
    w.commands->SetModified(true);
    w.fake->answers = {QMessageBox::Cancel};
    w.commands->New1Click();
    EXPECT_EQ(w.propertiesRuns, 0);
    EXPECT_TRUE(w.commands->modified());

    // Yes, then cancelling the Save As dialog, also stops and keeps the flag.
    w.fake->answers = {QMessageBox::Yes};
    EXPECT_FALSE(w.commands->FormCloseQuery());
    EXPECT_TRUE(w.commands->modified());

    // No goes on without saving.
    w.fake->answers = {QMessageBox::No};
    w.commands->New1Click();
    EXPECT_EQ(w.propertiesRuns, 1);
    EXPECT_EQ(w.fake->messages.last().text, QStringLiteral("Save changes?"));
    EXPECT_EQ(w.fake->messages.last().caption, QStringLiteral("Save"));
}

TEST(DocumentCommands, SaveAsProposesMonthAndYearAndRemembersTheFile)
{
    Window w;
    w.page.SetMainCalYear(1998);
    w.page.SetMainCalMonth(3);
    w.page.setNames(languageNames(CalendarLanguage::English));
    EXPECT_EQ(w.commands->proposedSaveName(), QStringLiteral("Mar1998.OVF"));
    w.commands->SetModified(true);
    w.chosenFile = w.dir.filePath(QStringLiteral("Mar1998.OVF"));
    w.commands->SavebuttonClick();
    EXPECT_TRUE(w.lastProposal.endsWith(QStringLiteral("Mar1998.OVF")));
    EXPECT_TRUE(QFile::exists(w.chosenFile));
    EXPECT_FALSE(w.commands->modified());
    EXPECT_EQ(w.commands->fileName(), w.chosenFile);
    EXPECT_EQ(w.caption, QStringLiteral("Orvane  [Mar1998.OVF]"));
    EXPECT_EQ(w.recent.files().value(0), w.chosenFile);
    EXPECT_EQ(w.recentSaves, 1);
    EXPECT_EQ(w.commands->proposedSaveName(), QStringLiteral("Mar1998.OVF"));
}

TEST(DocumentCommands, SavingWritesAtFullScaleAndRestoresTheZoom)
{
    Window w;
    const QString path = w.dir.filePath(QStringLiteral("z.OVF"));
    w.page.SetZoom(0.701f);
    ASSERT_TRUE(w.commands->SaveCalendarFile(path));
    EXPECT_FLOAT_EQ(w.page.ZoomFactor(), 0.701f);
    w.page.SetZoom(1.001f);
    ASSERT_TRUE(w.commands->SaveCalendarFile(path));
    EXPECT_EQ(w.page.ZoomFactor(), 1.0f);
}

TEST(DocumentCommands, AFailedSaveSaysWhyAndStaysModified)
{
    Window w;
    const QString blocker = w.writeDocument(QStringLiteral("a.OVF"));
    w.commands->SetModified(true);
    EXPECT_FALSE(w.commands->SaveCalendarFile(blocker + QStringLiteral("/b.OVF")));
    EXPECT_TRUE(w.commands->modified());
    EXPECT_TRUE(w.commands->fileName().isEmpty());
    ASSERT_EQ(w.fake->messages.size(), 1);
    EXPECT_TRUE(w.fake->messages[0].text.startsWith(QStringLiteral("Unable to save ") + blocker));
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
    EXPECT_EQ(w.commands->fileName(), w.chosenFile);
    EXPECT_EQ(w.page.MainCalMonth(), 6);
    EXPECT_TRUE(TGBasePanel::visibleFlag(&w.page));
    EXPECT_FALSE(w.commands->modified());

    const QString junk = w.dir.filePath(QStringLiteral("junk.OVF"));
    QFile file(junk);
    file.open(QIODevice::WriteOnly);
    file.write("TPF0 nothing like a calendar");
    file.close();
    w.commands->OpenCalendarFile(junk);
    EXPECT_TRUE(w.commands->fileName().isEmpty());
    EXPECT_FALSE(TGBasePanel::visibleFlag(&w.page));
    EXPECT_EQ(w.fake->messages.last().text,
              QStringLiteral("Unable to open ") + junk + QStringLiteral(". Possibly \rcorrupted, possibly not a Calendar file"));

    w.commands->OpenCalendarFile(w.dir.filePath(QStringLiteral("gone.OVF")));
    EXPECT_EQ(w.fake->messages.last().text,
              QStringLiteral("File ") + w.dir.filePath(QStringLiteral("gone.OVF")) + QStringLiteral(" no longer exists"));
}

TEST(DocumentCommands, CancelChangesRereadsTheSavedFile)
{
    Window w;
    w.commands->SetModified(true);
    w.fake->answers = {QMessageBox::Yes};
    w.commands->mnuCancelChangesClick();
    EXPECT_FALSE(w.commands->modified());

    const QString path = w.writeDocument(QStringLiteral("june.OVF"));
    w.commands->OpenCalendarFile(path);
    w.page.SetMainCalMonth(9);
    w.commands->SetModified(true);
    w.fake->answers = {QMessageBox::Yes};
    w.commands->mnuCancelChangesClick();
    EXPECT_EQ(w.page.MainCalMonth(), 6);
    EXPECT_FALSE(w.commands->modified());
    EXPECT_EQ(w.fake->messages.last().caption, QStringLiteral("CANCEL")) << qPrintable(w.fake->messages.last().text);
}

TEST(DocumentCommands, StartUpReopensTheMostRecentDocumentIfItExists)
{
    Window w;
    const QString path = w.writeDocument(QStringLiteral("last.OVF"));
    w.recent.AddFile(w.dir.filePath(QStringLiteral("missing.OVF")));
    w.commands->openAtStart();
    EXPECT_TRUE(w.commands->fileName().isEmpty());
    EXPECT_FALSE(TGBasePanel::visibleFlag(&w.page));
    w.recent.AddFile(path);
    w.commands->openAtStart();
    EXPECT_EQ(w.commands->fileName(), path);
    EXPECT_TRUE(TGBasePanel::visibleFlag(&w.page));
}

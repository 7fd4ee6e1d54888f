// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Opening a document that can be read only in part, and saving it over its file.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QTemporaryDir>

#include "filedialogs.h"
#include "fakedialogs.h"
#include "page/calpanel32.h"
#include "documents/documentcommands.h"
#include "documents/mrufilelist.h"
#include "stubdocumenthost.h"

#include "../storage/damageddocuments.h"

namespace {

struct Host : StubDocumentHost {
    Host()
    {
        calendar.ResetToDefaults();
        commands = std::make_unique<DocumentCommands>(*this);
        // The save question is answered with 'answer'; a file dialog takes 'chosenFile'.
        fake->onDialog = [this](QDialog &dialog) {
            if (FileDialogs::isFileDialog(dialog)) {
                proposals << FileDialogs::proposal(dialog);
                if (chosenFile.isEmpty())
                    return int(QDialog::Rejected);
                FileDialogs::choose(dialog, chosenFile);
                return int(QDialog::Accepted);
            }
            auto *box = dynamic_cast<QMessageBox *>(&dialog);
            if (!box)
                return int(QDialog::Rejected);
            questions << box->text();
            for (QAbstractButton *button : box->buttons()) {
                if (button->text() == answer)
                    button->click();
            }
            return box->result();
        };
    }

    TMRUFileList *recentFiles() override { return &recent; }
    bool runNewCalendarProperties() override { return true; }

    QString write(const QString &name, const QByteArray &bytes)
    {
        const QString path = dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    QByteArray contents(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir dir;
    ScopedFakeDialogs fake;
    TMRUFileList recent;
    std::unique_ptr<DocumentCommands> commands;
    QString answer;
    QString chosenFile;
    QStringList questions;
    QStringList proposals;
};

} // namespace

TEST(OpenReadInPart, OpensModifiedAndNamesWhatWasLeftOut)
{
    Host h;
    const QString path = h.write(QStringLiteral("June.OVF"),
                                 DamagedDocuments::withRenamedLeft(DamagedDocuments::fifteenLabels(), 4));
    h.commands->OpenCalendarFile(path);
    EXPECT_EQ(h.fileName, path);
    EXPECT_EQ(h.calendar.objects().size(), 15u);
    EXPECT_TRUE(h.modified);
    ASSERT_EQ(h.fake->messages.size(), 1);
    EXPECT_TRUE(h.fake->messages[0].text.contains(QStringLiteral("property Lefz of Component3 (TGPLabel)")))
        << qPrintable(h.fake->messages[0].text);

    // A whole document opens as before: not modified, no message.
    h.commands->OpenCalendarFile(h.write(QStringLiteral("Whole.OVF"), DamagedDocuments::fifteenLabels()));
    EXPECT_FALSE(h.modified);
    EXPECT_EQ(h.fake->messages.size(), 1);
}

TEST(OpenReadInPart, SavingOverTheFileAsksFirst)
{
    Host h;
    const QByteArray damaged = DamagedDocuments::withUnskippableLeft(DamagedDocuments::fifteenLabels(), 7);
    const QString path = h.write(QStringLiteral("June.OVF"), damaged);
    h.commands->OpenCalendarFile(path);
    ASSERT_TRUE(h.modified);

    h.answer = QStringLiteral("Cancel");
    EXPECT_FALSE(h.commands->SaveCalendarFile(path));
    ASSERT_EQ(h.questions.size(), 1);
    EXPECT_TRUE(h.questions[0].contains(QStringLiteral("was read only in part")));
    EXPECT_EQ(h.contents(path), damaged);
    EXPECT_TRUE(h.modified);

    // Save As proposes a name of its own and leaves the damaged file alone.
    h.answer = QStringLiteral("Save As...");
    h.chosenFile = h.dir.filePath(QStringLiteral("June (repaired).OVF"));
    h.commands->mnuSaveClick();
    ASSERT_EQ(h.proposals.size(), 1);
    EXPECT_EQ(QFileInfo(h.proposals[0]).fileName(), QStringLiteral("June (repaired).OVF"));
    EXPECT_EQ(h.contents(path), damaged);
    EXPECT_EQ(h.fileName, h.chosenFile);
    EXPECT_FALSE(h.modified);
    EXPECT_TRUE(QFileInfo::exists(h.chosenFile));

    // Saving the repaired document again asks nothing.
    h.commands->mnuSaveClick();
    EXPECT_EQ(h.questions.size(), 2);
}

TEST(OpenReadInPart, SaveOverItReplacesTheFileOnceAsked)
{
    Host h;
    const QString path = h.write(QStringLiteral("June.OVF"),
                                 DamagedDocuments::withUnskippableLeft(DamagedDocuments::fifteenLabels(), 7));
    h.commands->OpenCalendarFile(path);
    h.answer = QStringLiteral("Save Over It");
    EXPECT_TRUE(h.commands->SaveCalendarFile(path));
    EXPECT_EQ(h.questions.size(), 1);
    EXPECT_FALSE(h.modified);
    // The file now holds the fourteen objects that were read, whole.
    h.commands->OpenCalendarFile(path);
    EXPECT_EQ(h.calendar.objects().size(), 14u);
    EXPECT_FALSE(h.modified);
    h.commands->SaveCalendarFile(path);
    EXPECT_EQ(h.questions.size(), 1);
}

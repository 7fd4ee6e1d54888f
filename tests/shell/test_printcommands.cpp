// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QFile>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "fakedialogs.h"
#include "page/calpanel32.h"
#include "shell/documenthost.h"
#include "shell/printcommands.h"

namespace {

// A document window reduced to what printing asks of it.
struct PrintHost : DocumentHost {
    QWidget *dialogParent() override { return nullptr; }
    TCalendarPanel32 &page() override { return calendar; }
    TMRUFileList *recentFiles() override { return nullptr; }
    void saveRecentFiles() override {}
    QString documentFileName() const override { return fileName; }
    void setDocumentFileName(const QString &path) override { fileName = path; }
    bool Modified() const override { return modified; }
    void SetModified(bool on) override { modified = on; }
    void setOpening(bool) override {}
    void setPageShown(bool) override {}
    void SetButtons() override {}
    void SetCaption() override {}
    void setWindowCaption(const QString &) override {}
    void updateIconWindow() override {}
    void DoSaveRichtext() override { ++commits; }
    bool runNewCalendarProperties() override { return false; }

    TCalendarPanel32 calendar;
    QString fileName;
    bool modified = false;
    int commits = 0;
};

int pdfPages(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    return int(QString::fromLatin1(file.readAll()).count(QRegularExpression(QStringLiteral("/Type\\s*/Page\\b"))));
}

struct Printing : ::testing::Test {
    Printing()
    {
        host.calendar.ResetToDefaults();
        commands.printer().setOutputFormat(QPrinter::PdfFormat);
        commands.printer().setOutputFileName(dir.filePath(QStringLiteral("out.pdf")));
    }
    QTemporaryDir dir;
    ScopedFakeDialogs fake;
    PrintHost host;
    PrintCommands commands{host};
};

} // namespace

TEST_F(Printing, CopiesTheDriverCannotMakeArePrintedAsPages)
{
    fake->onDialog = [this](QDialog &d) {
        EXPECT_NE(dynamic_cast<QPrintDialog *>(&d), nullptr);
        commands.printer().setCopyCount(2);
        return int(QDialog::Accepted);
    };
    host.calendar.SetZoom(0.601f);
    host.modified = true;
    commands.mnuPrintCalendarClick();
    const int pages = pdfPages(dir.filePath(QStringLiteral("out.pdf")));
    EXPECT_EQ(pages, commands.printer().supportsMultipleCopies() ? 1 : 2);
    EXPECT_FLOAT_EQ(host.calendar.ZoomFactor(), 0.601f);
    EXPECT_TRUE(host.modified);
    EXPECT_EQ(host.commits, 1);
    ASSERT_FALSE(fake->messages.isEmpty());
    EXPECT_EQ(fake->messages.last().text, QStringLiteral("Print job completed and sent to printer!"));
}

TEST_F(Printing, CancellingSetupPrintsNothingAndSaysNothing)
{
    host.modified = false;
    commands.mnuPrintCalendarClick();
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("out.pdf"))));
    EXPECT_TRUE(fake->messages.isEmpty());
    EXPECT_FALSE(host.modified);
}

TEST_F(Printing, ExportProposesTheMonthAndReportsTheZoom)
{
    host.calendar.setNames(languageNames(CalendarLanguage::English));
    host.calendar.SetMainCalYear(1997);
    host.calendar.SetMainCalMonth(12);
    host.calendar.SetZoom(0.701f);
    QString proposed;
    fake->onDialog = [&](QDialog &d) {
        auto *files = dynamic_cast<QFileDialog *>(&d);
        if (!files)
            return int(QDialog::Rejected);
        proposed = files->selectedFiles().value(0);
        files->selectFile(dir.filePath(QStringLiteral("Dec1997.BMP")));
        return int(QDialog::Accepted);
    };
    commands.mnuSaveAsBitmapClick();
    EXPECT_TRUE(proposed.endsWith(QStringLiteral("/Dec1997.BMP"))) << qPrintable(proposed);
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("Dec1997.BMP"))));
    ASSERT_EQ(fake->messages.size(), 1);
    EXPECT_TRUE(fake->messages[0].text.endsWith(QStringLiteral("current magnification level of 70%")));
}

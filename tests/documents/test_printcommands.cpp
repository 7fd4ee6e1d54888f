// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "fakedialogs.h"
#include "page/calpanel32.h"
#include "stubdocumenthost.h"
#include "documents/printcommands.h"
#include "output/printsupport.h"

namespace {

// A document window reduced to what printing asks of it.
struct PrintHost : StubDocumentHost {
    void DoSaveRichtext() override { ++commits; }

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
    EXPECT_EQ(fake->messages.last().text,
              QStringLiteral("The calendar was printed to the file\r") + dir.filePath(QStringLiteral("out.pdf")));
}

TEST_F(Printing, PrintSetupsPrintButtonPrintsAndCancelDoesNot)
{
    const QString out = dir.filePath(QStringLiteral("out.pdf"));
    QString title;
    QString button;
    fake->onDialog = [&](QDialog &d) {
        title = d.windowTitle();
        auto *buttons = d.findChild<QDialogButtonBox *>();
        QPushButton *print = buttons ? buttons->button(QDialogButtonBox::Ok) : nullptr;
        if (!print)
            return int(QDialog::Rejected);
        button = print->text().remove(QLatin1Char('&'));
        // Shown, as exec would: the dialog fills its fields from the printer then.
        d.show();
        print->click();
        return d.result();
    };
    host.modified = true;
    commands.mnuPrintSetupClick();
    EXPECT_EQ(title, QStringLiteral("Print Setup"));
    EXPECT_EQ(button, QStringLiteral("Print"));
    EXPECT_EQ(pdfPages(out), 1);
    EXPECT_EQ(host.commits, 1) << "the open cell goes in first, as for Print Calendar";
    EXPECT_TRUE(host.modified);
    ASSERT_EQ(fake->messages.size(), 1);
    EXPECT_EQ(fake->messages[0].text, QStringLiteral("The calendar was printed to the file\r") + out);

    QFile::remove(out);
    fake->onDialog = [](QDialog &d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Print Setup"));
        return int(QDialog::Rejected);
    };
    commands.mnuPrintSetupClick();
    EXPECT_FALSE(QFile::exists(out));
    EXPECT_EQ(fake->messages.size(), 1) << "nothing more said";
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

TEST_F(Printing, SaveAsImageWritesTheKindItsNameSays)
{
    host.calendar.SetMainCalYear(2027);
    host.calendar.SetMainCalMonth(3);
    host.calendar.SetZoom(0.5f);
    QString chosen;
    fake->onDialog = [&](QDialog &d) {
        auto *files = dynamic_cast<QFileDialog *>(&d);
        if (!files)
            return int(QDialog::Rejected);
        files->selectFile(chosen);
        return int(QDialog::Accepted);
    };
    chosen = dir.filePath(QStringLiteral("march.png"));
    commands.mnuSaveAsImageClick();
    const QImage png(chosen, "PNG");
    ASSERT_FALSE(png.isNull());
    EXPECT_EQ(png, PrintSupport::exportImage(host.calendar.model()));

    chosen = dir.filePath(QStringLiteral("march.svg"));
    commands.mnuSaveAsImageClick();
    QFile svg(chosen);
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    const QByteArray drawing = svg.readAll();
    EXPECT_TRUE(drawing.startsWith("<?xml")) << drawing.left(100).constData();
    EXPECT_TRUE(drawing.contains(">March 2027</text>")) << "text stays text";

    chosen = dir.filePath(QStringLiteral("march.pdf"));
    fake->messages.clear();
    commands.mnuSaveAsImageClick();
    EXPECT_FALSE(QFile::exists(chosen));
    ASSERT_EQ(fake->messages.size(), 1);
    EXPECT_TRUE(fake->messages[0].text.contains(QLatin1String("Name the picture .png, .jpg, .bmp or .svg.")));
}

namespace {

// Width and height of each page's media box, in points.
QList<QSizeF> pdfMediaBoxes(const QString &path)
{
    QFile file(path);
    QList<QSizeF> boxes;
    if (!file.open(QIODevice::ReadOnly))
        return boxes;
    const QString text = QString::fromLatin1(file.readAll());
    static const QRegularExpression box(
        QStringLiteral("/MediaBox\\s*\\[\\s*0\\s+0\\s+([\\d.]+)\\s+([\\d.]+)\\s*\\]"));
    for (auto it = box.globalMatch(text); it.hasNext();) {
        const auto match = it.next();
        boxes << QSizeF(match.captured(1).toDouble(), match.captured(2).toDouble());
    }
    return boxes;
}

} // namespace

TEST_F(Printing, QtsPdfPrinterCountsAsAPrinter)
{
    EXPECT_TRUE(commands.checkPrinterAvailable());
    EXPECT_TRUE(fake->messages.isEmpty());
}

TEST_F(Printing, PrintToFileWithoutANameAsksForOneAndSaysWhereItWent)
{
    commands.printer().setOutputFileName(QString());
    const QString chosen = dir.filePath(QStringLiteral("printed.pdf"));
    fake->onDialog = [&](QDialog &d) {
        if (auto *files = dynamic_cast<QFileDialog *>(&d)) {
            files->selectFile(chosen);
            return int(QDialog::Accepted);
        }
        return int(dynamic_cast<QPrintDialog *>(&d) ? QDialog::Accepted : QDialog::Rejected);
    };
    commands.mnuPrintCalendarClick();
    EXPECT_EQ(pdfPages(chosen), 1);
    ASSERT_EQ(fake->messages.size(), 1);
    EXPECT_TRUE(fake->messages[0].text.endsWith(chosen)) << qPrintable(fake->messages[0].text);
}

TEST_F(Printing, APrintThatCannotBeWrittenIsReportedNotCelebrated)
{
    const QString unwritable = dir.filePath(QStringLiteral("no such folder/out.pdf"));
    commands.printer().setOutputFileName(unwritable);
    fake->onDialog = [](QDialog &) { return int(QDialog::Accepted); };
    host.modified = true;
    commands.mnuPrintCalendarClick();
    EXPECT_FALSE(QFile::exists(unwritable));
    ASSERT_EQ(fake->messages.size(), 1);
    EXPECT_TRUE(fake->messages[0].text.startsWith(QStringLiteral("The calendar could not be printed")))
        << qPrintable(fake->messages[0].text);
    EXPECT_TRUE(host.modified);
}

TEST_F(Printing, SaveAsPdfStartsInTheDocumentsFolderAndUsesThePagesPaper)
{
    host.fileName = dir.filePath(QStringLiteral("Family.OVF"));
    host.calendar.SetCalendarOrientation(coLandscape);
    host.modified = true;
    QString proposed;
    fake->onDialog = [&](QDialog &d) {
        auto *files = dynamic_cast<QFileDialog *>(&d);
        if (!files)
            return int(QDialog::Rejected);
        proposed = files->selectedFiles().value(0);
        files->selectFile(dir.filePath(QStringLiteral("Family.pdf")));
        return int(QDialog::Accepted);
    };
    commands.mnuSaveAsPdfClick();
    EXPECT_EQ(proposed, dir.filePath(QStringLiteral("Family.pdf")));
    const QList<QSizeF> boxes = pdfMediaBoxes(dir.filePath(QStringLiteral("Family.pdf")));
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_GT(boxes[0].width(), boxes[0].height()) << "landscape";
    EXPECT_TRUE(host.modified) << "exporting leaves the modified state as it was";
    ASSERT_EQ(fake->messages.size(), 1);
    EXPECT_TRUE(fake->messages[0].text.endsWith(QStringLiteral("Family.pdf")));
}

TEST_F(Printing, AYearAsPdfIsTwelvePagesAndThePageKeepsItsMonthAndTexts)
{
    host.calendar.SetMainCalYear(2026);
    host.calendar.SetMainCalMonth(11);
    host.calendar.SetCellRtfText(11, TWPRtfStorage("{\\rtf1 Meeting\\par}"));
    const TWPRtfStorage before = host.calendar.document().cells[10];
    const QString path = dir.filePath(QStringLiteral("year.pdf"));
    fake->onDialog = [&](QDialog &d) {
        auto *files = dynamic_cast<QFileDialog *>(&d);
        if (!files)
            return int(QDialog::Rejected);
        files->selectFile(path);
        return int(QDialog::Accepted);
    };
    commands.mnuSaveYearAsPdfClick();
    EXPECT_EQ(pdfPages(path), 12);
    EXPECT_EQ(host.calendar.MainCalMonth(), 11);
    EXPECT_EQ(host.calendar.MainCalYear(), 2026);
    EXPECT_EQ(host.calendar.document().cells[10], before);
    EXPECT_FALSE(host.modified);
}

TEST_F(Printing, PreviewPaintsThroughThePrintPathAndTheJpgDialogIsTitledForJpg)
{
    int previewPages = -1;
    QString jpgTitle;
    host.modified = true;
    fake->onDialog = [&](QDialog &d) {
        if (auto *preview = dynamic_cast<QPrintPreviewDialog *>(&d)) {
            auto *widget = preview->findChild<QPrintPreviewWidget *>();
            if (widget) {
                widget->updatePreview();
                previewPages = widget->pageCount();
            }
        } else if (auto *files = dynamic_cast<QFileDialog *>(&d)) {
            jpgTitle = files->windowTitle();
        }
        return int(QDialog::Rejected);
    };
    commands.mnuPrintPreviewClick();
    EXPECT_EQ(previewPages, 1);
    EXPECT_TRUE(host.modified);
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("out.pdf")))) << "a preview prints nothing";
    commands.mnuSaveAsJPGClick();
    EXPECT_EQ(jpgTitle, QStringLiteral("Save Calendar As JPG"));
}

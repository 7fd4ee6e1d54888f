// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>

#include <sys/stat.h>

#include "core/filebytes.h"
#include "output/printsupport.h"
#include "calendar/calendarnames.h"
#include "page/calpanel32.h"

using namespace PrintSupport;

namespace {

void landscapeLetter(TCalendarPanel32 &page, float margins)
{
    page.ResetToDefaults();
    page.setPixelsPerInch(96);
    page.SetCalendarLayout(LOFullCalendarLS);
    page.SetLeftMarginInch(margins);
    page.SetTopMarginInch(margins);
    page.SetRightMarginInch(margins);
    page.SetBottomMarginInch(margins);
}

} // namespace

TEST(PrintSupport, PrinterProblemsAreNamed)
{
    EXPECT_TRUE(printerProblem({QStringLiteral("Office")}, QStringLiteral("Office")).isEmpty());
    EXPECT_EQ(printerProblem({}, QString()),
              QStringLiteral("There are no installed printers.\r\nUnable to perform printer related operations"));
    EXPECT_EQ(printerProblem({QStringLiteral("Office")}, QString()),
              QStringLiteral("There is no default printer selected.\r\nUnable to perform printer related operations"));
    EXPECT_TRUE(printerProblem({}, QString(), true).isEmpty()) << "printing to a PDF file counts";
}

TEST(PrintSupport, MarginWarningsCompareCutUnprintableWidths)
{
    TCalendarPanel32 page;
    landscapeLetter(page, 0.25f);
    EXPECT_FLOAT_EQ(cutToHundredths(0.254), 0.25f);
    EXPECT_TRUE(marginWarnings(QMarginsF(0.254, 0.2, 0.25, 0.1), page.model()).isEmpty());
    const QString warnings = marginWarnings(QMarginsF(0.26, 0.1, 0.3, 0.5), page.model());
    EXPECT_EQ(warnings, QStringLiteral("\rLeft Margin is possibly outside of Printer printable area"
                                       "\rRight Margin is possibly outside of Printer printable area"
                                       "\rBottom Margin is possibly outside of Printer printable area"));
    EXPECT_EQ(marginQuestion(QStringLiteral("\rX")), QStringLiteral("Margin Warning:\r\rX\r\rPrint anyways?"));
}

TEST(PrintSupport, ExportNamesFollowTheDocumentOrThePagesMonth)
{
    TCalendarPanel32 page;
    page.ResetToDefaults();
    page.SetMainCalYear(1997);
    page.SetMainCalMonth(12);
    page.setNames(languageNames(CalendarLanguage::English));
    EXPECT_EQ(proposedExportName(QString(), page.model(), QStringLiteral("BMP")), QStringLiteral("Dec1997.BMP"));
    page.setNames(languageNames(CalendarLanguage::German));
    EXPECT_EQ(proposedExportName(QString(), page.model(), QStringLiteral("JPG")), QStringLiteral("Dez1997.JPG"));
    EXPECT_EQ(proposedExportName(QStringLiteral("/home/a/My.Plans.OVF"), page.model(), QStringLiteral("BMP")),
              QStringLiteral("My.Plans.BMP"));
}

TEST(PrintSupport, ExportedImagesLeaveOutTheMarginsAndOnePixel)
{
    TCalendarPanel32 page;
    landscapeLetter(page, 0.25f);
    page.SetZoom(1.0f);
    ASSERT_EQ(page.PageWidth(), 1056);
    const QImage image = exportImage(page.model());
    EXPECT_EQ(image.size(), QSize(1007, 767));
    // The calendar area starts 2 pixels inside the margins: white, then the frame's line.
    EXPECT_EQ(image.pixelColor(1, 1), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(2, 100), QColor(Qt::black));
}

TEST(PrintSupport, BitmapAndJpegFilesAreWritten)
{
    QTemporaryDir dir;
    TCalendarPanel32 page;
    landscapeLetter(page, 0.5f);
    page.SetZoom(0.5f);
    const QString bmp = dir.filePath(QStringLiteral("Dec1997.BMP"));
    const QString jpg = dir.filePath(QStringLiteral("Dec1997.JPG"));
    ASSERT_TRUE(SaveCalendarToBitmap(page.model(), bmp, false));
    ASSERT_TRUE(SaveCalendarToBitmap(page.model(), jpg, true));
    EXPECT_EQ(QImageReader(bmp).format(), QByteArray("bmp"));
    EXPECT_EQ(QImageReader(jpg).format(), QByteArray("jpeg"));
    EXPECT_EQ(QImageReader(bmp).size(), exportImage(page.model()).size());
    // A failure says why.
    QString error;
    const QString inMissingFolder = dir.filePath(QStringLiteral("missing/x.BMP"));
    EXPECT_FALSE(SaveCalendarToBitmap(page.model(), inMissingFolder, false, &error));
    EXPECT_EQ(error, QStringLiteral("Cannot write %1: the folder does not exist").arg(inMissingFolder));
    EXPECT_FALSE(SaveCalendarToBitmap(page.model(), QStringLiteral("/dev/null"), true, &error));
    EXPECT_TRUE(error.endsWith(QStringLiteral("is not a regular file (a device, pipe or socket) and is left as it is")))
        << qPrintable(error);
    // A name that is not UTF-8 is written with the very bytes it has.
    const QByteArray odd = QFile::encodeName(dir.path()) + "/Dez\xff\xfe.JPG";
    ASSERT_TRUE(SaveCalendarToBitmap(page.model(), FileBytes::decodeName(odd), true));
    struct stat written {};
    EXPECT_EQ(::stat(odd.constData(), &written), 0);
    EXPECT_GT(written.st_size, 1000);
    EXPECT_EQ(exportSavedMessage(bmp, 0.601f),
              QStringLiteral("Saved as ") + bmp
                  + QStringLiteral("\r\rNote: the calendar has been saved at its\rcurrent magnification level of 60%"));
    EXPECT_TRUE(exportFailedMessage(bmp).endsWith(QStringLiteral(" -Invalid file name")));
}

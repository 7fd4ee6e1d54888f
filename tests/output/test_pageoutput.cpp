// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "objects/tgimage.h"
#include "output/pageoutput.h"
#include "page/calpanel32.h"
#include "photofiles.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <sys/mount.h>

TEST(PageOutput, FileNames)
{
    using PageOutput::Format;
    EXPECT_EQ(PageOutput::formatOfPath(QStringLiteral("/tmp/a.PNG")), Format::Png);
    EXPECT_EQ(PageOutput::formatOfPath(QStringLiteral("a.jpeg")), Format::Jpg);
    EXPECT_EQ(PageOutput::formatOfPath(QStringLiteral("a.bmp")), Format::Bmp);
    EXPECT_EQ(PageOutput::formatOfPath(QStringLiteral("a.pdf")), Format::Pdf);
    EXPECT_EQ(PageOutput::formatOfPath(QStringLiteral("a.Svg")), Format::Svg);
    EXPECT_EQ(PageOutput::formatOfPath(QStringLiteral("a.png.txt")), Format::Unknown);
    EXPECT_EQ(PageOutput::formatOfPath(QStringLiteral("png")), Format::Unknown);
    EXPECT_EQ(PageOutput::numberedPath(QStringLiteral("/x/year.png"), 3),
              QStringLiteral("/x/year-03.png"));
    EXPECT_EQ(PageOutput::numberedPath(QStringLiteral("/x.d/year"), 12),
              QStringLiteral("/x.d/year-12"));
    EXPECT_EQ(PageOutput::numberedPath(QStringLiteral("a.b.jpg"), 100),
              QStringLiteral("a.b-100.jpg"));
}

TEST(PageOutput, FailedImageLeavesThePreviousFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("page.png"));
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("previous");
    old.close();
    QString error;
    EXPECT_FALSE(PageOutput::saveImage(QImage(), path, &error));
    EXPECT_FALSE(error.isEmpty());
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), QByteArray("previous"));
    EXPECT_FALSE(PageOutput::saveImage(QImage(4, 4, QImage::Format_RGB32),
                                       dir.filePath(QStringLiteral("page.pdf")), &error));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("page.png")});
}

TEST(PageOutput, PdfOfSeveralMonthsRestoresThePagesMonth)
{
    TCalendarPanel32 page;
    page.ResetToDefaults();
    page.SetCalendarLayout(loFullCalendar);
    page.SetMainCalYear(1997);
    page.SetMainCalMonth(11);
    QBuffer buffer;
    ASSERT_TRUE(buffer.open(QIODevice::WriteOnly));
    QString error;
    ASSERT_TRUE(PageOutput::writePdf(page.model(), 3, buffer, &error)) << qPrintable(error);
    EXPECT_TRUE(buffer.data().startsWith("%PDF-"));
    EXPECT_EQ(buffer.data().count("/Type /Page\n") + buffer.data().count("/Type /Page\r"), 3);
    EXPECT_EQ(page.MainCalMonth(), 11);
    EXPECT_EQ(page.MainCalYear(), 1997);
}

TEST(PageOutput, PdfProgressSeesEachMonthAndCancelLeavesNoFile)
{
    QTemporaryDir dir;
    TCalendarPanel32 page;
    page.ResetToDefaults();
    page.SetMainCalYear(2026);
    page.SetMainCalMonth(11);
    QList<int> shown;
    const auto record = [&](int month) {
        shown << page.MainCalYear() * 100 + page.MainCalMonth() + month * 10000000;
        return true;
    };
    QString error;
    const QString path = dir.filePath(QStringLiteral("year.pdf"));
    ASSERT_TRUE(PageOutput::savePdf(page.model(), 3, path, &error, record)) << qPrintable(error);
    EXPECT_EQ(shown, (QList<int>{202611, 10202612, 20202701}));

    const QString cancelled = dir.filePath(QStringLiteral("cancelled.pdf"));
    EXPECT_FALSE(PageOutput::savePdf(page.model(), 12, cancelled, &error, [](int month) { return month < 2; }));
    EXPECT_FALSE(QFile::exists(cancelled));
    EXPECT_EQ(page.MainCalMonth(), 11) << "the page shows its own month after a cancel too";
    EXPECT_EQ(page.MainCalYear(), 2026);
}

TEST(PageOutput, ImagesOfSeveralMonthsShowEachMonth)
{
    QTemporaryDir dir;
    TCalendarPanel32 page;
    page.ResetToDefaults();
    page.SetCalendarLayout(loFullCalendar);
    page.SetMainCalYear(1997);
    page.SetMainCalMonth(12);
    page.SetZoom(0.25f);
    QString error;
    ASSERT_TRUE(PageOutput::saveImages(page.model(), 2, dir.filePath(QStringLiteral("m.bmp")), &error))
        << qPrintable(error);
    const QImage december(dir.filePath(QStringLiteral("m-01.bmp")));
    const QImage january(dir.filePath(QStringLiteral("m-02.bmp")));
    ASSERT_FALSE(december.isNull());
    EXPECT_EQ(december.size(), QSize(page.width(), page.height()));
    EXPECT_NE(december, january);
    EXPECT_EQ(page.MainCalMonth(), 12);
    page.SetMainCalYear(1998);
    page.SetMainCalMonth(1);
    EXPECT_EQ(page.RenderToBitmap().convertToFormat(january.format()), january);
}

TEST(PageOutput, ImagesAreNeverWrittenOverADeviceAndAFullDiskIsNamed)
{
    QTemporaryDir dir;
    const QString link = dir.filePath(QStringLiteral("page.png"));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/null"), link));
    QString error;
    const QImage image(64, 64, QImage::Format_RGB32);
    EXPECT_FALSE(PageOutput::saveImage(image, link, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("not a regular file"))) << qPrintable(error);
    EXPECT_TRUE(QFileInfo(link).isSymLink());

    // /dev/full accepts the file's creation in no folder, so the full disk is met on a
    // small file system where one can be made.
    const QByteArray folder = QFile::encodeName(dir.filePath(QStringLiteral("small")));
    QDir().mkpath(QString::fromLocal8Bit(folder));
    if (::mount("tmpfs", folder.constData(), "tmpfs", 0, "size=16k") != 0)
        GTEST_SKIP() << "mounting a small file system needs root rights here";
    QImage noisy(200, 200, QImage::Format_RGB32);
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 200; ++x)
            noisy.setPixel(x, y, qRgb((x * 7919 + y * 104729) % 256, (x * y) % 256, (x ^ y) % 256));
    error.clear();
    const bool saved = PageOutput::saveImage(noisy, QString::fromLocal8Bit(folder) + QStringLiteral("/big.bmp"), &error);
    ::umount(folder.constData());
    EXPECT_FALSE(saved);
    EXPECT_FALSE(error.contains(QStringLiteral("Unknown error"))) << qPrintable(error);
    EXPECT_TRUE(error.contains(QStringLiteral("space"), Qt::CaseInsensitive)) << qPrintable(error);
}

TEST(PageOutput, SvgKeepsLinesAndTextAsVectorsOnThePapersSize)
{
    QTemporaryDir dir;
    TCalendarPanel32 page;
    page.ResetToDefaults(QDate(2027, 2, 1));
    page.SetCalendarLayout(loFullCalendar);
    page.SetPaperSize(PaperA4);
    const QString path = dir.filePath(QStringLiteral("february.svg"));
    QString error;
    ASSERT_TRUE(PageOutput::saveSvg(page.model(), path, &error)) << error.toStdString();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString svg = QString::fromUtf8(file.readAll());
    // A4, to the drawing's dots.
    const QRegularExpressionMatch size
        = QRegularExpression(QStringLiteral("width=\"([\\d.]+)mm\" height=\"([\\d.]+)mm\"")).match(svg);
    ASSERT_TRUE(size.hasMatch()) << svg.left(300).toStdString();
    EXPECT_NEAR(size.captured(1).toDouble(), 210, 0.2);
    EXPECT_NEAR(size.captured(2).toDouble(), 297, 0.2);
    EXPECT_TRUE(svg.contains(QLatin1String(">February 2027</text>")));
    // Every day number is text, and the grid is drawn, not pictured.
    for (int day = 1; day <= 28; ++day)
        EXPECT_TRUE(svg.contains(QStringLiteral(">%1</text>").arg(day))) << day;
    EXPECT_FALSE(svg.contains(QLatin1String("<image")));
    EXPECT_GT(svg.count(QLatin1String("<polyline")) + svg.count(QLatin1String("<path")) + svg.count(QLatin1String("<rect")), 10);
    // Several months give numbered drawings.
    const QString year = dir.filePath(QStringLiteral("year.svg"));
    ASSERT_TRUE(PageOutput::saveImages(page.model(), 2, year, &error)) << error.toStdString();
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("year-02.svg"))));
}

TEST(PageOutput, APhotoGoesIntoThePdfAsAJpegOfAtMost300DotsAnInch)
{
    TCalendarPanel32 page;
    page.ResetToDefaults(QDate(2027, 5, 1));
    const QByteArray jpeg = PhotoFiles::photoJpeg({4000, 3000});
    Picture photo;
    ASSERT_TRUE(photo.setSourceFile(jpeg, Picture::SourceFormat::Jpeg).ok());
    // Four inches by three on the page.
    const int ppi = page.model().pixelsPerInch();
    auto image = std::make_unique<TGImage>();
    image->setBounds(ppi, ppi, 4 * ppi, 3 * ppi);
    image->SetPicture(photo);
    page.appendObject(std::move(image));

    for (int months : {1, 12}) {
        QBuffer buffer;
        ASSERT_TRUE(buffer.open(QIODevice::WriteOnly));
        QString error;
        ASSERT_TRUE(PageOutput::writePdf(page.model(), months, buffer, &error)) << qPrintable(error);
        const QByteArray &pdf = buffer.data();
        EXPECT_EQ(pdf.count("/Subtype /Image"), 1) << "every month shows the one photo held once";
        EXPECT_TRUE(pdf.contains("/Width 1200")) << "300 dots an inch of four inches";
        EXPECT_TRUE(pdf.contains("/DCTDecode"));
        EXPECT_LE(pdf.size(), jpeg.size() * 12 / 10) << months << " months: " << pdf.size()
                                                     << " bytes, the photo " << jpeg.size();
    }
}

// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "images/bmpfile.h"
#include "images/decodebudget.h"
#include "images/picture.h"
#include "photofiles.h"

#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {

QString writeFile(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes)
{
    QFile file(dir.filePath(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return file.fileName();
}

// The BMP file inside a bitmap's stored form, decoded.
QImage storedBitmap(const Picture &picture)
{
    const QByteArray data = picture.pictureData();
    EXPECT_TRUE(data.startsWith(QByteArray("\x07TBitmap")));
    return decodeBmp(data.mid(8 + 4)).image;
}

// The sizes of the images a PDF holds.
QList<QSize> pdfImageSizes(const QByteArray &pdf)
{
    static const QRegularExpression image(
        QStringLiteral("/Subtype /Image\\s*/Width (\\d+)\\s*/Height (\\d+)"));
    QList<QSize> sizes;
    for (auto it = image.globalMatch(QString::fromLatin1(pdf)); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        sizes << QSize(match.captured(1).toInt(), match.captured(2).toInt());
    }
    return sizes;
}

} // namespace

TEST(PictureSource, AJpegFileIsKeptAndDecodedOnlyWhenUsed)
{
    QTemporaryDir dir;
    const QByteArray jpeg = PhotoFiles::photoJpeg({640, 480});
    // Told by the extension, or by the content where the extension tells nothing.
    for (const char *name : {"photo.JPG", "photo.jpeg"}) {
        Picture picture;
        ASSERT_TRUE(picture.loadFromFile(writeFile(dir, QLatin1String(name), jpeg)).ok()) << name;
        EXPECT_EQ(picture.kind(), Picture::Kind::Bitmap);
        EXPECT_EQ(picture.sourceFormat(), Picture::SourceFormat::Jpeg);
        EXPECT_EQ(picture.sourceFile(), jpeg);
        EXPECT_EQ(picture.size(), QSize(640, 480));
    }
    Picture picture;
    ASSERT_TRUE(loadBrowserPicture(writeFile(dir, QStringLiteral("b.jpg"), jpeg), picture).ok());
    EXPECT_EQ(picture.sourceFile(), jpeg) << "the browsers hand clip art the file";
    const QImage reduced = picture.bitmapAt({64, 48});
    EXPECT_EQ(reduced.size(), QSize(64, 48));
    EXPECT_GT(qRed(reduced.pixel(5, 24)), qBlue(reduced.pixel(5, 24)));
    EXPECT_LT(qRed(reduced.pixel(58, 24)), qBlue(reduced.pixel(58, 24)));
    EXPECT_EQ(picture.bitmapAt({2000, 2000}).size(), QSize(640, 480)) << "never larger than it is";
    EXPECT_EQ(picture.image().size(), QSize(640, 480));

    // The file is part of the picture: copies keep it, other files or bare pixels differ.
    const Picture copy = picture;
    EXPECT_EQ(copy.sourceFile(), jpeg);
    EXPECT_TRUE(copy == picture);
    Picture pixels;
    pixels.setBitmap(picture.image());
    EXPECT_FALSE(pixels == picture);
    Picture other;
    ASSERT_TRUE(other.loadFromFile(writeFile(dir, QStringLiteral("c.jpg"), PhotoFiles::photoJpeg({640, 480}, 85, 2))).ok());
    EXPECT_FALSE(other == picture);
    other.setBitmap(QImage(4, 4, QImage::Format_RGB32));
    EXPECT_TRUE(other.sourceFile().isEmpty()) << "a new graphic drops the file";
    EXPECT_EQ(other.sourceFormat(), Picture::SourceFormat::None);

    const Picture before = picture;
    EXPECT_FALSE(picture.loadFromFile(writeFile(dir, QStringLiteral("bad.jpg"), "not a jpeg at all")).ok());
    EXPECT_FALSE(picture.loadFromFile(writeFile(dir, QStringLiteral("cut.jpg"), jpeg.left(100))).ok());
    EXPECT_TRUE(picture == before);
}

TEST(PictureSource, IsStoredAsAReducedPreviewWithTheFileApart)
{
    Picture wide;
    ASSERT_TRUE(wide.setSourceFile(PhotoFiles::photoJpeg({2000, 1000}), Picture::SourceFormat::Jpeg).ok());
    EXPECT_EQ(storedBitmap(wide).size(), QSize(1024, 512));
    Picture small;
    ASSERT_TRUE(small.setSourceFile(PhotoFiles::photoJpeg({300, 200}), Picture::SourceFormat::Jpeg).ok());
    EXPECT_EQ(storedBitmap(small).size(), QSize(300, 200)) << "a small photo is its own preview";

    // A reader of the stored form alone sees the preview; the source brings the photo back
    // and keeps the preview it was stored with.
    Picture read;
    ASSERT_TRUE(read.setPictureData(wide.pictureData()).ok());
    EXPECT_EQ(read.size(), QSize(1024, 512));
    EXPECT_TRUE(read.sourceFile().isEmpty());
    int changes = 0;
    read.setChangeCallback([&changes] { ++changes; });
    ASSERT_TRUE(read.setSourceData(wide.sourceData()).ok());
    EXPECT_EQ(changes, 1);
    EXPECT_TRUE(read == wide);
    EXPECT_EQ(read.size(), QSize(2000, 1000));
    EXPECT_EQ(read.pictureData(), wide.pictureData());
    EXPECT_EQ(read.sourceData(), QByteArray("\x04jpeg") + wide.sourceFile());
    EXPECT_EQ(Picture::sourceDataSummary(read.sourceData()),
              QStringLiteral("jpeg file, %1 bytes").arg(wide.sourceFile().size()));
    EXPECT_TRUE(Picture().sourceData().isEmpty());
}

TEST(PictureSource, DamagedSourcesLeaveThePictureAsItWas)
{
    const QByteArray jpeg = PhotoFiles::photoJpeg({120, 90});
    Picture picture;
    picture.setBitmap(QImage(8, 8, QImage::Format_RGB32));
    const Picture before = picture;
    int changes = 0;
    picture.setChangeCallback([&changes] { ++changes; });
    const QByteArray data = QByteArray("\x04jpeg") + jpeg;
    for (const QByteArray &damaged :
         {QByteArray(), QByteArray("\x09jp"), QByteArray("\x03svg<svg/>"), QByteArray("\x04jpeg"),
          QByteArray("\x04jpeg") + QByteArray(4000, '\xff'), data.left(200),
          QByteArray("\x04jpeg") + "\xff\xd8\xff\xe0 then nothing of a JPEG"}) {
        const ImageStatus status = picture.setSourceData(damaged);
        EXPECT_FALSE(status.ok()) << damaged.left(16).toHex().constData();
        EXPECT_TRUE(status.error.startsWith(QStringLiteral("The picture file is damaged")))
            << qPrintable(status.error);
    }
    EXPECT_FALSE(picture.setSourceFile(jpeg, Picture::SourceFormat::None).ok());

    // The document's budget pays for the photo's full size.
    DecodeBudget budget(120 * 90 - 1);
    {
        const DecodeBudget::Scope scope(budget);
        const ImageStatus status = picture.setSourceData(data);
        EXPECT_TRUE(status.overBudget);
    }
    EXPECT_TRUE(picture == before);
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(Picture::sourceDataSummary(QByteArray("\x40")), QStringLiteral("a damaged picture file, 1 bytes"));
}

TEST(PictureSource, APdfGetsPhotosAtNoMoreThan300DotsAnInch)
{
    Picture picture;
    ASSERT_TRUE(picture.setSourceFile(PhotoFiles::photoJpeg({1200, 900}), Picture::SourceFormat::Jpeg).ok());
    Picture pixels;
    pixels.setBitmap(PhotoFiles::photoImage({1200, 900}));
    // Drawn twice, two inches by one and a half: reduced to 600 x 450 and held once, whatever
    // the resolution the PDF is drawn at. Six inches wide it has fewer dots than that and is
    // drawn as it is.
    const auto pdfOf = [](const Picture &drawn, int dpi, double inches) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setResolution(dpi);
        QPainter painter(&writer);
        const QRect target(dpi / 2, dpi / 2, qRound(dpi * inches), qRound(dpi * inches * 3 / 4));
        drawn.draw(painter, target);
        drawn.draw(painter, target);
        painter.end();
        return bytes;
    };
    for (const Picture *drawn : {&picture, &pixels}) {
        const QByteArray fine = pdfOf(*drawn, 1200, 2);
        EXPECT_EQ(pdfImageSizes(fine), QList<QSize>{QSize(600, 450)});
        EXPECT_TRUE(fine.contains("/DCTDecode"));
        EXPECT_EQ(pdfImageSizes(pdfOf(*drawn, 200, 2)), QList<QSize>{QSize(600, 450)});
        EXPECT_EQ(pdfImageSizes(pdfOf(*drawn, 600, 6)), QList<QSize>{QSize(1200, 900)});
    }

    // On a raster device the photo is decoded at the pixels it covers, whatever their density.
    QImage page(400, 300, QImage::Format_RGB32);
    page.setDotsPerMeterX(1200 * 10000 / 254);
    page.setDotsPerMeterY(1200 * 10000 / 254);
    page.fill(Qt::white);
    QPainter painter(&page);
    picture.draw(painter, QRect(0, 0, 400, 300));
    painter.end();
    EXPECT_GT(qRed(page.pixel(20, 150)), qBlue(page.pixel(20, 150)));
    EXPECT_LT(qRed(page.pixel(380, 150)), qBlue(page.pixel(380, 150)));
}

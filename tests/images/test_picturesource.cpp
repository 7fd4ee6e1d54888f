// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

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
        ASSERT_TRUE(loadBrowserPicture(writeFile(dir, QLatin1String(name), jpeg), picture).ok()) << name;
        EXPECT_EQ(picture.kind(), Picture::Kind::Bitmap);
        EXPECT_EQ(picture.sourceFormat(), Picture::SourceFormat::Jpeg);
        EXPECT_EQ(picture.sourceFile(), jpeg);
        EXPECT_EQ(picture.size(), QSize(640, 480));
    }
    Picture picture;
    ASSERT_TRUE(picture.setSourceFile(jpeg, Picture::SourceFormat::Jpeg).ok());
    const QImage reduced = picture.bitmapAt({64, 48});
    EXPECT_EQ(reduced.size(), QSize(64, 48));
    EXPECT_GT(qRed(reduced.pixel(5, 24)), qBlue(reduced.pixel(5, 24)));
    EXPECT_LT(qRed(reduced.pixel(58, 24)), qBlue(reduced.pixel(58, 24)));
    EXPECT_EQ(picture.bitmapAt({2000, 2000}).size(), QSize(640, 480)) << "never larger than it is";

    // The file is part of the picture: copies keep it, bare pixels differ, a new graphic drops it.
    Picture copy = picture;
    EXPECT_TRUE(copy == picture);
    EXPECT_EQ(copy.sourceFile(), jpeg);
    Picture pixels;
    pixels.setBitmap(picture.image());
    EXPECT_FALSE(pixels == picture);
    copy.setBitmap(QImage(4, 4, QImage::Format_RGB32));
    EXPECT_TRUE(copy.sourceFile().isEmpty());
    EXPECT_EQ(copy.sourceFormat(), Picture::SourceFormat::None);

    for (const QByteArray &bad : {QByteArray("not a jpeg at all"), jpeg.left(100)})
        EXPECT_FALSE(picture.loadFromFile(writeFile(dir, QStringLiteral("bad.jpg"), bad)).ok());
    EXPECT_EQ(picture.sourceFile(), jpeg);
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
}

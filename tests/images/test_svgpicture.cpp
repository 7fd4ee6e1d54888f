// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// SVG drawings as pictures: kept as their files, stored with a bitmap preview, drawn as vectors.
#include <gtest/gtest.h>

#include "images/picture.h"
#include "svgfiles.h"

#include <QBuffer>
#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>

namespace {

QString writeFile(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes)
{
    QFile file(dir.filePath(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return file.fileName();
}

Picture svgPicture(const QByteArray &file)
{
    Picture picture;
    EXPECT_TRUE(picture.setSourceFile(file, Picture::SourceFormat::Svg).ok());
    return picture;
}

} // namespace

TEST(SvgPicture, AnSvgFileIsKeptAsItsBytesAndComesBackByteForByte)
{
    QTemporaryDir dir;
    const QByteArray svg = SvgFiles::halves();
    Picture picture;
    ASSERT_TRUE(picture.loadFromFile(writeFile(dir, QStringLiteral("halves.SVG"), svg)).ok());
    EXPECT_EQ(picture.kind(), Picture::Kind::Svg);
    EXPECT_EQ(picture.sourceFormat(), Picture::SourceFormat::Svg);
    EXPECT_EQ(picture.sourceFile(), svg);
    EXPECT_EQ(picture.size(), QSize(200, 100));
    EXPECT_TRUE(picture.image().isNull()) << "a drawing has no bitmap to hand out";

    // What documents store: the preview in the object, the file after the lists.
    const QByteArray stored = picture.pictureData();
    const QByteArray source = picture.sourceData();
    EXPECT_EQ(source, QByteArray("\x03svg") + svg);
    EXPECT_EQ(Picture::sourceDataSummary(source), QStringLiteral("svg file, %1 bytes").arg(svg.size()));
    Picture read;
    ASSERT_TRUE(read.setPictureData(stored).ok());
    ASSERT_TRUE(read.setSourceData(source).ok());
    EXPECT_EQ(read.kind(), Picture::Kind::Svg);
    EXPECT_TRUE(read == picture);
    EXPECT_EQ(read.pictureData(), stored) << "the preview read is the preview written";
    EXPECT_EQ(read.sourceData(), source);

    // Another graphic drops the drawing.
    read.setBitmap(QImage(4, 4, QImage::Format_RGB32));
    EXPECT_TRUE(read.sourceFile().isEmpty());
    EXPECT_TRUE(read.svg().isNull());
}

TEST(SvgPicture, ReadersOfBitmapsOnlySeeTheDrawingOnWhiteAtMost1024Pixels)
{
    const QByteArray attributes[] = {"width=\"200\" height=\"100\" viewBox=\"0 0 200 100\"",
                                     "width=\"4000\" height=\"2000\" viewBox=\"0 0 200 100\""};
    const QSize previews[] = {{200, 100}, {1024, 512}};
    for (int i = 0; i < 2; ++i) {
        const Picture picture = svgPicture(SvgFiles::halves(attributes[i]));
        Picture classic;
        ASSERT_TRUE(classic.setPictureData(picture.pictureData()).ok());
        EXPECT_EQ(classic.kind(), Picture::Kind::Bitmap);
        ASSERT_EQ(classic.size(), previews[i]);
        const QImage shown = classic.image();
        const QSize size = previews[i];
        EXPECT_EQ(shown.pixel(size.width() / 8, size.height() / 2), SvgFiles::kLeft.rgb());
        EXPECT_EQ(shown.pixel(size.width() * 7 / 8, size.height() / 2), SvgFiles::kRight.rgb());
    }
    // Where the drawing draws nothing, the preview is white, as on paper.
    const Picture circle = svgPicture(SvgFiles::plain(Qt::green));
    Picture classic;
    ASSERT_TRUE(classic.setPictureData(circle.pictureData()).ok());
    EXPECT_EQ(classic.image().pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(classic.image().pixel(20, 20), qRgb(0, 255, 0));
}

TEST(SvgPicture, APdfHoldsTheDrawingAsPathsAndNoImage)
{
    const Picture picture = svgPicture(SvgFiles::halves());
    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(1200);
    {
        QPainter painter(&writer);
        picture.draw(painter, QRect(600, 600, 4800, 2400));
    }
    EXPECT_FALSE(pdf.contains("/Subtype /Image"));
    EXPECT_LT(pdf.size(), 20000) << "no bitmap of four by two inches at 1200 dpi";
}

TEST(SvgPicture, FilesThatAreNoDrawingLeaveThePictureAsItWas)
{
    QTemporaryDir dir;
    Picture picture = svgPicture(SvgFiles::halves());
    const ImageStatus broken = picture.loadFromFile(writeFile(dir, QStringLiteral("broken.svg"), "<svg"));
    EXPECT_FALSE(broken.ok());
    EXPECT_TRUE(broken.error.startsWith(QLatin1String("Not a readable SVG drawing"))) << qPrintable(broken.error);
    const QString large = writeFile(dir, QStringLiteral("large.svg"), QByteArray(SvgDrawing::MaxFileBytes + 1, ' '));
    const ImageStatus tooLarge = picture.loadFromFile(large);
    EXPECT_TRUE(tooLarge.error.contains(QLatin1String("too large to be read as an SVG drawing")))
        << qPrintable(tooLarge.error);
    EXPECT_EQ(picture.sourceFile(), SvgFiles::halves());

    // A stored source that is no drawing is damage, and the preview stays.
    Picture preview;
    ASSERT_TRUE(preview.setPictureData(picture.pictureData()).ok());
    const ImageStatus damaged = preview.setSourceData(QByteArray("\x03svg") + "<html/>");
    EXPECT_TRUE(damaged.error.startsWith(QLatin1String("The picture file is damaged: "))) << qPrintable(damaged.error);
    EXPECT_EQ(preview.kind(), Picture::Kind::Bitmap);
}

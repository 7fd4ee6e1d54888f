// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// SVG drawings: what is read, what is refused before Qt's reader sees it, and what Qt's reader
// is kept from reading.
#include <gtest/gtest.h>

#include "images/svgdrawing.h"
#include "svgfiles.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <sys/stat.h>

namespace {

QImage drawn(const SvgDrawing &drawing, QSize size)
{
    return drawing.rendered(size, Qt::white).convertToFormat(QImage::Format_RGB32);
}

QByteArray pngOf(const QColor &colour)
{
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// A drawing 100 x 100 whose whole area is an <image> of the reference href.
QByteArray imageDrawing(const QByteArray &href, const QByteArray &attribute = "xlink:href")
{
    return SvgFiles::drawing("width=\"100\" height=\"100\"",
                             "<image x=\"0\" y=\"0\" width=\"100\" height=\"100\" " + attribute + "=\"" + href + "\"/>");
}

} // namespace

TEST(SvgDrawing, ItsSizeIsTheDeclaredOneOrTheViewBoxBoundedToTheLargestPicture)
{
    const struct {
        QByteArray attributes;
        QSize size;
    } cases[] = {
        {"width=\"200\" height=\"100\" viewBox=\"0 0 20 10\"", {200, 100}},
        {"viewBox=\"0 0 300 150\"", {300, 150}},
        {"width=\"1.4\" height=\"0.4\"", {1, 1}},
        // A poster-sized declaration keeps its proportions within MaxPictureSide.
        {"width=\"100000\" height=\"25000\"", {MaxPictureSide, MaxPictureSide / 4}},
    };
    for (const auto &entry : cases) {
        const SvgDrawing::ReadResult read = SvgDrawing::read(SvgFiles::halves(entry.attributes));
        ASSERT_TRUE(read.ok()) << entry.attributes.constData() << ": " << qPrintable(read.error);
        EXPECT_EQ(read.drawing.size(), entry.size) << entry.attributes.constData();
        EXPECT_FALSE(read.drawing.referencedOutsidePictures());
    }
    const SvgDrawing::ReadResult huge = SvgDrawing::read(SvgFiles::halves("width=\"1e30\" height=\"10\""));
    EXPECT_FALSE(huge.ok());
}

TEST(SvgDrawing, WhatIsNoDrawingIsRefusedWithItsReason)
{
    QByteArray oversized = SvgFiles::halves();
    oversized.insert(oversized.indexOf("<rect"), QByteArray(SvgDrawing::MaxFileBytes, ' '));
    const struct {
        QByteArray file;
        const char *reason;
    } cases[] = {
        {QByteArray::fromHex("1f8b0800000000000003"), "compressed drawings (.svgz) are not read"},
        {"<html><body/></html>", "the file is not an SVG drawing"},
        {"plain text", "not well-formed XML"},
        {SvgFiles::halves().left(120), "not well-formed XML"},
        {"", "not well-formed XML"},
        {oversized, "larger than 16777216 bytes"},
    };
    for (const auto &entry : cases) {
        const SvgDrawing::ReadResult read = SvgDrawing::read(entry.file);
        EXPECT_FALSE(read.ok()) << entry.reason;
        EXPECT_TRUE(read.error.startsWith(QLatin1String("Not a readable SVG drawing: "))) << qPrintable(read.error);
        EXPECT_TRUE(read.error.contains(QLatin1String(entry.reason))) << qPrintable(read.error);
        EXPECT_TRUE(read.drawing.isNull());
    }
}

TEST(SvgDrawing, PicturesOutsideTheFileAreNeitherReadNorWaitedFor)
{
    QTemporaryDir dir;
    const QString png = dir.filePath(QStringLiteral("private.png"));
    QFile file(png);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(pngOf(Qt::green));
    file.close();
    // Opening a FIFO for reading waits for a writer that never comes.
    const QString fifo = dir.filePath(QStringLiteral("fifo"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);

    QElapsedTimer timer;
    timer.start();
    for (const QByteArray &attribute : {QByteArray("xlink:href"), QByteArray("href"), QByteArray("x:href")}) {
        for (const QString &path : {png, fifo, QStringLiteral("file://") + png}) {
            const SvgDrawing::ReadResult read = SvgDrawing::read(imageDrawing(path.toUtf8(), attribute));
            ASSERT_TRUE(read.ok()) << qPrintable(read.error);
            EXPECT_TRUE(read.drawing.referencedOutsidePictures());
            EXPECT_EQ(drawn(read.drawing, {100, 100}).pixel(50, 50), qRgb(255, 255, 255))
                << attribute.constData() << " " << qPrintable(path);
        }
    }
    EXPECT_LT(timer.elapsed(), 20000);

    // A raster picture inside the file is drawn; a drawing inside it is not, since Qt's own
    // reader of it would follow its references.
    const QByteArray inside = "data:image/png;base64," + pngOf(Qt::green).toBase64();
    SvgDrawing::ReadResult read = SvgDrawing::read(imageDrawing(inside));
    ASSERT_TRUE(read.ok()) << qPrintable(read.error);
    EXPECT_FALSE(read.drawing.referencedOutsidePictures());
    EXPECT_EQ(drawn(read.drawing, {100, 100}).pixel(50, 50), qRgb(0, 255, 0));
    const QByteArray nested = "data:image/svg+xml;base64," + imageDrawing(png.toUtf8()).toBase64();
    read = SvgDrawing::read(imageDrawing(nested));
    ASSERT_TRUE(read.ok()) << qPrintable(read.error);
    EXPECT_TRUE(read.drawing.referencedOutsidePictures());
    EXPECT_EQ(drawn(read.drawing, {100, 100}).pixel(50, 50), qRgb(255, 255, 255));
}

TEST(SvgDrawing, IsDrawnAsVectorsAtAnySize)
{
    const SvgDrawing::ReadResult read = SvgDrawing::read(SvgFiles::halves());
    ASSERT_TRUE(read.ok());
    // Ten times its size, the one-unit stripe is ten pixels wide with sharp edges, which no
    // enlarged bitmap of the drawing would give.
    const QImage large = drawn(read.drawing, {2000, 1000});
    const int y = 500;
    EXPECT_EQ(large.pixel(493, y), SvgFiles::kLeft.rgb());
    EXPECT_EQ(large.pixel(496, y), qRgb(0, 0, 0));
    EXPECT_EQ(large.pixel(503, y), qRgb(0, 0, 0));
    EXPECT_EQ(large.pixel(506, y), SvgFiles::kLeft.rgb());
    EXPECT_EQ(large.pixel(1500, y), SvgFiles::kRight.rgb());
    const QImage small = drawn(read.drawing, {20, 10});
    EXPECT_EQ(small.pixel(2, 5), SvgFiles::kLeft.rgb());
    EXPECT_EQ(small.pixel(17, 5), SvgFiles::kRight.rgb());
}

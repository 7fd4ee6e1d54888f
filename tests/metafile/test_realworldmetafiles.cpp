// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "metafile/metafilepicture.h"

#include <QFile>
#include <QImage>
#include <QPainter>

namespace {

QByteArray testFile(const char *name)
{
    QFile file(qEnvironmentVariable("ORVANE_TEST_DATA") + QStringLiteral("/metafiles/")
               + QLatin1String(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

// pstoedit-shapes.emf was written by pstoedit (libEMF, "-f emf:-OO") from
// pstoedit-shapes.ps beside it: a red disc, a blue rectangle, a green line and bold text.
// What a PostScript renderer draws from the source is what must show here.
TEST(RealWorldMetafiles, AnEnhancedMetafileFromAnotherProgramDrawsItsShapesInPlace)
{
    const QByteArray bytes = testFile("pstoedit-shapes.emf");
    ASSERT_FALSE(bytes.isEmpty());
    MetafilePicture picture;
    ASSERT_TRUE(picture.setEnhancedBytes(bytes));
    // The size the picture loader gives it, from the header's frame at 96 pixels an inch.
    const QSize size(213, 130);
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        picture.draw(painter, QRectF(QPointF(0, 0), QSizeF(size)));
    }
    EXPECT_EQ(image.pixel(60, 80), qRgb(255, 0, 0)) << "the disc's centre";
    EXPECT_EQ(image.pixel(185, 115), qRgb(0, 0, 255)) << "inside the rectangle";
    EXPECT_EQ(image.pixel(140, 120), qRgb(0, 0, 255)) << "the rectangle's lower left";
    EXPECT_EQ(image.pixel(5, 125), qRgb(255, 255, 255)) << "below the disc";
    const QRgb line = image.pixel(20, 4);
    EXPECT_TRUE(qGreen(line) > 100 && qRed(line) < 60 && qBlue(line) < 60) << "the line near its start";
    int text = 0;
    for (int y = 25; y < 60; ++y)
        for (int x = 120; x < 213; ++x)
            text += qGray(image.pixel(x, y)) < 80 ? 1 : 0;
    EXPECT_GT(text, 150) << "the word right of the disc";
}

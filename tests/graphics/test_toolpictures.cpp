// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "graphics/toolpictures.h"

#include <QImage>
#include <QPainter>

namespace {

void drawSquare(QPainter &p)
{
    p.fillRect(QRectF(4, 4, 16, 16), QColor(200, 30, 30));
}

QImage imageOf(const QPixmap &pixmap)
{
    return pixmap.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

} // namespace

TEST(ToolPictures, IconsAreDrawnOnlyAtTheSizesShownWhenFirstShown)
{
    int drawings = 0;
    const QIcon icon = ToolPictures::icon([&drawings](QPainter &p) {
        ++drawings;
        drawSquare(p);
    });
    EXPECT_FALSE(icon.isNull());
    EXPECT_EQ(icon.actualSize(QSize(24, 24)), QSize(24, 24));
    EXPECT_EQ(drawings, 0) << "nothing is drawn before the icon is shown";

    const QPixmap first = icon.pixmap(QSize(24, 24), 1.0);
    EXPECT_EQ(drawings, 1);
    EXPECT_EQ(imageOf(first), imageOf(ToolPictures::drawn(24, drawSquare)));
    // Again, from a copy, and as the disabled look: the drawing is kept.
    const QIcon copy = icon;
    copy.pixmap(QSize(24, 24), 1.0);
    copy.pixmap(QSize(24, 24), 1.0, QIcon::Disabled);
    EXPECT_EQ(drawings, 1);

    // A screen with twice the pixels gets a drawing of its own, not the small one scaled.
    const QPixmap sharp = icon.pixmap(QSize(24, 24), 2.0);
    EXPECT_EQ(drawings, 2);
    EXPECT_EQ(sharp.size(), QSize(48, 48));
    EXPECT_EQ(sharp.devicePixelRatio(), 2.0);
    QImage expected = imageOf(ToolPictures::drawn(48, drawSquare));
    QImage got = imageOf(sharp);
    got.setDevicePixelRatio(1.0);
    EXPECT_EQ(got, expected);
}

TEST(ToolPictures, DisabledIconsLookDisabled)
{
    const QIcon icon = ToolPictures::icon(drawSquare);
    const QImage normal = imageOf(icon.pixmap(QSize(24, 24), 1.0));
    const QImage disabled = imageOf(icon.pixmap(QSize(24, 24), 1.0, QIcon::Disabled));
    ASSERT_EQ(disabled.size(), normal.size());
    // The red square turns grey.
    const QColor centre = disabled.pixelColor(12, 12);
    EXPECT_EQ(normal.pixelColor(12, 12), QColor(200, 30, 30));
    EXPECT_LT(std::abs(centre.red() - centre.green()), 40) << qPrintable(centre.name());
}

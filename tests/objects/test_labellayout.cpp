// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "objects/labellayout.h"

namespace {

const LabelMetrics Metrics{20, 100};

LabelLayout layoutAt(QSize size, int angle, TAlignment alignment = taLeftJustify,
                     QPoint shadow = {}, QPoint highlight = {})
{
    return layoutLabel(size, angle, alignment, shadow, highlight, Metrics);
}

} // namespace

TEST(LabelLayout, OffsetsFollowDirectionAndDepth)
{
    const struct
    {
        TShadowDirection shadow;
        THighlightDirection highlight;
        QPoint shadowOffset;
        QPoint highlightOffset;
    } cases[] = {
        {sdNone, hdNone, {0, 0}, {0, 0}},          {sdRight, hdright, {3, 0}, {2, 0}},
        {sdLeft, hdLeft, {-3, 0}, {-2, 0}},        {sdDownRight, hdUpRight, {3, 3}, {2, -2}},
        {sdDownLeft, hdUpLeft, {-3, 3}, {-2, -2}}, {sdDown, hdUp, {0, 3}, {0, -2}},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(shadowOffset(c.shadow, 3), c.shadowOffset) << c.shadow;
        EXPECT_EQ(highlightOffset(c.highlight, 2), c.highlightOffset) << c.highlight;
    }
}

TEST(LabelLayout, PlainTextStartsAtTheFaceCorner)
{
    const LabelLayout layout = layoutAt({142, 22}, 0);
    EXPECT_EQ(layout.margin, QPoint(0, 0));
    EXPECT_EQ(layout.face, (PageRect{0, 0, 142, 20}));
    EXPECT_EQ(layout.faceOrigin, QPoint(0, 0));
    EXPECT_EQ(layout.size, QSize(142, 22));
}

TEST(LabelLayout, ShadowAndHighlightMakeRoomAndSpreadTheLayers)
{
    const LabelLayout layout = layoutAt({142, 40}, 0, taLeftJustify, {3, 3}, {-2, -2});
    EXPECT_EQ(layout.margin, QPoint(2, 2));
    EXPECT_EQ(layout.neededExtent, 20 + 5);
    EXPECT_EQ(layout.face, (PageRect{2, 2, 142, 22}));
    EXPECT_EQ(layout.highlightOrigin, layout.faceOrigin + QPoint(-2, -2));
    EXPECT_EQ(layout.shadowOrigin, layout.faceOrigin + QPoint(3, 3));
    EXPECT_EQ(layout.size.height(), 30); // 1.2 x 25
}

TEST(LabelLayout, ObjectKeepsBetweenOneAndOnePointTwoLines)
{
    // Horizontal text: the height; three lines snap back to 1.2 L truncated.
    EXPECT_EQ(layoutAt({142, 60}, 0).size, QSize(142, 24));
    EXPECT_EQ(layoutAt({142, 10}, 0).size, QSize(142, 20));
    EXPECT_EQ(layoutAt({142, 23}, 0).size, QSize(142, 23));
    // A width of 5 or less becomes the caption width.
    EXPECT_EQ(layoutAt({5, 20}, 0).size, QSize(100, 20));
    // Upside down a label is at most twice as wide as its text.
    EXPECT_EQ(layoutAt({300, 20}, 180).size, QSize(200, 20));
    // Vertical text: the width, and a height of at most 1.2 caption widths.
    EXPECT_EQ(layoutAt({60, 500}, 90).size, QSize(24, 120));
    EXPECT_EQ(layoutAt({10, 4}, 270).size, QSize(20, 100));
}

TEST(LabelLayout, AlignmentOnlyMovesUnrotatedText)
{
    const LabelLayout right = layoutAt({142, 20}, 0, taRightJustify, {3, 0}, {-2, 0});
    EXPECT_EQ(right.faceOrigin.x(), 142 - 100);
    EXPECT_EQ(right.shadowOrigin.x(), 142 - 100 + 3);
    EXPECT_EQ(right.highlightOrigin.x(), 142 - 100 - 2);
    // Centring halves the face width and ignores its left edge.
    const LabelLayout centre = layoutAt({141, 20}, 0, taCenter, {0, 0}, {-4, 0});
    EXPECT_EQ(centre.face.left, 4);
    EXPECT_EQ(centre.faceOrigin.x(), (141 - 4) / 2 - 50);
    const LabelLayout turned = layoutAt({20, 120}, 90, taCenter);
    EXPECT_EQ(turned.faceOrigin.x(), turned.face.left);
}

TEST(LabelLayout, TurnedTextRunsFromItsCorner)
{
    const LabelLayout up = layoutAt({20, 120}, 90);
    // One line wide, moved down by the height minus the face height minus one.
    EXPECT_EQ(up.face, (PageRect{0, 0 + 120 - 121, 20, 120 + 120 - 121}));
    EXPECT_EQ(up.faceOrigin, QPoint(up.face.left, up.face.bottom));
    const LabelLayout down = layoutAt({20, 120}, 270);
    EXPECT_EQ(down.face, (PageRect{0, 0, 20, 120}));
    EXPECT_EQ(down.faceOrigin, QPoint(20, 0));
    const LabelLayout flipped = layoutAt({142, 20}, 180);
    EXPECT_EQ(flipped.faceOrigin, QPoint(flipped.face.right, flipped.face.bottom));
    // Layers move with the text: a shadow down and right lies left of 90-degree text.
    const LabelLayout shadowed = layoutAt({24, 120}, 90, taLeftJustify, {2, 2}, {});
    EXPECT_EQ(shadowed.shadow.left - shadowed.face.left, 2);
    EXPECT_EQ(shadowed.shadow.top - shadowed.face.top, -2);
}

TEST(LabelLayout, OnlyRightAnglesAreValid)
{
    for (int angle : {0, 90, 180, 270})
        EXPECT_TRUE(isValidLabelAngle(angle));
    for (int angle : {-90, 45, 360, 1000})
        EXPECT_FALSE(isValidLabelAngle(angle));
    // An angle that slipped through is laid out unrotated.
    EXPECT_EQ(layoutAt({142, 20}, 45).face, layoutAt({142, 20}, 0).face);
}

// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "documents/zoomguard.h"
#include "surface/gbasepanel.h"

#include <stdexcept>

TEST(ZoomGuard, PutsTheZoomBackWhicheverWayTheWorkEnds)
{
    TGBasePanel panel;
    panel.resize(816, 1056);
    panel.SetZoom(0.701f);
    {
        ZoomGuard zoom(panel);
        zoom.toFullScale();
        EXPECT_EQ(panel.ZoomFactor(), 1.0f);
    }
    EXPECT_FLOAT_EQ(panel.ZoomFactor(), 0.701f);
    try {
        ZoomGuard zoom(panel);
        zoom.toFullScale();
        throw std::runtime_error("write failed");
    } catch (const std::runtime_error &) {
    }
    EXPECT_FLOAT_EQ(panel.ZoomFactor(), 0.701f);
}

TEST(ZoomGuard, AZoomOutsideTheKeptRangeEndsAtFullScale)
{
    TGBasePanel panel;
    panel.resize(816, 1056);
    panel.SetZoom(1.001f);
    {
        ZoomGuard zoom(panel, 0.2f, 1.0f);
        zoom.toFullScale();
    }
    EXPECT_EQ(panel.ZoomFactor(), 1.0f);
    // Also when the work never went to full scale.
    panel.SetZoom(2.0f);
    {
        ZoomGuard zoom(panel, 0.1f, 1.1f);
    }
    EXPECT_EQ(panel.ZoomFactor(), 1.0f);
}

TEST(ZoomGuard, APageThatNeverLeftItsZoomKeepsItsSize)
{
    TGBasePanel panel;
    panel.resize(816, 1056);
    panel.SetZoom(0.701f);
    const QSize before = panel.size();
    {
        ZoomGuard zoom(panel, 0.1f, 1.1f);
    }
    // Going to 100 % and back would have rounded the size twice.
    EXPECT_EQ(panel.size(), before);
    EXPECT_FLOAT_EQ(panel.ZoomFactor(), 0.701f);
}

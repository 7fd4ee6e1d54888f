// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "surface/gbasepanel.h"

#include <QTimer>

TEST(BasePanel, ZoomRoundsSizesHalfToEven)
{
    TGBasePanel panel;
    panel.resize(815, 813);
    panel.SetZoom(0.5f);
    EXPECT_EQ(panel.ZoomFactor(), 0.5f);
    EXPECT_EQ(panel.width(), 408);  // 407.5
    EXPECT_EQ(panel.height(), 406); // 406.5
}

TEST(BasePanel, ZoomStepsDriftByRounding)
{
    TGBasePanel panel;
    panel.resize(816, 1056);
    // The ratio of each step is rounded to single precision before it scales the size.
    const QList<QSize> expected = {{734, 950}, {652, 844}, {570, 738}, {489, 633},
                                   {570, 738}, {651, 843}, {732, 948}, {813, 1053}};
    const float steps[] = {0.9f, 0.8f, 0.7f, 0.6f, 0.7f, 0.8f, 0.9f, 1.0f};
    for (int i = 0; i < 8; ++i) {
        panel.SetZoom(steps[i]);
        EXPECT_EQ(panel.size(), expected[i]) << "step " << i;
    }
    const QSize before = panel.size();
    panel.SetZoom(1.0f);
    EXPECT_EQ(panel.size(), before) << "an unchanged factor does nothing";
}

TEST(BasePanel, ZeroFactorCountsAsFullSize)
{
    TGBasePanel panel;
    panel.resize(100, 100);
    panel.SetZoom(0.0f);
    panel.resize(200, 100);
    panel.SetZoom(0.5f);
    EXPECT_EQ(panel.size(), QSize(100, 50));
}

TEST(BasePanel, ChangesAreSilentWhileLoadingOrZooming)
{
    TGBasePanel panel;
    panel.NotifyChanged();
    int changes = 0;
    bool zoomingSeen = false;
    panel.setLabelChangedEvent([&](TGBasePanel &sender) {
        ++changes;
        EXPECT_EQ(&sender, &panel);
    });
    panel.NotifyChanged();
    panel.SetLoading(true);
    panel.NotifyChanged();
    panel.SetLoading(false);
    // A change that arrives while the zoom lets pending events run is not reported.
    QTimer::singleShot(0, &panel, [&] {
        zoomingSeen = panel.Zooming();
        panel.NotifyChanged();
    });
    panel.SetZoom(2.0f);
    EXPECT_TRUE(zoomingSeen);
    EXPECT_FALSE(panel.Zooming());
    EXPECT_EQ(changes, 1);
}

TEST(BasePanel, ObjectsCoverPoints)
{
    TGBasePanel panel;
    panel.resize(200, 200);
    auto *object = new QWidget(&panel);
    object->setGeometry(10, 10, 20, 20);
    EXPECT_TRUE(panel.PointOnObject(10, 10));
    EXPECT_FALSE(panel.PointOnObject(30, 30));
    object->hide();
    EXPECT_FALSE(panel.PointOnObject(15, 15));
}

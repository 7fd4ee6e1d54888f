// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "surfacetesting.h"

#include "surface/framegeometry.h"

#include <QTimer>

#include <functional>
#include <optional>

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

TEST(BasePanel, ChangesAreSilentWhileLoading)
{
    TGBasePanel panel;
    panel.NotifyChanged();
    int changes = 0;
    panel.setLabelChangedEvent([&](TGBasePanel &sender) {
        ++changes;
        EXPECT_EQ(&sender, &panel);
    });
    panel.NotifyChanged();
    panel.SetLoading(true);
    panel.NotifyChanged();
    panel.SetLoading(false);
    EXPECT_EQ(changes, 1);
}

TEST(BasePanel, ZoomingRunsNoPendingEvents)
{
    TGBasePanel panel;
    panel.resize(100, 100);
    bool ran = false;
    QTimer::singleShot(0, &panel, [&] { ran = true; });
    panel.SetZoom(0.5f);
    EXPECT_FALSE(ran) << "a setter that ran the event loop could meet a second zoom, a close or a paste";
    EXPECT_EQ(panel.ZoomFactor(), 0.5f);
    EXPECT_EQ(panel.size(), QSize(50, 50));
    panel.SetZoom(-1.0f);
    EXPECT_EQ(panel.ZoomFactor(), 0.5f) << "no zoom that is not positive";
}

TEST(BasePanel, ZoomRescalesObjectsAndTheFrameFollows)
{
    TGBasePanel panel;
    panel.resize(816, 1056);
    int changes = 0;
    panel.setLabelChangedEvent([&](TGBasePanel &) { ++changes; });
    auto *object = panel.appendObject(std::make_unique<TestObject>(QRect(10, 20, 100, 40)));
    panel.frame().AddToSelection(object);
    panel.SetZoom(0.6f);
    EXPECT_EQ(object->boundsRect(), QRect(6, 12, 60, 24));
    EXPECT_EQ(object->ZoomFactor(), 0.6f);
    EXPECT_EQ(panel.frame().geometry(), QRect(4, 10, 66, 30)) << "refitted at the zoom";
    panel.SetZoom(1.0f);
    EXPECT_EQ(object->boundsRect(), QRect(10, 20, 100, 40));
    EXPECT_EQ(changes, 0) << "zooming changes no document";
}

TEST(BasePanel, PlacingToolObjects)
{
    TGBasePanel panel;
    panel.SetZoom(0.5f);
    int changes = 0;
    panel.setLabelChangedEvent([&](TGBasePanel &) { ++changes; });
    auto *first = panel.AddObject(std::make_unique<TestObject>(), QRect(30, 40, 5, 5));
    auto *second = panel.AddObject(std::make_unique<TestObject>(), QRect(30, 40, 60, 70));
    EXPECT_EQ(first->Name(), QStringLiteral("Special1"));
    EXPECT_EQ(second->Name(), QStringLiteral("Special2"));
    EXPECT_EQ(first->boundsRect(), QRect(30, 40, 10, 15)) << "at least 10 x 15";
    EXPECT_EQ(first->ZoomFactor(), 0.5f) << "the rectangle is already zoomed";
    EXPECT_EQ(first->host(), &panel);
    EXPECT_GE(changes, 2);
    EXPECT_EQ(panel.objects().back().get(), second) << "new objects lie in front";

    first->setName(QStringLiteral("special3"));
    EXPECT_EQ(panel.UniqueObjectName(QStringLiteral("Special")), QStringLiteral("Special1"));
    first->setName(QStringLiteral("Special1"));
    EXPECT_EQ(panel.UniqueObjectName(QStringLiteral("Special")), QStringLiteral("Special3"))
        << "names compare without regard to case";
    for (int n = 3; n <= 1000; ++n) {
        auto object = std::make_unique<TestObject>();
        object->setName(QStringLiteral("Special%1").arg(n));
        panel.appendObject(std::move(object));
    }
    EXPECT_EQ(panel.UniqueObjectName(QStringLiteral("Special")), QString());
}

namespace {

// A tool's new object whose dialog the test answers. While "open" it does what real
// dialogs make objects do: report a change, and perhaps grow to fit its content.
class AskingObject : public TestObject
{
public:
    AskingObject(bool answer, int growth = 0) : answer(answer), growth(growth) {}

    bool PlacedWithTool() override
    {
        ReportChange();
        setBounds(Left(), Top(), Width() + growth, Height());
        if (whileAsking)
            whileAsking();
        return answer;
    }

    bool answer;
    int growth;
    std::function<void()> whileAsking;
};

} // namespace

TEST(BasePanel, AToolObjectJoinsTheDocumentOnlyOnceItsDialogIsConfirmed)
{
    TGBasePanel panel;
    panel.resize(816, 1056);
    int changes = 0;
    panel.setLabelChangedEvent([&](TGBasePanel &) { ++changes; });

    auto cancelled = std::make_unique<AskingObject>(false);
    std::optional<int> changesWhileAsking;
    cancelled->whileAsking = [&] { changesWhileAsking = changes; };
    EXPECT_EQ(panel.placeToolObject(std::move(cancelled), QRect(30, 40, 60, 70)), nullptr);
    EXPECT_EQ(changesWhileAsking, 0) << "nothing reaches the document while the dialog is open";
    EXPECT_TRUE(panel.objects().empty());
    EXPECT_EQ(changes, 0);
    EXPECT_FALSE(panel.PointOnObject(40, 50));

    // Drawn partly past the right edge, then grown by its content: kept on the paper.
    TGGraphicControl *kept =
        panel.placeToolObject(std::make_unique<AskingObject>(true, 100), QRect(780, 40, 60, 70));
    ASSERT_NE(kept, nullptr);
    ASSERT_EQ(panel.objects().size(), 1u);
    EXPECT_EQ(kept->Name(), QStringLiteral("Special1")) << "the cancelled one took no name";
    EXPECT_EQ(kept->boundsRect(), QRect(656, 40, 160, 70));
    EXPECT_EQ(changes, 1) << "one change, once confirmed";
    kept->setLeft(10);
    EXPECT_EQ(changes, 2) << "changes are reported again afterwards";
}

TEST(BasePanel, ObjectsPastThePaperComeBackOntoIt)
{
    TGBasePanel panel;
    panel.resize(600, 400);
    int changes = 0;
    panel.setLabelChangedEvent([&](TGBasePanel &) { ++changes; });
    auto *inside = panel.appendObject(std::make_unique<TestObject>(QRect(10, 10, 50, 50)));
    auto *right = panel.appendObject(std::make_unique<TestObject>(QRect(580, 100, 50, 20)));
    auto *wide = panel.appendObject(std::make_unique<TestObject>(QRect(-10, 300, 700, 200)));
    panel.frame().AddToSelection(right);

    EXPECT_EQ(panel.keepObjectsOnPaper(), 2);
    EXPECT_EQ(inside->boundsRect(), QRect(10, 10, 50, 50));
    EXPECT_EQ(right->boundsRect(), QRect(550, 100, 50, 20));
    EXPECT_EQ(wide->boundsRect(), QRect(0, 200, 600, 200)) << "only the width was too large";
    EXPECT_EQ(panel.frame().geometry(), refitFrameAround(right->boundsRect()))
        << "the frame follows its object";
    EXPECT_GT(changes, 0);

    changes = 0;
    EXPECT_EQ(panel.keepObjectsOnPaper(), 0);
    EXPECT_EQ(changes, 0) << "nothing to move, nothing changed";
}

TEST(BasePanel, ObjectsCoverPointsAndGoAway)
{
    TGBasePanel panel;
    panel.resize(200, 200);
    auto *object = panel.appendObject(std::make_unique<TestObject>(QRect(10, 10, 20, 20)));
    auto *child = new QWidget(&panel);
    child->setGeometry(100, 100, 20, 20);
    EXPECT_TRUE(panel.PointOnObject(10, 10));
    EXPECT_FALSE(panel.PointOnObject(30, 30)) << "right and bottom edges lie outside";
    EXPECT_FALSE(panel.PointOnObject(110, 110)) << "child widgets are not objects";
    panel.frame().AddToSelection(object);
    panel.DeleteAllObjects();
    EXPECT_TRUE(panel.objects().empty());
    EXPECT_EQ(panel.frame().SelectedCount(), 0);
    EXPECT_FALSE(panel.PointOnObject(15, 15));
}

TEST(BasePanel, ObjectsReadFromAFileAreShownAtTheSurfacesZoom)
{
    TGBasePanel panel;
    panel.SetZoom(0.5f);
    auto object = std::make_unique<TestObject>(QRect(10, 10, 20, 20));
    TGGraphicControl *read = object.get();
    panel.appendObject(std::move(object));
    panel.ConnectObjects();
    EXPECT_EQ(read->ZoomFactor(), 0.5f);
    EXPECT_EQ(read->boundsRect(), QRect(5, 5, 10, 10));
    EXPECT_EQ(read->pageBounds(), QRectF(10, 10, 20, 20)) << "the page bounds read stay";
}

TEST(BasePanel, PaintingDrawsObjectsAndMarksUnlessSuspended)
{
    TGBasePanel panel;
    panel.resize(120, 100);
    auto *object = panel.appendObject(
        std::make_unique<TestObject>(QRect(20, 20, 40, 30), Colors::clBlue));
    panel.frame().AddToSelection(object);
    const QImage shown = panel.grab().toImage();
    EXPECT_EQ(shown.pixelColor(40, 35), QColor(Qt::blue));
    EXPECT_EQ(shown.pixelColor(18, 18), QColor(Qt::black)) << "a selection mark";
    EXPECT_EQ(shown.pixelColor(90, 80), QColor(Qt::white));

    panel.SetPaintSuspended(true);
    QImage suspended(120, 100, QImage::Format_RGB32);
    suspended.fill(Qt::green);
    panel.render(&suspended, QPoint(), QRegion(), QWidget::RenderFlags());
    EXPECT_EQ(suspended.pixelColor(40, 35), QColor(Qt::green));
}

TEST(BasePanel, TheBaseGridShowsGreenDotsInsideTheShape)
{
    TGBasePanel panel;
    panel.resize(64, 48);
    panel.SetShape(lsRectangle);
    panel.SetShowGrid(true);
    QImage image = panel.grab().toImage();
    EXPECT_EQ(image.pixel(2, 2), qRgb(0, 0x80, 0));
    EXPECT_EQ(image.pixel(6, 10), qRgb(0, 0x80, 0));
    EXPECT_EQ(image.pixel(3, 2), qRgb(255, 255, 255));
    panel.SetGridSize(gs8x8);
    image = panel.grab().toImage();
    EXPECT_EQ(image.pixel(6, 2), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(10, 10), qRgb(0, 0x80, 0));
    // An ellipse keeps its corners free of dots.
    panel.SetShape(lsEllipse);
    image = panel.grab().toImage();
    EXPECT_EQ(image.pixel(2, 2), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(34, 26), qRgb(0, 0x80, 0));
}

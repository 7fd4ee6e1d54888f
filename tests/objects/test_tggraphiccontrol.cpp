// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "fakeobjecthost.h"
#include "objects/selectionmarks.h"
#include "graphics/canvas.h"
#include "graphics/reportcanvas.h"

#include <QImage>
#include <QPainter>

namespace {

// An object that fills its whole area, so painting shows where it lies.
class BoxObject : public TGGraphicControl
{
public:
    QString className() const override { return QStringLiteral("TestBox"); }
    void PaintObject(Canvas &canvas) const override
    {
        canvas.setBrush(Colors::clRed);
        canvas.fillRect({0, 0, Width(), Height()});
    }
};

struct Placed
{
    Placed(int left, int top, int width, int height)
    {
        object.setBounds(left, top, width, height);
        object.setHost(&host);
    }
    FakeObjectHost host;
    BoxObject object;
};

QRect topLeftCorner(const PageRect &r)
{
    return QRect(r.left, r.top, r.width(), r.height());
}

} // namespace

TEST(TGGraphicControl, ZoomIsAViewThatRoundsHalfToEvenAndComesBackExactly)
{
    Placed p(10, 20, 100, 40);
    p.object.setZoomFactor(0.6f);
    EXPECT_EQ(p.object.boundsRect(), QRect(6, 12, 60, 24));
    EXPECT_FLOAT_EQ(p.object.ZoomFactor(), 0.6f);

    // 5 x 0.5 = 2.5 and 7 x 0.5 = 3.5: ties go to the even neighbour. Odd sizes through
    // several zooms keep their page bounds exactly: nothing is rescaled and rounded back.
    Placed ties(5, 7, 5, 7);
    for (const float zoom : {0.5f, 1.5f, 2.0f, 1.0f}) {
        ties.object.setZoomFactor(zoom);
        EXPECT_EQ(ties.object.pageBounds(), QRectF(5, 7, 5, 7)) << zoom;
    }
    ties.object.setZoomFactor(0.5f);
    EXPECT_EQ(ties.object.boundsRect(), QRect(2, 4, 2, 4));
    EXPECT_EQ(ties.object.storedBounds(), QRect(5, 7, 5, 7));
    EXPECT_EQ(ties.host.changed, 0) << "zooming changes no document";
    EXPECT_EQ(ties.host.refits, 0);
}

TEST(TGGraphicControl, MovingAtAZoomConvertsOnlyTheEdgesThatChange)
{
    Placed p(11, 21, 41, 13);
    p.object.setZoomFactor(0.5f);
    // Shown at (6, 10, 20, 6); a move to the right by one screen pixel is two page pixels
    // and leaves the top and the size where they were on the page.
    p.object.setLeft(p.object.Left() + 1);
    EXPECT_EQ(p.object.pageBounds(), QRectF(14, 21, 41, 13));
    p.object.setBounds(p.object.Left(), p.object.Top(), 30, p.object.Height());
    EXPECT_EQ(p.object.pageBounds(), QRectF(14, 21, 60, 13));
    EXPECT_EQ(p.host.changed, 2);

    // At 200 % a one-pixel nudge is half a page pixel, kept so that the next one moves on;
    // documents store the bounds rounded half to even.
    p.object.setZoomFactor(2.0f);
    p.object.setTop(p.object.Top() + 1);
    EXPECT_EQ(p.object.pageBounds().top(), 21.5);
    EXPECT_EQ(p.object.Top(), 43);
    EXPECT_EQ(p.object.storedBounds().top(), 22);
    p.object.setTop(p.object.Top() + 1);
    EXPECT_EQ(p.object.storedBounds().top(), 22);
    EXPECT_EQ(p.object.Top(), 44);
}

TEST(TGGraphicControl, FirstBoundsOnlyRecordedLaterMovesReportAndRefit)
{
    FakeObjectHost host;
    BoxObject object;
    object.setHost(&host);
    object.setBounds(10, 10, 50, 20);
    EXPECT_EQ(object.LastBounds(), QRect(10, 10, 50, 20));
    EXPECT_EQ(host.changed, 0);
    object.setLeft(30);
    EXPECT_EQ(host.changed, 1);
    EXPECT_EQ(host.refits, 1);
    EXPECT_EQ(object.LastBounds(), QRect(30, 10, 50, 20));
}

TEST(TGGraphicControl, FirstMoveAfterReadingMarksTheDocument)
{
    FakeObjectHost host;
    BoxObject object;
    object.setHost(&host);
    object.setReading(true);
    object.setBounds(10, 10, 50, 20);
    object.setReading(false);
    EXPECT_EQ(host.changed, 0);
    object.setLeft(12);
    EXPECT_EQ(host.changed, 1);
    EXPECT_EQ(host.refits, 1);
}

TEST(TGGraphicControl, ReadingAndPrintingKeepChangesQuiet)
{
    Placed p(10, 10, 50, 20);
    p.object.setReading(true);
    p.object.setBounds(0, 0, 80, 30);
    p.object.SetLocked(true);
    p.object.SetUnselectable(true);
    p.object.setReading(false);
    EXPECT_EQ(p.host.changed, 0);
    EXPECT_EQ(p.host.refits, 0);
    EXPECT_TRUE(p.object.Locked());
    EXPECT_TRUE(p.object.Unselectable());

    p.host.printing = true;
    p.object.setLeft(5);
    EXPECT_EQ(p.host.changed, 0);
    EXPECT_EQ(p.host.refits, 1);
}

TEST(TGGraphicControl, AKindWithoutItsOwnPrintingPrintsWhatItPaints)
{
    BoxObject box;
    box.setPixelsPerInch(96);
    box.setBounds(48, 48, 48, 24);
    QImage page(200, 120, QImage::Format_RGB32);
    page.fill(Qt::white);
    {
        QPainter painter(&page);
        ReportCanvas report(painter);
        box.PrintTo(report, 0.5, 0.0);
    }
    // Half an inch to the right of its bounds: (96, 48) to (144, 72) at 96 dots per inch.
    const QRgb red = qRgb(255, 0, 0);
    EXPECT_EQ(page.pixel(97, 49), red);
    EXPECT_EQ(page.pixel(142, 70), red);
    EXPECT_EQ(page.pixel(94, 60), qRgb(255, 255, 255));
    EXPECT_EQ(page.pixel(146, 60), qRgb(255, 255, 255));
    EXPECT_EQ(page.pixel(120, 74), qRgb(255, 255, 255));
}

TEST(TGGraphicControl, LockedSetterFollowsCheckMarkAndReportsOnlyChanges)
{
    Placed p(0, 0, 10, 10);
    p.object.AfterLoad();
    p.object.SetLocked(false);
    EXPECT_EQ(p.host.changed, 0);
    p.object.SetLocked(true);
    EXPECT_EQ(p.host.changed, 1);
    EXPECT_TRUE(menuChecked(p.object, QStringLiteral("Locked")));

    // While reading the check mark stays as it was.
    p.object.setReading(true);
    p.object.SetLocked(false);
    p.object.setReading(false);
    EXPECT_TRUE(menuChecked(p.object, QStringLiteral("Locked")));
    EXPECT_EQ(p.host.changed, 1);

    ASSERT_TRUE(runMenuEntry(p.object, QStringLiteral("Locked")));
    EXPECT_TRUE(p.object.Locked());
    EXPECT_TRUE(menuChecked(p.object, QStringLiteral("Locked")));
    EXPECT_EQ(p.host.changed, 2);
}

TEST(TGGraphicControl, UnselectableLeavesAMultipleSelectionAlone)
{
    Placed p(0, 0, 10, 10);
    BoxObject other;
    p.object.AfterLoad();
    p.host.selection = {&other, &p.object};
    ASSERT_TRUE(runMenuEntry(p.object, QStringLiteral("Unselectable")));
    EXPECT_TRUE(p.object.Unselectable());
    EXPECT_EQ(p.host.selection, QList<const TGGraphicControl *>{&other});
    EXPECT_GE(p.host.changed, 1);

    // Becoming selectable again leaves the selection as it is.
    p.host.selection.clear();
    p.object.SetUnselectable(false);
    EXPECT_TRUE(p.host.selection.isEmpty());
}

TEST(TGGraphicControl, CommonMenuOrderAndSurfaceCommands)
{
    Placed p(0, 0, 10, 10);
    p.object.AfterLoad();
    EXPECT_EQ(menuCaptions(p.object.popupMenu()),
              QStringList({"Bring To Front", "Send To Back", "Cut", "Copy", "Delete", "Clone", "-",
                           "Locked", "Unselectable", "-", "Center Vertically",
                           "Center Horizontally"}));
    // Built once however often loading finishes.
    p.object.AfterLoad();
    EXPECT_EQ(p.object.popupMenu().size(), 12u);

    p.host.selection = {&p.object};
    runMenuEntry(p.object, QStringLiteral("Send To Back"));
    EXPECT_TRUE(p.host.selection.isEmpty());
    EXPECT_EQ(p.host.calls.last().first, QStringLiteral("back"));
    runMenuEntry(p.object, QStringLiteral("Cut"));
    runMenuEntry(p.object, QStringLiteral("Copy"));
    runMenuEntry(p.object, QStringLiteral("Delete"));
    ASSERT_EQ(p.host.commands.size(), 3);
    EXPECT_EQ(p.host.commands[0].second, ObjectCommandKind::Cut);
    EXPECT_EQ(p.host.commands[1].second, ObjectCommandKind::Copy);
    EXPECT_EQ(p.host.commands[2].second, ObjectCommandKind::Delete);
    // Send To Back, Cut and Delete mark the document modified; Copy does not.
    EXPECT_EQ(p.host.changed, 3);
    runMenuEntry(p.object, QStringLiteral("Clone"));
    EXPECT_EQ(p.host.cloned.size(), 1);
}

TEST(TGGraphicControl, WithoutHostEveryMenuEntryIsHarmless)
{
    BoxObject object;
    object.setBounds(10, 10, 20, 20);
    object.AfterLoad();
    for (const ObjectMenuEntry &entry : object.popupMenu()) {
        if (entry.action)
            entry.action();
    }
    EXPECT_TRUE(object.Unselectable());
    EXPECT_TRUE(object.Locked());
    EXPECT_EQ(object.boundsRect(), QRect(10, 10, 20, 20));
}

TEST(TGGraphicControl, CentringUsesHalfSizesTruncated)
{
    Placed p(3, 5, 40, 101);
    p.host.size = QSize(816, 816);
    p.object.CenterVertically();
    EXPECT_EQ(p.object.Top(), 358);
    p.host.size = QSize(101, 816);
    p.object.CenterHorizontally();
    EXPECT_EQ(p.object.Left(), 50 - 20);
    EXPECT_EQ(p.host.repaints, 2);
}

TEST(SelectionMarks, SingleObjectHasCornersAndEdgeMiddles)
{
    const std::vector<PageRect> marks = selectionMarkRects(QRect(10, 10, 21, 11), true);
    ASSERT_EQ(marks.size(), 8u);
    const QList<QPoint> expected{{8, 8}, {28, 8}, {28, 18}, {8, 18},
                                 {18, 8}, {18, 18}, {8, 13}, {28, 13}};
    for (size_t i = 0; i < marks.size(); ++i) {
        EXPECT_EQ(topLeftCorner(marks[i]), QRect(expected[int(i)], QSize(5, 5))) << i;
    }
    EXPECT_EQ(selectionMarkRects(QRect(10, 10, 21, 11), false).size(), 4u);
}

TEST(SelectionMarks, PaintedInFrameColourForOneAndSecondaryForSeveral)
{
    Placed p(10, 10, 21, 11);
    BoxObject other;
    QImage image(60, 40, QImage::Format_RGB32);
    const auto paint = [&] {
        image.fill(Qt::white);
        QPainter painter(&image);
        Canvas canvas(painter, 96);
        p.object.paintOnSurface(canvas);
    };
    p.host.selection = {&p.object};
    paint();
    EXPECT_EQ(image.pixel(8, 8), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(20, 8), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(25, 14), qRgb(255, 0, 0));

    p.host.selection = {&p.object, &other};
    paint();
    EXPECT_EQ(image.pixel(8, 8), qRgb(128, 128, 128));
    EXPECT_EQ(image.pixel(20, 8), qRgb(255, 255, 255));

    p.host.paintSuspended = true;
    paint();
    EXPECT_EQ(image.pixel(20, 15), qRgb(255, 255, 255));
}

TEST(TGGraphicControl, PaintToCanvasPaintsAtThePointAndRestoresTheOrigin)
{
    BoxObject object;
    object.setBounds(100, 100, 4, 3);
    QImage image(20, 20, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    Canvas canvas(painter, 96);
    object.PaintToCanvas(canvas, 5, 6);
    canvas.setBrush(Colors::clBlue);
    canvas.fillRect({0, 0, 1, 1});
    painter.end();
    EXPECT_EQ(image.pixel(5, 6), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(8, 8), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(9, 9), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(0, 0), qRgb(0, 0, 255));
}

TEST(TGGraphicControl, NegativeSizesFromBadInputBecomeEmpty)
{
    BoxObject object;
    object.setBounds(5, 5, -30, -2);
    EXPECT_EQ(object.Width(), 0);
    EXPECT_EQ(object.Height(), 0);
}

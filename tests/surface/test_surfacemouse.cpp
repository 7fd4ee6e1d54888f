// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Selecting, dragging, resizing and rubber bands with real mouse events on the surface.
#include "surfacetesting.h"

#include "objects/objecteditors.h"
#include "objects/objectkinds.h"

namespace {

// Records the rectangles a drawing tool was handed.
class ToolSurface : public TGBasePanel
{
public:
    void CreateObjectInRect(const PageRect &rect) override
    {
        created.append(rect);
        SetPointing(true);
    }
    void surfaceClicked(const QPoint &point) override { clicks.append(point); }
    QRect paperRect() const override { return paper.isNull() ? TGBasePanel::paperRect() : paper; }

    QList<PageRect> created;
    QList<QPoint> clicks;
    QRect paper;
};

} // namespace

using SurfaceMouseTest = SurfaceTest;

TEST_F(SurfaceMouseTest, SelectingPlacesTheFrameAndARefitGrowsItByOne)
{
    TestObject *object = add({50, 60, 100, 40});
    click({100, 80});
    ASSERT_EQ(selection(), std::vector<TGGraphicControl *>{object});
    EXPECT_EQ(frame().geometry(), QRect(48, 58, 105, 45));
    EXPECT_TRUE(frame().isVisible());

    object->setLeft(60);
    runPosted();
    EXPECT_EQ(frame().geometry(), QRect(58, 58, 106, 46));
    EXPECT_EQ(changes, 1) << "the move after selection is a change";
}

TEST_F(SurfaceMouseTest, PressingAnObjectAndMovingDragsItAtOnce)
{
    TestObject *object = add({50, 60, 100, 40});
    drag({100, 80}, {130, 100});
    EXPECT_EQ(object->boundsRect(), QRect(80, 80, 100, 40));
    EXPECT_FALSE(frame().DragActive());
    EXPECT_FALSE(surface.outlines().outline(OutlineOverlay::Kind::DragPreview));
}

TEST_F(SurfaceMouseTest, AQuickClickMovesNothingEvenWhenTheMouseMoved)
{
    TestObject *object = add({50, 60, 100, 40});
    click({100, 80});
    press({100, 80});
    moveHeld({103, 82});
    clock += 100;
    release({103, 82});
    EXPECT_EQ(object->boundsRect(), QRect(50, 60, 100, 40));

    // The same press held longer does move.
    press({100, 80});
    moveHeld({103, 82});
    clock += 150;
    release({103, 82});
    EXPECT_EQ(object->boundsRect(), QRect(53, 62, 100, 40));
}

TEST_F(SurfaceMouseTest, ADragShowsADottedPreviewWhereTheObjectsWillGo)
{
    add({50, 60, 100, 40});
    click({100, 80});
    press({100, 80});
    moveHeld({110, 85});
    // The preview lies 2 pixels inside the frame's new bounds (48 + 10, 58 + 5).
    EXPECT_EQ(surface.outlines().outline(OutlineOverlay::Kind::DragPreview),
              (PageRect{60, 65, 160, 105}));
    EXPECT_EQ(frame().Outline(), QRect(58, 63, 105, 45));
    clock += 200;
    release({110, 85});
    EXPECT_FALSE(surface.outlines().outline(OutlineOverlay::Kind::DragPreview));
}

TEST_F(SurfaceMouseTest, LockedObjectsStayWhileTheOthersMove)
{
    TestObject *first = add({50, 60, 100, 40});
    TestObject *second = add({200, 60, 50, 50});
    click({100, 80});
    click({220, 80}, Qt::ShiftModifier);
    ASSERT_EQ(frame().SelectedCount(), 2);
    EXPECT_EQ(frame().geometry(), QRect(48, 58, 205, 55));

    drag({100, 80}, {110, 80});
    EXPECT_EQ(first->Left(), 60);
    EXPECT_EQ(second->Left(), 210);

    second->SetLocked(true);
    drag({110, 80}, {120, 80});
    EXPECT_EQ(first->Left(), 70);
    EXPECT_EQ(second->Left(), 210);
    runPosted();
    EXPECT_EQ(frame().geometry(), QRect(68, 58, 196, 56)) << "refitted around both";
}

TEST_F(SurfaceMouseTest, DraggingTheBottomRightHandleResizes)
{
    TestObject *object = add({50, 60, 100, 40});
    click({100, 80});
    hover({152, 102});
    EXPECT_EQ(frame().ResizeMode(), FrameZone::BottomRight);
    EXPECT_EQ(surface.cursor().shape(), Qt::SizeFDiagCursor);
    drag({152, 102}, {172, 112});
    EXPECT_EQ(frame().geometry().size(), QSize(124, 54));
    EXPECT_EQ(object->boundsRect(), QRect(50, 60, 119, 49));

    // A resize never makes the frame smaller than 5 x 5.
    runPosted();
    hover({frame().x() + 2, frame().y() + 2});
    ASSERT_EQ(frame().ResizeMode(), FrameZone::TopLeft);
    drag({frame().x() + 2, frame().y() + 2}, {400, 400});
    EXPECT_EQ(frame().geometry().size(), QSize(5, 5));
}

TEST_F(SurfaceMouseTest, HandlesOnlyForASingleObjectAndEdgesBeatCorners)
{
    add({50, 60, 10, 10});
    TestObject *other = add({300, 300, 40, 40});
    click({55, 65});
    ASSERT_EQ(frame().geometry(), QRect(48, 58, 15, 15));
    // Near the top-left corner and within reach of the top edge's middle as well.
    hover({51, 59});
    EXPECT_EQ(frame().ResizeMode(), FrameZone::Top);
    EXPECT_EQ(surface.cursor().shape(), Qt::SizeVerCursor);

    click({310, 310}, Qt::ShiftModifier);
    ASSERT_EQ(frame().SelectedCount(), 2);
    hover({other->Left() + other->Width() + 1, other->Top() + other->Height() + 1});
    EXPECT_EQ(frame().ResizeMode(), FrameZone::Move);
    EXPECT_EQ(surface.cursor().shape(), Qt::OpenHandCursor);
}

TEST_F(SurfaceMouseTest, CursorsFollowWhatLiesUnderTheMouse)
{
    add({50, 60, 100, 40});
    add({300, 300, 40, 40});
    hover({310, 310});
    EXPECT_EQ(surface.cursor().shape(), Qt::PointingHandCursor);
    hover({500, 500});
    EXPECT_EQ(surface.cursor().shape(), Qt::ArrowCursor) << "leaving the object";
    click({100, 80});
    hover({100, 80});
    EXPECT_EQ(surface.cursor().shape(), Qt::OpenHandCursor);
    frame().SetLocked(true);
    hover({101, 80});
    EXPECT_EQ(surface.cursor().shape(), Qt::ForbiddenCursor);
    hover({500, 500});
    EXPECT_EQ(surface.cursor().shape(), Qt::ArrowCursor) << "leaving the frame";
}

TEST_F(SurfaceMouseTest, RubberBandsSelectWhatTheyOverlapInEitherDirection)
{
    TestObject *a = add({50, 60, 100, 40});
    TestObject *b = add({300, 300, 50, 50});
    TestObject *c = add({600, 600, 50, 50});
    drag({140, 40}, {360, 360});
    EXPECT_EQ(selection(), (std::vector<TGGraphicControl *>{b, a})) << "front-most first";
    EXPECT_FALSE(surface.rubberBanding());
    EXPECT_FALSE(surface.outlines().outline(OutlineOverlay::Kind::RubberBand));

    drag({360, 360}, {140, 40});
    EXPECT_EQ(selection(), (std::vector<TGGraphicControl *>{b, a}));

    // With Shift the band toggles: the two selected leave, the third joins.
    drag({20, 20}, {700, 700}, Qt::ShiftModifier);
    EXPECT_EQ(selection(), std::vector<TGGraphicControl *>{c});

    // An empty band selects nothing.
    click({500, 100});
    EXPECT_EQ(frame().SelectedCount(), 0);
    EXPECT_FALSE(frame().isVisible());
}

TEST_F(SurfaceMouseTest, TheBandFollowsTheMouseAsADottedOutline)
{
    add({50, 60, 100, 40});
    press({400, 400});
    moveHeld({300, 350});
    EXPECT_TRUE(surface.rubberBanding());
    EXPECT_EQ(surface.outlines().outline(OutlineOverlay::Kind::RubberBand),
              (PageRect{300, 350, 400, 400}));
    EXPECT_EQ(surface.cursor().shape(), Qt::PointingHandCursor);
    release({300, 350});
    EXPECT_EQ(surface.cursor().shape(), Qt::ArrowCursor);
}

TEST_F(SurfaceMouseTest, ShiftClicksAddAndRemove)
{
    TestObject *a = add({50, 60, 100, 40});
    TestObject *b = add({300, 300, 40, 40});
    click({100, 80});
    // A right click with Shift on another object adds it and opens no menu.
    press({310, 310}, Qt::ShiftModifier, Qt::RightButton);
    release({310, 310}, Qt::ShiftModifier, Qt::RightButton);
    EXPECT_EQ(selection(), (std::vector<TGGraphicControl *>{a, b}));
    EXPECT_TRUE(menus.isEmpty());

    // Shift+click on a selected object takes it out; the rest stays.
    click({100, 80}, Qt::ShiftModifier);
    EXPECT_EQ(selection(), std::vector<TGGraphicControl *>{b});
    EXPECT_EQ(a->Left(), 50);
}

TEST_F(SurfaceMouseTest, UnselectableObjectsLetARubberBandStartOverThem)
{
    TestObject *a = add({50, 60, 100, 40});
    TestObject *b = add({300, 300, 40, 40});
    a->SetUnselectable(true);
    drag({100, 80}, {320, 320});
    EXPECT_EQ(selection(), std::vector<TGGraphicControl *>{b});
}

TEST_F(SurfaceMouseTest, RightClicksOpenTheObjectsOrTheSurfacesMenu)
{
    TestObject *a = add({50, 60, 100, 40});
    a->AfterLoad();
    press({100, 80}, {}, Qt::RightButton);
    release({100, 80}, {}, Qt::RightButton);
    ASSERT_EQ(menus.size(), 1);
    EXPECT_EQ(menus[0].first(), QStringLiteral("Bring To Front"));
    EXPECT_TRUE(menus[0].contains(QStringLiteral("Clone"))) << "the object's own menu";

    press({500, 500}, {}, Qt::RightButton);
    release({500, 500}, {}, Qt::RightButton);
    ASSERT_EQ(menus.size(), 2);
    EXPECT_TRUE(menus[1].contains(QStringLiteral("Align Left"))) << "the surface's menu";
    EXPECT_FALSE(surface.rubberBanding());

    // On the frame of one object: that object's menu; its Delete runs after it closed.
    menuChoice = QStringLiteral("Delete");
    press({100, 80}, {}, Qt::RightButton);
    release({100, 80}, {}, Qt::RightButton);
    EXPECT_TRUE(surface.objects().empty());
    EXPECT_EQ(frame().SelectedCount(), 0);
}

TEST_F(SurfaceMouseTest, DoubleClickingTheOnlySelectedObjectRunsItsEditAction)
{
    TestObject *a = add({50, 60, 100, 40});
    int edits = 0;
    a->EditAction = [&] { ++edits; };
    click({100, 80});
    QTest::mouseDClick(&surface, Qt::LeftButton, {}, QPoint(100, 80));
    release({100, 80});
    EXPECT_EQ(edits, 1);
    EXPECT_EQ(a->boundsRect(), QRect(50, 60, 100, 40));

    // The press that came with the double-click does not become a drag later.
    clock += 500;
    press({100, 80});
    QTest::mouseDClick(&surface, Qt::LeftButton, {}, QPoint(100, 80));
    hover({120, 90});
    clock += 500;
    release({120, 90});
    EXPECT_EQ(a->boundsRect(), QRect(50, 60, 100, 40));
}

TEST_F(SurfaceMouseTest, DoubleClickingAnObjectOpensTheDialogOfItsPropertiesEntry)
{
    // Names the dialog each request would open, and cancels it.
    struct RecordingEditors : ObjectEditors
    {
        RecordingEditors() { setInstance(this); }
        ~RecordingEditors() override { setInstance(nullptr); }
        bool chooseFont(TFont &) override { return open(QStringLiteral("Font")); }
        bool chooseColor(TColor &) override { return open(QStringLiteral("Color")); }
        bool editObject(TGGraphicControl &subject, const QString &dialog) override
        {
            return open(subject.className() + QLatin1Char(' ') + dialog);
        }
        bool open(const QString &dialog)
        {
            opened.append(dialog);
            return false;
        }
        QStringList opened;
    } editors;

    // Each kind and the menu entry whose dialog a double click opens.
    const std::pair<const char *, const char *> kinds[] = {
        {"TGPLabel", "Text"},
        {"TGImage", "Load Image From Disk"},
        {"TGPRichBaseLabel", "Edit"},
        {"TGSuperText", "Properties"},
        {"TGFlatCalendar", "Properties"},
    };
    for (const auto &[className, entry] : kinds) {
        surface.DeleteAllObjects();
        editors.opened.clear();
        const ObjectKind *kind = ObjectKinds::find(QLatin1String(className));
        ASSERT_NE(kind, nullptr) << className;
        TGGraphicControl *object =
            surface.appendObject(kind->createForTool({TFont(), QDate(2026, 1, 1)}));
        ASSERT_NE(object, nullptr);
        object->setBounds(50, 60, 200, 100);
        runPosted();
        const QPoint point = object->boundsRect().center();
        clock += 2000;
        click(point);
        QTest::mouseDClick(&surface, Qt::LeftButton, {}, point);
        release(point);
        // The menu's own entry opens the same dialog.
        QStringList fromMenu = editors.opened;
        ASSERT_EQ(fromMenu.size(), 1) << object->className().toStdString();
        EXPECT_TRUE(menus.isEmpty()) << "no menu on the way";
        menuChoice = QLatin1String(entry);
        press(point, {}, Qt::RightButton);
        release(point, {}, Qt::RightButton);
        EXPECT_EQ(editors.opened, (QStringList{fromMenu.front(), fromMenu.front()}))
            << object->className().toStdString();
        menus.clear();
    }
}

TEST(SurfaceTools, APressOnTheFrameWithADrawingToolStartsARubberBand)
{
    ToolSurface surface;
    surface.resize(816, 1056);
    qint64 clock = 1000;
    surface.setClock([&] { return clock; });
    QRect dropped;
    surface.setDroppedObjectEvent([&](TGBasePanel &, const QRect &rect) { dropped = rect; });
    surface.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&surface));
    auto *object = surface.appendObject(std::make_unique<TestObject>(QRect(50, 60, 100, 40)));
    QTest::mouseClick(&surface, Qt::LeftButton, {}, QPoint(100, 80));
    ASSERT_TRUE(surface.isSelected(*object));

    surface.SetPointing(false);
    QTest::mousePress(&surface, Qt::LeftButton, {}, QPoint(60, 70));
    EXPECT_TRUE(surface.rubberBanding());
    clock += 300;
    QTest::mouseMove(&surface, QPoint(200, 150));
    QTest::mouseRelease(&surface, Qt::LeftButton, {}, QPoint(200, 150));
    ASSERT_EQ(surface.created.size(), 1);
    EXPECT_EQ(surface.created[0], (PageRect{60, 70, 200, 150}));
    EXPECT_EQ(dropped, QRect(60, 70, 140, 80));
    EXPECT_EQ(object->boundsRect(), QRect(50, 60, 100, 40)) << "the frame did not drag";
    EXPECT_TRUE(surface.clicks.isEmpty()) << "the press went to the object, not the surface";

    // A plain click on the empty surface is the surface's click.
    hoverAt(surface, QPoint(500, 500));
    QTest::mouseClick(&surface, Qt::LeftButton, {}, QPoint(500, 500));
    EXPECT_EQ(surface.clicks, QList<QPoint>{QPoint(500, 500)});
}

TEST(SurfaceTools, ADrawnRectangleEndsAtThePapersEdge)
{
    ToolSurface surface;
    surface.resize(816, 1056);
    surface.paper = QRect(40, 30, 600, 800);
    QRect dropped;
    surface.setDroppedObjectEvent([&](TGBasePanel &, const QRect &rect) { dropped = rect; });
    surface.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&surface));
    const auto draw = [&surface](QPoint from, QPoint to) {
        surface.SetPointing(false);
        QTest::mousePress(&surface, Qt::LeftButton, {}, from);
        QTest::mouseMove(&surface, to);
        QTest::mouseRelease(&surface, Qt::LeftButton, {}, to);
    };

    draw({500, 700}, {750, 1000});
    ASSERT_EQ(surface.created.size(), 1);
    EXPECT_EQ(surface.created[0], (PageRect{500, 700, 640, 830}));
    EXPECT_EQ(dropped, QRect(500, 700, 140, 130)) << "the event tells the rectangle used";

    // Dragged up and left past the corner.
    draw({100, 90}, {10, 5});
    ASSERT_EQ(surface.created.size(), 2);
    EXPECT_EQ(surface.created[1], (PageRect{40, 30, 100, 90}));
}

TEST_F(SurfaceMouseTest, NothingHoldsTheMouseOnceItsPressIsOver)
{
    add({50, 60, 100, 40});
    TestObject *b = add({300, 300, 40, 40});
    // A menu took the release of a right press on the surface; the next moves are hovers.
    press({500, 500}, {}, Qt::RightButton);
    ASSERT_EQ(menus.size(), 1);
    hover({310, 310});
    EXPECT_EQ(surface.cursor().shape(), Qt::PointingHandCursor);
    release({310, 310}, {}, Qt::RightButton);

    // The selection is deleted under a resting mouse; the next press is the surface's.
    click({100, 80});
    QTest::keyClick(&surface, Qt::Key_Delete);
    ASSERT_EQ(surface.objects().size(), 1u);
    QTest::mousePress(&surface, Qt::LeftButton, {}, QPoint(250, 250));
    clock += 50;
    QTest::mouseMove(&surface, QPoint(310, 310));
    QTest::mouseMove(&surface, QPoint(320, 320));
    EXPECT_TRUE(surface.rubberBanding());
    EXPECT_FALSE(surface.outlines().outline(OutlineOverlay::Kind::DragPreview));
    QTest::mouseRelease(&surface, Qt::LeftButton, {}, QPoint(320, 320));
    EXPECT_EQ(selection(), std::vector<TGGraphicControl *>{b});
}

TEST_F(SurfaceMouseTest, ThePublishedEventsFollowTheSurfacesOwnHandling)
{
    QStringList raised;
    TGBasePanel::PublishedEvents events;
    events.OnMouseDown = [&](const SurfaceMouse &m) {
        raised << QStringLiteral("down %1,%2").arg(m.point.x()).arg(m.point.y());
    };
    events.OnMouseUp = [&](const SurfaceMouse &) {
        // The rubber band is over before the event runs.
        raised << QStringLiteral("up, %1 selected").arg(surface.frame().SelectedCount());
    };
    events.OnKeyDown = [&](QKeyEvent &key) {
        if (key.key() == Qt::Key_Control)
            return; // the modifier's own key, pressed first
        raised << QStringLiteral("key %1, clipboard %2")
                      .arg(key.key())
                      .arg(QFile::exists(surface.clipboardPath()) ? "written" : "empty");
    };
    surface.setPublishedEvents(events);
    add({50, 50, 40, 20});
    QFile::remove(surface.clipboardPath());

    press({10, 10});
    moveHeld({120, 100});
    release({120, 100});
    QTest::keyClick(&surface, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(raised, (QStringList{QStringLiteral("down 10,10"), QStringLiteral("up, 1 selected"),
                                   QStringLiteral("key %1, clipboard written").arg(int(Qt::Key_C))}));
}

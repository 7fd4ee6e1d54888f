// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Nudging with the keyboard and the commands on the selection.
#include "surfacetesting.h"

#include "objects/tgplabel.h"
#include "widgets/choosers.h"

#include "fakedialogs.h"

using SurfaceCommandTest = SurfaceTest;

TEST_F(SurfaceCommandTest, ShiftRightWidensOneObjectAndMovesSeveral)
{
    TestObject *a = add({50, 60, 100, 40});
    TestObject *b = add({300, 300, 40, 40});
    click({100, 80});
    for (int i = 0; i < 3; ++i)
        QTest::keyPress(&surface, Qt::Key_Right, Qt::ShiftModifier);
    // Only the dotted rectangle moves while the key is held.
    EXPECT_EQ(a->boundsRect(), QRect(50, 60, 100, 40));
    EXPECT_EQ(surface.outlines().outline(OutlineOverlay::Kind::Nudge),
              (PageRect{50, 60, 153, 100}));
    QTest::keyRelease(&surface, Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(a->boundsRect(), QRect(50, 60, 103, 40));
    EXPECT_FALSE(surface.outlines().outline(OutlineOverlay::Kind::Nudge));
    EXPECT_FALSE(frame().Nudging());

    click({310, 310}, Qt::ShiftModifier);
    ASSERT_EQ(frame().SelectedCount(), 2);
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(&surface, Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(a->boundsRect(), QRect(53, 60, 103, 40));
    EXPECT_EQ(b->boundsRect(), QRect(303, 300, 40, 40));
}

TEST_F(SurfaceCommandTest, NudgingStopsAtTheEdgesAndAtTenPixels)
{
    TestObject *a = add({0, 0, 12, 40});
    click({5, 5});
    QTest::keyClick(&surface, Qt::Key_Left);
    QTest::keyClick(&surface, Qt::Key_Up);
    EXPECT_EQ(a->boundsRect().topLeft(), QPoint(0, 0)) << "the rectangle stays on the surface";
    for (int i = 0; i < 5; ++i)
        QTest::keyPress(&surface, Qt::Key_Left, Qt::ShiftModifier);
    QTest::keyRelease(&surface, Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_EQ(a->Width(), 9) << "shrinking stops once the rectangle is 10 wide";
    QTest::keyClick(&surface, Qt::Key_Down);
    EXPECT_EQ(a->boundsRect().topLeft(), QPoint(0, 1));
    // Auto-repeat comes as releases and presses; the objects wait for the real release.
    QKeyEvent repeatRelease(QEvent::KeyRelease, Qt::Key_Down, Qt::NoModifier, QString(), true);
    QTest::keyPress(&surface, Qt::Key_Down);
    QApplication::sendEvent(&surface, &repeatRelease);
    EXPECT_EQ(a->Top(), 1);
    QTest::keyRelease(&surface, Qt::Key_Down);
    EXPECT_EQ(a->Top(), 2);
}

TEST_F(SurfaceCommandTest, KeysForTheClipboardAndDelete)
{
    add({50, 60, 100, 40});
    TestObject *b = add({300, 300, 40, 40});
    click({100, 80});
    QTest::keyClick(&surface, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(fake->writes, 1);
    QTest::keyClick(&surface, Qt::Key_Delete);
    ASSERT_EQ(surface.objects().size(), 1u);
    EXPECT_EQ(surface.objects().front().get(), b);
    // With nothing selected the surface itself takes the keys.
    QTest::keyClick(&surface, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(surface.objects().size(), 2u);
    click({310, 310});
    QTest::keyClick(&surface, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(surface.objects().size(), 1u);
    EXPECT_EQ(fake->files.value(surface.clipboardPath()).size(), 1);
}

TEST_F(SurfaceCommandTest, AlignmentOfSeveral)
{
    TestObject *a = add({40, 100, 20, 20});
    TestObject *b = add({10, 200, 20, 20});
    TestObject *c = add({70, 300, 30, 20});
    surface.SelectAllObjects();
    surface.AlignLeft();
    EXPECT_EQ(a->Left(), 10);
    EXPECT_EQ(b->Left(), 10);
    EXPECT_EQ(c->Left(), 10);

    a->setBounds(10, 100, 20, 20);
    b->setBounds(50, 200, 10, 20);
    surface.frame().DeselectAll();
    surface.frame().AddToSelection(a);
    surface.frame().AddToSelection(b);
    surface.AlignRight();
    EXPECT_EQ(a->boundsRect(), QRect(40, 100, 20, 20));
    EXPECT_EQ(b->Left(), 50);
    surface.AlignTops();
    EXPECT_EQ(b->Top(), 100);
    a->setHeight(50);
    surface.AlignBottoms();
    EXPECT_EQ(a->Top(), 100);
    EXPECT_EQ(b->Top(), 130);
    EXPECT_GT(changes, 0);

    // Without a selection nothing moves.
    surface.frame().DeselectAll();
    changes = 0;
    surface.AlignLeft();
    EXPECT_EQ(a->Left(), 40);
    EXPECT_EQ(changes, 0);
}

TEST_F(SurfaceCommandTest, CentringOnTheSurface)
{
    surface.resize(1056, 816);
    TestObject *a = add({10, 10, 51, 101});
    surface.frame().AddToSelection(a);
    surface.CenterSelectionVertically();
    EXPECT_EQ(a->Top(), 358);
    surface.CenterSelectionHorizontally();
    EXPECT_EQ(a->Left(), 503);
}

TEST_F(SurfaceCommandTest, ZOrderOfTheSelection)
{
    TestObject *a = add({10, 10, 20, 20});
    TestObject *b = add({40, 10, 20, 20});
    TestObject *c = add({70, 10, 20, 20});
    const auto order = [&] {
        std::vector<TGGraphicControl *> objects;
        for (const auto &object : surface.objects())
            objects.push_back(object.get());
        return objects;
    };
    surface.frame().AddToSelection(a);
    surface.BringSelectionToFront();
    EXPECT_EQ(order(), (std::vector<TGGraphicControl *>{b, c, a}));
    EXPECT_EQ(selection(), std::vector<TGGraphicControl *>{a}) << "the selection stays";

    surface.frame().DeselectAll();
    surface.frame().AddToSelection(c);
    surface.frame().AddToSelection(a);
    surface.SendSelectionToBack();
    EXPECT_EQ(order(), (std::vector<TGGraphicControl *>{a, c, b})) << "sent in selection order";
    EXPECT_EQ(frame().SelectedCount(), 0);

    // A locked frame keeps the order.
    surface.frame().AddToSelection(a);
    surface.frame().SetLocked(true);
    surface.BringSelectionToFront();
    EXPECT_EQ(order(), (std::vector<TGGraphicControl *>{a, c, b}));
}

TEST_F(SurfaceCommandTest, LockingSelectabilityAndSelectAll)
{
    TestObject *a = add({10, 10, 20, 20});
    TestObject *b = add({40, 10, 20, 20});
    surface.LockAll();
    EXPECT_TRUE(a->Locked() && b->Locked());
    surface.UnlockAll();
    EXPECT_FALSE(a->Locked() || b->Locked());

    surface.SelectAllObjects();
    ASSERT_EQ(frame().SelectedCount(), 2);
    surface.MarkAllUnselectable();
    EXPECT_EQ(frame().SelectedCount(), 0);
    surface.SelectAllObjects();
    EXPECT_EQ(frame().SelectedCount(), 0) << "unselectable objects never join";
    surface.MarkAllSelectable();
    surface.SelectAllObjects();
    EXPECT_EQ(selection(), (std::vector<TGGraphicControl *>{a, b}));
}

TEST_F(SurfaceCommandTest, DeletingTheSelectionOrOneObject)
{
    TestObject *a = add({10, 10, 20, 20});
    TestObject *b = add({40, 10, 20, 20});
    TestObject *c = add({70, 10, 20, 20});
    surface.frame().AddToSelection(a);
    surface.frame().AddToSelection(c);
    surface.DeleteSelection();
    ASSERT_EQ(surface.objects().size(), 1u);
    EXPECT_EQ(surface.objects().front().get(), b);
    EXPECT_EQ(changes, 2) << "one change per object";

    // From an object's own menu, an object that is not selected goes alone.
    TestObject *d = add({100, 10, 20, 20});
    surface.frame().AddToSelection(d);
    surface.ObjectCommand(*b, ObjectCommandKind::Delete);
    ASSERT_EQ(surface.objects().size(), 1u);
    EXPECT_EQ(selection(), std::vector<TGGraphicControl *>{d});
}

TEST_F(SurfaceCommandTest, TheFontCommandGoesThroughTheFontDialog)
{
    ScopedFakeDialogs dialogs;
    TestObject *a = add({10, 10, 20, 20});
    TestObject *b = add({40, 10, 20, 20});
    surface.SetSelectionFont();
    EXPECT_EQ(dialogs->dialogCount, 0) << "nothing selected";
    surface.SelectAllObjects();
    surface.SetSelectionFont();
    EXPECT_EQ(a->assignedFont, TFont()) << "cancelled";
    const TFont chosen(QStringLiteral("DejaVu Serif"), 14, TFont::Style::Italic);
    TFont offered;
    dialogs->onDialog = [&](QDialog &dialog) {
        auto &chooser = dynamic_cast<FontChooser &>(dialog);
        offered = chooser.font();
        chooser.setChosenFont(chosen);
        return int(QDialog::Accepted);
    };
    surface.SetSelectionFont();
    EXPECT_EQ(offered.size(), surface.Font().size()) << "the dialog starts from the surface's font";
    EXPECT_EQ(a->assignedFont.name(), QStringLiteral("DejaVu Serif"));
    EXPECT_EQ(a->assignedFont.size(), 14);
    EXPECT_EQ(b->assignedFont.style(), TFont::Styles(TFont::Style::Italic));
}

TEST_F(SurfaceCommandTest, TheMenuEnablesWhatCanBeDone)
{
    const auto enabled = [&] {
        QStringList items;
        surface.showSurfaceMenu(QPoint());
        for (QAction *action : shownMenus.last()->actions()) {
            if (!action->isSeparator() && action->isEnabled())
                items.append(action->text());
        }
        return items;
    };
    EXPECT_EQ(enabled(), (QStringList{QStringLiteral("Mark All Selectable"),
                                      QStringLiteral("Mark All Unselectable"),
                                      QStringLiteral("Select All")}));
    const QString separator = QStringLiteral("-");
    EXPECT_EQ(menus.last(),
              (QStringList{"&Undo", "&Redo", separator, "Bring To Front", "Send To Back", separator,
                           "Cut", "Copy", "Paste",
                           separator, "Delete", separator, "Align Left", "Align Right",
                           "Align Tops", "Align Bottoms", separator, "Center Vertically",
                           "Center Horizontally", separator, "Lock All", "Unlock All", separator,
                           "Mark All Selectable", "Mark All Unselectable", "Select All",
                           separator, "Font"}));
    bool undoable = false;
    surface.setUndoHooks({[&undoable] { return undoable; }, [] { return false; }, [] {}, [] {}});
    EXPECT_FALSE(enabled().contains(QStringLiteral("&Undo")));
    undoable = true;
    EXPECT_TRUE(enabled().contains(QStringLiteral("&Undo")));
    EXPECT_FALSE(enabled().contains(QStringLiteral("&Redo")));
    TestObject *a = add({10, 10, 20, 20});
    EXPECT_TRUE(enabled().contains(QStringLiteral("Lock All")));
    EXPECT_FALSE(enabled().contains(QStringLiteral("Copy")));
    surface.frame().AddToSelection(a);
    EXPECT_TRUE(enabled().contains(QStringLiteral("Font")));
    EXPECT_FALSE(enabled().contains(QStringLiteral("Paste")));
    surface.CopySelection();
    EXPECT_TRUE(enabled().contains(QStringLiteral("Paste")));

    menuChoice = QStringLiteral("Send To Back");
    surface.showSurfaceMenu(QPoint());
    EXPECT_EQ(frame().SelectedCount(), 0) << "the chosen command ran";
}

TEST_F(SurfaceCommandTest, ChangesFromAnObjectReachTheDocumentOnce)
{
    auto *label = static_cast<TGPLabel *>(surface.appendObject(std::make_unique<TGPLabel>()));
    label->AfterLoad();
    changes = 0;
    label->SetLocked(true);
    EXPECT_EQ(changes, 1);
    surface.SetLoading(true);
    label->SetLocked(false);
    surface.SetLoading(false);
    EXPECT_EQ(changes, 1) << "silent while a document is read";
    surface.SetPrinting(true);
    label->SetLocked(true);
    surface.SetPrinting(false);
    EXPECT_EQ(changes, 1) << "and while printing";
}

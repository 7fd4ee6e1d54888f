// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Copy, cut, paste and clone through the object clipboard file.
#include "surfacetesting.h"

#include "fakedialogs.h"
#include "surface/framegeometry.h"

namespace {

std::vector<QRect> boundsOf(const TGBasePanel &surface)
{
    std::vector<QRect> bounds;
    for (const auto &object : surface.objects())
        bounds.push_back(object->boundsRect());
    return bounds;
}

} // namespace

using ClipboardTest = SurfaceTest;

TEST_F(ClipboardTest, EachPasteLandsBesideTheCopiedObjectsOncePerSecond)
{
    TestObject *a = add({50, 60, 100, 40});
    a->setName(QStringLiteral("Component0"));
    surface.frame().AddToSelection(a);
    surface.CopySelection();
    changes = 0;

    surface.PasteObjects();
    clock += 500;
    surface.PasteObjects();
    EXPECT_EQ(boundsOf(surface), (std::vector<QRect>{{50, 60, 100, 40}, {65, 75, 100, 40}}))
        << "a second paste within a second is ignored";
    clock += 600;
    surface.PasteObjects();
    EXPECT_EQ(boundsOf(surface),
              (std::vector<QRect>{{50, 60, 100, 40}, {65, 75, 100, 40}, {65, 75, 100, 40}}))
        << "each paste offsets from the file, not from the previous paste";
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(surface.LastPasteTime(), 2100);

    // Pasted objects take the first free "Component" names and are wired to the surface.
    EXPECT_EQ(surface.objects()[1]->Name(), QStringLiteral("Component1"));
    EXPECT_EQ(surface.objects()[2]->Name(), QStringLiteral("Component2"));
    EXPECT_EQ(surface.objects()[2]->host(), &surface);
    EXPECT_EQ(frame().selection(), std::vector<TGGraphicControl *>{surface.objects()[2].get()})
        << "the last paste is selected, not the original";
}

TEST_F(ClipboardTest, APasteSelectsTheCopiesSoTheNextCommandActsOnThem)
{
    TestObject *a = add({50, 60, 100, 40});
    TestObject *b = add({300, 300, 40, 40});
    add({500, 500, 40, 40});
    surface.frame().AddToSelection(a);
    surface.frame().AddToSelection(b);
    surface.CopySelection();
    surface.PasteObjects();
    ASSERT_EQ(surface.objects().size(), 5u);
    const std::vector<TGGraphicControl *> copies{surface.objects()[3].get(),
                                                 surface.objects()[4].get()};
    EXPECT_EQ(selection(), copies);
    EXPECT_FALSE(surface.isSelected(*a));
    EXPECT_EQ(frame().geometry(), growFrame(frameAroundFirst(QRect(65, 75, 100, 40)),
                                            QRect(315, 315, 40, 40)));

    // Delete right after the paste takes the copies, not the originals.
    QTest::keyClick(&surface, Qt::Key_Delete);
    ASSERT_EQ(surface.objects().size(), 3u);
    EXPECT_EQ(surface.objects()[0].get(), a);
    EXPECT_EQ(surface.objects()[1].get(), b);

    // A paste that brings nothing leaves the selection alone.
    surface.frame().AddToSelection(a);
    fake->files.clear();
    clock += 2000;
    surface.PasteObjects();
    EXPECT_EQ(selection(), std::vector<TGGraphicControl *>{a});
}

TEST_F(ClipboardTest, PastingWithoutAClipboardDoesNothing)
{
    QFile::remove(surface.clipboardPath());
    surface.PasteObjects();
    EXPECT_TRUE(surface.objects().empty());
    EXPECT_EQ(changes, 0);
}

TEST_F(ClipboardTest, CopyingNothingLeavesTheClipboardAsItWas)
{
    TestObject *a = add({50, 60, 100, 40});
    surface.frame().AddToSelection(a);
    surface.CopySelection();
    surface.frame().DeselectAll();
    surface.CopySelection();
    surface.CutSelection();
    EXPECT_EQ(fake->writes, 1);
    EXPECT_EQ(surface.objects().size(), 1u);
}

TEST_F(ClipboardTest, ADamagedClipboardKeepsWhatWasReadAndSaysWhy)
{
    ScopedFakeDialogs dialogs;
    add({10, 10, 20, 20});
    add({40, 10, 20, 20});
    add({70, 10, 20, 20});
    surface.SelectAllObjects();
    surface.CopySelection();
    surface.DeleteSelection();
    changes = 0;
    fake->damagedAt = 1;
    surface.PasteObjects();
    ASSERT_EQ(surface.objects().size(), 1u);
    ASSERT_EQ(dialogs->messages.size(), 1);
    EXPECT_EQ(dialogs->messages[0].text, QStringLiteral("Invalid property value"));
    EXPECT_EQ(dialogs->messages[0].icon, DialogService::Icon::Critical);
    // The object that was read counts as a change and answers the mouse.
    EXPECT_EQ(changes, 1);
    click({30, 30});
    EXPECT_EQ(frame().SelectedCount(), 1);
}

TEST_F(ClipboardTest, CutDeletesOnlyWhatWasCopied)
{
    ScopedFakeDialogs dialogs;
    TestObject *a = add({10, 10, 20, 20});
    TestObject *b = add({40, 10, 20, 20});
    surface.frame().AddToSelection(a);
    fake->failWrite = true;
    surface.CutSelection();
    EXPECT_EQ(surface.objects().size(), 2u);
    EXPECT_EQ(dialogs->messages.size(), 1);

    fake->failWrite = false;
    // From the menu of an object that is not selected, the object goes alone.
    surface.ObjectCommand(*b, ObjectCommandKind::Cut);
    ASSERT_EQ(surface.objects().size(), 1u);
    EXPECT_EQ(surface.objects().front().get(), a);
    EXPECT_EQ(fake->files.value(surface.clipboardPath()).size(), 1);
    surface.ObjectCommand(*a, ObjectCommandKind::Copy);
    EXPECT_EQ(fake->files.value(surface.clipboardPath()).front().bounds, QRect(10, 10, 20, 20));
    surface.ObjectCommand(*a, ObjectCommandKind::Paste);
    EXPECT_EQ(surface.objects().size(), 2u);
}

TEST_F(ClipboardTest, AClonedSelectedObjectHandsOverTheSelection)
{
    TestObject *a = add({50, 60, 100, 40}, Colors::clBlue);
    TestObject *b = add({300, 300, 40, 40});
    a->AfterLoad();
    click({100, 80});
    menuChoice = QStringLiteral("Clone");
    press({100, 80}, {}, Qt::RightButton);
    release({100, 80}, {}, Qt::RightButton);
    ASSERT_EQ(surface.objects().size(), 3u);
    auto *clone = static_cast<TestObject *>(surface.objects().back().get());
    EXPECT_EQ(clone->boundsRect(), QRect(50, 85, 100, 40));
    EXPECT_EQ(clone->color, Colors::clBlue);
    EXPECT_EQ(clone->Name(), QStringLiteral("Component0"));
    EXPECT_EQ(frame().selection(), std::vector<TGGraphicControl *>{clone});
    EXPECT_GE(changes, 1);

    // An object that is not selected is cloned without touching the selection.
    surface.CloneObject(*b);
    EXPECT_EQ(surface.objects().back()->boundsRect(), QRect(300, 325, 40, 40));
    EXPECT_EQ(frame().selection(), std::vector<TGGraphicControl *>{clone});
}

TEST(ClipboardFiles, TheLastSurfaceToCloseRemovesTheScratchFiles)
{
    QString clipboard;
    {
        TGBasePanel page;
        clipboard = page.clipboardPath();
        EXPECT_TRUE(clipboard.endsWith(QStringLiteral("/Clipbrd.tmp")));
        EXPECT_TRUE(page.scratchPath().endsWith(QStringLiteral("/TempFile.tmp")));
        for (const QString &path : {clipboard, page.scratchPath()}) {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        }
        {
            // The properties dialog's preview page closes while the main page lives on.
            TGBasePanel preview;
        }
        EXPECT_TRUE(QFile::exists(clipboard));
    }
    EXPECT_FALSE(QFile::exists(clipboard));
}

TEST_F(ClipboardTest, APasteAfterZoomingKeepsTheCopiedSize)
{
    TestObject *a = add({50, 60, 100, 40});
    surface.frame().AddToSelection(a);
    surface.SetZoom(0.5f);
    ASSERT_EQ(a->boundsRect(), QRect(25, 30, 50, 20));
    surface.CopySelection();
    surface.SetZoom(1.0f);
    surface.PasteObjects();
    ASSERT_EQ(surface.objects().size(), 2u);
    // Objects are copied in page pixels whatever the zoom: the copy has the original's
    // size and lies 15 page pixels down and right of it.
    EXPECT_EQ(surface.objects()[1]->boundsRect(), QRect(65, 75, 100, 40));
}

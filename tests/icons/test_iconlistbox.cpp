// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "icontestfiles.h"

#include "icons/icondrag.h"
#include "icons/iconlistbox.h"

#include <QMimeData>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace IconTestFiles;

namespace {

class IconListBoxTest : public ::testing::Test
{
protected:
    QString library(const QString &name, int count)
    {
        const QString path = m_folder.filePath(name);
        EXPECT_TRUE(writeFakeLibrary(path, count));
        return path;
    }
    TIconListBox &list()
    {
        if (!m_list) {
            m_list = std::make_unique<TIconListBox>();
            m_list->iconModel().setReader(fakeReader());
        }
        return *m_list;
    }

    QTemporaryDir m_folder;

private:
    std::unique_ptr<TIconListBox> m_list;
};

} // namespace

TEST_F(IconListBoxTest, AFileOfTwelveIconsGivesItemsZeroToElevenWithTheFirstSelected)
{
    EXPECT_EQ(list().NumberOfIcons(), -1);
    EXPECT_FALSE(list().isEnabled()) << "disabled until a file is loaded";
    EXPECT_EQ(list().Version(), QStringLiteral("TIconListBox v1.10"));
    QSignalSpy changed(&list(), &IconListView::fileChange);

    const QString path = library(QStringLiteral("twelve.icl"), 12);
    list().SetFileName(path);
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(list().NumberOfIcons(), 12);
    ASSERT_EQ(list().iconModel().rowCount(), 12);
    for (int row = 0; row < 12; ++row)
        EXPECT_EQ(list().iconModel().index(row).data().toString(), QString::number(row));
    EXPECT_EQ(list().selectedIndex(), 0);
    EXPECT_TRUE(list().isEnabled());

    // The same name in other letters is the same file: nothing is reloaded.
    list().SetFileName(path.toUpper().replace(m_folder.path().toUpper(), m_folder.path()));
    EXPECT_EQ(changed.count(), 1);
}

TEST_F(IconListBoxTest, AMissingFileLeavesTheListEmptyAndDisabledUnlessAutoDisableIsOff)
{
    list().SetFileName(library(QStringLiteral("some.icl"), 5));
    ASSERT_EQ(list().NumberOfIcons(), 5);
    list().SetFileName(m_folder.filePath(QStringLiteral("gone.icl")));
    EXPECT_EQ(list().NumberOfIcons(), -1);
    EXPECT_EQ(list().iconModel().rowCount(), 0);
    EXPECT_FALSE(list().isEnabled());
    EXPECT_TRUE(list().selectedIcon().isNull());
    list().SetAutoDisable(false);
    EXPECT_TRUE(list().isEnabled());

    // A file that is no icon file has no icons, but it exists.
    list().SetAutoDisable(true);
    list().SetFileName(library(QStringLiteral("empty.icl"), 0));
    EXPECT_EQ(list().NumberOfIcons(), 0);
    EXPECT_TRUE(list().isEnabled());
}

TEST_F(IconListBoxTest, WithCachingOnlyTheIconsShownOrDraggedAreRead)
{
    list().SetXIcons(3);
    list().SetYIcons(3);
    list().SetFileName(library(QStringLiteral("big.icl"), 300));
    IconListModel &model = list().iconModel();
    EXPECT_EQ(model.readCount(), 0) << "nothing is read before it is drawn";

    list().show();
    list().grab();
    const int shown = model.readCount();
    EXPECT_GT(shown, 0);
    EXPECT_LE(shown, 3 * 4) << "at most the visible columns, one partly shown";
    EXPECT_FALSE(model.isRead(299));

    // Dragging an icon reads it and carries its picture.
    std::unique_ptr<QMimeData> drag(model.mimeData({model.index(250)}));
    ASSERT_TRUE(drag);
    EXPECT_TRUE(model.isRead(250));
    EXPECT_EQ(model.readCount(), shown + 1);
    const QImage picture = IconDrag::picture(drag.get());
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(qRed(picture.pixel(5, 5)), 250);
    EXPECT_TRUE(drag->data(IconDrag::mimeType()).endsWith("big.icl"));

    // Turning caching off reads the whole file at once.
    list().SetEnableCaching(false);
    EXPECT_EQ(model.readCount(), shown + 1 + 300);
    EXPECT_TRUE(model.isRead(299));
    EXPECT_EQ(list().selectedIndex(), 0);
}

TEST_F(IconListBoxTest, ARealIconFileIsReadAndItsIconDrawnCentredInItsCell)
{
    // Through the program's own icon reader rather than the fake one.
    const QString path = m_folder.filePath(QStringLiteral("green.ico"));
    ASSERT_TRUE(writeIco(path, QColor(0, 160, 0), 16));
    TIconListBox real;
    real.SetXIcons(3);
    real.SetYIcons(1);
    real.SetFileName(path);
    ASSERT_EQ(real.NumberOfIcons(), 1);
    real.clearSelection();
    real.show();
    const QImage shot = real.viewport()->grab().toImage();
    const QRect cell = real.visualRect(real.iconModel().index(0));
    ASSERT_EQ(cell.size(), QSize(real.columnWidth(), real.itemHeight()));
    // A 16-pixel icon in the middle of its cell, white paper around it.
    EXPECT_EQ(shot.pixelColor(cell.center()), QColor(0, 160, 0));
    const int inset = (cell.width() - 16) / 2;
    EXPECT_EQ(shot.pixelColor(cell.left() + inset, cell.center().y()), QColor(0, 160, 0));
    EXPECT_NE(shot.pixelColor(cell.left() + inset - 1, cell.center().y()), QColor(0, 160, 0));
}

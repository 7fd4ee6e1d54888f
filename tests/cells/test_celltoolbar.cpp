// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "celleditingfixture.h"

#include "richedit/fontnamebox.h"
#include "richedit/wptoolbar.h"

#include <QApplication>
#include <QComboBox>
#include <QToolButton>

namespace {

class CellToolBar : public CellEditingFixture
{
protected:
    QWidget *toolBar() { return window().findChild<QWidget *>(QStringLiteral("WPToolBar1")); }
    QToolButton *button(const char *name)
    {
        return toolBar()->findChild<QToolButton *>(QLatin1String(name));
    }
    // Opens a cell holding "hello world" with "hello" selected.
    int openWithHelloSelected()
    {
        const int cell = cellOfDay(11);
        page().SetCellRtfText(cell, TWPRtfStorage("{\\rtf1\\ansi\\fs20 hello world\\par}"));
        page().OpenCell(cell);
        QTextCursor cursor = editor().textCursor();
        cursor.setPosition(0);
        cursor.setPosition(5, QTextCursor::KeepAnchor);
        editor().setTextCursor(cursor);
        return cell;
    }
};

} // namespace

TEST_F(CellToolBar, IsEnabledOnlyWhileTheEditorHasTheFocus)
{
    ASSERT_NE(toolBar(), nullptr);
    EXPECT_FALSE(toolBar()->isEnabled());
    openDay(2);
    EXPECT_TRUE(toolBar()->isEnabled());
    leaveCell();
    EXPECT_FALSE(toolBar()->isEnabled());
}

TEST_F(CellToolBar, StyleButtonsActOnTheSelectionOnly)
{
    const int cell = openWithHelloSelected();
    button("WPI_Bold")->click();
    button("WPI_Italic")->click();
    button("WPI_Under")->click();
    EXPECT_TRUE(button("WPI_Bold")->isChecked());
    leaveCell();
    const QTextCharFormat hello = storedFormat(cell, 0);
    EXPECT_EQ(hello.fontWeight(), QFont::Bold);
    EXPECT_TRUE(hello.fontItalic());
    EXPECT_TRUE(hello.fontUnderline());
    const QTextCharFormat world = storedFormat(cell, 7);
    EXPECT_NE(world.fontWeight(), QFont::Bold);
    EXPECT_FALSE(world.fontItalic());
    EXPECT_TRUE(window().Modified());
}

TEST_F(CellToolBar, ListsSetSizeAndColourAndButtonsAlign)
{
    const int cell = openWithHelloSelected();
    auto *size = toolBar()->findChild<QComboBox *>(QStringLiteral("FontSize"));
    auto *color = toolBar()->findChild<QComboBox *>(QStringLiteral("FontColor"));
    ASSERT_TRUE(size && color);
    EXPECT_EQ(size->itemText(0), QStringLiteral("6"));
    EXPECT_EQ(color->count(), 16);
    size->setCurrentIndex(size->findData(18));
    emit size->activated(size->currentIndex());
    color->setCurrentIndex(color->findData(QColor(Qt::blue)));
    emit color->activated(color->currentIndex());
    button("WPI_Center")->click();
    EXPECT_TRUE(button("WPI_Center")->isChecked());
    EXPECT_FALSE(button("WPI_Left")->isChecked());
    leaveCell();

    EXPECT_DOUBLE_EQ(storedFormat(cell, 0).fontPointSize(), 18.0);
    EXPECT_EQ(storedFormat(cell, 0).foreground().color(), QColor(Qt::blue));
    EXPECT_DOUBLE_EQ(storedFormat(cell, 7).fontPointSize(), 10.0);
    QTextDocument text;
    RtfReader::read(storedRtf(cell), text);
    EXPECT_EQ(text.firstBlock().blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
}

TEST_F(CellToolBar, ShowsTheFormatAtTheCaretWithItsHints)
{
    page().SetCellRtfText(cellOfDay(13), TWPRtfStorage("{\\rtf1\\ansi\\fs20 plain {\\b bold}\\par}"));
    openDay(13);
    EXPECT_TRUE(button("WPI_Bold")->isChecked()); // the caret stands at the end
    editor().moveCursor(QTextCursor::Start);
    editor().moveCursor(QTextCursor::Right);
    EXPECT_FALSE(button("WPI_Bold")->isChecked());
    EXPECT_EQ(button("WPI_Center")->toolTip(), QStringLiteral("Center Text "));
    EXPECT_EQ(button("WPI_SelAll")->toolTip(), QStringLiteral("Select All"));
}

TEST_F(CellToolBar, ASizeChosenInAnEmptyCellOutlivesTheDropDownList)
{
    const int cell = cellOfDay(14);
    openDay(14);
    auto *size = toolBar()->findChild<QComboBox *>(QStringLiteral("FontSize"));
    size->setCurrentIndex(size->findData(24));
    emit size->activated(size->currentIndex());
    // The list's popup hands the focus back to the editor.
    QFocusEvent back(QEvent::FocusIn, Qt::PopupFocusReason);
    QApplication::sendEvent(&editor(), &back);
    QTest::keyClicks(&editor(), QStringLiteral("Big"));
    leaveCell();
    EXPECT_DOUBLE_EQ(storedFormat(cell, 0).fontPointSize(), 24.0);
}

TEST(CellToolBarOwner, IsTheWindowThatHoldsThePageUntilTheWindowPlacesIt)
{
    auto window = std::make_unique<QWidget>();
    auto *area = new QWidget(window.get());
    auto *page = new TCalendarPanel32(area);
    CellEditing editing(*page, *area, {});
    const QPointer<TWPToolBar> toolBar = &editing.toolBar();
    EXPECT_EQ(toolBar->parentWidget(), window.get());
    window.reset();
    EXPECT_TRUE(toolBar.isNull()) << "the tool bar goes with its window";
}

TEST_F(CellToolBar, TheFontListIsFilledWhenFirstOpenedAndSetsTheFamily)
{
    const int cell = openWithHelloSelected();
    auto *names = toolBar()->findChild<FontNameBox *>(QStringLiteral("FontName"));
    ASSERT_TRUE(names);
    // The start lists nothing but the family at the caret.
    EXPECT_FALSE(names->isFilled());
    EXPECT_EQ(names->count(), 1);
    EXPECT_FALSE(names->currentFamily().isEmpty());
    names->showPopup();
    names->hidePopup();
    EXPECT_TRUE(names->isFilled());
    EXPECT_GT(names->count(), 1);
    const int liberation = names->findText(QStringLiteral("Liberation Serif"));
    ASSERT_GE(liberation, 0) << "the fonts the program installs are listed";
    names->setCurrentIndex(liberation);
    emit names->activated(liberation);
    leaveCell();
    EXPECT_EQ(storedFormat(cell, 0).fontFamilies().toStringList().value(0), QStringLiteral("Liberation Serif"));
    // A family that is not installed is still shown as the text has it.
    names->setCurrentFamily(QStringLiteral("No Such Family"));
    EXPECT_EQ(names->currentFamily(), QStringLiteral("No Such Family"));
}

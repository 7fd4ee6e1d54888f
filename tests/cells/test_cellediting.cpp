// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "celleditingfixture.h"

#include "richtext/rtfunits.h"
#include "documents/documentcommands.h"
#include "shell/documentwiring.h"
#include "documents/recoverycopy.h"
#include "storage/calendarfile.h"
#include "widgets/choosers.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QTextLayout>

namespace {

TWPRtfStorage plainRtf(const QByteArray &body)
{
    return TWPRtfStorage("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0\\fs20 " + body + "\\par}");
}

} // namespace

TEST_F(CellEditingFixture, TypingIntoACellIsStoredWhenTheCellIsLeft)
{
    const int cell = cellOfDay(3);
    openDay(3);
    ASSERT_TRUE(editor().isVisible());
    EXPECT_TRUE(editor().hasFocus());
    EXPECT_EQ(window().currentCell(), cell);
    const PageRect free = page().cellTable().cell(cell).rFree;
    EXPECT_EQ(editor().geometry(), QRect(free.left + page().x() + 1, free.top + page().y() + 1,
                                         free.width() + 1, free.height() + 1));

    QTest::keyClicks(&editor(), QStringLiteral("Dentist 3pm"));
    EXPECT_TRUE(window().Modified());
    // A click on the page outside every cell leaves the cell.
    page().Click(QPoint(1, 1));
    EXPECT_FALSE(editor().isVisible());
    EXPECT_EQ(storedText(cell), QStringLiteral("Dentist 3pm"));
    EXPECT_TRUE(storedRtf(cell).startsWith("{\\rtf1"));
    // No cell is current once it is left, so nothing opens it again by itself.
    EXPECT_EQ(window().currentCell(), 0);
}

TEST_F(CellEditingFixture, AnUnchangedCellKeepsItsBytesAndTheDocumentStaysUnmodified)
{
    const int cell = cellOfDay(5);
    const TWPRtfStorage original = plainRtf("Lunch");
    page().SetCellRtfText(cell, original);
    openDay(5);
    EXPECT_EQ(editor().toPlainText(), QStringLiteral("Lunch"));
    // Clicking the open cell again commits and reloads it.
    openDay(5);
    EXPECT_TRUE(editor().isVisible());
    leaveCell();
    EXPECT_FALSE(window().Modified());
    EXPECT_EQ(page().GetCellRtfText(cell, TWPRtfStorage()), original);
}

TEST_F(CellEditingFixture, DeletingAllTextLeavesAnEmptyCell)
{
    const int cell = cellOfDay(6);
    page().SetCellRtfText(cell, plainRtf("Gone"));
    openDay(6);
    editor().selectAll();
    QTest::keyClick(&editor(), Qt::Key_Delete);
    leaveCell();
    EXPECT_TRUE(window().Modified());
    EXPECT_TRUE(storedRtf(cell).isEmpty());
}

TEST_F(CellEditingFixture, TabAndShiftTabMoveBetweenCellsAndStoreTheCellLeft)
{
    const int first = cellOfDay(10);
    openDay(10);
    QTest::keyClicks(&editor(), QStringLiteral("A"));
    QTest::keyClick(&editor(), Qt::Key_Tab);
    EXPECT_EQ(window().currentCell(), first + 1);
    EXPECT_EQ(storedText(first), QStringLiteral("A"));
    EXPECT_TRUE(editor().isVisible());
    EXPECT_TRUE(editor().toPlainText().isEmpty());

    QTest::keyClicks(&editor(), QStringLiteral("B"));
    QTest::keyClick(&editor(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(window().currentCell(), first);
    EXPECT_EQ(storedText(first + 1), QStringLiteral("B"));
    EXPECT_EQ(editor().toPlainText(), QStringLiteral("A"));
}

TEST_F(CellEditingFixture, TabStopsAtTheEndsAndBeforeCellsWithoutAFreeArea)
{
    page().OpenCell(1);
    QTest::keyClick(&editor(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(window().currentCell(), 1);
    EXPECT_TRUE(editor().isVisible());
    EXPECT_FALSE(editor().toPlainText().contains(QLatin1Char('\t')));

    int last = CellCount;
    while (last > 1 && page().cellTable().cell(last).rFree.isAllZero())
        --last;
    page().OpenCell(last);
    QTest::keyClicks(&editor(), QStringLiteral("end"));
    QTest::keyClick(&editor(), Qt::Key_Tab);
    EXPECT_EQ(window().currentCell(), last);
    EXPECT_EQ(editor().toPlainText(), QStringLiteral("end"));
}

TEST_F(CellEditingFixture, ZoomingCommitsTheOpenCellFirst)
{
    const int cell = cellOfDay(12);
    openDay(12);
    QTest::keyClicks(&editor(), QStringLiteral("Zoomed"));
    const float before = page().ZoomFactor();
    window().ZoomSpinnerUpClick();
    ASSERT_NE(page().ZoomFactor(), before);
    EXPECT_FALSE(editor().isVisible());
    EXPECT_EQ(storedText(cell), QStringLiteral("Zoomed"));
}

TEST_F(CellEditingFixture, TheEditorShowsTextAtThePagesScale)
{
    DefaultFontSetting font;
    font.size = 20; // small sizes are off by the font system's rounding of pixel sizes
    window().setDefaultEditorFont(font);
    page().SetZoom(0.601f);
    page().UpdateCellTable();
    openDay(4);
    // The page paints cell text at this scale; the editor must show it the same size.
    const qreal pageScale = 0.60 * page().pixelsPerInch() / RtfUnits::layoutDpi();

    QTest::keyClicks(&editor(), QStringLiteral("Xyz"));
    QTextDocument unscaled;
    unscaled.setDocumentMargin(0);
    unscaled.setUseDesignMetrics(true);
    RtfReader::read(editor().rtf(), unscaled);
    const qreal shown = editor().document()->firstBlock().layout()->lineAt(0).naturalTextWidth();
    unscaled.documentLayout()->documentSize(); // lays the text out
    const qreal natural = unscaled.firstBlock().layout()->lineAt(0).naturalTextWidth();
    EXPECT_NEAR(shown / natural, pageScale, 0.03);
}

TEST_F(CellEditingFixture, ClearAllCellContentsAsksAndClearsOnlyOnYes)
{
    const int other = cellOfDay(20);
    page().SetCellRtfText(other, plainRtf("Keep"));
    const int open = cellOfDay(21);
    openDay(21);
    QTest::keyClicks(&editor(), QStringLiteral("Typed"));

    m_dialogs->answers = {QMessageBox::No};
    window().mnuClearAllCellContentsClick();
    ASSERT_EQ(m_dialogs->messages.size(), 1);
    EXPECT_EQ(m_dialogs->messages[0].caption, QStringLiteral("Clear All Cell Contents"));
    EXPECT_EQ(m_dialogs->messages[0].icon, DialogService::Icon::Question);
    EXPECT_EQ(storedText(other), QStringLiteral("Keep"));
    EXPECT_EQ(storedText(open), QStringLiteral("Typed"));
    EXPECT_FALSE(editor().isVisible());

    window().SetModified(false);
    m_dialogs->answers = {QMessageBox::Yes};
    window().mnuClearAllCellContentsClick();
    EXPECT_FALSE(page().HasCellText());
    EXPECT_TRUE(window().Modified());
    EXPECT_FALSE(editor().isVisible());
    // The cells can be opened at once, before the page is painted again.
    EXPECT_FALSE(page().cellTable().cell(open).rFree.isAllZero());
}

TEST_F(CellEditingFixture, NewTextInAnEmptyCellStartsInTheDefaultFont)
{
    DefaultFontSetting font;
    font.name = QStringLiteral("Courier New");
    font.size = 14;
    font.bold = true;
    font.color = 0x0000FF; // red
    window().setDefaultEditorFont(font);
    const int cell = cellOfDay(8);
    openDay(8);
    QTest::keyClicks(&editor(), QStringLiteral("x"));
    leaveCell();
    const QTextCharFormat stored = storedFormat(cell, 0);
    EXPECT_EQ(stored.fontFamilies().toStringList().value(0), QStringLiteral("Courier New"));
    EXPECT_DOUBLE_EQ(stored.fontPointSize(), 14.0);
    EXPECT_EQ(stored.fontWeight(), QFont::Bold);
    EXPECT_EQ(stored.foreground().color(), QColor(Qt::red));
}

TEST_F(CellEditingFixture, TypingAfterExistingTextContinuesItsFormat)
{
    DefaultFontSetting font;
    font.size = 16;
    font.bold = true;
    window().setDefaultEditorFont(font);
    const int cell = cellOfDay(9);
    page().SetCellRtfText(cell, plainRtf("\\i Note"));
    openDay(9);
    QTest::keyClicks(&editor(), QStringLiteral("s"));
    leaveCell();
    EXPECT_EQ(storedText(cell), QStringLiteral("Notes"));
    const QTextCharFormat added = storedFormat(cell, 4);
    EXPECT_TRUE(added.fontItalic());
    EXPECT_NE(added.fontWeight(), QFont::Bold);
    EXPECT_DOUBLE_EQ(added.fontPointSize(), 10.0);
}

TEST_F(CellEditingFixture, DefaultEditorFontStoresTheConfirmedFontOnly)
{
    m_dialogs->onDialog = [](QDialog &dialog) {
        auto *chooser = dynamic_cast<FontChooser *>(&dialog);
        if (!chooser)
            return int(QDialog::Rejected);
        EXPECT_EQ(chooser->font().pointSizeAt(96), 10);
        chooser->setChosenFont(TFont(QStringLiteral("DejaVu Serif"), 12, TFont::Style::Italic));
        return int(QDialog::Accepted);
    };
    window().DefaultEditorFont1Click();
    EXPECT_EQ(ini().readString(QStringLiteral("Default Font"), QStringLiteral("Name"), QString()),
              QStringLiteral("DejaVu Serif"));
    EXPECT_EQ(window().preferences().defaultFont.size, 12);
    EXPECT_TRUE(window().preferences().defaultFont.italic);

    // A cancelled dialog leaves the stored font alone.
    m_dialogs->onDialog = [](QDialog &) { return int(QDialog::Rejected); };
    window().DefaultEditorFont1Click();
    EXPECT_EQ(window().preferences().defaultFont.size, 12);
    EXPECT_EQ(m_dialogs->dialogCount, 2);
}

TEST_F(CellEditingFixture, APictureGoesIntoTheOpenCellOnly)
{
    QImage icon(16, 16, QImage::Format_RGB32);
    icon.fill(Qt::blue);
    editing().insertPictureIntoCell(icon);
    EXPECT_FALSE(page().HasCellText());

    const int cell = cellOfDay(15);
    openDay(15);
    editing().insertPictureIntoCell(icon);
    leaveCell();
    EXPECT_TRUE(storedRtf(cell).contains("\\pict"));
    EXPECT_TRUE(window().Modified());
}

TEST_F(CellEditingFixture, AReopenedCellShowsItsTextAtOnceWithTheCaretAtItsEnd)
{
    openDay(11);
    QTest::keyClicks(&editor(), QStringLiteral("Dentist at 9"));
    leaveCell();
    openDay(11);
    QApplication::processEvents();
    // The text is laid out and drawn before any key is pressed.
    EXPECT_EQ(editor().document()->firstBlock().layout()->lineCount(), 1);
    EXPECT_GT(editor().cursorRect().x(), 10) << "the caret stands after the text";
    const QImage shown = editor().grab().toImage();
    int ink = 0;
    for (int y = 2; y < shown.height() - 2; ++y)
        for (int x = 2; x < shown.width() - 2; ++x)
            ink += qGray(shown.pixel(x, y)) < 128 ? 1 : 0;
    EXPECT_GT(ink, 10);
}

TEST_F(CellEditingFixture, ACellReachedByTabIsLikeAClickedOne)
{
    DefaultFontSetting font;
    font.name = QStringLiteral("Courier New");
    font.size = 14;
    window().setDefaultEditorFont(font);
    const int first = cellOfDay(10);
    openDay(10);
    QTest::keyClicks(&editor(), QStringLiteral("A"));
    QTest::keyClick(&editor(), Qt::Key_Tab);
    QWidget *toolBar = window().findChild<QWidget *>(QStringLiteral("WPToolBar1"));
    ASSERT_TRUE(toolBar);
    EXPECT_TRUE(toolBar->isEnabled());
    QTest::keyClicks(&editor(), QStringLiteral("B"));
    leaveCell();
    const QTextCharFormat stored = storedFormat(first + 1, 0);
    EXPECT_EQ(stored.fontFamilies().toStringList().value(0), QStringLiteral("Courier New"));
    EXPECT_DOUBLE_EQ(stored.fontPointSize(), 14.0);
}

TEST_F(CellEditingFixture, ControlBIAndUToggleTheStylesOfWhatIsTyped)
{
    const int cell = cellOfDay(12);
    openDay(12);
    QTest::keyClick(&editor(), Qt::Key_B, Qt::ControlModifier);
    QTest::keyClicks(&editor(), QStringLiteral("b"));
    QTest::keyClick(&editor(), Qt::Key_B, Qt::ControlModifier);
    QTest::keyClick(&editor(), Qt::Key_I, Qt::ControlModifier);
    QTest::keyClicks(&editor(), QStringLiteral("i"));
    QTest::keyClick(&editor(), Qt::Key_I, Qt::ControlModifier);
    QTest::keyClick(&editor(), Qt::Key_U, Qt::ControlModifier);
    QTest::keyClicks(&editor(), QStringLiteral("u"));
    leaveCell();
    EXPECT_EQ(storedText(cell), QStringLiteral("biu"));
    EXPECT_EQ(storedFormat(cell, 0).fontWeight(), QFont::Bold);
    EXPECT_FALSE(storedFormat(cell, 0).fontItalic());
    EXPECT_NE(storedFormat(cell, 1).fontWeight(), QFont::Bold);
    EXPECT_TRUE(storedFormat(cell, 1).fontItalic());
    EXPECT_TRUE(storedFormat(cell, 2).fontUnderline());
    EXPECT_FALSE(storedFormat(cell, 2).fontItalic());
}

TEST_F(CellEditingFixture, ARecoveryCopyTakenWhileTypingLeavesTheEditorAlone)
{
    connectDocuments(window());
    auto *commands = window().findChild<DocumentCommands *>();
    ASSERT_TRUE(commands);
    RecoveryClock clock;
    commands->setRecoveryClock(clock);
    const int cell = cellOfDay(9);
    openDay(9);
    ASSERT_TRUE(editor().isVisible());

    QTest::keyClicks(&editor(), QStringLiteral("Dentist at "));
    ASSERT_TRUE(window().Modified());
    const int cursor = editor().textCursor().position();
    const int undoSteps = editor().document()->availableUndoSteps();
    emit clock.tick();
    // Nothing the user sees or works with changed.
    EXPECT_TRUE(editor().isVisible());
    EXPECT_TRUE(editor().hasFocus());
    EXPECT_EQ(editor().textCursor().position(), cursor);
    EXPECT_EQ(editor().document()->availableUndoSteps(), undoSteps);
    EXPECT_TRUE(editor().document()->isModified());
    EXPECT_EQ(storedText(cell), QString()) << "the cell is not committed behind the user's back";

    QTest::keyClicks(&editor(), QStringLiteral("3pm"));
    leaveCell();
    EXPECT_EQ(storedText(cell), QStringLiteral("Dentist at 3pm")) << "every typed character is kept";

    // The copy holds what was typed before the tick.
    const auto copy = RecoveryCopy::readFile(commands->recoveryCopy().path());
    ASSERT_TRUE(copy);
    PageDocument copied;
    ASSERT_TRUE(CalendarFile::loadDocumentBytes(copied, copy->state.mid(sizeof(float)), nullptr, {}).ok);
    QTextDocument text;
    RtfReader::read(copied.cells[size_t(cell - 1)].rtf(), text);
    EXPECT_EQ(text.toPlainText(), QStringLiteral("Dentist at "));

    // With the cell stored, the next tick copies the whole text.
    emit clock.tick();
    const auto later = RecoveryCopy::readFile(commands->recoveryCopy().path());
    ASSERT_TRUE(later);
    ASSERT_TRUE(CalendarFile::loadDocumentBytes(copied, later->state.mid(sizeof(float)), nullptr, {}).ok);
    RtfReader::read(copied.cells[size_t(cell - 1)].rtf(), text);
    EXPECT_EQ(text.toPlainText(), QStringLiteral("Dentist at 3pm"));
}

TEST_F(CellEditingFixture, EscapeOrAClickBesideThePageLeavesTheCellKeepingItsText)
{
    const int cell = cellOfDay(8);
    openDay(8);
    QTest::keyClicks(&editor(), QStringLiteral("Swim"));
    QTest::keyClick(&editor(), Qt::Key_Escape);
    EXPECT_FALSE(editor().isVisible());
    EXPECT_EQ(storedText(cell), QStringLiteral("Swim"));
    EXPECT_EQ(window().currentCell(), 0);

    openDay(9);
    QTest::keyClicks(&editor(), QStringLiteral("Run"));
    // The area around the page, below and right of it.
    QWidget *area = window().pageArea();
    const QPoint beside(page().geometry().right() + 5, page().geometry().bottom() + 5);
    ASSERT_FALSE(page().geometry().contains(beside));
    ASSERT_TRUE(area->rect().contains(beside)) << "the page fills its area";
    QTest::mouseClick(area, Qt::LeftButton, {}, beside);
    EXPECT_FALSE(editor().isVisible());
    EXPECT_EQ(storedText(cellOfDay(9)), QStringLiteral("Run"));
}

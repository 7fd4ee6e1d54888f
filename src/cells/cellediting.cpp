// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cellediting.h"

#include "richedit/twprichtext.h"
#include "richedit/wptoolbar.h"
#include "page/calpanel32.h"
#include "richtext/rtfstorage.h"

#include <QKeyEvent>
#include <QTextDocument>
#include <QWidget>

#include <cmath>

CellEditing::CellEditing(TCalendarPanel32 &page, QWidget &area, Hooks hooks, QObject *parent)
    : QObject(parent), m_page(page), m_hooks(std::move(hooks))
{
    m_editor = new TWPRichText(&area);
    // The window that holds the page owns the tool bar until it places it in its layout.
    m_toolBar = new TWPToolBar(area.window());
    m_toolBar->setEditor(m_editor);
    connect(m_editor, &TWPRichText::focusReceived, this, &CellEditing::editorFocusReceived);
    connect(m_editor, &TWPRichText::focusLost, this, [this] {
        if (m_hooks.focusChanged)
            m_hooks.focusChanged();
    });
    connect(m_editor->document(), &QTextDocument::modificationChanged, this,
            &CellEditing::documentModified);
    m_area = &area;
    m_editor->installEventFilter(this);
    area.installEventFilter(this);
}

bool CellEditing::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_editor && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape && m_holdsCell) {
        // The text typed so far is kept, as leaving the cell any other way keeps it.
        DoSaveRichtext();
        m_page.setFocus(Qt::OtherFocusReason);
        return true;
    }
    if (watched == m_area && event->type() == QEvent::MouseButtonPress)
        DoSaveRichtext();
    return QObject::eventFilter(watched, event);
}

TWPRichText &CellEditing::editor() const
{
    return *m_editor;
}

TWPToolBar &CellEditing::toolBar() const
{
    return *m_toolBar;
}

void CellEditing::CalendarPanelClickedInCellEvent(TCalendarPanel32 &, const PageRect &,
                                                  const PageRect &rFree, int iCell, int,
                                                  TWPRtfStorage &rtfstorage)
{
    m_placed = false;
    DoSaveRichtext();
    m_currentCell = iCell;
    if (m_hooks.cellOpened)
        m_hooks.cellOpened(iCell);
    m_storage = &rtfstorage;
    m_openCell = iCell;
    m_holdsCell = true;
    placeEditor(rFree);
    m_editor->loadRtf(rtfstorage.rtf());
    m_editor->show();
    m_editor->raise();
    const bool hadFocus = m_editor->hasFocus();
    m_editor->setFocus(Qt::MouseFocusReason);
    // Moving on with Tab keeps the focus in the editor, so no focus event comes: the cell
    // gets the default font and the tool bar its state as a clicked cell does.
    if (hadFocus)
        editorFocusReceived();
    m_placed = true;
}

void CellEditing::placeEditor(const PageRect &rFree)
{
    // Right and bottom are the first column and row outside the free area.
    const int width = rFree.width() + 1;
    const int height = rFree.height() + 1;
    const int zoomPercent = int(std::trunc(double(m_page.ZoomFactor()) * 100.0));
    m_editor->setZoom(zoomPercent, m_page.pixelsPerInch(), width);
    m_editor->setGeometry(rFree.left + m_page.x() + 1, rFree.top + m_page.y() + 1, width, height);
}

void CellEditing::DoSaveRichtext()
{
    if (!m_holdsCell || !m_storage)
        return;
    storeEditorText();
    m_holdsCell = false;
    m_placed = false;
    m_storage = nullptr;
    m_editor->hide();
    m_page.update();
    if (m_hooks.cellClosed)
        m_hooks.cellClosed();
    if (m_hooks.focusChanged)
        m_hooks.focusChanged();
}

std::optional<CellEditing::PendingText> CellEditing::pendingText() const
{
    if (!m_holdsCell || !m_storage || !m_editor->document()->isModified())
        return std::nullopt;
    const QByteArray rtf = m_editor->isEmptyText() ? QByteArray() : m_editor->rtf();
    if (TWPRtfStorage(rtf) == *m_storage)
        return std::nullopt;
    return PendingText{m_openCell, rtf};
}

bool CellEditing::storeEditorText()
{
    // An unchanged text keeps its stored bytes, whatever dialect it was written in.
    if (!m_editor->document()->isModified())
        return false;
    const QByteArray rtf = m_editor->isEmptyText() ? QByteArray() : m_editor->rtf();
    if (TWPRtfStorage(rtf) == *m_storage)
        return false;
    m_storage->setRtf(rtf);
    m_page.SetCellRtfText(m_openCell, *m_storage);
    if (m_hooks.markModified)
        m_hooks.markModified();
    return true;
}

void CellEditing::documentModified(bool changed)
{
    if (changed && m_placed && m_hooks.markModified)
        m_hooks.markModified();
}

void CellEditing::editorFocusReceived()
{
    if (m_editor->isEmptyText())
        SetDefaultFontNow();
    if (m_hooks.focusChanged)
        m_hooks.focusChanged();
}

void CellEditing::SetDefaultFontNow()
{
    if (!m_hooks.defaultFormat)
        return;
    const QTextCharFormat preset = m_hooks.defaultFormat();
    QTextCharFormat format = m_editor->currentCharFormat();
    format.setFontFamilies(preset.fontFamilies().toStringList());
    format.setFontPointSize(preset.fontPointSize());
    // The default's styles are added; styles already set stay set.
    if (preset.fontWeight() >= QFont::Bold)
        format.setFontWeight(QFont::Bold);
    if (preset.fontItalic())
        format.setFontItalic(true);
    if (preset.fontUnderline())
        format.setFontUnderline(true);
    if (preset.fontStrikeOut())
        format.setFontStrikeOut(true);
    format.setForeground(TWPRichText::paletteColor(preset.foreground().color()));
    m_editor->setCurrentCharFormat(format);
}

bool CellEditing::cellEditorTab(bool forward)
{
    if (forward)
        m_page.OpenNextCell(m_currentCell);
    else
        m_page.OpenPreviousCell(m_currentCell);
    return true;
}

void CellEditing::insertPictureIntoCell(const QImage &picture)
{
    if (!m_holdsCell)
        return;
    m_editor->insertPicture(picture);
}

bool CellEditing::canDropOnPage(const QPoint &pagePoint) const
{
    return m_page.HasEditableCells() && m_page.PointInCell(pagePoint.x(), pagePoint.y());
}

bool CellEditing::dropPictureOnPage(const QPoint &pagePoint, const QImage &picture)
{
    if (picture.isNull() || !canDropOnPage(pagePoint))
        return false;
    DoSaveRichtext();
    m_page.OpenCellAtPoint(pagePoint.x(), pagePoint.y());
    if (!m_holdsCell)
        return false;
    m_currentCell = m_page.CellAtPoint(pagePoint.x(), pagePoint.y());
    const QPoint inEditor = m_editor->viewport()->mapFromGlobal(m_page.mapToGlobal(pagePoint));
    return dropPictureInEditor(inEditor, picture);
}

bool CellEditing::dropPictureInEditor(const QPoint &editorPoint, const QImage &picture)
{
    if (picture.isNull() || !m_holdsCell || !m_storage)
        return false;
    m_editor->setTextCursor(m_editor->cursorForPosition(editorPoint));
    m_editor->insertPicture(picture);
    m_editor->setFocus(Qt::OtherFocusReason);
    // Stored now, so the document, its history and a save all hold the picture even while
    // the cell stays open.
    if (storeEditorText())
        m_editor->document()->setModified(false);
    return true;
}

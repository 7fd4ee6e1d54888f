// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "graphics/pagerect.h"

#include <QObject>
#include <QPointer>
#include <QTextCharFormat>

#include <functional>
#include <optional>

class QImage;
class TCalendarPanel32;
class TWPRichText;
class TWPToolBar;
class TWPRtfStorage;

// Edits the rich text of one day cell at a time in place: opening a cell lays the
// editor over the cell's free area and loads the text, committing stores the text back.
// The editor and its tool bar are widgets owned by their parents; this object only
// drives them.
class CellEditing : public QObject
{
    Q_OBJECT

public:
    struct Hooks {
        // The document changed.
        std::function<void()> markModified;
        // The character format new text in an empty cell starts with.
        std::function<QTextCharFormat()> defaultFormat;
        // A cell was opened; its index becomes the current cell.
        std::function<void(int cell)> cellOpened;
        // The open cell was closed: no cell is current any more.
        std::function<void()> cellClosed;
        // The editor gained or lost the focus, or was hidden.
        std::function<void()> focusChanged;
    };

    // The editor becomes a child of 'area', the widget that holds the page, and the tool bar
    // a child of the window 'area' lies in.
    CellEditing(TCalendarPanel32 &page, QWidget &area, Hooks hooks, QObject *parent = nullptr);

    TWPRichText &editor() const;
    TWPToolBar &toolBar() const;
    int currentCell() const { return m_currentCell; }
    bool holdsCell() const { return m_holdsCell; }

    void CalendarPanelClickedInCellEvent(TCalendarPanel32 &page, const PageRect &rTotal,
                                         const PageRect &rFree, int iCell, int iDay,
                                         TWPRtfStorage &rtfstorage);
    // Stores the editor's text into its cell and hides the editor; nothing when no cell
    // is open.
    void DoSaveRichtext();
    // The open cell's text as the editor holds it now, when it differs from what the cell
    // stores; nothing else. Reading it leaves the editor, its cursor, its undo steps and
    // the page untouched, so the recovery copy can be taken while the user types.
    struct PendingText {
        int cell = 0;
        QByteArray rtf;
    };
    std::optional<PendingText> pendingText() const;
    void SetDefaultFontNow();
    // Tab (forward) or Shift+Tab: the next or previous cell. The key is always used.
    bool cellEditorTab(bool forward);
    // Where the icon palette drops a picture into the open cell; nothing when no cell is
    // open.
    void insertPictureIntoCell(const QImage &picture);

    // Dropping a picture from the icon palette. On the page it goes into the day cell under
    // 'pagePoint' (widget coordinates of the page), which opens as a click would; in the open
    // editor it goes where 'editorPoint' (viewport coordinates) puts the caret. Either way
    // the cell is stored at once, so the drop is one change of its own. False when the point
    // takes no picture.
    bool canDropOnPage(const QPoint &pagePoint) const;
    bool dropPictureOnPage(const QPoint &pagePoint, const QImage &picture);
    bool dropPictureInEditor(const QPoint &editorPoint, const QImage &picture);

protected:
    // Escape in the editor, or a press on the area around the page, leaves the open cell.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void placeEditor(const PageRect &rFree);
    // Copies an edited text into the cell's storage and reports the change; the editor
    // stays open. False when there was nothing to store.
    bool storeEditorText();
    void editorFocusReceived();
    void documentModified(bool changed);

    TCalendarPanel32 &m_page;
    Hooks m_hooks;
    QPointer<TWPRichText> m_editor;
    QPointer<TWPToolBar> m_toolBar;
    TWPRtfStorage *m_storage = nullptr;
    int m_currentCell = 0;
    QWidget *m_area = nullptr;
    int m_openCell = 0;
    bool m_holdsCell = false;
    bool m_placed = false;
};

// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cellwiring.h"

#include "cells/cellediting.h"
#include "richedit/twprichtext.h"
#include "richedit/wptoolbar.h"
#include "page/calpanel32.h"
#include "widgets/choosers.h"
#include "widgets/dialogs.h"
#include "shell/camain.h"
#include "shell/cellfill.h"

const char *const kClearAllCellsQuestion = "Clear the text of all date cells?";

namespace {

TFont toTFont(const DefaultFontSetting &setting)
{
    TFont::Styles styles;
    styles.setFlag(TFont::Style::Bold, setting.bold);
    styles.setFlag(TFont::Style::Italic, setting.italic);
    styles.setFlag(TFont::Style::Underline, setting.underline);
    styles.setFlag(TFont::Style::StrikeOut, setting.strikeout);
    return TFont(setting.name, setting.size, styles, setting.color);
}

DefaultFontSetting toSetting(const TFont &font, int ppi)
{
    DefaultFontSetting setting;
    setting.name = font.name();
    setting.size = font.pointSizeAt(ppi);
    setting.bold = font.bold();
    setting.italic = font.style().testFlag(TFont::Style::Italic);
    setting.underline = font.style().testFlag(TFont::Style::Underline);
    setting.strikeout = font.style().testFlag(TFont::Style::StrikeOut);
    setting.color = font.color();
    return setting;
}

void mnuClearAllCellContentsClick(TCalendarMain &window, CellEditing &editing)
{
    editing.DoSaveRichtext();
    // Emptying every cell cannot be undone, so the user confirms it first.
    if (!Dialogs::yesNoQuestion(&window, QStringLiteral("Clear All Cell Contents"),
                                QString::fromLatin1(kClearAllCellsQuestion)))
        return;
    TCalendarPanel32 &page = window.CalendarPanel();
    page.ClearAllCells();
    // The cell rectangles are needed for Tab and clicks before the next paint.
    page.UpdateCellTable();
    page.update();
    window.SetModified(true);
}

void DefaultEditorFont1Click(TCalendarMain &window, CellEditing &editing)
{
    window.LoadPreferences();
    const int ppi = window.CalendarPanel().pixelsPerInch();
    if (const auto font = Choosers::chooseFont(&window, toTFont(window.preferences().defaultFont), ppi)) {
        window.setDefaultEditorFont(toSetting(*font, ppi));
        window.SavePreferences();
    }
    editing.SetDefaultFontNow();
}

CellEditing::Hooks editingHooks(TCalendarMain &window)
{
    CellEditing::Hooks hooks;
    // The editor loses its focus while the window destroys it.
    const std::weak_ptr<const bool> alive = window.lifeToken();
    hooks.markModified = [&window, alive] {
        if (!alive.expired())
            window.SetModified(true);
    };
    hooks.defaultFormat = [&window] { return defaultEditorFormat(window.preferences().defaultFont); };
    hooks.cellOpened = [&window, alive](int cell) {
        if (!alive.expired())
            window.setCurrentCell(cell);
    };
    hooks.cellClosed = [&window, alive] {
        if (!alive.expired())
            window.setCurrentCell(0);
    };
    hooks.focusChanged = [&window, alive] {
        if (!alive.expired())
            window.SetButtons();
    };
    return hooks;
}

} // namespace

CellEditing *connectCellEditing(TCalendarMain &window)
{
    TCalendarPanel32 &page = window.CalendarPanel();
    auto *editing = new CellEditing(page, *window.pageArea(), editingHooks(window), &window);
    page.setClickedInCellEvent([editing](TCalendarPanel32 &source, const PageRect &rTotal,
                                         const PageRect &rFree, int iCell, int iDay,
                                         TWPRtfStorage &rtfstorage) {
        editing->CalendarPanelClickedInCellEvent(source, rTotal, rFree, iCell, iDay, rtfstorage);
    });
    // A click on the page outside the cells leaves the open cell.
    page.setOnClick([editing](TCalendarPanel32 &) { editing->DoSaveRichtext(); });
    window.setCellEditor(&editing->editor(), &editing->toolBar());
    window.connectHooks([&window, editing](TCalendarMainHooks &h) {
        h.DoSaveRichtext = [editing] { editing->DoSaveRichtext(); };
        h.openCellText = [editing]() -> std::optional<std::pair<int, QByteArray>> {
            if (const auto pending = editing->pendingText())
                return std::pair(pending->cell, pending->rtf);
            return std::nullopt;
        };
        h.cellEditorTab = [editing](bool forward) { return editing->cellEditorTab(forward); };
        h.mnuClearAllCellContentsClick = [&window, editing] {
            mnuClearAllCellContentsClick(window, *editing);
        };
        h.DefaultEditorFont1Click = [&window, editing] { DefaultEditorFont1Click(window, *editing); };
    });
    return editing;
}

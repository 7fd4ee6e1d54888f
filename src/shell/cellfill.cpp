// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cellfill.h"

#include "cells/eventfill.h"
#include "page/calpanel32.h"
#include "richtext/rtfappend.h"
#include "graphics/tcolor.h"
#include "recurring/fillcalendar.h"
#include "shell/camain.h"
#include "shell/modalhooks.h"
#include "widgets/dialogs.h"

#include <QSet>

QTextCharFormat defaultEditorFormat(const DefaultFontSetting &font)
{
    QTextCharFormat format;
    format.setFontFamilies({font.name});
    format.setFontPointSize(font.size > 0 ? font.size : 10);
    format.setFontWeight(font.bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(font.italic);
    format.setFontUnderline(font.underline);
    format.setFontStrikeOut(font.strikeout);
    format.setForeground(Colors::toQColor(font.color));
    return format;
}

PutTextOutcome PuttextOnDay(TCalendarMain &window, int day, const QString &text)
{
    if (window.hooks().DoSaveRichtext)
        window.hooks().DoSaveRichtext();
    const int reopen = window.currentCell();
    TCalendarPanel32 &page = window.CalendarPanel();
    const int cell = page.CellOfDay(day);
    if (cell < 1)
        return PutTextOutcome::NoCell;
    const QByteArray rtf = page.GetCellRtfText(cell, TWPRtfStorage()).rtf();
    const RtfAppendResult appended =
        appendParagraphsToRtf(rtf, {text}, defaultEditorFormat(window.preferences().defaultFont));
    if (appended.appended > 0) {
        window.SetModified(true);
        page.SetCellRtfText(cell, TWPRtfStorage(appended.rtf));
    }
    if (reopen > 0)
        page.OpenCell(reopen);
    if (appended.unreadable)
        return PutTextOutcome::Unreadable;
    return appended.appended > 0 ? PutTextOutcome::Appended : PutTextOutcome::AlreadyThere;
}

void mnuFillCalendarwithRecurringDatesClick(TCalendarMain &window)
{
    const RecurringDialogHooks hooks = modalCommandHooks();
    TCalendarPanel32 &page = window.CalendarPanel();
    // Day numbers come from the cell table of the last paint; make sure there is one.
    if (page.cellTable().cell(1).rTotal.width() <= 0)
        page.UpdateCellTable();
    QSet<int> unreadableDays;
    fillCalendarWithRecurringDates(
        &window, page.MainCalMonth(), page.MainCalYear(),
        [&window, &unreadableDays](int day, const QString &name) {
            if (PuttextOnDay(window, day, name) == PutTextOutcome::Unreadable)
                unreadableDays.insert(day);
        },
        hooks);
    window.SetButtons();
    if (!unreadableDays.isEmpty())
        Dialogs::informationBox(&window, EventFill::unreadableCellsMessage(int(unreadableDays.size())));
}

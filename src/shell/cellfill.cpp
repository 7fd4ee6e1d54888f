// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cellfill.h"

#include "eventfill/eventfill.h"
#include "page/calpanel32.h"
#include "richtext/rtfappend.h"
#include "graphics/tcolor.h"
#include "calendar/pageoptions.h"
#include "recurring/holidayplaces.h"
#include "recurringdialogs/countryholidays.h"
#include "recurringdialogs/fillcalendar.h"
#include "shell/camain.h"
#include "shell/modalhooks.h"
#include "widgets/dialogs.h"

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

bool PutTextOnDates(TCalendarMain &window, const QList<RecurringDate> &dates)
{
    // The cell being typed in is open again afterwards; a cell closed before stays closed.
    const int reopen = window.currentCell();
    if (window.hooks().DoSaveRichtext)
        window.hooks().DoSaveRichtext();
    TCalendarPanel32 &page = window.CalendarPanel();
    const EventFill::FillResult filled
        = EventFill::fillRecurringDates(page.model(), dates, defaultEditorFormat(window.preferences().defaultFont));
    if (filled.appended > 0)
        window.SetModified(true);
    if (reopen > 0)
        page.OpenCell(reopen);
    if (filled.unreadableCells > 0)
        Dialogs::informationBox(&window, EventFill::unreadableCellsMessage(filled.unreadableCells));
    return filled.appended > 0;
}

namespace {

// The days the window's page shows, for a fill command.
EventFill::Period fillPeriod(TCalendarMain &window)
{
    TCalendarPanel32 &page = window.CalendarPanel();
    // Day numbers come from the cell table of the last paint; make sure there is one.
    if (page.cellTable().cell(1).rTotal.width() <= 0)
        page.UpdateCellTable();
    return EventFill::pagePeriod(page.model());
}

} // namespace

void mnuFillCalendarwithRecurringDatesClick(TCalendarMain &window)
{
    const RecurringDialogHooks hooks = modalCommandHooks();
    const EventFill::Period period = fillPeriod(window);
    if (!period.isValid())
        return;
    fillCalendarWithRecurringDates(
        &window, period.first, period.last,
        [&window](const QList<RecurringDate> &dates) { PutTextOnDates(window, dates); }, hooks);
    window.SetButtons();
}

void mnuFillCalendarwithHolidaysClick(TCalendarMain &window)
{
    const EventFill::Period period = fillPeriod(window);
    if (!period.isValid())
        return;
    const Preferences &preferences = window.preferences();
    QString place = PageOptions::holidaysOf(window.CalendarPanel().options());
    if (place.isEmpty())
        place = preferences.holidayPlace;
    if (place.isEmpty())
        place = HolidayPlaces::placeOfLocale(QLocale());
    bool localNames = preferences.holidayLocalNames;
    if (fillCalendarWithHolidays(
            &window, period.first, period.last, place, localNames,
            [&window](const QList<RecurringDate> &dates) { PutTextOnDates(window, dates); }, modalCommandHooks())) {
        window.setHolidayChoice(place, localNames);
    }
    window.SetButtons();
}

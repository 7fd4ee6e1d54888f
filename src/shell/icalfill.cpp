// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "icalfill.h"

#include "eventfill/eventfill.h"
#include "core/inifile.h"
#include "ical/calendarevents.h"
#include "page/calpanel32.h"
#include "recurringdialogs/checkmarklistdialog.h"
#include "shell/camain.h"
#include "shell/cellfill.h"
#include "widgets/choosers.h"
#include "widgets/dialogs.h"

#include <QFileInfo>
#include <QListWidget>
#include <QLocale>

#include <optional>

namespace {

const QString iniSection = QStringLiteral("iCalendar");
const QString iniFolderKey = QStringLiteral("Folder");
const QString caption = QStringLiteral("Fill Calendar from iCalendar File");

std::optional<QString> askForFile(TCalendarMain &window)
{
    IniFile ini(TCalendarMain::iniPath());
    const QString folder = ini.readString(iniSection, iniFolderKey, Choosers::documentsFolder());
    const auto path = Choosers::chooseOpenFile(&window, caption, folder, QStringLiteral("iCalendar File|*.ics"));
    if (path)
        ini.writeString(iniSection, iniFolderKey, QFileInfo(*path).absolutePath());
    return path;
}

struct Candidate
{
    QString line;
    EventFill::Placement placement;
};

QList<Candidate> candidates(const TCalendarPanel32 &page, const QList<CalendarEvent> &events)
{
    QList<Candidate> found;
    for (const CalendarEvent &event : events) {
        const QList<EventFill::Placement> placed = EventFill::placements(page.model(), {event});
        if (!placed.isEmpty()) {
            const QString day = QLocale().toString(event.date, QStringLiteral("ddd d MMM"));
            found.append({day + QStringLiteral("   ") + placed.first().text, placed.first()});
        }
    }
    return found;
}

// The chosen events, or nothing when the user cancels.
std::optional<QList<EventFill::Placement>> choose(TCalendarMain &window, const QList<Candidate> &offered)
{
    CheckMarkListDialog dialog(QStringLiteral("Events"), &window);
    dialog.setObjectName(QStringLiteral("SelectCalendarEvents"));
    dialog.setWindowTitle(QStringLiteral("Select Events To Use"));
    QStringList lines;
    for (const Candidate &candidate : offered)
        lines.append(candidate.line);
    dialog.setLines(lines);
    // The lines are events, not recurring-date entries: show them as they are.
    for (int row = 0; row < dialog.list()->count(); ++row)
        dialog.list()->item(row)->setText(lines.at(row));
    dialog.AllClick();
    if (Dialogs::exec(dialog) != QDialog::Accepted)
        return std::nullopt;
    QList<EventFill::Placement> chosen;
    for (int row = 0; row < dialog.list()->count(); ++row) {
        if (dialog.list()->item(row)->isSelected())
            chosen.append(offered.at(row).placement);
    }
    return chosen;
}

} // namespace

void mnuFillCalendarFromICalendarFileClick(TCalendarMain &window)
{
    // The cell being typed in is open again afterwards; a cell closed before stays closed.
    const int reopen = window.currentCell();
    if (window.hooks().DoSaveRichtext)
        window.hooks().DoSaveRichtext();
    TCalendarPanel32 &page = window.CalendarPanel();
    // Keeps the icons window aside from the file dialog to the end of the choice.
    const Dialogs::ModalScope scope;
    const std::optional<QString> path = askForFile(window);
    if (!path)
        return;
    // Day numbers come from the cell table of the last paint; make sure there is one.
    if (page.cellTable().cell(1).rTotal.width() <= 0)
        page.UpdateCellTable();
    const EventFill::Period period = EventFill::pagePeriod(page.model());
    const CalendarEventsResult read = CalendarEvents::readFile(*path, period.first, period.last);
    if (!read.ok()) {
        Dialogs::errorBox(&window, caption,
                          QStringLiteral("Cannot read %1:\r%2").arg(QFileInfo(*path).fileName(), read.error));
        return;
    }
    if (read.eventsCut > 0)
        Dialogs::informationBox(&window, CalendarEvents::cutShortMessage(read.eventsCut));
    const QList<Candidate> offered = candidates(page, read.events);
    if (offered.isEmpty()) {
        Dialogs::informationBox(&window, QStringLiteral("No events of the file fall on the days of this page"));
        return;
    }
    const auto chosen = choose(window, offered);
    if (!chosen)
        return;
    const EventFill::FillResult filled
        = EventFill::fillPage(page.model(), *chosen, defaultEditorFormat(window.preferences().defaultFont));
    if (filled.appended > 0)
        window.SetModified(true);
    if (reopen > 0)
        page.OpenCell(reopen);
    window.SetButtons();
    if (filled.unreadableCells > 0)
        Dialogs::informationBox(&window, EventFill::unreadableCellsMessage(filled.unreadableCells));
}

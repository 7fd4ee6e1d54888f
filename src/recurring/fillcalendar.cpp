// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "fillcalendar.h"

#include "recurringmonth.h"
#include "recurringstore.h"
#include "selectrecurringdates.h"

#include "widgets/dialogs.h"

#include <QFileInfo>

bool fillCalendarWithRecurringDates(QWidget *parent, int month, int year,
                                    const std::function<void(int, const QString &)> &putTextOnDay,
                                    const RecurringDialogHooks &hooks)
{
    const QString path = RecurringStore::datesFilePath();
    if (!QFileInfo::exists(path))
        return false;
    RecurringHookScope scope(hooks);
    const RecurringStore::LoadResult loaded = RecurringStore::load(path);
    if (!loaded.ok()) {
        Dialogs::errorBox(parent, QStringLiteral("Recurring Dates"), loaded.error);
        return false;
    }
    const QStringList candidates = recurringCandidates(loaded.lines, year, month);
    if (candidates.isEmpty()) {
        Dialogs::informationBox(parent, QStringLiteral("No predefined dates match the current month"));
        return false;
    }
    TSelectRecurringDates dialog(candidates, parent);
    if (Dialogs::exec(dialog) != QDialog::Accepted)
        return false;
    const QList<RecurringPlacement> placements = recurringPlacements(dialog.selectedLines(), year, month);
    for (const RecurringPlacement &placement : placements)
        putTextOnDay(placement.day, placement.name);
    return !placements.isEmpty();
}

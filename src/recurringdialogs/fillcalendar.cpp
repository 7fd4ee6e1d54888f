// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "fillcalendar.h"

#include "recurring/recurringmonth.h"
#include "recurring/recurringstore.h"
#include "selectrecurringdates.h"

#include "widgets/dialogs.h"

#include <QFileInfo>

namespace {

bool isWholeMonth(const QDate &first, const QDate &last)
{
    return first.day() == 1 && last == first.addMonths(1).addDays(-1);
}

} // namespace

bool fillCalendarWithRecurringDates(QWidget *parent, const QDate &first, const QDate &last,
                                    const std::function<void(const QList<RecurringDate> &)> &putDates,
                                    const RecurringDialogHooks &hooks)
{
    const QString path = RecurringStore::datesFilePath();
    if (!QFileInfo::exists(path) || !first.isValid() || !last.isValid())
        return false;
    RecurringHookScope scope(hooks);
    const RecurringStore::LoadResult loaded = RecurringStore::load(path);
    if (!loaded.ok()) {
        Dialogs::errorBox(parent, QStringLiteral("Recurring Dates"), loaded.error);
        return false;
    }
    const bool month = isWholeMonth(first, last);
    const QStringList candidates = month ? recurringCandidates(loaded.lines, first.year(), first.month())
                                         : recurringCandidatesInPeriod(loaded.lines, first, last);
    if (candidates.isEmpty()) {
        Dialogs::informationBox(parent, month ? QStringLiteral("No predefined dates match the current month")
                                              : QStringLiteral("No predefined dates fall on the days of this page"));
        return false;
    }
    TSelectRecurringDates dialog(candidates, parent);
    if (Dialogs::exec(dialog) != QDialog::Accepted)
        return false;
    const QList<RecurringDate> dates = recurringDatesInPeriod(dialog.selectedLines(), first, last);
    if (!dates.isEmpty())
        putDates(dates);
    return !dates.isEmpty();
}

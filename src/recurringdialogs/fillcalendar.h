// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "recurringcommands.h"
#include "recurring/recurringmonth.h"

#include <QDate>
#include <QList>
#include <QString>

#include <functional>

class QWidget;

// "Fill Calendar with Recurring Dates" for a page that shows the days first to last: the
// user's recurring dates that can fall on them are offered for choice (on a page of one
// whole month, those that apply to the month), and the chosen names are handed to
// putDates, each once for each of its dates, in list order and ascending dates. Returns
// true when anything was placed. The hooks run around the command however it ends.
bool fillCalendarWithRecurringDates(QWidget *parent, const QDate &first, const QDate &last,
                                    const std::function<void(const QList<RecurringDate> &dates)> &putDates,
                                    const RecurringDialogHooks &hooks = {});

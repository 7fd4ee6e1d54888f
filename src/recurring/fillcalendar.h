// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "recurringcommands.h"

#include <QString>

#include <functional>

class QWidget;

// "Fill Calendar with Recurring Dates": the user's recurring dates that can fall in the
// month are offered for choice, and each chosen name is handed to putTextOnDay once for
// each of its days, in list order and ascending days. Returns true when anything was
// placed. The hooks run around the command however it ends.
bool fillCalendarWithRecurringDates(QWidget *parent, int month, int year,
                                    const std::function<void(int day, const QString &text)> &putTextOnDay,
                                    const RecurringDialogHooks &hooks = {});

// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "checkmarklistdialog.h"

// Picks which of the recurring dates that can fall in the page's month go into its cells.
// Every line starts chosen; the lines keep the order of the file.
class TSelectRecurringDates : public CheckMarkListDialog
{
    Q_OBJECT

public:
    explicit TSelectRecurringDates(const QStringList &lines, QWidget *parent = nullptr);
};

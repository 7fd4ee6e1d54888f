// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "checkmarklistdialog.h"

// The holiday picker: the 26 built-in holidays, sorted, to be added to the user's list.
class TGetHolidays : public CheckMarkListDialog
{
    Q_OBJECT

public:
    explicit TGetHolidays(QWidget *parent = nullptr);
};

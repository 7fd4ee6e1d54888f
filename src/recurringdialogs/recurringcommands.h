// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

class QWidget;

// What the main window does around a recurring-dates dialog, e.g. hiding the floating icons
// window before and showing it again after. Both run however the command ends.
struct RecurringDialogHooks
{
    std::function<void()> before;
    std::function<void()> after;
};

// Runs the hooks' "before" now and their "after" on every way out of the scope.
class RecurringHookScope
{
public:
    explicit RecurringHookScope(const RecurringDialogHooks &hooks) : m_hooks(hooks)
    {
        if (m_hooks.before)
            m_hooks.before();
    }
    ~RecurringHookScope()
    {
        if (m_hooks.after)
            m_hooks.after();
    }
    RecurringHookScope(const RecurringHookScope &) = delete;
    RecurringHookScope &operator=(const RecurringHookScope &) = delete;

private:
    const RecurringDialogHooks &m_hooks;
};

// The command "Edit Recurring Dates": the list dialog on the user's OVRECUR.DAX. Returns true
// when the user confirmed and the file was written. A file that cannot be read is reported
// and the dialog is not shown, so the file is never replaced by a list it did not hold.
bool editRecurringDates(QWidget *parent, const RecurringDialogHooks &hooks = {});

// The start-up conversion of an older OVRECUR.DAT; a failure is reported in a message box
// and the old file is then kept for the next start.
void convertOldRecurringDates(QWidget *parent);

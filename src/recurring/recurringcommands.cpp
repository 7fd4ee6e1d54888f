// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "recurringcommands.h"

#include "editrecurringdates.h"
#include "platform/dialogs.h"
#include "recurringstore.h"

#include <QDialog>
#include <QString>

namespace {

class HookScope
{
public:
    explicit HookScope(const RecurringDialogHooks &hooks)
        : m_hooks(hooks)
    {
        if (m_hooks.before)
            m_hooks.before();
    }
    ~HookScope()
    {
        if (m_hooks.after)
            m_hooks.after();
    }
    HookScope(const HookScope &) = delete;
    HookScope &operator=(const HookScope &) = delete;

private:
    const RecurringDialogHooks &m_hooks;
};

const QString &caption()
{
    static const QString text = QStringLiteral("Recurring Dates");
    return text;
}

} // namespace

bool editRecurringDates(QWidget *parent, const RecurringDialogHooks &hooks)
{
    HookScope scope(hooks);
    TEditRecurringDates dialog(RecurringStore::datesFilePath(), parent);
    if (!dialog.loadError().isEmpty()) {
        Dialogs::errorBox(parent, caption(), dialog.loadError());
        return false;
    }
    return Dialogs::exec(dialog) == QDialog::Accepted;
}

void convertOldRecurringDates(QWidget *parent)
{
    const RecurringStore::ConversionResult result = RecurringStore::convertOldFile();
    if (!result.error.isEmpty())
        Dialogs::errorBox(parent, caption(),
                          QStringLiteral("The older list of recurring dates could not be converted.\r")
                              + result.error);
}

// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "recurringcommands.h"

#include "editrecurringdates.h"
#include "widgets/dialogs.h"
#include "recurring/recurringstore.h"

#include <QDialog>
#include <QString>

namespace {

const QString &caption()
{
    static const QString text = QStringLiteral("Recurring Dates");
    return text;
}

} // namespace

bool editRecurringDates(QWidget *parent, const RecurringDialogHooks &hooks)
{
    RecurringHookScope scope(hooks);
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

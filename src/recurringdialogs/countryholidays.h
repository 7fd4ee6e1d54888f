// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "checkmarklistdialog.h"
#include "recurringcommands.h"
#include "recurring/holidaycalendar.h"
#include "recurring/recurringmonth.h"

#include <QDate>
#include <QList>
#include <QString>

#include <functional>
#include <memory>

class QCheckBox;
class QComboBox;

// "Holidays" for filling a page: a country and a region, and the holidays of that place on
// the page's days to choose from. Days off (public and bank holidays) are chosen at first,
// observances and the like are offered unchosen.
class TCountryHolidays : public CheckMarkListDialog
{
    Q_OBJECT

public:
    // place is "CC" or "CC-RR"; an unknown place starts on the first country.
    TCountryHolidays(const QList<HolidayFiles::Country> &countries, const QDate &first, const QDate &last,
                     const QString &place, bool localNames, QWidget *parent = nullptr);
    ~TCountryHolidays() override;

    // The place chosen, "CC" or "CC-RR".
    QString place() const;
    bool localNames() const;
    // The chosen holidays with their names as the list shows them, in date order.
    QList<RecurringDate> chosenDates() const;

    QComboBox *countryBox() const { return m_country; }
    QComboBox *regionBox() const { return m_region; }
    QCheckBox *localNamesBox() const { return m_localNames; }

private:
    void countryChanged();
    void fillHolidays();
    QString shownName(const Holiday &holiday) const;

    QList<HolidayFiles::Country> m_countries;
    QDate m_first;
    QDate m_last;
    QComboBox *m_country = nullptr;
    QComboBox *m_region = nullptr;
    QCheckBox *m_localNames = nullptr;
    QList<Holiday> m_holidays; // as listed
};

// "Fill Calendar with Holidays..." for a page that shows the days first to last: the dialog
// above, then the chosen names handed to putDates. place and localNames start the dialog and
// come back as the user left them. A data folder without holiday files is reported. Returns
// true when anything was handed on.
bool fillCalendarWithHolidays(QWidget *parent, const QDate &first, const QDate &last, QString &place,
                              bool &localNames,
                              const std::function<void(const QList<RecurringDate> &dates)> &putDates,
                              const RecurringDialogHooks &hooks = {});

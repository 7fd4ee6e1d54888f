// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "countryholidays.h"

#include "recurring/holidayplaces.h"
#include "widgets/dialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QListWidget>
#include <QLocale>
#include <QVBoxLayout>

namespace {

constexpr int HolidayIndexRole = Qt::UserRole + 2;

bool isDayOff(HolidayKind kind)
{
    return kind == HolidayKind::Public || kind == HolidayKind::Bank;
}

QString countryCaption(const HolidayFiles::Country &country)
{
    if (country.localName.isEmpty() || country.localName == country.name)
        return country.name;
    return QStringLiteral("%1 (%2)").arg(country.name, country.localName);
}

} // namespace

TCountryHolidays::TCountryHolidays(const QList<HolidayFiles::Country> &countries, const QDate &first,
                                   const QDate &last, const QString &place, bool localNames, QWidget *parent)
    : CheckMarkListDialog(QStringLiteral("Holidays"), parent)
    , m_countries(countries)
    , m_first(first)
    , m_last(last)
    , m_country(new QComboBox(this))
    , m_region(new QComboBox(this))
    , m_localNames(new QCheckBox(QStringLiteral("Names as the country writes them"), this))
{
    setObjectName(QStringLiteral("CountryHolidays"));
    setWindowTitle(QStringLiteral("Holidays"));
    m_country->setObjectName(QStringLiteral("Country"));
    m_region->setObjectName(QStringLiteral("Region"));
    m_localNames->setObjectName(QStringLiteral("LocalNames"));
    m_localNames->setChecked(localNames);
    for (const HolidayFiles::Country &country : m_countries)
        m_country->addItem(countryCaption(country), country.code);

    auto *choice = new QFormLayout;
    choice->addRow(QStringLiteral("&Country:"), m_country);
    choice->addRow(QStringLiteral("&Region:"), m_region);
    choice->addRow(m_localNames);
    static_cast<QVBoxLayout *>(layout())->insertLayout(0, choice);

    QString country;
    QString region;
    HolidayFiles::splitPlace(place, &country, &region);
    m_country->setCurrentIndex(qMax(0, m_country->findData(country)));
    countryChanged();
    m_region->setCurrentIndex(qMax(0, m_region->findData(region)));
    fillHolidays();

    connect(m_country, &QComboBox::currentIndexChanged, this, [this] {
        countryChanged();
        fillHolidays();
    });
    connect(m_region, &QComboBox::currentIndexChanged, this, &TCountryHolidays::fillHolidays);
    connect(m_localNames, &QCheckBox::toggled, this, &TCountryHolidays::fillHolidays);
}

TCountryHolidays::~TCountryHolidays() = default;

void TCountryHolidays::countryChanged()
{
    const QSignalBlocker blocker(m_region);
    m_region->clear();
    m_region->addItem(QStringLiteral("The whole country"), QString());
    const int index = m_country->currentIndex();
    if (index < 0)
        return;
    for (const HolidayRegion &region : m_countries[index].regions)
        m_region->addItem(region.name, region.code);
}

QString TCountryHolidays::place() const
{
    return HolidayFiles::joinPlace(m_country->currentData().toString(), m_region->currentData().toString());
}

bool TCountryHolidays::localNames() const
{
    return m_localNames->isChecked();
}

QString TCountryHolidays::shownName(const Holiday &holiday) const
{
    return localNames() && !holiday.localName.isEmpty() ? holiday.localName : holiday.name;
}

void TCountryHolidays::fillHolidays()
{
    m_holidays = HolidayPlaces::between(place(), m_first, m_last);
    QListWidget *box = list();
    box->clear();
    const QLocale locale;
    for (qsizetype i = 0; i < m_holidays.size(); ++i) {
        const Holiday &holiday = m_holidays[i];
        QString text = QStringLiteral("%1   %2").arg(locale.toString(holiday.date, QLocale::ShortFormat),
                                                   shownName(holiday));
        if (!isDayOff(holiday.kind))
            text += QStringLiteral(" (%1)").arg(holidayKindName(holiday.kind));
        auto *item = new QListWidgetItem(text, box);
        item->setData(HolidayIndexRole, int(i));
        item->setSelected(isDayOff(holiday.kind));
    }
    if (box->count() > 0)
        box->setCurrentRow(0, QItemSelectionModel::NoUpdate);
}

QList<RecurringDate> TCountryHolidays::chosenDates() const
{
    QList<RecurringDate> dates;
    for (int row = 0; row < list()->count(); ++row) {
        const QListWidgetItem *item = list()->item(row);
        if (item->isSelected()) {
            const Holiday &holiday = m_holidays[item->data(HolidayIndexRole).toInt()];
            dates.append({holiday.date, shownName(holiday)});
        }
    }
    return dates;
}

bool fillCalendarWithHolidays(QWidget *parent, const QDate &first, const QDate &last, QString &place,
                              bool &localNames,
                              const std::function<void(const QList<RecurringDate> &dates)> &putDates,
                              const RecurringDialogHooks &hooks)
{
    const RecurringHookScope scope(hooks);
    QStringList problems;
    const QList<HolidayFiles::Country> countries = HolidayFiles::countries(&problems);
    if (countries.isEmpty()) {
        QString text = QStringLiteral("No holidays were found in %1.").arg(HolidayFiles::folder());
        if (!problems.isEmpty())
            text += QLatin1Char('\r') + problems.join(QLatin1Char('\r'));
        Dialogs::errorBox(parent, QStringLiteral("Holidays"), text);
        return false;
    }
    TCountryHolidays dialog(countries, first, last, place, localNames, parent);
    if (Dialogs::exec(dialog) != QDialog::Accepted)
        return false;
    place = dialog.place();
    localNames = dialog.localNames();
    const QList<RecurringDate> dates = dialog.chosenDates();
    if (dates.isEmpty())
        return false;
    putDates(dates);
    return true;
}

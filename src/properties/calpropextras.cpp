// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The Extras tab: the page options of Orvane's own.
#include "calprop.h"

#include "page/calpanel32.h"
#include "calendar/pageoptions.h"
#include "recurring/holidayplaces.h"
#include "widgets/choosers.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QPushButton>
#include <QGroupBox>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QVBoxLayout>

using PageOptions::WeekNumbers;

QWidget *TCalendarProperties::buildExtrasPage()
{
    auto *page = new QWidget(this);
    // One column of groups; later options add their groups above the stretch.
    m_extrasGroups = new QVBoxLayout(page);

    auto *weekBox = new QGroupBox(QStringLiteral("Week Numbers"), page);
    weekBox->setObjectName(QStringLiteral("WeekNumbersGroup"));
    auto *weekRows = new QVBoxLayout(weekBox);
    m_weekNumbers = new QButtonGroup(weekBox);
    // Each button's id is the option value it stands for.
    const std::pair<QString, WeekNumbers> choices[] = {
        {QStringLiteral("None"), WeekNumbers::None},
        {QStringLiteral("ISO 8601"), WeekNumbers::Iso},
        {QStringLiteral("Week of 1 January"), WeekNumbers::FirstJanuary},
    };
    for (const auto &[caption, numbers] : choices) {
        auto *button = new QRadioButton(caption, weekBox);
        m_weekNumbers->addButton(button, int(numbers));
        weekRows->addWidget(button);
    }
    connect(m_weekNumbers, &QButtonGroup::idClicked, this, [this](int id) {
        changeExampleOptions([id](DocumentOptions &options) {
            PageOptions::setWeekNumbers(options, WeekNumbers(id));
        });
    });

    auto *moonBox = new QGroupBox(QStringLiteral("Moon"), page);
    moonBox->setObjectName(QStringLiteral("MoonGroup"));
    auto *moonRows = new QVBoxLayout(moonBox);
    m_moonPhases = new QCheckBox(QStringLiteral("Moon phases"), moonBox);
    m_moonPhases->setObjectName(QStringLiteral("MoonPhasesCheck"));
    moonRows->addWidget(m_moonPhases);
    connect(m_moonPhases, &QCheckBox::toggled, this, [this](bool on) {
        changeExampleOptions([on](DocumentOptions &options) { PageOptions::setMoonPhases(options, on); });
    });

    m_extrasGroups->addWidget(weekBox);
    m_extrasGroups->addWidget(moonBox);
    m_extrasGroups->addWidget(buildHolidaysGroup(page));
    m_extrasGroups->addStretch();
    return page;
}

void TCalendarProperties::determineExtras()
{
    const QScopedValueRollback<bool> loading(m_activating, true);
    const DocumentOptions &options = m_example->options();
    if (QAbstractButton *button = m_weekNumbers->button(int(PageOptions::weekNumbers(options))))
        button->setChecked(true);
    m_moonPhases->setChecked(PageOptions::moonPhases(options));
    showHolidayChoice();
}

QGroupBox *TCalendarProperties::buildHolidaysGroup(QWidget *page)
{
    auto *box = new QGroupBox(QStringLiteral("Holidays"), page);
    box->setObjectName(QStringLiteral("HolidaysGroup"));
    auto *form = new QFormLayout(box);
    m_holidayCountry = new QComboBox(box);
    m_holidayCountry->setObjectName(QStringLiteral("HolidaysOfCountry"));
    m_holidayCountry->addItem(QStringLiteral("None"), QString());
    for (const HolidayFiles::Country &country : HolidayFiles::countries())
        m_holidayCountry->addItem(country.name, country.code);
    m_holidayRegion = new QComboBox(box);
    m_holidayRegion->setObjectName(QStringLiteral("HolidaysOfRegion"));
    m_holidayColour = new QPushButton(QStringLiteral("Colour..."), box);
    m_holidayColour->setObjectName(QStringLiteral("HolidayColourButton"));
    m_holidaySundays = new QCheckBox(QStringLiteral("Sundays too"), box);
    m_holidaySundays->setObjectName(QStringLiteral("HolidaySundaysCheck"));
    m_holidayNames = new QCheckBox(QStringLiteral("Names in the cells"), box);
    m_holidayNames->setObjectName(QStringLiteral("HolidayNamesCheck"));
    form->addRow(QStringLiteral("Holidays &of:"), m_holidayCountry);
    form->addRow(QStringLiteral("&Region:"), m_holidayRegion);
    form->addRow(m_holidayColour);
    form->addRow(m_holidaySundays);
    form->addRow(m_holidayNames);

    connect(m_holidayCountry, &QComboBox::currentIndexChanged, this, [this] {
        fillHolidayRegions();
        holidayPlaceChosen();
    });
    connect(m_holidayRegion, &QComboBox::currentIndexChanged, this, &TCalendarProperties::holidayPlaceChosen);
    connect(m_holidaySundays, &QCheckBox::toggled, this, [this](bool on) {
        changeExampleOptions([on](DocumentOptions &options) { PageOptions::setHolidaySundays(options, on); });
    });
    connect(m_holidayNames, &QCheckBox::toggled, this, [this](bool on) {
        changeExampleOptions([on](DocumentOptions &options) { PageOptions::setHolidayNames(options, on); });
    });
    connect(m_holidayColour, &QPushButton::clicked, this, [this] {
        const std::optional<TColor> colour = Choosers::chooseColor(this, PageOptions::holidayColour(m_example->options()));
        if (colour)
            changeExampleOptions([&colour](DocumentOptions &options) { PageOptions::setHolidayColour(options, *colour); });
    });
    fillHolidayRegions();
    return box;
}

void TCalendarProperties::fillHolidayRegions()
{
    const QSignalBlocker blocker(m_holidayRegion);
    m_holidayRegion->clear();
    m_holidayRegion->addItem(QStringLiteral("The whole country"), QString());
    const QString country = m_holidayCountry->currentData().toString();
    if (!country.isEmpty()) {
        if (const auto calendar = HolidayPlaces::calendarOf(country)) {
            for (const HolidayRegion &region : calendar->regions())
                m_holidayRegion->addItem(region.name, region.code);
        }
    }
    const bool chosen = !country.isEmpty();
    for (QWidget *control : {static_cast<QWidget *>(m_holidayRegion), static_cast<QWidget *>(m_holidayColour),
                             static_cast<QWidget *>(m_holidaySundays), static_cast<QWidget *>(m_holidayNames)})
        control->setEnabled(chosen);
}

void TCalendarProperties::holidayPlaceChosen()
{
    const QString place = HolidayFiles::joinPlace(m_holidayCountry->currentData().toString(),
                                                  m_holidayRegion->currentData().toString());
    changeExampleOptions([&place](DocumentOptions &options) { PageOptions::setHolidaysOf(options, place); });
}

void TCalendarProperties::showHolidayChoice()
{
    const DocumentOptions &options = m_example->options();
    QString country;
    QString region;
    if (!HolidayFiles::splitPlace(PageOptions::holidaysOf(options), &country, &region))
        country.clear();
    int index = m_holidayCountry->findData(country);
    if (index < 0 && !country.isEmpty()) {
        // A place whose data is not installed here is kept and shown as it is named.
        m_holidayCountry->addItem(country, country);
        index = m_holidayCountry->count() - 1;
    }
    m_holidayCountry->setCurrentIndex(qMax(0, index));
    fillHolidayRegions();
    int regionIndex = m_holidayRegion->findData(region);
    if (regionIndex < 0 && !region.isEmpty()) {
        m_holidayRegion->addItem(region, region);
        regionIndex = m_holidayRegion->count() - 1;
    }
    m_holidayRegion->setCurrentIndex(qMax(0, regionIndex));
    m_holidaySundays->setChecked(PageOptions::holidaySundays(options));
    m_holidayNames->setChecked(PageOptions::holidayNames(options));
}

void TCalendarProperties::changeExampleOptions(const std::function<void(DocumentOptions &)> &change)
{
    if (m_activating)
        return;
    DocumentOptions options = m_example->options();
    change(options);
    m_example->setOptions(options);
}

// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editrecurringdateformula.h"

#include "widgets/dialogs.h"
#include "recurring/recurringformula.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <optional>
#include <utility>

using namespace RecurringFormula;

namespace {

// Sunday first, as the weekday digits 1 to 7 of a formula.
const char *const kWeekdayNames[7] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                      "Thursday", "Friday", "Saturday"};

// Hints break lines at a carriage return; tool tips break at a line feed.
QString hint(const char *text)
{
    return QString::fromLatin1(text).replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

using Choices = QList<std::pair<QString, int>>;

// Each item carries the value of its formula field.
Choices monthChoices()
{
    Choices months = {{QStringLiteral("Each Month"), EachMonth}};
    const char *const names[12] = {"January", "February", "March",     "April",   "May",      "June",
                                   "July",    "August",   "September", "October", "November", "December"};
    for (int month = 1; month <= 12; ++month)
        months.append({QLatin1String(names[month - 1]), month});
    return months;
}

QComboBox *dropDownList(const char *name, const Choices &choices, QWidget *parent)
{
    auto *list = new QComboBox(parent);
    list->setObjectName(QLatin1String(name));
    for (const auto &[caption, value] : choices)
        list->addItem(caption, value);
    list->setCurrentIndex(0);
    return list;
}

QRadioButton *radioButton(const char *name, const char *caption, const char *tip, QWidget *parent)
{
    auto *button = new QRadioButton(QLatin1String(caption), parent);
    button->setObjectName(QLatin1String(name));
    button->setToolTip(hint(tip));
    return button;
}

void selectIfPresent(QComboBox *list, int value)
{
    // A stored field the list does not offer clears the selection.
    list->setCurrentIndex(list->findData(value));
}

// The value of the chosen item; nothing when the selection was cleared.
std::optional<int> chosenValue(const QComboBox *list)
{
    const QVariant value = list->currentData();
    if (!value.isValid())
        return std::nullopt;
    return value.toInt();
}

} // namespace

TEditRecurringDateFormula::TEditRecurringDateFormula(QWidget *parent)
    : QDialog(parent)
    , m_formula(QStringLiteral("@"))
{
    setObjectName(QStringLiteral("EditRecurringDateFormula"));
    setWindowTitle(QStringLiteral("Recurring Date - Formulas"));
    createControls();
    createLayout();
    connectControls();
    m_rbDayOfMonth->setChecked(true);
    SetRecurType();
}

void TEditRecurringDateFormula::createControls()
{
    m_event = new QLineEdit(this);
    m_event->setObjectName(QStringLiteral("Event"));
    createDayOfMonthControls();
    createWeekdayControls();
    createSpecialControls();
    m_okButton = new QPushButton(QStringLiteral("&Ok"), this);
    m_okButton->setObjectName(QStringLiteral("Okbutton"));
    m_okButton->setDefault(true);
    m_cancelButton = new QPushButton(QStringLiteral("&Cancel"), this);
    m_cancelButton->setObjectName(QStringLiteral("CancelButton"));
}

void TEditRecurringDateFormula::createDayOfMonthControls()
{
    m_rbDayOfMonth = radioButton("rbDayOfMonth", "Day of the &Month",
                                 "Check here to choose a 'Day of the Month' \rstyle Repeating Reminder",
                                 this);
    m_dayOfMonthDay = new QSpinBox(this);
    m_dayOfMonthDay->setObjectName(QStringLiteral("DayOfMonthDay"));
    m_dayOfMonthDay->setRange(1, 31);
    m_dayOfMonthDay->setValue(1);
    m_dayOfMonthDay->setToolTip(hint("Select the day of the month (1-31)"));
    m_dayOfMonthMonth = dropDownList("DayOfMonthMonth", monthChoices(), this);
    m_dayOfMonthMonth->setToolTip(
        hint("Select the month, or 'Each Month' to use\rthis reminder in every month"));
}

void TEditRecurringDateFormula::createWeekdayControls()
{
    m_rbDayOfWeek = radioButton("rbDayOfweek", "Day of the &Week",
                                "Check here to choose a 'Days of the Week' \rstyle Repeating Reminder",
                                this);
    static const char *const captions[7] = {"Sun", "Mon", "Tues", "Wed", "Thu", "Fri", "Sat"};
    for (int i = 0; i < 7; ++i) {
        m_weekdays[i] = new QCheckBox(QLatin1String(captions[i]), this);
        m_weekdays[i]->setObjectName(QLatin1String(kWeekdayNames[i]));
        m_weekdays[i]->setToolTip(hint("Check to use this reminder on this day of \reach week"));
        m_weekdays[i]->setChecked(i >= 1 && i <= 5);
    }
    m_allDaysCheck = new QCheckBox(QStringLiteral("All Days"), this);
    m_allDaysCheck->setObjectName(QStringLiteral("AllDaysCheck"));
    m_allDaysCheck->setToolTip(hint("Check to include all days"));
}

void TEditRecurringDateFormula::createSpecialControls()
{
    m_rbSpecial = radioButton("rbSpecial", "&Special",
                              "Check here to choose a 'nth Day of Month' \rstyle Repeating Reminder",
                              this);
    m_specialOccurrance = dropDownList("SpecialOccurrance",
                                       {{QStringLiteral("1st"), 0}, {QStringLiteral("2nd"), 1},
                                        {QStringLiteral("3rd"), 2}, {QStringLiteral("4th"), 3},
                                        {QStringLiteral("5th"), 4}, {QStringLiteral("Last"), LastOccurrence}},
                                       this);
    m_specialOccurrance->setToolTip(
        hint("Select the occurrance: First, 2nd, 3rd, 4th, 5th\ror Last"));
    Choices weekdays;
    for (int weekday = 0; weekday < 7; ++weekday)
        weekdays.append({QLatin1String(kWeekdayNames[weekday]), weekday});
    weekdays.append({QStringLiteral("Day (any day)"), AnyDay});
    m_specialDayOfWeek = dropDownList("SpecialDayOfWeek", weekdays, this);
    m_specialDayOfWeek->setToolTip(
        hint("Select the day of the week, or 'Day (any day)'\rto count the days of the month"));
    m_specialMonth = dropDownList("SpecialMonth", monthChoices(), this);
    m_specialMonth->setToolTip(
        hint("Select the month, or 'Each Month' to use\rthis reminder in every month"));
}

void TEditRecurringDateFormula::createLayout()
{
    auto *grid = new QGridLayout;
    grid->addWidget(m_rbDayOfMonth, 0, 0);
    auto *dayOfMonthRow = new QHBoxLayout;
    dayOfMonthRow->addWidget(m_dayOfMonthDay);
    dayOfMonthRow->addWidget(new QLabel(QStringLiteral("of"), this));
    dayOfMonthRow->addWidget(m_dayOfMonthMonth);
    dayOfMonthRow->addStretch();
    grid->addLayout(dayOfMonthRow, 0, 1);

    grid->addWidget(m_rbDayOfWeek, 1, 0);
    auto *weekRow = new QHBoxLayout;
    // Shown Monday first, as the captions run.
    for (int i = 1; i <= 7; ++i)
        weekRow->addWidget(m_weekdays[i % 7]);
    weekRow->addWidget(m_allDaysCheck);
    grid->addLayout(weekRow, 1, 1);

    grid->addWidget(m_rbSpecial, 2, 0);
    auto *specialRow = new QHBoxLayout;
    specialRow->addWidget(m_specialOccurrance);
    specialRow->addWidget(m_specialDayOfWeek);
    specialRow->addWidget(new QLabel(QStringLiteral("of"), this));
    specialRow->addWidget(m_specialMonth);
    specialRow->addStretch();
    grid->addLayout(specialRow, 2, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_okButton);
    buttons->addWidget(m_cancelButton);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Recurring event (birthday, anniversary, etc)"), this));
    layout->addWidget(m_event);
    layout->addLayout(grid);
    layout->addLayout(buttons);
}

void TEditRecurringDateFormula::connectControls()
{
    for (QRadioButton *button : {m_rbDayOfMonth, m_rbDayOfWeek, m_rbSpecial})
        connect(button, &QRadioButton::toggled, this, &TEditRecurringDateFormula::SetRecurType);
    connect(m_allDaysCheck, &QCheckBox::clicked, this,
            &TEditRecurringDateFormula::AllDaysCheckClick);
    connect(m_okButton, &QPushButton::clicked, this, &TEditRecurringDateFormula::OkbuttonClick);
    connect(m_cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

QString TEditRecurringDateFormula::eventText() const
{
    return m_event->text();
}

void TEditRecurringDateFormula::setEventText(const QString &text)
{
    m_event->setText(text);
}

void TEditRecurringDateFormula::setFormula(const QString &formula)
{
    m_formula = formula;
    SetEmUp();
}

void TEditRecurringDateFormula::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    m_event->setFocus();
}

void TEditRecurringDateFormula::SetEmUp()
{
    switch (kindOf(m_formula)) {
    case Kind::Special: loadSpecial(); break;
    case Kind::DayOfMonth: loadDayOfMonth(); break;
    default: loadWeekdays(); break;
    }
}

void TEditRecurringDateFormula::loadSpecial()
{
    const auto fields = readSpecial(m_formula);
    if (!fields)
        return;
    m_rbSpecial->setChecked(true);
    selectIfPresent(m_specialOccurrance, fields->occurrence);
    selectIfPresent(m_specialDayOfWeek, fields->weekday);
    selectIfPresent(m_specialMonth, fields->month);
}

void TEditRecurringDateFormula::loadDayOfMonth()
{
    const auto fields = readDayOfMonth(m_formula);
    if (!fields)
        return;
    m_rbDayOfMonth->setChecked(true);
    m_dayOfMonthDay->setValue(fields->day);
    selectIfPresent(m_dayOfMonthMonth, fields->month);
}

void TEditRecurringDateFormula::loadWeekdays()
{
    m_rbDayOfWeek->setChecked(true);
    for (int i = 0; i < 7; ++i)
        m_weekdays[i]->setChecked(m_formula.contains(QChar(u'1' + i)));
}

void TEditRecurringDateFormula::SetRecurType()
{
    const bool dayOfMonth = m_rbDayOfMonth->isChecked();
    const bool dayOfWeek = m_rbDayOfWeek->isChecked();
    const bool special = m_rbSpecial->isChecked();
    for (QCheckBox *box : m_weekdays)
        box->setEnabled(dayOfWeek);
    m_allDaysCheck->setEnabled(dayOfWeek);
    m_dayOfMonthDay->setEnabled(dayOfMonth);
    m_dayOfMonthMonth->setEnabled(dayOfMonth);
    for (QComboBox *list : {m_specialOccurrance, m_specialDayOfWeek, m_specialMonth})
        list->setEnabled(special);
    for (QRadioButton *button : {m_rbDayOfMonth, m_rbDayOfWeek, m_rbSpecial}) {
        QFont font = button->font();
        font.setBold(button->isChecked());
        button->setFont(font);
    }
}

void TEditRecurringDateFormula::AllDaysCheckClick()
{
    for (QCheckBox *box : m_weekdays)
        box->setChecked(m_allDaysCheck->isChecked());
}

bool TEditRecurringDateFormula::DetermineFormulaString()
{
    if (m_rbDayOfMonth->isChecked())
        return determineDayOfMonth();
    if (m_rbSpecial->isChecked())
        return determineSpecial();
    return determineWeekdays();
}

bool TEditRecurringDateFormula::determineDayOfMonth()
{
    const int day = m_dayOfMonthDay->value();
    if (day < 1 || day > 31) {
        Dialogs::informationBox(this, QStringLiteral("Invalid day of month entered "));
        return false;
    }
    const std::optional<int> month = chosenValue(m_dayOfMonthMonth);
    if (!month) {
        Dialogs::informationBox(this, QStringLiteral("Invalid month entered "));
        return false;
    }
    m_formula = dayOfMonthFormula({*month, day});
    return true;
}

bool TEditRecurringDateFormula::determineSpecial()
{
    const std::optional<int> occurrence = chosenValue(m_specialOccurrance);
    const std::optional<int> weekday = chosenValue(m_specialDayOfWeek);
    const std::optional<int> month = chosenValue(m_specialMonth);
    if (!occurrence || !weekday || !month) {
        Dialogs::informationBox(this, QStringLiteral("Invalid value entered for Special category"));
        return false;
    }
    m_formula = specialFormula({*occurrence, *weekday, *month});
    return true;
}

bool TEditRecurringDateFormula::determineWeekdays()
{
    std::array<bool, 7> days{};
    for (int i = 0; i < 7; ++i)
        days[i] = m_weekdays[i]->isChecked();
    if (std::none_of(days.begin(), days.end(), [](bool day) { return day; })) {
        Dialogs::informationBox(
            this, QStringLiteral("You must select at least one day for this \rreminder to occur on"));
        return false;
    }
    m_formula = weekdaysFormula(days);
    return true;
}

void TEditRecurringDateFormula::OkbuttonClick()
{
    if (DetermineFormulaString())
        accept();
}

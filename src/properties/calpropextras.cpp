// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The Extras tab: the page options of Orvane's own.
#include "calprop.h"

#include "page/calpanel32.h"
#include "calendar/pageoptions.h"

#include <QButtonGroup>
#include <QCheckBox>
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
}

void TCalendarProperties::changeExampleOptions(const std::function<void(DocumentOptions &)> &change)
{
    if (m_activating)
        return;
    DocumentOptions options = m_example->options();
    change(options);
    m_example->setOptions(options);
}

// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "gcalflateditor.h"

#include "objecteditors/objectpreview.h"
#include "objects/tgflatcalendar.h"
#include "widgets/choosers.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include <utility>

namespace {

using Choices = QList<std::pair<QString, int>>;

// Each item carries the value it stands for.
QComboBox *listCombo(const Choices &choices, const char *name, QWidget *parent)
{
    auto *combo = new QComboBox(parent);
    combo->setObjectName(QLatin1String(name));
    for (const auto &[caption, value] : choices)
        combo->addItem(caption, value);
    return combo;
}

// A value the list cannot show is kept as it is, with no choice shown.
void showValue(QComboBox *combo, int value)
{
    combo->setCurrentIndex(combo->findData(value));
}

int chosenValue(const QComboBox *combo, int index)
{
    return combo->itemData(index).toInt();
}

} // namespace

TFlatCalendarEditor::TFlatCalendarEditor(TGFlatCalendar &sample, QWidget *parent,
                                         const QDate &today)
    : QDialog(parent), m_sample(sample)
{
    setObjectName(QStringLiteral("FlatCalendarEditor"));
    setWindowTitle(QStringLiteral("Floating Calendar Properties"));

    m_preview = new ObjectPreview(m_sample, this);
    m_preview->setObjectName(QStringLiteral("Sample"));
    m_preview->setFixedSize(qMax(1, m_sample.Width()), qMax(1, m_sample.Height()));
    auto *scroll = new QScrollArea(this);
    scroll->setWidget(m_preview);
    scroll->setAlignment(Qt::AlignCenter);
    // Room for the whole preview up to a reasonable size; larger ones scroll.
    const int frame = 2 * scroll->frameWidth();
    scroll->setMinimumSize(qBound(120, m_preview->width() + frame, 640),
                           qBound(120, m_preview->height() + frame, 480));

    auto *settings = new QWidget(this);
    auto *columns = new QHBoxLayout(settings);
    auto *left = new QVBoxLayout;
    left->addWidget(createDateGroup());
    left->addWidget(createNamesGroup());
    left->addWidget(createFontsGroup());
    auto *right = new QVBoxLayout;
    right->addWidget(createBordersGroup());
    right->addWidget(createColorsGroup());
    right->addWidget(createShadowGroup());
    columns->addLayout(left);
    columns->addLayout(right);

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *ok = buttons->addButton(QStringLiteral("Ok"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *top = new QHBoxLayout;
    top->addWidget(settings);
    top->addWidget(scroll, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buttons);

    {
        // The year the dialog starts with; the sample's own year replaces it below.
        const QSignalBlocker block(m_year);
        m_year->setValue(today.isValid() ? today.year() : 1998);
    }
    loadControls();
}

QWidget *TFlatCalendarEditor::createDateGroup()
{
    auto *group = new QGroupBox(QStringLiteral("Date"), this);
    auto *form = new QFormLayout(group);
    m_month = listCombo({{QStringLiteral("January"), 1}, {QStringLiteral("February"), 2},
                         {QStringLiteral("March"), 3}, {QStringLiteral("April"), 4},
                         {QStringLiteral("May"), 5}, {QStringLiteral("June"), 6},
                         {QStringLiteral("July"), 7}, {QStringLiteral("August"), 8},
                         {QStringLiteral("September"), 9}, {QStringLiteral("October"), 10},
                         {QStringLiteral("November"), 11}, {QStringLiteral("December"), 12}},
                        "Month", group);
    m_year = new QSpinBox(group);
    m_year->setObjectName(QStringLiteral("Year"));
    m_year->setRange(1950, 2500);
    m_showYear = new QCheckBox(QStringLiteral("Show Year in Title"), group);
    m_showYear->setObjectName(QStringLiteral("ShowYear"));
    form->addRow(QStringLiteral("Month"), m_month);
    form->addRow(QStringLiteral("Year"), m_year);
    form->addRow(m_showYear);

    connect(m_month, &QComboBox::activated, this, [this](int index) {
        m_sample.SetMonth(chosenValue(m_month, index));
        sampleChanged();
    });
    connect(m_year, &QSpinBox::valueChanged, this, [this](int year) {
        m_sample.SetYear(year);
        sampleChanged();
    });
    connect(m_showYear, &QCheckBox::toggled, this, [this](bool show) {
        m_sample.SetShowYear(show);
        sampleChanged();
    });
    return group;
}

QWidget *TFlatCalendarEditor::createNamesGroup()
{
    auto *group = new QGroupBox(QStringLiteral("Week Starts On"), this);
    auto *form = new QFormLayout(group);
    m_weekStart = new QButtonGroup(group);
    auto *days = new QHBoxLayout;
    // Each button's id is the start of week it stands for.
    const std::pair<QString, int> starts[] = {{QStringLiteral("Sunday"), 1}, {QStringLiteral("Monday"), 2}};
    for (const auto &[caption, startOfWeek] : starts) {
        auto *button = new QRadioButton(caption, group);
        m_weekStart->addButton(button, startOfWeek);
        days->addWidget(button);
    }
    form->addRow(days);
    m_headerStyle = listCombo({{QStringLiteral("First Character"), fdsFirstChar},
                               {QStringLiteral("First Three Characters"), fdsThreeChars},
                               {QStringLiteral("Whole Word"), fdsWhole}},
                              "HeaderStyle", group);
    m_language = listCombo({{QStringLiteral("English"), fclEnglish}, {QStringLiteral("Deutsch"), fclGerman},
                            {QStringLiteral("Français"), fclFrench}, {QStringLiteral("L'italiano"), fclItalian},
                            {QStringLiteral("Español"), fclSpanish}},
                           "Language", group);
    m_weekNumbers = listCombo({{QStringLiteral("None"), int(PageOptions::WeekNumbers::None)},
                               {QStringLiteral("ISO 8601"), int(PageOptions::WeekNumbers::Iso)},
                               {QStringLiteral("Week of 1 January"), int(PageOptions::WeekNumbers::FirstJanuary)}},
                              "WeekNumbers", group);
    form->addRow(QStringLiteral("Header Style"), m_headerStyle);
    form->addRow(QStringLiteral("Language"), m_language);
    form->addRow(QStringLiteral("Week Numbers"), m_weekNumbers);

    connect(m_weekStart, &QButtonGroup::idClicked, this, [this](int startOfWeek) {
        m_sample.SetStartOfWeek(startOfWeek);
        sampleChanged();
    });
    connect(m_headerStyle, &QComboBox::activated, this, [this](int index) {
        m_sample.SetDayNameStyle(static_cast<TFlatCalHeadersStyle>(chosenValue(m_headerStyle, index)));
        sampleChanged();
    });
    connect(m_weekNumbers, &QComboBox::activated, this, [this](int index) {
        m_sample.setWeekNumbers(PageOptions::WeekNumbers(chosenValue(m_weekNumbers, index)));
        sampleChanged();
    });
    connect(m_language, &QComboBox::activated, this, [this](int index) {
        m_sample.SetLanguage(static_cast<TFlatCalLanguage>(chosenValue(m_language, index)));
        sampleChanged();
    });
    return group;
}

QComboBox *TFlatCalendarEditor::borderList(QWidget *parent)
{
    return listCombo({{QStringLiteral("None"), fcbNone}, {QStringLiteral("All"), fcbAll},
                      {QStringLiteral("Top"), fcbTop}, {QStringLiteral("Bottom"), fcbBottom},
                      {QStringLiteral("Top & Bottom"), fcbTopBottom}},
                     "", parent);
}

QWidget *TFlatCalendarEditor::createBordersGroup()
{
    auto *group = new QGroupBox(QStringLiteral("Borders"), this);
    auto *form = new QFormLayout(group);
    m_calendarBorder = borderList(group);
    m_calendarBorder->setObjectName(QStringLiteral("CalendarBorder"));
    m_headerBorder = borderList(group);
    m_headerBorder->setObjectName(QStringLiteral("HeaderBorder"));
    m_cellBorder = borderList(group);
    m_cellBorder->setObjectName(QStringLiteral("CellBorder"));
    form->addRow(QStringLiteral("Calendar "), m_calendarBorder);
    form->addRow(QStringLiteral("Header"), m_headerBorder);
    form->addRow(QStringLiteral("Cell "), m_cellBorder);

    connect(m_calendarBorder, &QComboBox::activated, this, &TFlatCalendarEditor::calendarBorderChosen);
    connect(m_headerBorder, &QComboBox::activated, this, &TFlatCalendarEditor::headerBorderChosen);
    connect(m_cellBorder, &QComboBox::activated, this, &TFlatCalendarEditor::cellBorderChosen);
    return group;
}

void TFlatCalendarEditor::calendarBorderChosen(int index)
{
    m_sample.SetCalendarBorderStyle(static_cast<TFlatCalBorderStyle>(chosenValue(m_calendarBorder, index)));
    sampleChanged();
}

void TFlatCalendarEditor::headerBorderChosen(int index)
{
    m_sample.SetDayNameBorderStyle(static_cast<TFlatCalBorderStyle>(chosenValue(m_headerBorder, index)));
    sampleChanged();
}

void TFlatCalendarEditor::cellBorderChosen(int index)
{
    m_sample.SetCellBorderStyle(static_cast<TFlatCalBorderStyle>(chosenValue(m_cellBorder, index)));
    sampleChanged();
}

QWidget *TFlatCalendarEditor::createColorsGroup()
{
    auto *group = new QGroupBox(QStringLiteral("Colors"), this);
    auto *column = new QVBoxLayout(group);
    const auto button = [this, group, column](const QString &caption, const char *name,
                                              TColor (TGFlatCalendar::*get)() const,
                                              void (TGFlatCalendar::*set)(TColor)) {
        auto *push = new QPushButton(caption, group);
        push->setObjectName(QLatin1String(name));
        connect(push, &QPushButton::clicked, this, [this, get, set] { chooseColor(get, set); });
        column->addWidget(push);
    };
    button(QStringLiteral("Title Background"), "TitleBackground", &TGFlatCalendar::TitleBGcolor,
           &TGFlatCalendar::SetTitleBGcolor);
    button(QStringLiteral("Header Background "), "HeaderBackground",
           &TGFlatCalendar::DayNameBGColor, &TGFlatCalendar::SetDayNameBGColor);
    button(QStringLiteral("Body Background "), "BodyBackground",
           &TGFlatCalendar::Backgroundcolor, &TGFlatCalendar::SetBackgroundcolor);
    m_transparent = new QCheckBox(QStringLiteral("Transparent"), group);
    m_transparent->setObjectName(QStringLiteral("Transparent"));
    column->addWidget(m_transparent);
    connect(m_transparent, &QCheckBox::toggled, this, [this](bool transparent) {
        m_sample.SetCalTransparent(transparent);
        sampleChanged();
    });
    return group;
}

QWidget *TFlatCalendarEditor::createShadowGroup()
{
    auto *group = new QGroupBox(QStringLiteral("Shadow"), this);
    auto *form = new QFormLayout(group);
    m_orientation = listCombo({{QStringLiteral("Lower Right"), fcpLowerRight},
                               {QStringLiteral("Lower Left"), fcpLowerLeft},
                               {QStringLiteral("UpperRight"), fcpUpperRight},
                               {QStringLiteral("UpperLeft"), fcpUpperLeft}},
                              "Orientation", group);
    m_depth = new QSpinBox(group);
    m_depth->setObjectName(QStringLiteral("Depth"));
    m_depth->setRange(0, 10);
    auto *color = new QPushButton(QStringLiteral("Color"), group);
    color->setObjectName(QStringLiteral("ShadowColor"));
    form->addRow(QStringLiteral("Orientation"), m_orientation);
    form->addRow(QStringLiteral("Depth"), m_depth);
    form->addRow(color);

    connect(m_orientation, &QComboBox::activated, this, [this](int index) {
        m_sample.SetShadowPosition(static_cast<TFlatShadowPosition>(chosenValue(m_orientation, index)));
        sampleChanged();
    });
    connect(m_depth, &QSpinBox::valueChanged, this, [this](int depth) {
        m_sample.SetShadowDepth(depth);
        sampleChanged();
    });
    connect(color, &QPushButton::clicked, this, [this] {
        chooseColor(&TGFlatCalendar::ShadowColor, &TGFlatCalendar::SetShadowColor);
    });
    return group;
}

QWidget *TFlatCalendarEditor::createFontsGroup()
{
    auto *group = new QGroupBox(QStringLiteral("Fonts"), this);
    auto *row = new QHBoxLayout(group);
    const auto button = [this, group, row](const QString &caption, const char *name,
                                           const TFont &(TGFlatCalendar::*get)() const,
                                           void (TGFlatCalendar::*set)(const TFont &)) {
        auto *push = new QPushButton(caption, group);
        push->setObjectName(QLatin1String(name));
        connect(push, &QPushButton::clicked, this, [this, get, set] { chooseFont(get, set); });
        row->addWidget(push);
    };
    button(QStringLiteral("Title Font"), "TitleFont", &TGFlatCalendar::TitleFont,
           &TGFlatCalendar::SetTitleFont);
    button(QStringLiteral("Header Font"), "HeaderFont", &TGFlatCalendar::DayNameFont,
           &TGFlatCalendar::SetDayNameFont);
    button(QStringLiteral("Cell Font"), "CellFont", &TGFlatCalendar::CellFont,
           &TGFlatCalendar::SetCellFont);
    return group;
}

void TFlatCalendarEditor::chooseColor(TColor (TGFlatCalendar::*get)() const,
                                      void (TGFlatCalendar::*set)(TColor))
{
    if (const auto color = Choosers::chooseColor(this, (m_sample.*get)())) {
        (m_sample.*set)(*color);
        sampleChanged();
    }
}

void TFlatCalendarEditor::chooseFont(const TFont &(TGFlatCalendar::*get)() const,
                                     void (TGFlatCalendar::*set)(const TFont &))
{
    if (const auto font = Choosers::chooseFont(this, (m_sample.*get)(), m_sample.pixelsPerInch())) {
        (m_sample.*set)(*font);
        sampleChanged();
    }
}

void TFlatCalendarEditor::loadControls()
{
    // Loading must not write back: a year outside the spinner's range stays as it is
    // unless the user changes it.
    const QSignalBlocker blockYear(m_year);
    const QSignalBlocker blockShowYear(m_showYear);
    const QSignalBlocker blockTransparent(m_transparent);
    const QSignalBlocker blockDepth(m_depth);
    showValue(m_month, m_sample.Month());
    m_year->setValue(m_sample.Year());
    m_showYear->setChecked(m_sample.ShowYear());
    if (QAbstractButton *day = m_weekStart->button(m_sample.StartOfWeek()))
        day->setChecked(true);
    showValue(m_headerStyle, m_sample.DayNameStyle());
    showValue(m_language, m_sample.Language());
    showValue(m_weekNumbers, int(m_sample.weekNumbers()));
    showValue(m_calendarBorder, m_sample.CalendarBorderStyle());
    showValue(m_headerBorder, m_sample.DayNameBorderStyle());
    showValue(m_cellBorder, m_sample.CellBorderStyle());
    m_transparent->setChecked(m_sample.CalTransparent());
    showValue(m_orientation, m_sample.ShadowPosition());
    m_depth->setValue(m_sample.ShadowDepth());
}

void TFlatCalendarEditor::sampleChanged()
{
    m_preview->refresh();
}

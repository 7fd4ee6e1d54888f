// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Building the Calendar Properties dialog; its handlers are in calprophandlers.cpp.
#include "calprop.h"

#include "page/calpanel32.h"
#include "core/apppaths.h"
#include "core/datafolders.h"

#include <QButtonGroup>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QStackedWidget>
#include <QTabBar>
#include <QVBoxLayout>

namespace {

// Each button's id is the value it stands for.
QButtonGroup *radioGroup(QWidget *owner, QBoxLayout *layout,
                         std::initializer_list<std::pair<QString, int>> choices)
{
    auto *group = new QButtonGroup(owner);
    for (const auto &[caption, value] : choices) {
        auto *button = new QRadioButton(caption, owner);
        group->addButton(button, value);
        layout->addWidget(button);
    }
    return group;
}

// A titled box holding a row of buttons.
QGroupBox *buttonGroup(QWidget *owner, const QString &title, std::initializer_list<QPushButton *> buttons)
{
    auto *box = new QGroupBox(title, owner);
    auto *row = new QHBoxLayout(box);
    for (QPushButton *button : buttons)
        row->addWidget(button);
    return box;
}

// Each item carries the value it stands for.
QComboBox *choiceList(QWidget *owner, const QString &name,
                      std::initializer_list<std::pair<QString, int>> choices)
{
    auto *combo = new QComboBox(owner);
    combo->setObjectName(name);
    for (const auto &[caption, value] : choices)
        combo->addItem(caption, value);
    return combo;
}

} // namespace

TCalendarProperties::TCalendarProperties(QWidget *parent, Hooks hooks)
    : QDialog(parent), m_hooks(std::move(hooks)), m_example(new TCalendarPanel32)
{
    setWindowTitle(QStringLiteral("Calendar Properties"));
    m_tabs = new QTabBar(this);
    m_tabs->setObjectName(QStringLiteral("TabSet1"));
    m_notebook = new QStackedWidget(this);
    const std::pair<QString, QWidget *> pages[] = {
        {QStringLiteral("Layout"), buildLayoutPage()},
        {QStringLiteral("Date"), buildDatePage()},
        {QStringLiteral("Fonts, Colors"), buildFontsPage()},
        {QStringLiteral("Mini Fonts, Colors"), buildMiniFontsPage()},
        {QStringLiteral("Headers"), buildHeadersPage()},
        {QStringLiteral("Lines"), buildLinesPage()},
        {QStringLiteral("Planners"), buildPlannersPage()},
        {QStringLiteral("Language"), buildLanguagePage()},
        {QStringLiteral("Margins"), buildMarginsPage()},
        {QStringLiteral("Borders"), buildBordersPage()},
        {QStringLiteral("Extras"), buildExtrasPage()},
    };
    for (const auto &[caption, page] : pages) {
        m_tabs->addTab(caption);
        m_notebook->addWidget(page);
    }
    connect(m_tabs, &QTabBar::currentChanged, this, &TCalendarProperties::showNotebookPage);

    auto *controls = new QVBoxLayout;
    controls->addWidget(m_tabs);
    controls->addWidget(m_notebook, 1);
    auto *top = new QHBoxLayout;
    top->addLayout(controls);
    top->addWidget(buildExample(), 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addWidget(buildButtons());
    fillBorderList();
    showNotebookPage(0);
    // Room for every tab and a preview large enough to judge the page.
    resize(1000, 640);
}

TCalendarProperties::~TCalendarProperties() = default;

QList<std::pair<QString, TCalendarLayout>> TCalendarProperties::layoutFamilies()
{
    QList<std::pair<QString, TCalendarLayout>> families;
    for (const LayoutInfo &row : LayoutTable) {
        if (row.listedLayout() == row.layout)
            families.append({QString::fromLatin1(row.caption), row.layout});
    }
    return families;
}

QList<std::pair<QString, int>> TCalendarProperties::marginChoices(bool millimeters)
{
    // The margins are quarter inches from 1/4 to 1 1/2, carried in hundredths of an inch.
    if (millimeters)
        return {{QStringLiteral("6 mm"), 25}, {QStringLiteral("13 mm"), 50}, {QStringLiteral("19 mm"), 75},
                {QStringLiteral("25 mm"), 100}, {QStringLiteral("32 mm"), 125}, {QStringLiteral("38 mm"), 150}};
    return {{QStringLiteral("\u00bc Inch"), 25}, {QStringLiteral("\u00bd Inch"), 50},
            {QStringLiteral("\u00be Inch"), 75}, {QStringLiteral("1 Inch"), 100},
            {QStringLiteral("1\u00bc Inch"), 125}, {QStringLiteral("1\u00bd Inch"), 150}};
}

void TCalendarProperties::fillMarginList(QComboBox *combo, bool millimeters)
{
    for (const auto &[caption, hundredths] : marginChoices(millimeters))
        combo->addItem(caption, hundredths);
}

QWidget *TCalendarProperties::buildLayoutPage()
{
    auto *page = new QWidget(this);
    auto *layout = new QVBoxLayout(page);
    m_layoutList = new QListWidget(page);
    m_layoutList->setObjectName(QStringLiteral("LayoutList"));
    // Each item carries its family's portrait layout; the orientation buttons pick the
    // landscape one next to it.
    for (const auto &[caption, layout] : layoutFamilies()) {
        auto *item = new QListWidgetItem(caption, m_layoutList);
        item->setData(Qt::UserRole, int(layout));
    }
    layout->addWidget(m_layoutList, 1);
    m_orientationBox = new QGroupBox(QStringLiteral("Orientation"), page);
    m_orientationBox->setObjectName(QStringLiteral("rOrientation"));
    m_orientation = radioGroup(m_orientationBox, new QHBoxLayout(m_orientationBox),
                               {{QStringLiteral("Portrait"), coPortrait}, {QStringLiteral("Landscape"), coLandscape}});
    auto *paperBox = new QGroupBox(QStringLiteral("Paper Size"), page);
    paperBox->setObjectName(QStringLiteral("PaperSize"));
    m_paper = radioGroup(paperBox, new QHBoxLayout(paperBox),
                         {{QStringLiteral("Letter"), PaperLetter}, {QStringLiteral("A4"), PaperA4}});
    layout->addWidget(m_orientationBox);
    layout->addWidget(paperBox);
    connect(m_layoutList, &QListWidget::currentRowChanged, this, [this] { LayoutListClick(); });
    connect(m_orientation, &QButtonGroup::idClicked, this, [this] { LayoutListClick(); });
    connect(m_paper, &QButtonGroup::idClicked, this, [this] { LayoutListClick(); });
    return page;
}

QWidget *TCalendarProperties::buildDatePage()
{
    auto *page = new QWidget(this);
    auto *layout = new QVBoxLayout(page);
    m_selectLabel = new QLabel(page);
    m_selectLabel->setObjectName(QStringLiteral("SelectMonthYearLabel"));
    m_dateLabel = new QLabel(page);
    m_dateLabel->setObjectName(QStringLiteral("DateLabel"));
    m_calendar = new QCalendarWidget(page);
    m_calendar->setObjectName(QStringLiteral("Calendar"));
    m_calendar->setNavigationBarVisible(false);
    auto *navigation = new QHBoxLayout;
    const std::pair<QString, std::function<void()>> steps[] = {
        {QStringLiteral("<<"), [this] { m_calendar->setSelectedDate(m_calendar->selectedDate().addYears(-1)); }},
        {QStringLiteral("<"), [this] { m_calendar->setSelectedDate(m_calendar->selectedDate().addMonths(-1)); }},
        {QStringLiteral("Now"), [this] { m_calendar->setSelectedDate(QDate::currentDate()); }},
        {QStringLiteral(">"), [this] { m_calendar->setSelectedDate(m_calendar->selectedDate().addMonths(1)); }},
        {QStringLiteral(">>"), [this] { m_calendar->setSelectedDate(m_calendar->selectedDate().addYears(1)); }},
    };
    for (const auto &[caption, step] : steps) {
        auto *button = new QPushButton(caption, page);
        connect(button, &QPushButton::clicked, this, step);
        navigation->addWidget(button);
    }
    connect(m_calendar, &QCalendarWidget::selectionChanged, this, &TCalendarProperties::CalendarChange);
    connect(m_calendar, &QCalendarWidget::currentPageChanged, this, [this](int year, int month) {
        const QDate shown(year, month, qMin(m_calendar->selectedDate().day(), QDate(year, month, 1).daysInMonth()));
        if (shown != m_calendar->selectedDate())
            m_calendar->setSelectedDate(shown);
    });
    m_weekStartsBox = new QGroupBox(QStringLiteral("Week Starts On"), page);
    m_weekStartsBox->setObjectName(QStringLiteral("WeekStartsOn"));
    m_weekStarts = radioGroup(m_weekStartsBox, new QHBoxLayout(m_weekStartsBox),
                              {{QStringLiteral("Sunday"), 1}, {QStringLiteral("Monday"), 2}});
    connect(m_weekStarts, &QButtonGroup::idClicked, this, [this](int startOfWeek) {
        if (!m_activating)
            m_example->SetStartOfWeek(startOfWeek);
    });
    m_titleShowYear = new QCheckBox(QStringLiteral("Show Year in Title"), page);
    m_titleShowYear->setObjectName(QStringLiteral("TitleShowYearCheck"));
    m_miniShowYear = new QCheckBox(QStringLiteral("Show Year in Mini Title"), page);
    m_miniShowYear->setObjectName(QStringLiteral("MiniShowYearCheck"));
    connect(m_titleShowYear, &QCheckBox::toggled, this, [this](bool on) {
        if (!m_activating)
            m_example->SetTitleShowYear(on);
    });
    connect(m_miniShowYear, &QCheckBox::toggled, this, [this](bool on) {
        if (!m_activating)
            m_example->SetMiniShowYear(on);
    });
    layout->addWidget(m_selectLabel);
    layout->addLayout(navigation);
    layout->addWidget(m_calendar);
    layout->addWidget(m_dateLabel);
    layout->addWidget(m_weekStartsBox);
    layout->addWidget(m_titleShowYear);
    layout->addWidget(m_miniShowYear);
    layout->addStretch();
    return page;
}

QPushButton *TCalendarProperties::fontButton(const QString &caption, const QString &name, int which)
{
    auto *button = new QPushButton(caption, this);
    button->setObjectName(name);
    connect(button, &QPushButton::clicked, this, [this, which] { chooseFont(which); });
    m_fontButtons[size_t(which)] = button;
    return button;
}

QPushButton *TCalendarProperties::colorButton(const QString &caption, const QString &name, int which)
{
    auto *button = new QPushButton(caption, this);
    button->setObjectName(name);
    connect(button, &QPushButton::clicked, this, [this, which] { chooseColor(which); });
    m_colorButtons[size_t(which)] = button;
    return button;
}

QWidget *TCalendarProperties::buildFontsPage()
{
    auto *page = new QWidget(this);
    auto *layout = new QVBoxLayout(page);
    const auto group = [&](const QString &title, std::initializer_list<QPushButton *> buttons) {
        layout->addWidget(buttonGroup(page, title, buttons));
    };
    group(QStringLiteral("Title"), {fontButton(QStringLiteral("Font..."), QStringLiteral("TitleFontbutton"), 0),
                                    colorButton(QStringLiteral("Background Color..."), QStringLiteral("TitleBGColor"), 0)});
    group(QStringLiteral("Header"), {fontButton(QStringLiteral("Font..."), QStringLiteral("HeaderFontButton"), 1),
                                     colorButton(QStringLiteral("Background Color..."), QStringLiteral("HeaderBGColor"), 1)});
    group(QStringLiteral("Number Cells"), {fontButton(QStringLiteral("Font..."), QStringLiteral("NumberFontButton"), 2)});
    layout->addStretch();
    return page;
}

QWidget *TCalendarProperties::buildMiniFontsPage()
{
    auto *page = new QWidget(this);
    auto *layout = new QVBoxLayout(page);
    const auto group = [&](const QString &title, std::initializer_list<QPushButton *> buttons) {
        layout->addWidget(buttonGroup(page, title, buttons));
    };
    group(QStringLiteral("Mini Title"), {fontButton(QStringLiteral("Font..."), QStringLiteral("Minititlefontbutton"), 3)});
    group(QStringLiteral("Mini Header"),
          {fontButton(QStringLiteral("Font..."), QStringLiteral("MiniHeaderFontButton"), 4),
           colorButton(QStringLiteral("Background Color..."), QStringLiteral("MiniHeadersBGColorButton"), 2)});
    group(QStringLiteral("Mini Number Cells"), {fontButton(QStringLiteral("Font..."), QStringLiteral("MiniCellFontButton"), 5)});
    group(QStringLiteral("Mini Calendar Background Color"),
          {colorButton(QStringLiteral("Color..."), QStringLiteral("MiniCalBGColorButton"), 3)});
    layout->addStretch();
    return page;
}

QWidget *TCalendarProperties::buildHeadersPage()
{
    auto *page = new QWidget(this);
    auto *layout = new QFormLayout(page);
    const auto styles = {std::pair(QStringLiteral("First Character"), int(dsFirstChar)),
                         std::pair(QStringLiteral("First Three Characters"), int(dsThreeChars)),
                         std::pair(QStringLiteral("Whole Word"), int(dsWhole))};
    m_headerStyle = choiceList(page, QStringLiteral("CalHeaderStyleCombo"), styles);
    m_miniHeaderStyle = choiceList(page, QStringLiteral("MiniHeadersStyleCombo"), styles);
    layout->addRow(QStringLiteral("Calendar day names:"), m_headerStyle);
    layout->addRow(QStringLiteral("Mini calendar day names:"), m_miniHeaderStyle);
    connect(m_headerStyle, &QComboBox::activated, this, [this](int index) {
        if (!m_activating)
            m_example->SetHeadersStyle(TCalHeadersStyle(m_headerStyle->itemData(index).toInt()));
    });
    connect(m_miniHeaderStyle, &QComboBox::activated, this, [this](int index) {
        if (!m_activating)
            m_example->SetMiniHeadersStyle(TCalHeadersStyle(m_miniHeaderStyle->itemData(index).toInt()));
    });
    return page;
}

QWidget *TCalendarProperties::buildLinesPage()
{
    auto *page = new QWidget(this);
    auto *layout = new QFormLayout(page);
    m_lineLayout = choiceList(page, QStringLiteral("CalendarLineLayoutCombo"),
                              {{QStringLiteral("Full"), llFull},
                               {QStringLiteral("Headers & Cells"), llHeadersAndCells},
                               {QStringLiteral("Cells Only"), llCellsOnly}});
    m_miniLineLayout = choiceList(page, QStringLiteral("MiniCalendarLineLayoutCombo"),
                                  {{QStringLiteral("Full"), mllFull},
                                   {QStringLiteral("Boxed"), mllBoxed},
                                   {QStringLiteral("Minimal"), mllMinimal}});
    layout->addRow(QStringLiteral("Calendar lines:"), m_lineLayout);
    layout->addRow(QStringLiteral("Mini calendar lines:"), m_miniLineLayout);
    connect(m_lineLayout, &QComboBox::activated, this, [this](int index) {
        if (!m_activating)
            m_example->SetCalendarLineLayout(TCalendarLineLayout(m_lineLayout->itemData(index).toInt()));
    });
    connect(m_miniLineLayout, &QComboBox::activated, this, [this](int index) {
        if (!m_activating)
            m_example->SetMiniCalendarLineLayout(
                TMiniCalendarLineLayout(m_miniLineLayout->itemData(index).toInt()));
    });
    return page;
}

QWidget *TCalendarProperties::buildPlannersPage()
{
    auto *page = new QWidget(this);
    auto *layout = new QVBoxLayout(page);
    m_startingTime = new QPushButton(QStringLiteral("Starting Time (for day planners)"), page);
    m_startingTime->setObjectName(QStringLiteral("StartingtimeButton"));
    m_timeLabel = new QLabel(page);
    m_timeLabel->setObjectName(QStringLiteral("TimeLabel"));
    connect(m_startingTime, &QPushButton::clicked, this, &TCalendarProperties::StartingtimeButtonClick);
    layout->addWidget(m_startingTime);
    layout->addWidget(m_timeLabel);
    layout->addStretch();
    return page;
}

QWidget *TCalendarProperties::buildLanguagePage()
{
    auto *page = new QWidget(this);
    auto *layout = new QGridLayout(page);
    m_monthNames = new QPlainTextEdit(page);
    m_monthNames->setObjectName(QStringLiteral("MonthNames"));
    m_dayNames = new QPlainTextEdit(page);
    m_dayNames->setObjectName(QStringLiteral("DayNames"));
    for (QPlainTextEdit *edit : {m_monthNames, m_dayNames}) {
        edit->setLineWrapMode(QPlainTextEdit::NoWrap);
        edit->installEventFilter(this);
    }
    layout->addWidget(new QLabel(QStringLiteral("Month names:"), page), 0, 0);
    layout->addWidget(new QLabel(QStringLiteral("Day names:"), page), 0, 1);
    layout->addWidget(m_monthNames, 1, 0);
    layout->addWidget(m_dayNames, 1, 1);
    auto *languages = new QHBoxLayout;
    const QStringList captions = {QStringLiteral("English"), QStringLiteral("Fran\u00e7ais"),
                                  QStringLiteral("Deutsch"), QStringLiteral("L'italiano"),
                                  QStringLiteral("Espa\u00f1ol")};
    const QStringList names = {QStringLiteral("English"), QStringLiteral("French"), QStringLiteral("German"),
                               QStringLiteral("Italian"), QStringLiteral("Spanish")};
    for (int i = 0; i < captions.size(); ++i) {
        auto *button = new QPushButton(captions[i], page);
        button->setObjectName(names[i]);
        connect(button, &QPushButton::clicked, this, [this, i] { applyLanguage(i); });
        languages->addWidget(button);
    }
    auto *other = new QPushButton(QStringLiteral("Other..."), page);
    other->setObjectName(QStringLiteral("OtherLanguage"));
    connect(other, &QPushButton::clicked, this, &TCalendarProperties::OtherLanguageClick);
    languages->addWidget(other);
    layout->addLayout(languages, 2, 0, 1, 2);
    m_localeDates = new QCheckBox(QStringLiteral("Dates as the language writes them"), page);
    m_localeDates->setObjectName(QStringLiteral("LocaleDates"));
    connect(m_localeDates, &QCheckBox::toggled, this, &TCalendarProperties::LocaleDatesClick);
    layout->addWidget(m_localeDates, 3, 0, 1, 2);
    return page;
}

QWidget *TCalendarProperties::buildMarginsPage()
{
    auto *page = new QWidget(this);
    auto *layout = new QFormLayout(page);
    m_useInches = new QRadioButton(QStringLiteral("Use Inches"), page);
    m_useInches->setObjectName(QStringLiteral("useInches"));
    m_useMillimeters = new QRadioButton(QStringLiteral("Use Millimeters"), page);
    m_useMillimeters->setObjectName(QStringLiteral("UseMillimeters"));
    m_useInches->setChecked(true);
    connect(m_useMillimeters, &QRadioButton::toggled, this, &TCalendarProperties::setUseMillimeters);
    layout->addRow(m_useInches, m_useMillimeters);
    const QStringList names = {QStringLiteral("LeftMarginInchcombo"), QStringLiteral("TopMarginInchcombo"),
                               QStringLiteral("RightMarginInchcombo"), QStringLiteral("BottomMarginInchcombo")};
    const QStringList labels = {QStringLiteral("Left:"), QStringLiteral("Top:"), QStringLiteral("Right:"),
                                QStringLiteral("Bottom:")};
    for (int i = 0; i < 4; ++i) {
        m_margins[size_t(i)] = new QComboBox(page);
        m_margins[size_t(i)]->setObjectName(names[i]);
        fillMarginList(m_margins[size_t(i)], false);
        connect(m_margins[size_t(i)], &QComboBox::activated, this, [this, i](int index) { marginChosen(i, index); });
        layout->addRow(labels[i], m_margins[size_t(i)]);
    }
    return page;
}

QWidget *TCalendarProperties::buildBordersPage()
{
    auto *page = new QWidget(this);
    auto *layout = new QVBoxLayout(page);
    m_borderFiles = new QListWidget(page);
    m_borderFiles->setObjectName(QStringLiteral("BorderFiles"));
    connect(m_borderFiles, &QListWidget::itemClicked, this,
            [this](QListWidgetItem *item) { BorderFilesClick(m_borderFiles->row(item)); });
    layout->addWidget(m_borderFiles);
    return page;
}

QWidget *TCalendarProperties::buildExample()
{
    auto *box = new QWidget(this);
    auto *layout = new QVBoxLayout(box);
    auto *scroll = new QScrollArea(box);
    scroll->setObjectName(QStringLiteral("ExampleScrollBox"));
    scroll->setWidget(m_example);
    scroll->setAlignment(Qt::AlignCenter);
    scroll->setMinimumSize(360, 360);
    m_example->setObjectName(QStringLiteral("ExampleCalendar"));
    auto *zoom = new QHBoxLayout;
    auto *zoomOut = new QPushButton(QStringLiteral("-"), box);
    zoomOut->setObjectName(QStringLiteral("ZoomOutbutton"));
    zoomOut->setToolTip(QStringLiteral("Zoom out"));
    auto *zoomIn = new QPushButton(QStringLiteral("+"), box);
    zoomIn->setObjectName(QStringLiteral("ZoomInButton"));
    zoomIn->setToolTip(QStringLiteral("Zoom in"));
    m_zoomLabel = new QLabel(box);
    m_zoomLabel->setObjectName(QStringLiteral("ZoomLabel"));
    connect(zoomOut, &QPushButton::clicked, this, &TCalendarProperties::ZoomOutbuttonClick);
    connect(zoomIn, &QPushButton::clicked, this, &TCalendarProperties::ZoomInButtonClick);
    zoom->addWidget(zoomOut);
    zoom->addWidget(m_zoomLabel);
    zoom->addWidget(zoomIn);
    zoom->addStretch();
    layout->addWidget(scroll, 1);
    layout->addLayout(zoom);
    return box;
}

QWidget *TCalendarProperties::buildButtons()
{
    auto *row = new QWidget(this);
    auto *layout = new QHBoxLayout(row);
    const std::pair<QString, void (TCalendarProperties::*)()> buttons[] = {
        {QStringLiteral("&Ok"), &TCalendarProperties::OkButtonClick},
        {QStringLiteral("&Cancel"), &TCalendarProperties::reject},
        {QStringLiteral("&Save As Style Sheet"), &TCalendarProperties::SaveAsStyleSheetButtonClick},
        {QStringLiteral("&Load Style Sheet"), &TCalendarProperties::LoadStyleSheetButtonClick},
        {QStringLiteral("&Default Style"), &TCalendarProperties::DefaultbuttonClick},
        {QStringLiteral("&Help"), &TCalendarProperties::HelpButtonClick},
    };
    for (const auto &[caption, handler] : buttons) {
        auto *button = new QPushButton(caption, row);
        connect(button, &QPushButton::clicked, this, handler);
        layout->addWidget(button);
        if (handler == &TCalendarProperties::OkButtonClick)
            button->setDefault(true);
    }
    return row;
}

void TCalendarProperties::fillBorderList()
{
    // The program's borders and the user's own (~/.local/share/orvane/Borders), read anew each
    // time the dialog opens, so a border dropped there shows without a restart.
    const QList<DataFolders::File> files = DataFolders::files(QStringLiteral("Borders"), {QStringLiteral("*.wls")});
    m_borderFiles->clear();
    m_borderFiles->setEnabled(!DataFolders::folders(QStringLiteral("Borders")).isEmpty());
    if (!m_borderFiles->isEnabled())
        return;
    m_borderFiles->addItem(QStringLiteral(" [No Special Border]"));
    for (const DataFolders::File &file : files) {
        const QString name = file.name.section(QLatin1Char('.'), 0, 0);
        QString caption = name;
        if (file.replaced)
            caption += QStringLiteral(" (replaced by yours)");
        else if (file.origin == DataFolders::Origin::User)
            caption += QStringLiteral(" (yours)");
        auto *item = new QListWidgetItem(caption, m_borderFiles);
        item->setData(Qt::UserRole, name);
        item->setToolTip(file.path);
        // A name the user's border took over leads to the user's: it cannot be chosen.
        if (file.replaced)
            item->setFlags(item->flags() & ~(Qt::ItemIsSelectable | Qt::ItemIsEnabled));
    }
}

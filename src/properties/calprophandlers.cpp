// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What the controls of the Calendar Properties dialog do to the example page.
#include "calprop.h"

#include <algorithm>

#include "calendar/calendardates.h"
#include "calendar/calendarnames.h"
#include "calendar/localedates.h"
#include "calendar/pageoptions.h"
#include "page/calpanel32.h"
#include "core/apppaths.h"
#include "widgets/choosers.h"
#include "widgets/dialogs.h"
#include "storage/calendarfile.h"
#include "storage/documentmessages.h"

#include <QButtonGroup>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QRegularExpression>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QSet>
#include <QStackedWidget>
#include <QTabBar>
#include <QVBoxLayout>

#include <cmath>

namespace {

QString shortTime(TDateTime value)
{
    // Hours and minutes in the locale's order and clock; some locales' short format (the C
    // locale's among them) carries seconds, which a planner's start never has.
    static const QRegularExpression seconds(QStringLiteral("[:.]?s+"));
    QString format = QLocale::system().timeFormat(QLocale::ShortFormat);
    format.remove(seconds);
    return QLocale::system().toString(QTime(HourOfDateTime(value), MinuteOfDateTime(value)), format);
}

} // namespace

int TCalendarProperties::marginStep(float inches)
{
    int step = marginChoices(false).constFirst().second;
    for (const auto &[caption, hundredths] : marginChoices(false)) {
        if (hundredths / 100.0f <= inches + 1e-6f)
            step = hundredths;
    }
    return step;
}

void TCalendarProperties::selectLayoutFamily(int family)
{
    for (int row = 0; row < m_layoutList->count(); ++row) {
        if (m_layoutList->item(row)->data(Qt::UserRole).toInt() == family) {
            m_layoutList->setCurrentRow(row);
            return;
        }
    }
    m_layoutList->setCurrentRow(-1);
}

void TCalendarProperties::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    FormActivate();
}

void TCalendarProperties::FormActivate()
{
    if (!m_activating)
        return;
    showZoom();
    if (m_hooks.restorePlacement)
        m_hooks.restorePlacement(*this);
    if (NewCalendarMode)
        m_example->ResetToDefaults();
    DetermineSettings();
    m_activating = false;
    LayoutListClick();
    int borderRow = 0;
    for (int row = 1; row < m_borderFiles->count(); ++row) {
        const QListWidgetItem *item = m_borderFiles->item(row);
        if ((item->flags() & Qt::ItemIsEnabled)
            && item->data(Qt::UserRole).toString().compare(m_example->WMFBorderFile(), Qt::CaseInsensitive) == 0)
            borderRow = row;
    }
    if (m_borderFiles->count() > 0)
        m_borderFiles->setCurrentRow(borderRow);
    rememberForWarning();
}

void TCalendarProperties::DetermineSettings()
{
    // The handlers leave the page alone while the controls are loaded from it.
    const QScopedValueRollback<bool> loading(m_activating, true);
    TCalendarPanel32 &page = *m_example;
    const LayoutInfo &layout = layoutInfo(page.CalendarLayout());
    selectLayoutFamily(layout.listedLayout());
    m_orientation->button(layout.orientation)->setChecked(true);
    m_paper->button(page.PaperSize() == PaperA4 ? PaperA4 : PaperLetter)->setChecked(true);
    m_startingDateMode = layout.applies(LayoutControl::StartingDate);
    m_selectLabel->setText(m_startingDateMode ? QStringLiteral("Select Starting Date")
                                              : QStringLiteral("Select Month & Year"));
    const QDate first(page.MainCalYear(), page.MainCalMonth(), 1);
    const int day = page.MainCalDay() >= 1 && page.MainCalDay() <= first.daysInMonth() ? page.MainCalDay() : 1;
    m_calendar->setSelectedDate(first.addDays(day - 1));
    QStringList months, days;
    for (int i = 1; i <= 12; ++i)
        months << page.names().month(i);
    for (int i = 1; i <= 7; ++i)
        days << page.names().day(i);
    m_monthNames->setPlainText(months.join(QLatin1Char('\n')));
    m_dayNames->setPlainText(days.join(QLatin1Char('\n')));
    m_weekStarts->button(page.StartOfWeek() == 1 ? 1 : 2)->setChecked(true);
    m_localeDates->setChecked(PageOptions::localeDates(page.options()));
    refreshColorButtons();
    m_headerStyle->setCurrentIndex(m_headerStyle->findData(int(page.HeadersStyle())));
    m_miniHeaderStyle->setCurrentIndex(m_miniHeaderStyle->findData(int(page.MiniHeadersStyle())));
    m_lineLayout->setCurrentIndex(m_lineLayout->findData(int(page.CalendarLineLayout())));
    m_miniLineLayout->setCurrentIndex(m_miniLineLayout->findData(int(page.MiniCalendarLineLayout())));
    m_titleShowYear->setChecked(page.TitleShowYear());
    m_miniShowYear->setChecked(page.MiniShowYear());
    determineExtras();
    showDateLabel();
    m_timeLabel->setText(shortTime(page.DayPlannerStartTime()));
    const float margins[] = {page.LeftMarginInch(), page.TopMarginInch(), page.RightMarginInch(),
                             page.BottomMarginInch()};
    for (int i = 0; i < 4; ++i)
        m_margins[size_t(i)]->setCurrentIndex(m_margins[size_t(i)]->findData(marginStep(margins[i])));
}

void TCalendarProperties::LayoutListClick()
{
    if (m_activating)
        return;
    TCalendarPanel32 &page = *m_example;
    page.SetPaperSize(m_paper->checkedId() == PaperA4 ? PaperA4 : PaperLetter);
    const QListWidgetItem *item = m_layoutList->currentItem() ? m_layoutList->currentItem() : m_layoutList->item(0);
    const auto family = TCalendarLayout(item->data(Qt::UserRole).toInt());
    const TCalendarLayout layout = layoutInOrientation(
        family, m_orientation->checkedId() == coLandscape ? coLandscape : coPortrait);
    m_startingDateMode = layoutInfo(layout).applies(LayoutControl::StartingDate);
    m_selectLabel->setText(m_startingDateMode ? QStringLiteral("Select Starting Date")
                                              : QStringLiteral("Select Month & Year"));
    CalendarChange();
    // The mini fonts take the sizes of a layout the user picks, but sizes the user chose
    // stay when the dialog only shows the page's own layout again (opening it, paper).
    const bool otherLayout = layout != page.CalendarLayout();
    page.SetCalendarLayout(layout);
    page.RecalcLayout(otherLayout);
    page.update();
    SetButtons();
}

void TCalendarProperties::SetButtons()
{
    const LayoutInfo &layout = layoutInfo(m_example->CalendarLayout());
    const bool orientation = layout.applies(LayoutControl::Orientation);
    m_orientationBox->setEnabled(orientation);
    // Greyed for planners, the choice still shows the page's own orientation.
    if (!orientation)
        m_orientation->button(m_example->CalendarOrientation() == coLandscape ? coLandscape : coPortrait)
            ->setChecked(true);
    m_weekStartsBox->setEnabled(layout.applies(LayoutControl::WeekStart));
    const bool month = layout.applies(LayoutControl::MainMonthStyle);
    m_titleShowYear->setEnabled(month);
    m_colorButtons[0]->setEnabled(month);
    m_fontButtons[2]->setEnabled(month);
    m_lineLayout->setEnabled(month);
    const bool titled = layout.applies(LayoutControl::TitleAndHeaders);
    for (QWidget *w : {static_cast<QWidget *>(m_fontButtons[0]), static_cast<QWidget *>(m_fontButtons[1]),
                       static_cast<QWidget *>(m_colorButtons[1]), static_cast<QWidget *>(m_headerStyle)})
        w->setEnabled(titled);
    const bool minis = layout.applies(LayoutControl::MiniStyle);
    for (QWidget *w : {static_cast<QWidget *>(m_miniShowYear), static_cast<QWidget *>(m_fontButtons[3]),
                       static_cast<QWidget *>(m_fontButtons[4]), static_cast<QWidget *>(m_fontButtons[5]),
                       static_cast<QWidget *>(m_colorButtons[2]), static_cast<QWidget *>(m_colorButtons[3]),
                       static_cast<QWidget *>(m_miniHeaderStyle), static_cast<QWidget *>(m_miniLineLayout)})
        w->setEnabled(minis);
    m_startingTime->setEnabled(layout.applies(LayoutControl::StartingTime));
}

void TCalendarProperties::showDateLabel()
{
    const QDate date = m_calendar->selectedDate();
    m_dateLabel->setText(m_startingDateMode ? QLocale::system().toString(date, QLocale::LongFormat)
                                            : QLocale::system().toString(date, QStringLiteral("MMMM yyyy")));
}

void TCalendarProperties::CalendarChange()
{
    showDateLabel();
    if (m_activating)
        return;
    const QDate date = m_calendar->selectedDate();
    m_example->SetMainCalMonth(date.month());
    m_example->SetMainCalYear(date.year());
    m_example->SetMainCalDay(date.day());
}

void TCalendarProperties::StartingtimeButtonClick()
{
    if (!m_hooks.editTime)
        return;
    TDateTime start = m_example->DayPlannerStartTime();
    QTime time(HourOfDateTime(start), MinuteOfDateTime(start));
    if (!m_hooks.editTime(this, time))
        return;
    m_example->SetDayPlannerStartTime(EncodeTime(time.hour(), time.minute()));
    m_timeLabel->setText(shortTime(m_example->DayPlannerStartTime()));
}

bool TCalendarProperties::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusOut) {
        if (watched == m_monthNames)
            storeMonthNames();
        else if (watched == m_dayNames)
            storeDayNames();
    }
    return QDialog::eventFilter(watched, event);
}

void TCalendarProperties::storeMonthNames()
{
    const QStringList lines = m_monthNames->toPlainText().split(QLatin1Char('\n'));
    for (int i = 0; i < 12 && i < lines.size(); ++i)
        m_example->SetMonthName(i + 1, lines[i]);
    m_example->update();
}

void TCalendarProperties::storeDayNames()
{
    const QStringList lines = m_dayNames->toPlainText().split(QLatin1Char('\n'));
    for (int i = 0; i < 7 && i < lines.size(); ++i)
        m_example->SetDayName(i + 1, lines[i]);
    m_example->update();
}

namespace {

void showNames(QPlainTextEdit *months, QPlainTextEdit *days, const CalendarNames &names)
{
    months->setPlainText(QStringList(names.months.begin(), names.months.end()).join(QLatin1Char('\n')));
    days->setPlainText(QStringList(names.days.begin(), names.days.end()).join(QLatin1Char('\n')));
}

} // namespace

void TCalendarProperties::applyLanguage(int language)
{
    showNames(m_monthNames, m_dayNames, languageNames(CalendarLanguage(language)));
    storeMonthNames();
    storeDayNames();
    // The built-in names tell their language themselves, in the user's country's customs.
    DocumentOptions options = m_example->options();
    PageOptions::setLanguage(options, QString());
    m_example->setOptions(options);
}

void TCalendarProperties::applyLocale(const QLocale &locale)
{
    showNames(m_monthNames, m_dayNames, localeNames(locale));
    storeMonthNames();
    storeDayNames();
    DocumentOptions options = m_example->options();
    PageOptions::setLanguage(options, locale.bcp47Name());
    m_example->setOptions(options);
}

QList<std::pair<QString, QString>> TCalendarProperties::otherLanguages()
{
    QList<std::pair<QString, QString>> languages;
    QSet<QString> seen;
    const QList<QLocale> locales
        = QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
    for (const QLocale &each : locales) {
        if (each.language() == QLocale::C)
            continue;
        // One entry a language, in its main country's form.
        const QLocale locale(each.language());
        const QString name = locale.bcp47Name();
        if (seen.contains(name))
            continue;
        seen.insert(name);
        const QString english = QLocale::languageToString(locale.language());
        const QString native = locale.nativeLanguageName();
        languages.append({native.isEmpty() || native == english
                              ? english
                              : QStringLiteral("%1 (%2)").arg(english, native),
                          name});
    }
    std::sort(languages.begin(), languages.end(), [](const auto &a, const auto &b) {
        return a.first.localeAwareCompare(b.first) < 0;
    });
    return languages;
}

void TCalendarProperties::OtherLanguageClick()
{
    QDialog chooser(this);
    chooser.setWindowTitle(QStringLiteral("Other Languages"));
    auto *list = new QListWidget(&chooser);
    list->setObjectName(QStringLiteral("OtherLanguages"));
    const QString current = PageOptions::language(m_example->options());
    for (const auto &[caption, name] : otherLanguages()) {
        auto *item = new QListWidgetItem(caption, list);
        item->setData(Qt::UserRole, name);
        if (name == current)
            list->setCurrentItem(item);
    }
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &chooser);
    connect(buttons, &QDialogButtonBox::accepted, &chooser, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, &chooser, &QDialog::reject);
    connect(list, &QListWidget::itemDoubleClicked, &chooser, &QDialog::accept);
    auto *layout = new QVBoxLayout(&chooser);
    layout->addWidget(list);
    layout->addWidget(buttons);
    chooser.resize(360, 480);
    if (Dialogs::exec(chooser) != QDialog::Accepted || !list->currentItem())
        return;
    applyLocale(QLocale(list->currentItem()->data(Qt::UserRole).toString()));
}

void TCalendarProperties::LocaleDatesClick(bool on)
{
    if (m_activating)
        return;
    DocumentOptions options = m_example->options();
    PageOptions::setLocaleDates(options, on);
    m_example->setOptions(options);
    m_example->update();
}

void TCalendarProperties::marginChosen(int which, int index)
{
    if (m_activating)
        return;
    const QComboBox *list = m_margins[size_t(std::clamp(which, 0, 3))];
    const float inches = list->itemData(std::clamp(index, 0, list->count() - 1)).toInt() / 100.0f;
    switch (which) {
    case 0: m_example->SetLeftMarginInch(inches); break;
    case 1: m_example->SetTopMarginInch(inches); break;
    case 2: m_example->SetRightMarginInch(inches); break;
    default: m_example->SetBottomMarginInch(inches); break;
    }
}

void TCalendarProperties::setUseMillimeters(bool millimeters)
{
    m_millimeters = millimeters;
    for (QComboBox *combo : m_margins) {
        const QVariant chosen = combo->currentData();
        const QSignalBlocker blocker(combo);
        combo->clear();
        fillMarginList(combo, millimeters);
        combo->setCurrentIndex(combo->findData(chosen));
    }
}

void TCalendarProperties::BorderFilesClick(int row)
{
    if (row < 0 || m_activating)
        return;
    m_example->SetWMFBorderFile(row == 0 ? QString() : m_borderFiles->item(row)->data(Qt::UserRole).toString());
}

void TCalendarProperties::showZoom()
{
    m_zoomLabel->setText(QStringLiteral("%1%").arg(std::lround(m_example->ZoomFactor() * 100.0)));
}

void TCalendarProperties::ZoomInButtonClick()
{
    if (m_example->ZoomFactor() >= 1.0f)
        return;
    m_example->SetZoom(m_example->ZoomFactor() + 0.1f);
    showZoom();
}

void TCalendarProperties::ZoomOutbuttonClick()
{
    if (m_example->ZoomFactor() <= 0.2f)
        return;
    m_example->SetZoom(m_example->ZoomFactor() - 0.1f);
    showZoom();
}

void TCalendarProperties::DefaultbuttonClick()
{
    m_example->ResetToDefaults();
    DetermineSettings();
    LayoutListClick();
}

void TCalendarProperties::reloadAfterStyleSheet()
{
    DetermineSettings();
    LayoutListClick();
}

void TCalendarProperties::SaveAsStyleSheetButtonClick()
{
    const auto path = Choosers::chooseSaveFile(this, QStringLiteral("Save As Calendar Style Sheet"),
                                               Choosers::documentsFolder() + QStringLiteral("/MyStyle.OVS"),
                                               QStringLiteral("Calendar Style Sheet|*.OVS"),
                                               QStringLiteral("OVS"));
    if (!path)
        return;
    if (QFileInfo(*path).suffix().toUpper() != QLatin1String("OVS")) {
        Dialogs::informationBox(this, QStringLiteral("Must save as a Calendar Style Sheet (*.OVS)"));
        return;
    }
    const CalendarFile::FileResult saved = CalendarFile::SaveStyleSheet(m_example->document(), *path);
    if (!saved.ok)
        Dialogs::informationBox(this, DocumentMessages::saveFailed(*path, saved.message));
}

void TCalendarProperties::LoadStyleSheetButtonClick()
{
    const auto path = Choosers::chooseOpenFile(this, QStringLiteral("Open Calendar Style Sheet"),
                                               Choosers::documentsFolder(),
                                               QStringLiteral("Calendar Style Sheet|*.OVS"));
    if (!path)
        return;
    if (QFileInfo(*path).suffix().toUpper() != QLatin1String("OVS")) {
        Dialogs::informationBox(this, QStringLiteral("Must be a Calendar Style Sheet (*.OVS)"));
        return;
    }
    PageDocument doc = m_example->document();
    const CalendarFile::FileResult loaded = CalendarFile::LoadStyleSheet(doc, *path);
    if (loaded.ok)
        m_example->applyStyle(doc);
    else
        Dialogs::informationBox(this, DocumentMessages::styleOpenFailed(*path, loaded.message));
    reloadAfterStyleSheet();
}

void TCalendarProperties::rememberForWarning()
{
    const TCalendarPanel32 &page = *m_example;
    m_remembered = {{page.LeftMarginInch(), page.TopMarginInch(), page.RightMarginInch(), page.BottomMarginInch()},
                    page.WMFBorderFile(),
                    page.CalendarLayout(),
                    page.PaperSize(),
                    page.CalendarOrientation()};
}

bool TCalendarProperties::objectsWouldMove() const
{
    const TCalendarPanel32 &page = *m_example;
    const std::array<float, 4> margins = {page.LeftMarginInch(), page.TopMarginInch(),
                                          page.RightMarginInch(), page.BottomMarginInch()};
    const bool borderAddedOrRemoved = m_remembered.border.isEmpty() != page.WMFBorderFile().isEmpty();
    return margins != m_remembered.margins || borderAddedOrRemoved
           || page.CalendarLayout() != m_remembered.layout || page.PaperSize() != m_remembered.paper
           || page.CalendarOrientation() != m_remembered.orientation;
}

void TCalendarProperties::OkButtonClick()
{
    storeMonthNames();
    storeDayNames();
    if (WarnLayoutKindChange && m_example->LayoutKind() != OldLayoutKind
        && !Dialogs::yesNoQuestion(this, QStringLiteral("WARNING"),
                                   QStringLiteral("Warning: changing to this type of layout\r"
                                                  "will erase all text and icons from the current\r"
                                                  "calendar. Proceed?")))
        return;
    // Typed text would go without a word otherwise; the layout warning already covers it
    // when the kind of layout changes too.
    if (textsWouldBeCleared()
        && !Dialogs::yesNoQuestion(this, QStringLiteral("WARNING"),
                                   m_example->PlannerSpanDays() > 0
                                       ? QStringLiteral("Changing the starting date clears the text of the days "
                                                        "that are no longer on the page. Continue?")
                                       : QStringLiteral("Changing the month clears the text of all date cells. Continue?")))
        return;
    if (WarnObjectsMove && objectsWouldMove()
        && !Dialogs::yesNoQuestion(this, QStringLiteral("WARNING"),
                                   QStringLiteral("Warning: The Calendar has one or more items\r"
                                                  "placed on it using the Label, Clip Art, RichText,\r"
                                                  "SuperText or Floating Calendar tools.\r\r"
                                                  "Changing Paper Size, Orientation, Layout, Margins or Border\r"
                                                  "means you will have to reposition these items.\r"
                                                  "Items that would lie past the edge of the paper\r"
                                                  "are moved back onto it.\r\r"
                                                  "Proceed?")))
        return;
    accept();
}

bool TCalendarProperties::textsWouldBeCleared() const
{
    if (!WarnDateChange || m_example->LayoutKind() != OldLayoutKind)
        return false;
    const int span = m_example->PlannerSpanDays();
    if (span == 0)
        return m_example->MainCalMonth() != OldMonth || m_example->MainCalYear() != OldYear;
    const QDate first = m_example->plannerDate();
    const QDate last = first.addDays(span - 1);
    return std::any_of(OldTextDates.cbegin(), OldTextDates.cend(),
                       [&](const QDate &date) { return date < first || date > last; });
}

void TCalendarProperties::HelpButtonClick()
{
    if (!m_hooks.showHelpTopic)
        return;
    const int page = m_notebook->currentIndex();
    m_hooks.showHelpTopic(page == 9 ? 3109 : 2100 + page);
}

void TCalendarProperties::showNotebookPage(int index)
{
    m_notebook->setCurrentIndex(index);
    if (m_tabs->currentIndex() != index)
        m_tabs->setCurrentIndex(index);
}

void TCalendarProperties::done(int result)
{
    if (m_hooks.savePlacement)
        m_hooks.savePlacement(*this);
    QDialog::done(result);
}

void TCalendarProperties::chooseFont(int which)
{
    TCalendarPanel32 &page = *m_example;
    const TFont *fonts[] = {&page.TitleFont(), &page.HeadersFont(), &page.CellFont(),
                            &page.MiniTitleFont(), &page.MiniHeadersFont(), &page.MiniCellFont()};
    const auto chosen = Choosers::chooseFont(this, *fonts[which], page.pixelsPerInch());
    if (chosen) {
        switch (which) {
        case 0: page.SetTitleFont(*chosen); break;
        case 1: page.SetHeadersFont(*chosen); break;
        case 2: page.SetCellFont(*chosen); break;
        case 3: page.SetMiniTitleFont(*chosen); break;
        case 4: page.SetMiniHeadersFont(*chosen); break;
        default: page.SetMiniCellFont(*chosen); break;
        }
    }
    page.update();
}

void TCalendarProperties::chooseColor(int which)
{
    TCalendarPanel32 &page = *m_example;
    const TColor current[] = {page.TitleBGColor(), page.HeadersBGColor(), page.MiniHeadersBGColor(),
                              page.MiniCalBGColor()};
    const auto chosen = Choosers::chooseColor(this, current[which]);
    if (!chosen)
        return;
    switch (which) {
    case 0: page.SetTitleBGColor(*chosen); break;
    case 1: page.SetHeadersBGColor(*chosen); break;
    case 2: page.SetMiniHeadersBGColor(*chosen); break;
    default: page.SetMiniCalBGColor(*chosen); break;
    }
    refreshColorButtons();
}

void TCalendarProperties::refreshColorButtons()
{
    const TColor colors[] = {m_example->TitleBGColor(), m_example->HeadersBGColor(),
                             m_example->MiniHeadersBGColor(), m_example->MiniCalBGColor()};
    for (size_t i = 0; i < m_colorButtons.size(); ++i) {
        QPixmap swatch(16, 16);
        swatch.fill(Colors::toQColor(colors[i]));
        m_colorButtons[i]->setIcon(QIcon(swatch));
    }
}

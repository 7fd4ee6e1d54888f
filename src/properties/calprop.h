// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calendar/documentoptions.h"
#include "calendar/layouttable.h"
#include "calendar/pagetypes.h"

#include <QDate>
#include <QDialog>
#include <QList>
#include <QTime>

#include <array>
#include <functional>
#include <utility>

class QButtonGroup;
class QCalendarWidget;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QVBoxLayout;
class QLabel;
class QListWidget;
class QLocale;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QStackedWidget;
class QTabBar;
class TCalendarPanel32;

// The Calendar Properties dialog: every setting of a page but its cell texts and objects,
// edited live on its own example page. The caller copies settings in before and out after.
class TCalendarProperties : public QDialog
{
    Q_OBJECT
public:
    // Services of the main window the dialog borrows.
    struct Hooks {
        std::function<bool(QWidget *parent, QTime &time)> editTime; // the time dialog
        std::function<void(int topic)> showHelpTopic;
        std::function<void(QWidget &dialog)> restorePlacement;
        std::function<void(QWidget &dialog)> savePlacement;
    };

    explicit TCalendarProperties(QWidget *parent = nullptr, Hooks hooks = {});
    ~TCalendarProperties() override;

    TCalendarPanel32 &ExampleCalendar() { return *m_example; }

    bool NewCalendarMode = false;
    bool WarnLayoutKindChange = false;
    CellKind OldLayoutKind = CellKind::NoCells;
    // Asks before OK when the month or year changed and the page's cells hold text, which
    // the change clears.
    bool WarnDateChange = false;
    int OldMonth = 1;
    int OldYear = 1;
    // On a planner, the dates whose cells hold text: OK asks only when one of them would
    // no longer be on the page.
    QList<QDate> OldTextDates;
    bool WarnObjectsMove = false;

    // Runs once, at the first activation: loads the controls from the example page.
    void FormActivate();
    // Whether OK would clear cell texts through a change of date (not of layout).
    bool textsWouldBeCleared() const;
    void DetermineSettings();
    void LayoutListClick();
    void SetButtons();
    void CalendarChange();
    void StartingtimeButtonClick();
    void storeMonthNames();
    void storeDayNames();
    void applyLanguage(int language);
    // The names of a locale's language, as the five buttons fill theirs, and the page's
    // language with them.
    void applyLocale(const QLocale &locale);
    // "Other...": every language Qt's locale data knows, in a list to choose from.
    void OtherLanguageClick();
    void LocaleDatesClick(bool on);
    void marginChosen(int which, int index);
    void setUseMillimeters(bool millimeters);
    void BorderFilesClick(int row);
    void ZoomInButtonClick();
    void ZoomOutbuttonClick();
    void DefaultbuttonClick();
    void SaveAsStyleSheetButtonClick();
    void LoadStyleSheetButtonClick();
    void OkButtonClick();
    void HelpButtonClick();
    void showNotebookPage(int index);

    // The layout list's entries in the order of the layouts: one for each pair of partners,
    // carrying its portrait layout, and one for each layout without a partner.
    static QList<std::pair<QString, TCalendarLayout>> layoutFamilies();
    // The margin items with the margin each stands for, in hundredths of an inch.
    static QList<std::pair<QString, int>> marginChoices(bool millimeters);
    // The margin item for a margin: the largest of 0.25 .. 1.5 inches not above it, in
    // hundredths of an inch.
    static int marginStep(float inches);
    // The languages "Other..." offers: caption and BCP 47 name, sorted by caption.
    static QList<std::pair<QString, QString>> otherLanguages();

protected:
    void showEvent(QShowEvent *event) override;
    void done(int result) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *buildLayoutPage();
    QWidget *buildDatePage();
    QWidget *buildFontsPage();
    QWidget *buildMiniFontsPage();
    QWidget *buildHeadersPage();
    QWidget *buildLinesPage();
    QWidget *buildPlannersPage();
    QWidget *buildLanguagePage();
    QWidget *buildMarginsPage();
    QWidget *buildBordersPage();
    QWidget *buildExtrasPage();
    // The Extras tab's controls from the example page's options.
    void determineExtras();
    QGroupBox *buildHolidaysGroup(QWidget *page);
    void fillHolidayRegions();
    void holidayPlaceChosen();
    void showHolidayChoice();
    void changeExampleOptions(const std::function<void(DocumentOptions &)> &change);
    QWidget *buildExample();
    QWidget *buildButtons();
    QPushButton *fontButton(const QString &caption, const QString &name, int which);
    QPushButton *colorButton(const QString &caption, const QString &name, int which);
    void chooseFont(int which);
    void chooseColor(int which);
    void refreshColorButtons();
    void fillBorderList();
    static void fillMarginList(QComboBox *combo, bool millimeters);
    void selectLayoutFamily(int family);
    void showDateLabel();
    void showZoom();
    void rememberForWarning();
    bool objectsWouldMove() const;
    void reloadAfterStyleSheet();

    Hooks m_hooks;
    TCalendarPanel32 *m_example;
    bool m_activating = true;
    bool m_startingDateMode = false;
    bool m_millimeters = false;

    struct Remembered {
        std::array<float, 4> margins{};
        QString border;
        TCalendarLayout layout = loFullCalendar;
        int paper = 0;
        TCalendarOrientation orientation = coPortrait;
    } m_remembered;

    QTabBar *m_tabs = nullptr;
    QStackedWidget *m_notebook = nullptr;
    QListWidget *m_layoutList = nullptr;
    QGroupBox *m_orientationBox = nullptr;
    QButtonGroup *m_orientation = nullptr;
    QButtonGroup *m_paper = nullptr;
    QCalendarWidget *m_calendar = nullptr;
    QLabel *m_dateLabel = nullptr;
    QLabel *m_selectLabel = nullptr;
    QGroupBox *m_weekStartsBox = nullptr;
    QButtonGroup *m_weekStarts = nullptr;
    QCheckBox *m_titleShowYear = nullptr;
    QCheckBox *m_miniShowYear = nullptr;
    // The Extras tab: one column of option groups.
    QVBoxLayout *m_extrasGroups = nullptr;
    QButtonGroup *m_weekNumbers = nullptr;
    QCheckBox *m_moonPhases = nullptr;
    QComboBox *m_holidayCountry = nullptr;
    QComboBox *m_holidayRegion = nullptr;
    QPushButton *m_holidayColour = nullptr;
    QCheckBox *m_holidaySundays = nullptr;
    QCheckBox *m_holidayNames = nullptr;
    QComboBox *m_headerStyle = nullptr;
    QComboBox *m_miniHeaderStyle = nullptr;
    QComboBox *m_lineLayout = nullptr;
    QComboBox *m_miniLineLayout = nullptr;
    QPushButton *m_startingTime = nullptr;
    QLabel *m_timeLabel = nullptr;
    QPlainTextEdit *m_monthNames = nullptr;
    QPlainTextEdit *m_dayNames = nullptr;
    QCheckBox *m_localeDates = nullptr;
    std::array<QComboBox *, 4> m_margins{};
    QRadioButton *m_useInches = nullptr;
    QRadioButton *m_useMillimeters = nullptr;
    QListWidget *m_borderFiles = nullptr;
    QLabel *m_zoomLabel = nullptr;
    std::array<QPushButton *, 6> m_fontButtons{};
    std::array<QPushButton *, 4> m_colorButtons{};
};

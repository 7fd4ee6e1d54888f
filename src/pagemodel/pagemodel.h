// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calendar/borderpicture.h"
#include "calendar/boxgeometry.h"
#include "calendar/calendarnames.h"
#include "calendar/calendartexts.h"
#include "calendar/celltable.h"
#include "calendar/daymarks.h"
#include "calendar/documentoptions.h"
#include "calendar/layouttable.h"
#include "calendar/pagedocument.h"
#include "calendar/pagelayout.h"
#include "calendar/pagesettings.h"
#include "calendar/pagetypes.h"
#include "richtext/celltextrenderer.h"
#include "richtext/rtfstorage.h"
#include "graphics/tcolor.h"
#include "graphics/tfont.h"

#include <QDate>
#include <QLocale>
#include <QList>
#include <QRect>
#include <QSize>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class ObjectHost;
class TGGraphicControl;

// One calendar page without a widget: its settings and strokes, the rich texts of its 42
// day cells, the layout computed from them, the cell table at the zoom it is shown at, the
// border picture and the freeform objects (back to front). It needs a QGuiApplication at
// most, so images, PDF files and documents are made from it without a window. A view that
// shows it (the page widget) learns of its changes through the change handler.
class PageModel
{
public:
    using ObjectList = std::vector<std::unique_ptr<TGGraphicControl>>;
    // What changed: the layout (the page's size may differ), or only what it shows.
    enum class Change { Layout, Content };
    using ChangeHandler = std::function<void(Change)>;

    PageModel();
    ~PageModel();
    PageModel(const PageModel &) = delete;
    PageModel &operator=(const PageModel &) = delete;

    // The one handler told of every change; an empty handler is allowed.
    void setChangeHandler(ChangeHandler handler) { m_changed = std::move(handler); }

    // Page settings; setters of values that move things recompute the layout.
    TCalendarLayout CalendarLayout() const { return m_settings.calendarLayout; }
    void SetCalendarLayout(TCalendarLayout layout);
    TCalendarOrientation CalendarOrientation() const { return m_settings.orientation; }
    void SetCalendarOrientation(TCalendarOrientation orientation);
    int PaperSize() const { return m_settings.paperSize; }
    void SetPaperSize(int paperSize);
    float LeftMarginInch() const { return m_settings.leftMargin; }
    float TopMarginInch() const { return m_settings.topMargin; }
    float RightMarginInch() const { return m_settings.rightMargin; }
    float BottomMarginInch() const { return m_settings.bottomMargin; }
    void SetLeftMarginInch(float inches);
    void SetTopMarginInch(float inches);
    void SetRightMarginInch(float inches);
    void SetBottomMarginInch(float inches);
    int MainCalDay() const { return m_settings.day; }
    int MainCalMonth() const { return m_settings.month; }
    int MainCalYear() const { return m_settings.year; }
    void SetMainCalDay(int day);
    // Months outside 1..12 and years outside 1..9999 are brought into range.
    void SetMainCalMonth(int month);
    void SetMainCalYear(int year);
    int StartOfWeek() const { return m_settings.startOfWeek; }
    void SetStartOfWeek(int startOfWeek);
    TDateTime DayPlannerStartTime() const { return m_settings.dayPlannerStart; }
    void SetDayPlannerStartTime(TDateTime time);
    QString WMFBorderFile() const { return m_settings.borderFile; }
    void SetWMFBorderFile(const QString &name);
    const BorderPicture &borderPicture() const { return m_borderPicture; }
    // Screen pixels per inch that page pixels are measured in.
    int pixelsPerInch() const { return m_ppi; }
    void setPixelsPerInch(int ppi);

    // Style settings; setters tell the view to paint again.
    TCalendarLineLayout CalendarLineLayout() const { return m_settings.lineLayout; }
    void SetCalendarLineLayout(TCalendarLineLayout lineLayout);
    TMiniCalendarLineLayout MiniCalendarLineLayout() const { return m_settings.miniLineLayout; }
    void SetMiniCalendarLineLayout(TMiniCalendarLineLayout lineLayout);
    const MonthBorders &mainBorders() const { return m_mainBorders; }
    const MonthBorders &miniBorders() const { return m_miniBorders; }
    void SetCalendarBorder(TCalBorderStyle style);
    void SetHeadersBorder(TCalBorderStyle style);
    void SetCellBorder(TCalBorderStyle style);
    void SetMiniCalBorder(TCalBorderStyle style);
    void SetMiniHeadersBorder(TCalBorderStyle style);
    void SetMiniCellBorder(TCalBorderStyle style);
    void SetTitleBGColor(TColor color);
    void SetHeadersBGColor(TColor color);
    void SetMiniCalBGColor(TColor color);
    void SetMiniHeadersBGColor(TColor color);
    // Font setters always copy.
    void SetTitleFont(const TFont &font);
    void SetHeadersFont(const TFont &font);
    void SetCellFont(const TFont &font);
    void SetMiniTitleFont(const TFont &font);
    void SetMiniHeadersFont(const TFont &font);
    void SetMiniCellFont(const TFont &font);
    void SetTitleShowYear(bool show);
    void SetMiniShowYear(bool show);
    void SetHeadersStyle(TCalHeadersStyle style);
    void SetMiniHeadersStyle(TCalHeadersStyle style);
    TCalendarNumberPosition NumberPosition() const { return m_numberPosition; }
    void SetNumberPosition(TCalendarNumberPosition position);
    // Options of Orvane's own (PageOptions), kept with the page and saved after the
    // document's lists. Options can move things, so a change recomputes the layout.
    const DocumentOptions &options() const { return m_options; }
    void setOptions(const DocumentOptions &options);
    // What the options mark on the days the page shows (holidays, moon phases), kept current with the
    // options, the dates and the layout.
    const DayMarks &dayMarks() const { return m_dayMarks; }
    // The first and last day of everything the page shows: its month, a planner's days and
    // the mini calendars' months.
    struct ShownDays
    {
        QDate first;
        QDate last;
    };
    ShownDays shownDays() const;
    QString UserTitle() const { return m_settings.userTitle; }
    void SetUserTitle(const QString &title);

    // Names: indexes 1..12 and 1..7; other indexes leave name untouched or are ignored.
    // Setting a name tells no view; the caller does.
    void GetMonthName(int index, QString &name) const;
    void SetMonthName(int index, const QString &name);
    void GetDayName(int index, QString &name) const;
    void SetDayName(int index, const QString &name);
    const CalendarNames &names() const { return m_settings.names; }
    void setNames(const CalendarNames &names) { m_settings.names = names; }

    // Layout results in unzoomed page pixels.
    void RecalcLayout(bool resetMiniFonts);
    const PageLayout &pageLayout() const { return m_layout; }
    int PageWidth() const { return m_layout.pageWidth; }
    int PageHeight() const { return m_layout.pageHeight; }
    // The paper at a zoom, and at the zoom shown, in pixels from (0, 0).
    QSize sizeAtZoom(float zoom) const;
    QRect paperRect() const { return QRect(QPoint(0, 0), sizeAtZoom(m_zoom)); }
    PageRect MarginRect() const { return m_layout.marginRect; }
    PageRect CalendarRect() const { return m_layout.calendarRect; }
    int MiniCount() const { return m_layout.miniCount; }
    bool ShowMainCalendar() const { return m_layout.showMainCalendar; }
    bool ShowMiniCalendars() const { return m_layout.showMiniCalendars; }
    bool IsPlanner() const { return m_layout.isPlanner; }

    // The zoom the page is shown at (1.0 = 100 %): the cell table and the objects are kept
    // at it, and images are painted at it. It is a view of the page: nothing stored changes.
    float zoom() const { return m_zoom; }
    void setZoom(float zoom);

    // The language the page writes its titles, labels and times in when it follows the
    // language's conventions (PageOptions::localeDates); none for the classic texts.
    std::optional<QLocale> dateLocale() const;
    // The texts of the page's titles and labels.
    PageTexts texts() const { return PageTexts(m_settings.names, dateLocale()); }
    // Titles and planner labels as the page shows them.
    QString titleText() const;
    // The first day of a week planner and the day of a day planner; the stored day is
    // kept within the month so a page that never chose a day still has a date.
    QDate plannerDate() const;
    PlannerLabels plannerLabels() const;

    // Cells 1..42.
    TWPRtfStorage GetCellRtfText(int cell, const TWPRtfStorage &fallback) const;
    void SetCellRtfText(int cell, const TWPRtfStorage &source);
    // The stored text of a cell 1..42, for painting it without a copy.
    const TWPRtfStorage &cellText(int cell) const { return m_cellTexts[size_t(cell - 1)]; }
    // The stored text of a cell 1..42 for an editor that keeps it while the cell is open;
    // it writes back through SetCellRtfText, which tells the view.
    TWPRtfStorage &editableCellText(int cell) { return m_cellTexts[size_t(cell - 1)]; }
    int DayOfCell(int cell) const;
    int CellOfDay(int day) const;
    int CellAtPoint(int x, int y) const;
    bool PointInCell(int x, int y) const { return CellAtPoint(x, y) != 0; }
    void ClearAllCells();
    bool HasCellText() const;
    // The days a planner shows (7, 14, or 1 for a day planner); 0 for other layouts.
    int PlannerSpanDays() const;
    // The date a planner's cell stands for (every cell of a day planner is its one day);
    // invalid for other layouts.
    QDate cellDate(int cell) const;
    // The dates of a planner's cells that hold text.
    QList<QDate> textDates() const;
    // After a planner's starting date changed from oldStart: each text moves to the cell of
    // its date; texts whose dates left the page are dropped.
    void moveTextsWithDates(const QDate &oldStart);
    // What the cells stand for; texts keep their meaning only while this stays the same.
    CellKind LayoutKind() const;
    // The last cell whose text is drawn: a planner's rows, else every cell.
    int lastTextCell() const;

    // The cell table at the zoom shown, kept up to date (UpdateCellTable()) whenever the
    // page's settings, layout or zoom change, so painting and hit tests only read it.
    const CellTable &cellTable() const { return m_cells; }
    CellTable computeCellTable() const { return computeCellTable(m_zoom); }
    CellTable computeCellTable(float zoom) const;
    void UpdateCellTable();

    // Day cell texts are painted through this renderer, which the page owns; painting loads
    // each text into it, which changes nothing of the page.
    void setCellRenderer(std::unique_ptr<CellTextRenderer> renderer);
    CellTextRenderer &cellRenderer() const { return *m_cellRenderer; }

    // The values the main window's page and the properties dialog's example page start
    // with, which differ from the constructor's; the example page has a larger title.
    void applyFormInitialValues(bool examplePage);

    void AssignSettings(const PageModel &source);
    bool SameSettings(const PageModel &other) const { return m_settings == other.m_settings; }
    // The settings that SameSettings compares and AssignSettings copies.
    const PageSettings &settings() const { return m_settings; }
    // What documents and style sheets keep of the page.
    PageDocument document() const;
    // A whole document: settings, strokes and cell texts, through the setters.
    void applyDocument(const PageDocument &doc);
    // A style sheet: the settings of the page block and the border picture.
    void applyStyle(const PageDocument &doc);
    // The new-calendar style, dated 'today'.
    void ResetToDefaults(const QDate &today = QDate::currentDate());

    // The freeform objects, back to front: the last one is drawn on top. A view that shows
    // the page manages them in place through objectList() (selection, order, removal).
    const ObjectList &objects() const { return m_objects; }
    ObjectList &objectList() { return m_objects; }
    // The host objects taken in from now on report to (the view); none without a view.
    void setObjectHost(ObjectHost *host) { m_objectHost = host; }
    // Puts an object in front of the others as a document reader does: no name, no change
    // reported; it takes the page's resolution and zoom.
    TGGraphicControl *appendObject(std::unique_ptr<TGGraphicControl> object);
    // Objects read from a document, in file order: each is told loading has finished and
    // is appended back to front.
    void adoptReadObjects(ObjectList objects);
    bool HasDrawingObjects() const { return !m_objects.empty(); }
    bool HasSuperTextObjects() const;

private:
    void setConstructorValues();
    void loadBorder(const QString &name);
    void changed(Change change);
    void repaintPage();
    template<typename T>
    void setAndRepaint(T &member, const T &value);
    void setMargin(float &margin, float inches);
    PageLayoutInput layoutInput() const;
    void resetMiniFonts();
    void updateDayMarks();
    MonthBoxMetrics mainMonthMetrics(float zoom) const;
    void copySettingsFrom(const PageModel &source);
    void connectObject(TGGraphicControl &object) const;

    PageSettings m_settings;
    MonthBorders m_mainBorders;
    MonthBorders m_miniBorders{cbAll, cbBottom, cbNone};
    BorderPicture m_borderPicture;
    int m_ppi = 96;
    float m_zoom = 1.0f;

    TCalendarNumberPosition m_numberPosition = cnpUpperRight;
    DocumentOptions m_options;
    DayMarks m_dayMarks;

    std::array<TWPRtfStorage, CellCount> m_cellTexts;
    TWPRtfStorage m_blankCellText;
    CellTable m_cells;
    PageLayout m_layout;

    std::unique_ptr<CellTextRenderer> m_cellRenderer;
    ObjectList m_objects;
    ObjectHost *m_objectHost = nullptr;
    ChangeHandler m_changed;
};

// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calendar/borderpicture.h"
#include "calendar/caldrawinfo.h"
#include "calendar/calendarnames.h"
#include "calendar/calendartexts.h"
#include "calendar/celltable.h"
#include "calendar/layouttable.h"
#include "calendar/pagelayout.h"
#include "calendar/pagedocument.h"
#include "calendar/pagesettings.h"
#include "calendar/pagetypes.h"
#include "richtext/celltextrenderer.h"
#include "richtext/rtfstorage.h"
#include "graphics/tcolor.h"
#include "graphics/tfont.h"
#include "surface/gbasepanel.h"

#include <QImage>
#include <QPolygon>

#include <functional>
#include <memory>

class Canvas;
class ReportCanvas;
class TCalendarPanel32;

// The calendar page: page settings, style, the rich texts of the 42 day cells and the
// layout computed from them. It owns its fonts, cell storages and border picture.
class TCalendarPanel32 : public TGBasePanel
{
    Q_OBJECT

public:
    explicit TCalendarPanel32(QWidget *parent = nullptr);
    ~TCalendarPanel32() override;

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
    int pixelsPerInch() const override { return m_ppi; }
    void setPixelsPerInch(int ppi);

    // Style settings; setters repaint.
    TCalendarLineLayout CalendarLineLayout() const { return m_settings.lineLayout; }
    void SetCalendarLineLayout(TCalendarLineLayout lineLayout);
    TMiniCalendarLineLayout MiniCalendarLineLayout() const { return m_settings.miniLineLayout; }
    void SetMiniCalendarLineLayout(TMiniCalendarLineLayout lineLayout);
    TCalBorderStyle CalendarBorder() const { return m_mainBorders.frame; }
    TCalBorderStyle HeadersBorder() const { return m_mainBorders.headers; }
    TCalBorderStyle CellBorder() const { return m_mainBorders.cell; }
    TCalBorderStyle MiniCalBorder() const { return m_miniBorders.frame; }
    TCalBorderStyle MiniHeadersBorder() const { return m_miniBorders.headers; }
    TCalBorderStyle MiniCellBorder() const { return m_miniBorders.cell; }
    void SetCalendarBorder(TCalBorderStyle style);
    void SetHeadersBorder(TCalBorderStyle style);
    void SetCellBorder(TCalBorderStyle style);
    void SetMiniCalBorder(TCalBorderStyle style);
    void SetMiniHeadersBorder(TCalBorderStyle style);
    void SetMiniCellBorder(TCalBorderStyle style);
    TColor TitleBGColor() const { return m_settings.main.titleBGColor; }
    TColor HeadersBGColor() const { return m_settings.main.headersBGColor; }
    TColor MiniCalBGColor() const { return m_settings.mini.titleBGColor; }
    TColor MiniHeadersBGColor() const { return m_settings.mini.headersBGColor; }
    void SetTitleBGColor(TColor color);
    void SetHeadersBGColor(TColor color);
    void SetMiniCalBGColor(TColor color);
    void SetMiniHeadersBGColor(TColor color);
    // Font setters always copy and repaint.
    const TFont &TitleFont() const { return m_settings.main.titleFont; }
    const TFont &HeadersFont() const { return m_settings.main.headersFont; }
    const TFont &CellFont() const { return m_settings.main.cellFont; }
    const TFont &MiniTitleFont() const { return m_settings.mini.titleFont; }
    const TFont &MiniHeadersFont() const { return m_settings.mini.headersFont; }
    const TFont &MiniCellFont() const { return m_settings.mini.cellFont; }
    void SetTitleFont(const TFont &font);
    void SetHeadersFont(const TFont &font);
    void SetCellFont(const TFont &font);
    void SetMiniTitleFont(const TFont &font);
    void SetMiniHeadersFont(const TFont &font);
    void SetMiniCellFont(const TFont &font);
    bool TitleShowYear() const { return m_settings.main.showYear; }
    bool MiniShowYear() const { return m_settings.mini.showYear; }
    void SetTitleShowYear(bool show);
    void SetMiniShowYear(bool show);
    TCalHeadersStyle HeadersStyle() const { return m_settings.main.headersStyle; }
    TCalHeadersStyle MiniHeadersStyle() const { return m_settings.mini.headersStyle; }
    void SetHeadersStyle(TCalHeadersStyle style);
    void SetMiniHeadersStyle(TCalHeadersStyle style);
    TCalendarNumberPosition NumberPosition() const { return m_numberPosition; }
    // Options of Orvane's own, kept with the page and saved after the document's lists.
    const DocumentOptions &options() const { return m_options; }
    void setOptions(const DocumentOptions &options) { m_options = options; }
    void SetNumberPosition(TCalendarNumberPosition position);
    QString UserTitle() const { return m_settings.userTitle; }
    void SetUserTitle(const QString &title);
    TLPanelState PanelState() const { return m_panelState; }
    void SetPanelState(TLPanelState state);

    // Names: indexes 1..12 and 1..7; other indexes leave name untouched or are ignored.
    // Setting a name does not repaint; the caller does.
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
    // The paper at the zoom, as large as the layout makes the page widget.
    QRect paperRect() const override;
    PageRect MarginRect() const { return m_layout.marginRect; }
    PageRect CalendarRect() const { return m_layout.calendarRect; }
    int MiniCount() const { return m_layout.miniCount; }
    bool ShowMainCalendar() const { return m_layout.showMainCalendar; }
    bool ShowMiniCalendars() const { return m_layout.showMiniCalendars; }
    bool IsPlanner() const { return m_layout.isPlanner; }

    // Titles and planner labels as the page shows them.
    QString titleText() const;
    // The first day of a week planner and the day of a day planner; the stored day is
    // kept within the month so a page that never chose a day still has a date.
    QDate plannerDate() const;
    PlannerLabels plannerLabels() const;

    // Cells 1..42.
    TWPRtfStorage GetCellRtfText(int cell, const TWPRtfStorage &fallback) const;
    void SetCellRtfText(int cell, const TWPRtfStorage &source);
    int DayOfCell(int cell) const;
    int CellOfDay(int day) const;
    int CellAtPoint(int x, int y) const;
    bool PointInCell(int x, int y) const;
    void OpenCellAtPoint(int x, int y);
    void OpenCell(int cell);
    void OpenPreviousCell(int cell);
    void OpenNextCell(int cell);
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
    bool HasEditableCells() const;

    // The cell table at the zoom shown, kept up to date (UpdateCellTable()) whenever the
    // page's settings, layout or zoom change, so painting and hit tests only read it.
    const CellTable &cellTable() const { return m_cells; }
    CellTable computeCellTable() const;
    CellTable computeCellTable(float zoom) const;
    void UpdateCellTable();

    // Painting. The page is composed off screen and copied in one piece; every paint
    // rewrites the cell table. A paint is skipped while PaintSuspended is set, while a
    // paint runs and while the page is hidden, and the cell table then keeps its values.
    // The page as shown, at the control's size (the zoom applied), for image export; a
    // null image for a page of more than 256 million pixels.
    QImage RenderToBitmap();
    // Draws the page unzoomed on a report canvas; offsets in inches.
    void PrintPage(ReportCanvas &report, double offsetX, double offsetY);
    // Day cell texts are painted through this renderer; the page owns it.
    void setCellRenderer(std::unique_ptr<CellTextRenderer> renderer);
    CellTextRenderer &cellRenderer() { return *m_cellRenderer; }
    // The small triangle in the bottom-right corner of a cell's free rectangle that the
    // screen shows where a cell's text runs past it; empty where the cell is too small.
    static QPolygon overflowMark(const PageRect &free);
    static constexpr int OverflowMarkSide = 9;
    // A strong red that stands out on the white cell and from black text.
    static constexpr QRgb OverflowMarkColor = 0xFFD00000;

    // The values the main window's page and the properties dialog's example page start
    // with, which differ from the constructor's; the example page has a larger title.
    void applyFormInitialValues(bool examplePage);

    void AssignSettings(const TCalendarPanel32 &source);
    bool SameSettings(const TCalendarPanel32 &other) const;
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

    // Events; an empty handler counts as not assigned.
    using CellHandler = std::function<void(TCalendarPanel32 &page, const PageRect &rTotal,
                                           const PageRect &rFree, int iCell, int iDay,
                                           TWPRtfStorage &rtfstorage)>;
    using NotifyHandler = std::function<void(TCalendarPanel32 &page)>;
    void setClickedInCellEvent(CellHandler handler) { m_clickedInCell = std::move(handler); }
    void setOnClick(NotifyHandler handler) { m_onClick = std::move(handler); }
    void setOnClickedHeader(NotifyHandler handler) { m_onClickedHeader = std::move(handler); }
    void setOnClickedDaysArea(NotifyHandler handler) { m_onClickedDaysArea = std::move(handler); }
    // The page's click at a point in zoomed page pixels.
    void Click(const QPoint &point);

    // Drawing tools. A dragged-out rectangle becomes a label or a floating calendar
    // named "Special" + n; the page returns to the pointer and a label opens its text
    // dialog, and a cancelled dialog takes the new object away. Other kinds come from the
    // factory.
    void CreateObjectInRect(const PageRect &rect) override;
    bool HasDrawingObjects() const;
    bool HasSuperTextObjects() const;
    // The hidden cell renderer counts as a child control of its own, so the surface
    // menu's Lock All and Unlock All are always offered on the page.
    int childControlCount() const override;
    // A dragged-out rectangle widened to the smallest object a tool makes.
    static PageRect toolRectangle(const PageRect &rect);

signals:
    void layoutRecalculated();

protected:
    void paintEvent(QPaintEvent *event) override;
    void surfaceClicked(const QPoint &point) override;
    // The paper at that zoom, as RecalcLayout sizes the page.
    QSize sizeAtZoom(float factor) const override;
    void ZoomChanged() override;
    bool focusNextPrevChild(bool next) override;

private:
    void setConstructorValues();
    void loadBorder(const QString &name);
    void repaintPage();
    template<typename T>
    void setAndRepaint(T &member, const T &value);
    void raiseCellEvent(int cell);
    void setMargin(float &margin, float inches);
    PageLayoutInput layoutInput() const;
    void resetMiniFonts();
    MonthBoxMetrics mainMonthMetrics(float zoom) const;
    void setCursorForTool(bool tool);
    void copySettingsFrom(const TCalendarPanel32 &source);

    // What the page paints over its cells besides their texts.
    enum class CellMarks { None, Overflow };
    QImage composePage(qreal pixelRatio, CellMarks marks) const;
    void paintPage(Canvas &canvas, CellMarks marks) const;
    // Draw blocks with the fonts at fontZoom; the caller sets the box.
    TCalDrawInfo mainDrawInfo(float fontZoom) const;
    TCalDrawInfo miniDrawInfo(int index, float fontZoom) const;
    // Draws the main calendar or planner; false when the layout has neither.
    bool drawMainCalendar(Canvas &canvas, TCalDrawInfo &info) const;
    void drawCellTexts(Canvas &canvas, const CellTable &cells, CellMarks marks) const;
    void drawCellText(Canvas &canvas, int cell, const PageRect &free, CellMarks marks) const;
    static void paintOverflowMark(QPainter &painter, const PageRect &free);
    void printCellTexts(ReportCanvas &report, const CellTable &cells) const;
    int lastTextCell() const;

    PageSettings m_settings;
    MonthBorders m_mainBorders;
    MonthBorders m_miniBorders{cbAll, cbBottom, cbNone};
    BorderPicture m_borderPicture;
    int m_ppi = 96;

    TCalendarNumberPosition m_numberPosition = cnpUpperRight;
    DocumentOptions m_options;
    TLPanelState m_panelState = psPointing;
    bool m_cursorOverridden = false;
    bool m_creatingObject = false;

    std::array<TWPRtfStorage, CellCount> m_cellTexts;
    TWPRtfStorage m_blankCellText;
    CellTable m_cells;
    PageLayout m_layout;

    std::unique_ptr<CellTextRenderer> m_cellRenderer;
    bool m_painting = false;

    CellHandler m_clickedInCell;
    NotifyHandler m_onClick;
    NotifyHandler m_onClickedHeader;
    NotifyHandler m_onClickedDaysArea;
};

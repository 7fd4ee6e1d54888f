// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pagemodel/pagemodel.h"
#include "pagemodel/pagepainter.h"
#include "objects/objectkinds.h"
#include "surface/gbasepanel.h"

#include <QImage>
#include <QPolygon>

#include <functional>
#include <memory>

class ReportCanvas;

// The calendar page widget: the view of one page model. It shows the page at its zoom,
// routes the mouse and keys between the day cells, the objects and the drawing tools, and
// opens the cells' editors through its events. The page's own values live in the model;
// the methods that read and change them here pass through to it, and every change of the
// model, by whoever makes it, repaints the view (and resizes it when the layout changed).
class TCalendarPanel32 : public TGBasePanel
{
    Q_OBJECT

public:
    explicit TCalendarPanel32(QWidget *parent = nullptr);
    ~TCalendarPanel32() override;

    PageModel &model() { return m_model; }
    const PageModel &model() const { return m_model; }

    // Page settings; setters of values that move things recompute the layout.
    TCalendarLayout CalendarLayout() const { return m_model.CalendarLayout(); }
    void SetCalendarLayout(TCalendarLayout layout) { m_model.SetCalendarLayout(layout); }
    TCalendarOrientation CalendarOrientation() const { return m_model.CalendarOrientation(); }
    void SetCalendarOrientation(TCalendarOrientation orientation) { m_model.SetCalendarOrientation(orientation); }
    int PaperSize() const { return m_model.PaperSize(); }
    void SetPaperSize(int paperSize) { m_model.SetPaperSize(paperSize); }
    float LeftMarginInch() const { return m_model.LeftMarginInch(); }
    float TopMarginInch() const { return m_model.TopMarginInch(); }
    float RightMarginInch() const { return m_model.RightMarginInch(); }
    float BottomMarginInch() const { return m_model.BottomMarginInch(); }
    void SetLeftMarginInch(float inches) { m_model.SetLeftMarginInch(inches); }
    void SetTopMarginInch(float inches) { m_model.SetTopMarginInch(inches); }
    void SetRightMarginInch(float inches) { m_model.SetRightMarginInch(inches); }
    void SetBottomMarginInch(float inches) { m_model.SetBottomMarginInch(inches); }
    int MainCalDay() const { return m_model.MainCalDay(); }
    int MainCalMonth() const { return m_model.MainCalMonth(); }
    int MainCalYear() const { return m_model.MainCalYear(); }
    void SetMainCalDay(int day) { m_model.SetMainCalDay(day); }
    // Months outside 1..12 and years outside 1..9999 are brought into range.
    void SetMainCalMonth(int month) { m_model.SetMainCalMonth(month); }
    void SetMainCalYear(int year) { m_model.SetMainCalYear(year); }
    int StartOfWeek() const { return m_model.StartOfWeek(); }
    void SetStartOfWeek(int startOfWeek) { m_model.SetStartOfWeek(startOfWeek); }
    TDateTime DayPlannerStartTime() const { return m_model.DayPlannerStartTime(); }
    void SetDayPlannerStartTime(TDateTime time) { m_model.SetDayPlannerStartTime(time); }
    QString WMFBorderFile() const { return m_model.WMFBorderFile(); }
    void SetWMFBorderFile(const QString &name) { m_model.SetWMFBorderFile(name); }
    const BorderPicture &borderPicture() const { return m_model.borderPicture(); }
    // Screen pixels per inch that page pixels are measured in.
    int pixelsPerInch() const override { return m_model.pixelsPerInch(); }
    void setPixelsPerInch(int ppi) { m_model.setPixelsPerInch(ppi); }

    // Style settings.
    TCalendarLineLayout CalendarLineLayout() const { return m_model.CalendarLineLayout(); }
    void SetCalendarLineLayout(TCalendarLineLayout lineLayout) { m_model.SetCalendarLineLayout(lineLayout); }
    TMiniCalendarLineLayout MiniCalendarLineLayout() const { return m_model.MiniCalendarLineLayout(); }
    void SetMiniCalendarLineLayout(TMiniCalendarLineLayout lineLayout) { m_model.SetMiniCalendarLineLayout(lineLayout); }
    TCalBorderStyle CalendarBorder() const { return m_model.mainBorders().frame; }
    TCalBorderStyle HeadersBorder() const { return m_model.mainBorders().headers; }
    TCalBorderStyle CellBorder() const { return m_model.mainBorders().cell; }
    TCalBorderStyle MiniCalBorder() const { return m_model.miniBorders().frame; }
    TCalBorderStyle MiniHeadersBorder() const { return m_model.miniBorders().headers; }
    TCalBorderStyle MiniCellBorder() const { return m_model.miniBorders().cell; }
    void SetCalendarBorder(TCalBorderStyle style) { m_model.SetCalendarBorder(style); }
    void SetHeadersBorder(TCalBorderStyle style) { m_model.SetHeadersBorder(style); }
    void SetCellBorder(TCalBorderStyle style) { m_model.SetCellBorder(style); }
    void SetMiniCalBorder(TCalBorderStyle style) { m_model.SetMiniCalBorder(style); }
    void SetMiniHeadersBorder(TCalBorderStyle style) { m_model.SetMiniHeadersBorder(style); }
    void SetMiniCellBorder(TCalBorderStyle style) { m_model.SetMiniCellBorder(style); }
    TColor TitleBGColor() const { return settings().main.titleBGColor; }
    TColor HeadersBGColor() const { return settings().main.headersBGColor; }
    TColor MiniCalBGColor() const { return settings().mini.titleBGColor; }
    TColor MiniHeadersBGColor() const { return settings().mini.headersBGColor; }
    void SetTitleBGColor(TColor color) { m_model.SetTitleBGColor(color); }
    void SetHeadersBGColor(TColor color) { m_model.SetHeadersBGColor(color); }
    void SetMiniCalBGColor(TColor color) { m_model.SetMiniCalBGColor(color); }
    void SetMiniHeadersBGColor(TColor color) { m_model.SetMiniHeadersBGColor(color); }
    // Font setters always copy.
    const TFont &TitleFont() const { return settings().main.titleFont; }
    const TFont &HeadersFont() const { return settings().main.headersFont; }
    const TFont &CellFont() const { return settings().main.cellFont; }
    const TFont &MiniTitleFont() const { return settings().mini.titleFont; }
    const TFont &MiniHeadersFont() const { return settings().mini.headersFont; }
    const TFont &MiniCellFont() const { return settings().mini.cellFont; }
    void SetTitleFont(const TFont &font) { m_model.SetTitleFont(font); }
    void SetHeadersFont(const TFont &font) { m_model.SetHeadersFont(font); }
    void SetCellFont(const TFont &font) { m_model.SetCellFont(font); }
    void SetMiniTitleFont(const TFont &font) { m_model.SetMiniTitleFont(font); }
    void SetMiniHeadersFont(const TFont &font) { m_model.SetMiniHeadersFont(font); }
    void SetMiniCellFont(const TFont &font) { m_model.SetMiniCellFont(font); }
    bool TitleShowYear() const { return settings().main.showYear; }
    bool MiniShowYear() const { return settings().mini.showYear; }
    void SetTitleShowYear(bool show) { m_model.SetTitleShowYear(show); }
    void SetMiniShowYear(bool show) { m_model.SetMiniShowYear(show); }
    TCalHeadersStyle HeadersStyle() const { return settings().main.headersStyle; }
    TCalHeadersStyle MiniHeadersStyle() const { return settings().mini.headersStyle; }
    void SetHeadersStyle(TCalHeadersStyle style) { m_model.SetHeadersStyle(style); }
    void SetMiniHeadersStyle(TCalHeadersStyle style) { m_model.SetMiniHeadersStyle(style); }
    TCalendarNumberPosition NumberPosition() const { return m_model.NumberPosition(); }
    void SetNumberPosition(TCalendarNumberPosition position) { m_model.SetNumberPosition(position); }
    // Options of Orvane's own, kept with the page and saved after the document's lists.
    const DocumentOptions &options() const { return m_model.options(); }
    void setOptions(const DocumentOptions &options) { m_model.setOptions(options); }
    QString UserTitle() const { return m_model.UserTitle(); }
    void SetUserTitle(const QString &title) { m_model.SetUserTitle(title); }
    // The drawing tool in use; the pointer shows the normal cursor, the others the tool's.
    TLPanelState PanelState() const { return m_panelState; }
    void SetPanelState(TLPanelState state);

    // Names: indexes 1..12 and 1..7; other indexes leave name untouched or are ignored.
    // Setting a name does not repaint; the caller does.
    void GetMonthName(int index, QString &name) const { m_model.GetMonthName(index, name); }
    void SetMonthName(int index, const QString &name) { m_model.SetMonthName(index, name); }
    void GetDayName(int index, QString &name) const { m_model.GetDayName(index, name); }
    void SetDayName(int index, const QString &name) { m_model.SetDayName(index, name); }
    const CalendarNames &names() const { return m_model.names(); }
    void setNames(const CalendarNames &names) { m_model.setNames(names); }

    // Layout results in unzoomed page pixels.
    void RecalcLayout(bool resetMiniFonts) { m_model.RecalcLayout(resetMiniFonts); }
    const PageLayout &pageLayout() const { return m_model.pageLayout(); }
    int PageWidth() const { return m_model.PageWidth(); }
    int PageHeight() const { return m_model.PageHeight(); }
    // The paper at the zoom, as large as the layout makes the page widget.
    QRect paperRect() const override;
    PageRect MarginRect() const { return m_model.MarginRect(); }
    PageRect CalendarRect() const { return m_model.CalendarRect(); }
    int MiniCount() const { return m_model.MiniCount(); }
    bool ShowMainCalendar() const { return m_model.ShowMainCalendar(); }
    bool ShowMiniCalendars() const { return m_model.ShowMiniCalendars(); }
    bool IsPlanner() const { return m_model.IsPlanner(); }

    // Titles and planner labels as the page shows them.
    QString titleText() const { return m_model.titleText(); }
    QDate plannerDate() const { return m_model.plannerDate(); }
    PlannerLabels plannerLabels() const { return m_model.plannerLabels(); }

    // Cells 1..42.
    TWPRtfStorage GetCellRtfText(int cell, const TWPRtfStorage &fallback) const
    {
        return m_model.GetCellRtfText(cell, fallback);
    }
    void SetCellRtfText(int cell, const TWPRtfStorage &source) { m_model.SetCellRtfText(cell, source); }
    int DayOfCell(int cell) const { return m_model.DayOfCell(cell); }
    int CellOfDay(int day) const { return m_model.CellOfDay(day); }
    int CellAtPoint(int x, int y) const { return m_model.CellAtPoint(x, y); }
    bool PointInCell(int x, int y) const { return m_model.PointInCell(x, y); }
    void OpenCellAtPoint(int x, int y);
    void OpenCell(int cell);
    void OpenPreviousCell(int cell);
    void OpenNextCell(int cell);
    void ClearAllCells() { m_model.ClearAllCells(); }
    bool HasCellText() const { return m_model.HasCellText(); }
    int PlannerSpanDays() const { return m_model.PlannerSpanDays(); }
    QDate cellDate(int cell) const { return m_model.cellDate(cell); }
    QList<QDate> textDates() const { return m_model.textDates(); }
    void moveTextsWithDates(const QDate &oldStart) { m_model.moveTextsWithDates(oldStart); }
    CellKind LayoutKind() const { return m_model.LayoutKind(); }
    // Whether the layout's cells take text and the page is shown.
    bool HasEditableCells() const;

    // The cell table at the zoom shown (see PageModel).
    const CellTable &cellTable() const { return m_model.cellTable(); }
    CellTable computeCellTable() const { return m_model.computeCellTable(); }
    CellTable computeCellTable(float zoom) const { return m_model.computeCellTable(zoom); }
    void UpdateCellTable() { m_model.UpdateCellTable(); }

    // Painting. The page is composed off screen and copied in one piece. A paint is
    // skipped while PaintSuspended is set, while a paint runs and while the page is hidden.
    // The page as shown, at the control's size (the zoom applied), for image export; a
    // null image for a page of more than 256 million pixels.
    QImage RenderToBitmap() const;
    // Draws the page unzoomed on a report canvas; offsets in inches.
    void PrintPage(ReportCanvas &report, double offsetX, double offsetY) const;
    // Day cell texts are painted through this renderer; the page owns it.
    void setCellRenderer(std::unique_ptr<CellTextRenderer> renderer) { m_model.setCellRenderer(std::move(renderer)); }
    CellTextRenderer &cellRenderer() { return m_model.cellRenderer(); }
    static QPolygon overflowMark(const PageRect &free) { return PagePainter::overflowMark(free); }
    static constexpr int OverflowMarkSide = PagePainter::OverflowMarkSide;
    static constexpr QRgb OverflowMarkColor = PagePainter::OverflowMarkColor;

    void applyFormInitialValues(bool examplePage) { m_model.applyFormInitialValues(examplePage); }

    void AssignSettings(const TCalendarPanel32 &source) { m_model.AssignSettings(source.m_model); }
    bool SameSettings(const TCalendarPanel32 &other) const { return m_model.SameSettings(other.m_model); }
    const PageSettings &settings() const { return m_model.settings(); }
    PageDocument document() const { return m_model.document(); }
    void applyDocument(const PageDocument &doc) { m_model.applyDocument(doc); }
    void applyStyle(const PageDocument &doc) { m_model.applyStyle(doc); }
    void ResetToDefaults(const QDate &today = QDate::currentDate()) { m_model.ResetToDefaults(today); }

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
    bool HasDrawingObjects() const { return m_model.HasDrawingObjects(); }
    bool HasSuperTextObjects() const { return m_model.HasSuperTextObjects(); }
    // The hidden cell renderer counts as a child control of its own, so the surface
    // menu's Lock All and Unlock All are always offered on the page.
    int childControlCount() const override;
    // A dragged-out rectangle widened to the smallest object a tool makes.
    static PageRect toolRectangle(const PageRect &rect);
    // What a tool's new object takes from the page: its font, month, week start and language.
    ToolPage toolPage() const;

signals:
    void layoutRecalculated();

protected:
    void paintEvent(QPaintEvent *event) override;
    void surfaceClicked(const QPoint &point) override;
    // The paper at that zoom, as RecalcLayout sizes the page.
    QSize sizeAtZoom(float factor) const override { return m_model.sizeAtZoom(factor); }
    void ZoomChanged() override;
    bool focusNextPrevChild(bool next) override;

private:
    void modelChanged(PageModel::Change change);
    void raiseCellEvent(int cell);
    void setCursorForTool(bool tool);

    PageModel m_model;
    TLPanelState m_panelState = psPointing;
    bool m_cursorOverridden = false;
    bool m_creatingObject = false;
    bool m_painting = false;

    CellHandler m_clickedInCell;
    NotifyHandler m_onClick;
    NotifyHandler m_onClickedHeader;
    NotifyHandler m_onClickedDaysArea;
};

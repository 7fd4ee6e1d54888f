// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tgflatcalendar.h"

#include "objects/flatcalendargeometry.h"
#include "objects/objecteditors.h"
#include "calendar/calendardates.h"
#include "calendar/calendarnames.h"
#include "calendar/calendartexts.h"
#include "calendar/drawmonth.h"
#include "calendar/weeknumbers.h"
#include "graphics/canvas.h"

#include <cmath>

namespace {

constexpr Qt::Alignment Centred = Qt::AlignHCenter | Qt::AlignVCenter;

CalendarLanguage calendarLanguage(TFlatCalLanguage language)
{
    switch (language) {
    case fclGerman: return CalendarLanguage::German;
    case fclFrench: return CalendarLanguage::French;
    case fclItalian: return CalendarLanguage::Italian;
    case fclSpanish: return CalendarLanguage::Spanish;
    case fclEnglish: break;
    }
    return CalendarLanguage::English;
}

// The object's styles share their order with the page's.
TCalBorderStyle pageBorderStyle(TFlatCalBorderStyle style)
{
    return style >= fcbNone && style <= fcbTopBottom ? static_cast<TCalBorderStyle>(style)
                                                     : cbNone;
}

TCalHeadersStyle pageHeadersStyle(TFlatCalHeadersStyle style)
{
    return style >= fdsFirstChar && style <= fdsWhole ? static_cast<TCalHeadersStyle>(style)
                                                      : dsFirstChar;
}

} // namespace

TGFlatCalendar::TGFlatCalendar(const QDate &today)
    : m_month(today.isValid() ? today.month() : 1), m_year(today.isValid() ? today.year() : 1998)
{
}

template<typename T>
void TGFlatCalendar::assign(T &field, const T &value)
{
    if (field == value)
        return;
    field = value;
    invalidate();
}

void TGFlatCalendar::SetStartOfWeek(TFCDayOfWeek day)
{
    if (day == 1 || day == 2)
        assign(m_startOfWeek, day);
}

void TGFlatCalendar::SetMonth(int month)
{
    assign(m_month, month);
}

void TGFlatCalendar::SetYear(int year)
{
    assign(m_year, year);
}

void TGFlatCalendar::SetTitleFont(const TFont &font)
{
    assign(m_titleFont, font);
}

void TGFlatCalendar::SetDayNameFont(const TFont &font)
{
    assign(m_dayNameFont, font);
}

void TGFlatCalendar::SetCellFont(const TFont &font)
{
    assign(m_cellFont, font);
}

void TGFlatCalendar::SetShowYear(bool show)
{
    assign(m_showYear, show);
}

void TGFlatCalendar::SetDayNameBGColor(TColor color)
{
    assign(m_dayNameBGColor, color);
}

void TGFlatCalendar::SetCalendarBorderStyle(TFlatCalBorderStyle style)
{
    assign(m_calendarBorderStyle, style);
}

void TGFlatCalendar::SetDayNameBorderStyle(TFlatCalBorderStyle style)
{
    assign(m_dayNameBorderStyle, style);
}

void TGFlatCalendar::SetCellBorderStyle(TFlatCalBorderStyle style)
{
    assign(m_cellBorderStyle, style);
}

void TGFlatCalendar::SetDayNameStyle(TFlatCalHeadersStyle style)
{
    assign(m_dayNameStyle, style);
}

void TGFlatCalendar::SetTitleBGcolor(TColor color)
{
    assign(m_titleBGcolor, color);
}

void TGFlatCalendar::SetBackgroundcolor(TColor color)
{
    assign(m_backgroundcolor, color);
}

void TGFlatCalendar::SetShadowColor(TColor color)
{
    assign(m_shadowColor, color);
}

void TGFlatCalendar::SetShadowDepth(int depth)
{
    if (depth <= 10)
        assign(m_shadowDepth, depth);
}

void TGFlatCalendar::SetShadowPosition(TFlatShadowPosition position)
{
    assign(m_shadowPosition, position);
}

void TGFlatCalendar::SetLanguage(TFlatCalLanguage language)
{
    assign(m_language, language);
}

void TGFlatCalendar::SetCalTransparent(bool transparent)
{
    assign(m_calTransparent, transparent);
}

CalendarNames TGFlatCalendar::names() const
{
    return languageNames(calendarLanguage(m_language));
}

QString TGFlatCalendar::titleText() const
{
    return MonthTitle(names(), QString(), m_month, m_year, m_showYear);
}

QString TGFlatCalendar::dayNameLabel(int column) const
{
    const int index = DayNameIndexOfColumn(column, m_startOfWeek);
    return HeaderLabel(names().day(index), pageHeadersStyle(m_dayNameStyle));
}

TFont TGFlatCalendar::drawingFont(const TFont &font) const
{
    TFont zoomed = font.zoomed(ZoomFactor(), pixelsPerInch());
    // Measured and drawn at the object's resolution, whatever the canvas converts at.
    zoomed.setPixelHeight(zoomed.pixelSizeAt(pixelsPerInch()));
    return zoomed;
}

void TGFlatCalendar::PaintObject(Canvas &canvas) const
{
    const int depth = m_shadowDepth >= 1 && !m_calTransparent
                          ? static_cast<int>(std::trunc(m_shadowDepth * double(ZoomFactor())))
                          : 0;
    const FlatCalendarBoxes boxes = flatCalendarBoxes(Width(), Height(), depth, m_shadowPosition);
    if (boxes.hasShadow) {
        canvas.setPen(m_shadowColor);
        canvas.setBrush(m_shadowColor);
        canvas.rectangle({boxes.shadow.left, boxes.shadow.top, boxes.shadow.right + 1,
                          boxes.shadow.bottom + 1});
    }
    const PageRect &box = boxes.calendar;
    const bool fill = !m_calTransparent;
    canvas.setPen(Colors::clBlack);
    if (fill) {
        canvas.setBrush(Colors::clWhite);
        canvas.fillRect(box);
    }

    const TFont titleFont = drawingFont(m_titleFont);
    const TFont dayNameFont = drawingFont(m_dayNameFont);
    canvas.setFont(titleFont);
    const int weekColumn = m_weekNumbers == PageOptions::WeekNumbers::None
                               ? 0
                               : weekNumberColumnWidth(dayNameFont.pixelHeight(), box.width());
    const MonthBoxGeometry g
        = layoutFlatCalendarMonth(box, canvas.textHeight(), dayNameFont.pixelHeight(), weekColumn);
    if (fill) {
        canvas.setBrush(m_titleBGcolor);
        canvas.fillRect({box.left, box.top, box.right, g.title.bottom});
    }
    canvas.drawText(g.title, titleText(), Centred);

    canvas.setFont(dayNameFont);
    if (fill) {
        canvas.setBrush(m_dayNameBGColor);
        canvas.fillRect({box.left, g.dayBand.top, g.frame.right, g.dayBand.bottom + 1});
        canvas.setBrush(m_backgroundcolor);
        canvas.fillRect({box.left, g.dayBand.bottom, box.right, box.bottom});
    }
    DrawBorder(canvas, g.dayBand, pageBorderStyle(m_dayNameBorderStyle));
    for (int column = 0; column < 7; ++column)
        canvas.drawText(g.dayLabelBox(column), dayNameLabel(column), Centred);
    for (int row = 0; row < 6 && weekColumn > 0; ++row) {
        const int week = RowWeekNumber(m_year, m_month, m_startOfWeek, row, m_weekNumbers);
        if (week != 0)
            canvas.drawText(g.weekNumberBox(row), QString::number(week), Centred);
    }

    canvas.setFont(drawingFont(m_cellFont));
    DrawCellGrid(canvas, g, pageBorderStyle(m_cellBorderStyle));
    for (int cell = 1; cell <= CellCount; ++cell) {
        const int day = DayInCell(m_year, m_month, m_startOfWeek, cell);
        if (day != 0)
            canvas.drawText(flatCalendarNumberBox(g, cell), QString::number(day), Centred);
    }
    DrawBorder(canvas, g.frame, pageBorderStyle(m_calendarBorderStyle));
}

void TGFlatCalendar::AfterLoad()
{
    TGGraphicControl::AfterLoad();
    popupMenu().push_back(ObjectMenuEntry::makeSeparator());
    popupMenu().push_back(
        ObjectMenuEntry::makeAction(QStringLiteral("Properties"), [this] { EditProperties(); }));
    EditAction = [this] { EditProperties(); };
}

QSize TGFlatCalendar::previewSize() const
{
    return storedBounds().size();
}

bool TGFlatCalendar::EditProperties()
{
    ObjectEditors *editors = ObjectEditors::instance();
    if (!editors)
        return false;
    TGFlatCalendar sample(QDate(2000, 1, 1));
    sample.setPixelsPerInch(pixelsPerInch());
    sample.assignProperties(*this);
    const QSize size = previewSize();
    sample.setBounds(0, 0, size.width(), size.height());
    if (!editors->editObject(sample))
        return false;
    assignProperties(sample);
    invalidate();
    ReportChange();
    return true;
}

void TGFlatCalendar::setWeekNumbers(PageOptions::WeekNumbers numbers)
{
    assign(m_weekNumbers, numbers);
}

void TGFlatCalendar::assignProperties(const TGFlatCalendar &from)
{
    SetStartOfWeek(from.StartOfWeek());
    setWeekNumbers(from.weekNumbers());
    SetMonth(from.Month());
    SetYear(from.Year());
    SetTitleFont(from.TitleFont());
    SetDayNameFont(from.DayNameFont());
    SetCellFont(from.CellFont());
    SetShowYear(from.ShowYear());
    SetDayNameBGColor(from.DayNameBGColor());
    SetCalendarBorderStyle(from.CalendarBorderStyle());
    SetDayNameBorderStyle(from.DayNameBorderStyle());
    SetCellBorderStyle(from.CellBorderStyle());
    SetDayNameStyle(from.DayNameStyle());
    SetTitleBGcolor(from.TitleBGcolor());
    SetBackgroundcolor(from.Backgroundcolor());
    SetShadowColor(from.ShadowColor());
    SetShadowDepth(from.ShadowDepth());
    SetShadowPosition(from.ShadowPosition());
    SetLanguage(from.Language());
    SetCalTransparent(from.CalTransparent());
}

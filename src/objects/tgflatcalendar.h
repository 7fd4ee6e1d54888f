// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "objects/objecttypes.h"
#include "objects/tggraphiccontrol.h"
#include "graphics/tfont.h"
#include "calendar/pageoptions.h"

#include <QDate>
#include <QSize>

struct CalendarNames;

// A small month calendar that can lie anywhere on the page, drawn by the page's month rules
// with its own fonts, colours, shadow and name language. It keeps no cell table.
class TGFlatCalendar : public TGGraphicControl
{
public:
    // A new calendar shows the month and year of today.
    explicit TGFlatCalendar(const QDate &today = QDate::currentDate());

    QString className() const override { return QStringLiteral("TGFlatCalendar"); }

    // Only 1 (Sunday) and 2 (Monday) are taken.
    TFCDayOfWeek StartOfWeek() const { return m_startOfWeek; }
    void SetStartOfWeek(TFCDayOfWeek day);
    // A column of week numbers left of the grid, in the day names' font. Not one of the
    // stored properties: documents keep it in their options list (CalendarFile).
    PageOptions::WeekNumbers weekNumbers() const { return m_weekNumbers; }
    void setWeekNumbers(PageOptions::WeekNumbers numbers);
    int Month() const { return m_month; }
    void SetMonth(int month);
    int Year() const { return m_year; }
    void SetYear(int year);
    const TFont &TitleFont() const { return m_titleFont; }
    void SetTitleFont(const TFont &font);
    const TFont &DayNameFont() const { return m_dayNameFont; }
    void SetDayNameFont(const TFont &font);
    const TFont &CellFont() const { return m_cellFont; }
    void SetCellFont(const TFont &font);
    bool ShowYear() const { return m_showYear; }
    void SetShowYear(bool show);
    TColor DayNameBGColor() const { return m_dayNameBGColor; }
    void SetDayNameBGColor(TColor color);
    TFlatCalBorderStyle CalendarBorderStyle() const { return m_calendarBorderStyle; }
    void SetCalendarBorderStyle(TFlatCalBorderStyle style);
    TFlatCalBorderStyle DayNameBorderStyle() const { return m_dayNameBorderStyle; }
    void SetDayNameBorderStyle(TFlatCalBorderStyle style);
    TFlatCalBorderStyle CellBorderStyle() const { return m_cellBorderStyle; }
    void SetCellBorderStyle(TFlatCalBorderStyle style);
    TFlatCalHeadersStyle DayNameStyle() const { return m_dayNameStyle; }
    void SetDayNameStyle(TFlatCalHeadersStyle style);
    TColor TitleBGcolor() const { return m_titleBGcolor; }
    void SetTitleBGcolor(TColor color);
    TColor Backgroundcolor() const { return m_backgroundcolor; }
    void SetBackgroundcolor(TColor color);
    TColor ShadowColor() const { return m_shadowColor; }
    void SetShadowColor(TColor color);
    // Pixels at zoom 1; values above 10 are ignored.
    int ShadowDepth() const { return m_shadowDepth; }
    void SetShadowDepth(int depth);
    TFlatShadowPosition ShadowPosition() const { return m_shadowPosition; }
    void SetShadowPosition(TFlatShadowPosition position);
    TFlatCalLanguage Language() const { return m_language; }
    void SetLanguage(TFlatCalLanguage language);
    // Only lines and texts are drawn: no fills and no shadow.
    bool CalTransparent() const { return m_calTransparent; }
    void SetCalTransparent(bool transparent);

    // The month and day names of Language.
    CalendarNames names() const;
    // The texts drawn: the title, and the day-name label above column 0..6.
    QString titleText() const;
    QString dayNameLabel(int column) const;

    void PaintObject(Canvas &canvas) const override;
    void AfterLoad() override;

    // The "Properties" entry: the kind's dialog edits a preview at zoom 1; on OK the object takes
    // its properties (not its size), repaints and reports the change. True on OK.
    bool EditProperties();
    // Every published property but the bounds, through the setters.
    void assignProperties(const TGFlatCalendar &from);
    // The object's size at zoom 1, which the preview takes.
    QSize previewSize() const;

private:
    template<typename T>
    void assign(T &field, const T &value);
    TFont drawingFont(const TFont &font) const;

    TFCDayOfWeek m_startOfWeek = 1;
    PageOptions::WeekNumbers m_weekNumbers = PageOptions::WeekNumbers::None;
    int m_month;
    int m_year;
    TFont m_titleFont{QStringLiteral("Arial"), 8};
    TFont m_dayNameFont{QStringLiteral("Arial"), 8};
    TFont m_cellFont{QStringLiteral("Arial"), 7};
    bool m_showYear = false;
    TColor m_dayNameBGColor = Colors::clWhite;
    TFlatCalBorderStyle m_calendarBorderStyle = fcbAll;
    TFlatCalBorderStyle m_dayNameBorderStyle = fcbAll;
    TFlatCalBorderStyle m_cellBorderStyle = fcbNone;
    TFlatCalHeadersStyle m_dayNameStyle = fdsFirstChar;
    TColor m_titleBGcolor = Colors::clWhite;
    TColor m_backgroundcolor = Colors::clWhite;
    TColor m_shadowColor = Colors::clBlack;
    int m_shadowDepth = 0;
    TFlatShadowPosition m_shadowPosition = fcpLowerRight;
    TFlatCalLanguage m_language = fclEnglish;
    bool m_calTransparent = false;
};

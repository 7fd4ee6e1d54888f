// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Copying, comparing and resetting the page's settings.
#include "calpanel32.h"

#include "calendar/calendardates.h"

void TCalendarPanel32::copySettingsFrom(const TCalendarPanel32 &source)
{
    m_paperSize = source.m_paperSize;
    m_calendarLayout = source.m_calendarLayout;
    m_orientation = source.m_orientation;
    m_startOfWeek = source.m_startOfWeek;
    m_names = source.m_names;
    m_day = source.m_day;
    m_month = source.m_month;
    m_year = source.m_year;
    m_titleFont = source.m_titleFont;
    m_titleBGColor = source.m_titleBGColor;
    m_headersFont = source.m_headersFont;
    m_headersBGColor = source.m_headersBGColor;
    m_headersStyle = source.m_headersStyle;
    m_cellFont = source.m_cellFont;
    m_miniCalBGColor = source.m_miniCalBGColor;
    m_miniTitleFont = source.m_miniTitleFont;
    m_miniHeadersFont = source.m_miniHeadersFont;
    m_miniHeadersBGColor = source.m_miniHeadersBGColor;
    m_miniHeadersStyle = source.m_miniHeadersStyle;
    m_miniCellFont = source.m_miniCellFont;
    m_titleShowYear = source.m_titleShowYear;
    m_miniShowYear = source.m_miniShowYear;
    m_leftMargin = source.m_leftMargin;
    m_topMargin = source.m_topMargin;
    m_rightMargin = source.m_rightMargin;
    m_bottomMargin = source.m_bottomMargin;
    m_dayPlannerStart = source.m_dayPlannerStart;
}

void TCalendarPanel32::AssignSettings(const TCalendarPanel32 &source)
{
    const TCalendarOrientation before = m_orientation;
    copySettingsFrom(source);
    // Border styles follow from the line layouts, and only when those change.
    SetCalendarLineLayout(source.m_lineLayout);
    SetMiniCalendarLineLayout(source.m_miniLineLayout);
    SetUserTitle(source.m_userTitle);
    if (source.m_borderFile == m_borderFile && !m_borderFile.isEmpty()
        && orientationOfLayout(m_calendarLayout) != before) {
        // Same border, other orientation: the picture for the new orientation is needed.
        m_orientation = orientationOfLayout(m_calendarLayout);
        loadBorder(m_borderFile);
    } else {
        SetWMFBorderFile(source.m_borderFile);
    }
    RecalcLayout(false);
}

bool TCalendarPanel32::SameSettings(const TCalendarPanel32 &other) const
{
    return m_paperSize == other.m_paperSize && m_calendarLayout == other.m_calendarLayout
        && m_startOfWeek == other.m_startOfWeek && m_orientation == other.m_orientation
        && m_names == other.m_names && m_day == other.m_day && m_month == other.m_month
        && m_year == other.m_year && m_titleFont == other.m_titleFont
        && m_titleBGColor == other.m_titleBGColor && m_headersFont == other.m_headersFont
        && m_headersBGColor == other.m_headersBGColor && m_headersStyle == other.m_headersStyle
        && m_cellFont == other.m_cellFont && m_miniCalBGColor == other.m_miniCalBGColor
        && m_miniTitleFont == other.m_miniTitleFont
        && m_miniHeadersFont == other.m_miniHeadersFont
        && m_miniHeadersBGColor == other.m_miniHeadersBGColor
        && m_miniHeadersStyle == other.m_miniHeadersStyle
        && m_miniCellFont == other.m_miniCellFont && m_titleShowYear == other.m_titleShowYear
        && m_miniShowYear == other.m_miniShowYear && m_leftMargin == other.m_leftMargin
        && m_topMargin == other.m_topMargin && m_rightMargin == other.m_rightMargin
        && m_bottomMargin == other.m_bottomMargin
        && m_dayPlannerStart == other.m_dayPlannerStart && m_lineLayout == other.m_lineLayout
        && m_miniLineLayout == other.m_miniLineLayout && m_userTitle == other.m_userTitle
        && m_borderFile == other.m_borderFile;
}

void TCalendarPanel32::ResetToDefaults(const QDate &today)
{
    m_paperSize = PaperLetter;
    m_userTitle.clear();
    m_calendarLayout = loFCMinisInTitleLS;
    m_startOfWeek = 1;
    m_names = localeNames();
    m_day = today.day();
    m_month = today.month();
    m_year = today.year();
    m_titleBGColor = m_headersBGColor = m_miniCalBGColor = m_miniHeadersBGColor = Colors::clWhite;
    m_miniHeadersFont.setColor(Colors::clBlack);
    m_miniHeadersStyle = dsFirstChar;
    m_titleShowYear = m_miniShowYear = true;
    m_leftMargin = m_topMargin = m_rightMargin = m_bottomMargin = 0.5f;
    m_dayPlannerStart = EncodeTime(8, 0);
    SetCalendarLineLayout(llFull);
    SetMiniCalendarLineLayout(mllBoxed);
    SetWMFBorderFile(QString());
    RecalcLayout(true);
}

void TCalendarPanel32::applyFormInitialValues(bool examplePage)
{
    SetCalendarLayout(loFCMinisInTitleLS);
    SetHeadersStyle(dsWhole);
    SetMiniCellBorder(cbAll);
    SetMiniHeadersBGColor(Colors::clBlack);
    for (TFont *font : {&m_titleFont, &m_headersFont, &m_cellFont})
        font->setColor(Colors::clBlack);
    if (examplePage)
        m_titleFont.setPixelHeight(64);
    m_miniTitleFont.setPixelHeight(13);
    m_miniTitleFont.setStyle(TFont::Style::Bold);
    m_miniHeadersFont.setPixelHeight(11);
    m_miniHeadersFont.setColor(Colors::clWhite);
    m_miniCellFont.setPixelHeight(11);
    SetMainCalMonth(12);
    SetMainCalYear(1997);
    repaintPage();
}

// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Copying, comparing and resetting the page's settings.
#include "pagemodel.h"

#include "calendar/calendardates.h"
#include "calendar/calendarnames.h"
#include "calendar/pageoptions.h"

#include <QLocale>

void PageModel::copySettingsFrom(const PageModel &source)
{
    // The line layouts, the user title and the border go through their setters, since
    // setting them has effects of its own.
    PageSettings copied = source.m_settings;
    copied.lineLayout = m_settings.lineLayout;
    copied.miniLineLayout = m_settings.miniLineLayout;
    copied.userTitle = m_settings.userTitle;
    copied.borderFile = m_settings.borderFile;
    m_settings = copied;
}

void PageModel::AssignSettings(const PageModel &source)
{
    const TCalendarOrientation before = m_settings.orientation;
    copySettingsFrom(source);
    // Border styles follow from the line layouts, and only when those change.
    SetCalendarLineLayout(source.m_settings.lineLayout);
    SetMiniCalendarLineLayout(source.m_settings.miniLineLayout);
    SetUserTitle(source.m_settings.userTitle);
    if (source.m_settings.borderFile == m_settings.borderFile && !m_settings.borderFile.isEmpty()
        && layoutInfo(m_settings.calendarLayout).orientation != before) {
        // Same border, other orientation: the picture for the new orientation is needed.
        m_settings.orientation = layoutInfo(m_settings.calendarLayout).orientation;
        loadBorder(m_settings.borderFile);
    } else {
        SetWMFBorderFile(source.m_settings.borderFile);
    }
    m_options = source.m_options;
    RecalcLayout(false);
}

void PageModel::ResetToDefaults(const QDate &today)
{
    // The locale chooses the paper of a new calendar; documents keep their own.
    m_settings.paperSize = localePaperSize(QLocale());
    m_settings.userTitle.clear();
    m_options.clear();
    // New pages write their dates as their language does; documents without the option keep
    // the texts they always showed.
    PageOptions::setLocaleDates(m_options, true);
    m_settings.calendarLayout = loFCMinisInTitleLS;
    m_settings.startOfWeek = 1;
    m_settings.names = localeNames();
    m_settings.day = today.day();
    m_settings.month = today.month();
    m_settings.year = today.year();
    m_settings.main.titleBGColor = m_settings.main.headersBGColor = m_settings.mini.titleBGColor = m_settings.mini.headersBGColor = Colors::clWhite;
    m_settings.mini.headersFont.setColor(Colors::clBlack);
    m_settings.mini.headersStyle = dsFirstChar;
    m_settings.main.showYear = m_settings.mini.showYear = true;
    m_settings.leftMargin = m_settings.topMargin = m_settings.rightMargin = m_settings.bottomMargin = 0.5f;
    m_settings.dayPlannerStart = EncodeTime(8, 0);
    SetCalendarLineLayout(llFull);
    SetMiniCalendarLineLayout(mllBoxed);
    SetWMFBorderFile(QString());
    RecalcLayout(true);
}

void PageModel::applyFormInitialValues(bool examplePage)
{
    SetCalendarLayout(loFCMinisInTitleLS);
    SetHeadersStyle(dsWhole);
    SetMiniCellBorder(cbAll);
    SetMiniHeadersBGColor(Colors::clBlack);
    for (TFont *font : {&m_settings.main.titleFont, &m_settings.main.headersFont, &m_settings.main.cellFont})
        font->setColor(Colors::clBlack);
    if (examplePage)
        m_settings.main.titleFont.setPixelHeight(64);
    m_settings.mini.titleFont.setPixelHeight(13);
    m_settings.mini.titleFont.setStyle(TFont::Style::Bold);
    m_settings.mini.headersFont.setPixelHeight(11);
    m_settings.mini.headersFont.setColor(Colors::clWhite);
    m_settings.mini.cellFont.setPixelHeight(11);
    SetMainCalMonth(12);
    SetMainCalYear(1997);
    repaintPage();
}

PageDocument PageModel::document() const
{
    PageDocument doc;
    doc.settings = m_settings;
    doc.mainBorders = m_mainBorders;
    doc.miniBorders = m_miniBorders;
    doc.numberPosition = m_numberPosition;
    doc.cells = m_cellTexts;
    doc.pixelsPerInch = m_ppi;
    doc.options = m_options;
    return doc;
}

void PageModel::applyStyle(const PageDocument &doc)
{
    const PageSettings &p = doc.settings;
    SetPaperSize(p.paperSize);
    SetCalendarLayout(p.calendarLayout);
    SetCalendarOrientation(p.orientation);
    SetLeftMarginInch(p.leftMargin);
    SetTopMarginInch(p.topMargin);
    SetRightMarginInch(p.rightMargin);
    SetBottomMarginInch(p.bottomMargin);
    // Line layouts first: they preset the border styles that are then set one by one.
    SetCalendarLineLayout(p.lineLayout);
    SetMiniCalendarLineLayout(p.miniLineLayout);
    SetCalendarBorder(doc.mainBorders.frame);
    m_settings.names = p.names;
    SetTitleBGColor(p.main.titleBGColor);
    SetTitleFont(p.main.titleFont);
    SetTitleShowYear(p.main.showYear);
    SetHeadersFont(p.main.headersFont);
    SetHeadersBorder(doc.mainBorders.headers);
    SetHeadersStyle(p.main.headersStyle);
    SetHeadersBGColor(p.main.headersBGColor);
    SetCellFont(p.main.cellFont);
    SetCellBorder(doc.mainBorders.cell);
    SetMiniCalBorder(doc.miniBorders.frame);
    SetMiniCalBGColor(p.mini.titleBGColor);
    SetMiniShowYear(p.mini.showYear);
    SetMiniTitleFont(p.mini.titleFont);
    SetMiniHeadersFont(p.mini.headersFont);
    SetMiniHeadersBGColor(p.mini.headersBGColor);
    SetMiniHeadersStyle(p.mini.headersStyle);
    SetMiniHeadersBorder(doc.miniBorders.headers);
    SetMiniCellBorder(doc.miniBorders.cell);
    SetMiniCellFont(p.mini.cellFont);
    SetNumberPosition(doc.numberPosition);
    SetWMFBorderFile(p.borderFile);
    setOptions(doc.options);
}

void PageModel::setOptions(const DocumentOptions &options)
{
    if (options == m_options)
        return;
    m_options = options;
    RecalcLayout(false);
}

void PageModel::applyDocument(const PageDocument &doc)
{
    applyStyle(doc);
    const PageSettings &p = doc.settings;
    SetMainCalYear(p.year);
    SetMainCalMonth(p.month);
    SetMainCalDay(p.day);
    SetStartOfWeek(p.startOfWeek);
    SetDayPlannerStartTime(p.dayPlannerStart);
    for (int cell = 1; cell <= CellCount; ++cell)
        SetCellRtfText(cell, doc.cells[size_t(cell - 1)]);
    SetUserTitle(p.userTitle);
}

// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "calpanel32.h"

#include "calendar/calendardates.h"
#include "richtext/richtextcellrenderer.h"

#include <QGuiApplication>
#include <QLoggingCategory>
#include <QScreen>

#include <cmath>

Q_LOGGING_CATEGORY(lcPage, "orvane.page")

namespace {

int screenPixelsPerInch()
{
    const QScreen *screen = qGuiApp ? QGuiApplication::primaryScreen() : nullptr;
    if (!screen)
        return 96;
    const int ppi = qRound(screen->logicalDotsPerInchY());
    return ppi > 0 ? ppi : 96;
}

// Store a value and tell whether it changed.
template<typename T>
bool assignChanged(T &target, const T &value)
{
    if (target == value)
        return false;
    target = value;
    return true;
}

} // namespace

TCalendarPanel32::TCalendarPanel32(QWidget *parent) : TGBasePanel(parent)
{
    m_ppi = screenPixelsPerInch();
    m_cellRenderer = std::make_unique<RichTextCellRenderer>();
    // The composed page covers every pixel, so nothing needs erasing first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setConstructorValues();
    RecalcLayout(true);
}

TCalendarPanel32::~TCalendarPanel32()
{
    setCursorForTool(false);
}

void TCalendarPanel32::setConstructorValues()
{
    const TFont::Styles bold = TFont::Style::Bold;
    const QString face = QStringLiteral("Times New Roman");
    m_titleFont = TFont(face, 26, bold);
    m_headersFont = TFont(face, 16, bold);
    m_cellFont = TFont(face, 16, bold);
    m_miniTitleFont = TFont(face, 6, bold);
    m_miniHeadersFont = TFont(face, 8, {}, Colors::clWhite);
    m_miniCellFont = TFont(face, 6);
    m_dayPlannerStart = EncodeTime(8, 0);
    m_names = localeNames();
}

void TCalendarPanel32::repaintPage()
{
    update();
}

void TCalendarPanel32::setPixelsPerInch(int ppi)
{
    if (ppi <= 0 || !assignChanged(m_ppi, ppi))
        return;
    RecalcLayout(false);
}

void TCalendarPanel32::SetCalendarLayout(TCalendarLayout layout)
{
    if (layout < loFullCalendar || layout > loDay15 || !assignChanged(m_calendarLayout, layout))
        return;
    RecalcLayout(false);
    // The border of the new orientation replaces the old one when there is one.
    if (!m_borderFile.isEmpty())
        loadBorder(m_borderFile);
}

void TCalendarPanel32::SetCalendarOrientation(TCalendarOrientation orientation)
{
    if (assignChanged(m_orientation, orientation))
        RecalcLayout(false);
}

void TCalendarPanel32::SetPaperSize(int paperSize)
{
    if (assignChanged(m_paperSize, paperSize))
        RecalcLayout(false);
}

void TCalendarPanel32::setMargin(float &margin, float inches)
{
    if (assignChanged(margin, inches))
        RecalcLayout(false);
}

void TCalendarPanel32::SetLeftMarginInch(float inches)
{
    setMargin(m_leftMargin, inches);
}

void TCalendarPanel32::SetTopMarginInch(float inches)
{
    setMargin(m_topMargin, inches);
}

void TCalendarPanel32::SetRightMarginInch(float inches)
{
    setMargin(m_rightMargin, inches);
}

void TCalendarPanel32::SetBottomMarginInch(float inches)
{
    setMargin(m_bottomMargin, inches);
}

void TCalendarPanel32::SetMainCalDay(int day)
{
    if (assignChanged(m_day, day))
        RecalcLayout(false);
}

void TCalendarPanel32::SetMainCalMonth(int month)
{
    if (assignChanged(m_month, qBound(1, month, 12)))
        RecalcLayout(false);
}

void TCalendarPanel32::SetMainCalYear(int year)
{
    if (assignChanged(m_year, qBound(1, year, 9999)))
        RecalcLayout(false);
}

void TCalendarPanel32::SetStartOfWeek(int startOfWeek)
{
    if (assignChanged(m_startOfWeek, startOfWeek))
        repaintPage();
}

void TCalendarPanel32::SetDayPlannerStartTime(TDateTime time)
{
    if (assignChanged(m_dayPlannerStart, time))
        RecalcLayout(false);
}

void TCalendarPanel32::SetWMFBorderFile(const QString &name)
{
    if (name != m_borderFile)
        loadBorder(name);
}

void TCalendarPanel32::loadBorder(const QString &name)
{
    if (name.isEmpty()) {
        m_borderFile.clear();
        m_borderPicture.clear();
    } else if (const QString path = BorderPicture::findFile(name, m_orientation == coLandscape);
               !path.isEmpty()) {
        QString error;
        if (m_borderPicture.loadFromFile(path, &error)) {
            m_borderFile = name;
        } else {
            qCWarning(lcPage) << error;
            m_borderFile.clear();
            m_borderPicture.clear();
        }
    }
    RecalcLayout(false);
}

void TCalendarPanel32::SetCalendarLineLayout(TCalendarLineLayout lineLayout)
{
    if (!assignChanged(m_lineLayout, lineLayout))
        return;
    m_calendarBorder = lineLayout == llFull ? cbAll : cbNone;
    m_headersBorder = lineLayout == llCellsOnly ? cbNone : cbAll;
    m_cellBorder = cbAll;
    repaintPage();
}

void TCalendarPanel32::SetMiniCalendarLineLayout(TMiniCalendarLineLayout lineLayout)
{
    if (!assignChanged(m_miniLineLayout, lineLayout))
        return;
    switch (lineLayout) {
    case mllFull:
        m_miniCalBorder = cbAll, m_miniCellBorder = cbAll, m_miniHeadersBorder = cbAll;
        break;
    case mllBoxed:
        m_miniCalBorder = cbAll, m_miniCellBorder = cbNone, m_miniHeadersBorder = cbTopBottom;
        break;
    case mllMinimal:
        m_miniCalBorder = cbNone, m_miniCellBorder = cbNone, m_miniHeadersBorder = cbTop;
        break;
    }
    repaintPage();
}

template<typename T>
void TCalendarPanel32::setAndRepaint(T &member, const T &value)
{
    if (assignChanged(member, value))
        repaintPage();
}

void TCalendarPanel32::SetCalendarBorder(TCalBorderStyle style)
{
    setAndRepaint(m_calendarBorder, style);
}

void TCalendarPanel32::SetHeadersBorder(TCalBorderStyle style)
{
    setAndRepaint(m_headersBorder, style);
}

void TCalendarPanel32::SetCellBorder(TCalBorderStyle style)
{
    setAndRepaint(m_cellBorder, style);
}

void TCalendarPanel32::SetMiniCalBorder(TCalBorderStyle style)
{
    setAndRepaint(m_miniCalBorder, style);
}

void TCalendarPanel32::SetMiniHeadersBorder(TCalBorderStyle style)
{
    setAndRepaint(m_miniHeadersBorder, style);
}

void TCalendarPanel32::SetMiniCellBorder(TCalBorderStyle style)
{
    setAndRepaint(m_miniCellBorder, style);
}

void TCalendarPanel32::SetTitleBGColor(TColor color)
{
    setAndRepaint(m_titleBGColor, color);
}

void TCalendarPanel32::SetHeadersBGColor(TColor color)
{
    setAndRepaint(m_headersBGColor, color);
}

void TCalendarPanel32::SetMiniCalBGColor(TColor color)
{
    setAndRepaint(m_miniCalBGColor, color);
}

void TCalendarPanel32::SetMiniHeadersBGColor(TColor color)
{
    setAndRepaint(m_miniHeadersBGColor, color);
}

void TCalendarPanel32::SetTitleShowYear(bool show)
{
    setAndRepaint(m_titleShowYear, show);
}

void TCalendarPanel32::SetMiniShowYear(bool show)
{
    setAndRepaint(m_miniShowYear, show);
}

void TCalendarPanel32::SetHeadersStyle(TCalHeadersStyle style)
{
    setAndRepaint(m_headersStyle, style);
}

void TCalendarPanel32::SetMiniHeadersStyle(TCalHeadersStyle style)
{
    setAndRepaint(m_miniHeadersStyle, style);
}

void TCalendarPanel32::SetNumberPosition(TCalendarNumberPosition position)
{
    setAndRepaint(m_numberPosition, position);
}

void TCalendarPanel32::SetUserTitle(const QString &title)
{
    setAndRepaint(m_userTitle, title);
}

// Fonts are copied whether or not they differ: the page's fonts are its own.
void TCalendarPanel32::SetTitleFont(const TFont &font)
{
    m_titleFont = font;
    repaintPage();
}

void TCalendarPanel32::SetHeadersFont(const TFont &font)
{
    m_headersFont = font;
    repaintPage();
}

void TCalendarPanel32::SetCellFont(const TFont &font)
{
    m_cellFont = font;
    repaintPage();
}

void TCalendarPanel32::SetMiniTitleFont(const TFont &font)
{
    m_miniTitleFont = font;
    repaintPage();
}

void TCalendarPanel32::SetMiniHeadersFont(const TFont &font)
{
    m_miniHeadersFont = font;
    repaintPage();
}

void TCalendarPanel32::SetMiniCellFont(const TFont &font)
{
    m_miniCellFont = font;
    repaintPage();
}

void TCalendarPanel32::SetPanelState(TLPanelState state)
{
    m_panelState = state;
    SetPointing(state == psPointing);
    setCursorForTool(state != psPointing);
}

void TCalendarPanel32::setCursorForTool(bool tool)
{
    if (!qGuiApp || tool == m_cursorOverridden)
        return;
    if (tool)
        QGuiApplication::setOverrideCursor(Qt::DragMoveCursor);
    else
        QGuiApplication::restoreOverrideCursor();
    m_cursorOverridden = tool;
}

void TCalendarPanel32::GetMonthName(int index, QString &name) const
{
    if (index >= 1 && index <= 12)
        name = m_names.months[index - 1];
}

void TCalendarPanel32::SetMonthName(int index, const QString &name)
{
    if (index >= 1 && index <= 12)
        m_names.months[index - 1] = name;
}

void TCalendarPanel32::GetDayName(int index, QString &name) const
{
    if (index >= 1 && index <= 7)
        name = m_names.days[index - 1];
}

void TCalendarPanel32::SetDayName(int index, const QString &name)
{
    if (index >= 1 && index <= 7)
        m_names.days[index - 1] = name;
}

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
    m_settings.main.titleFont = TFont(face, 26, bold);
    m_settings.main.headersFont = TFont(face, 16, bold);
    m_settings.main.cellFont = TFont(face, 16, bold);
    m_settings.mini.titleFont = TFont(face, 6, bold);
    m_settings.mini.headersFont = TFont(face, 8, {}, Colors::clWhite);
    m_settings.mini.cellFont = TFont(face, 6);
    m_settings.dayPlannerStart = EncodeTime(8, 0);
    m_settings.names = localeNames();
}

void TCalendarPanel32::repaintPage()
{
    UpdateCellTable();
    update();
}

void TCalendarPanel32::ZoomChanged()
{
    UpdateCellTable();
}

void TCalendarPanel32::setPixelsPerInch(int ppi)
{
    if (ppi <= 0 || !assignChanged(m_ppi, ppi))
        return;
    RecalcLayout(false);
}

void TCalendarPanel32::SetCalendarLayout(TCalendarLayout layout)
{
    if (!isValidLayout(layout) || !assignChanged(m_settings.calendarLayout, layout))
        return;
    RecalcLayout(false);
    // The border of the new orientation replaces the old one when there is one.
    if (!m_settings.borderFile.isEmpty())
        loadBorder(m_settings.borderFile);
}

void TCalendarPanel32::SetCalendarOrientation(TCalendarOrientation orientation)
{
    if (assignChanged(m_settings.orientation, orientation))
        RecalcLayout(false);
}

void TCalendarPanel32::SetPaperSize(int paperSize)
{
    if (assignChanged(m_settings.paperSize, paperSize))
        RecalcLayout(false);
}

void TCalendarPanel32::setMargin(float &margin, float inches)
{
    if (assignChanged(margin, inches))
        RecalcLayout(false);
}

void TCalendarPanel32::SetLeftMarginInch(float inches)
{
    setMargin(m_settings.leftMargin, inches);
}

void TCalendarPanel32::SetTopMarginInch(float inches)
{
    setMargin(m_settings.topMargin, inches);
}

void TCalendarPanel32::SetRightMarginInch(float inches)
{
    setMargin(m_settings.rightMargin, inches);
}

void TCalendarPanel32::SetBottomMarginInch(float inches)
{
    setMargin(m_settings.bottomMargin, inches);
}

void TCalendarPanel32::SetMainCalDay(int day)
{
    if (assignChanged(m_settings.day, day))
        RecalcLayout(false);
}

void TCalendarPanel32::SetMainCalMonth(int month)
{
    if (assignChanged(m_settings.month, qBound(1, month, 12)))
        RecalcLayout(false);
}

void TCalendarPanel32::SetMainCalYear(int year)
{
    if (assignChanged(m_settings.year, qBound(1, year, 9999)))
        RecalcLayout(false);
}

void TCalendarPanel32::SetStartOfWeek(int startOfWeek)
{
    if (assignChanged(m_settings.startOfWeek, startOfWeek))
        repaintPage();
}

void TCalendarPanel32::SetDayPlannerStartTime(TDateTime time)
{
    if (assignChanged(m_settings.dayPlannerStart, time))
        RecalcLayout(false);
}

void TCalendarPanel32::SetWMFBorderFile(const QString &name)
{
    if (name != m_settings.borderFile)
        loadBorder(name);
}

void TCalendarPanel32::loadBorder(const QString &name)
{
    if (name.isEmpty()) {
        m_settings.borderFile.clear();
        m_borderPicture.clear();
    } else if (const QString path = BorderPicture::findFile(name, m_settings.orientation == coLandscape);
               !path.isEmpty()) {
        QString error;
        if (m_borderPicture.loadFromFile(path, &error)) {
            m_settings.borderFile = name;
        } else {
            qCWarning(lcPage) << error;
            m_settings.borderFile.clear();
            m_borderPicture.clear();
        }
    }
    RecalcLayout(false);
}

void TCalendarPanel32::SetCalendarLineLayout(TCalendarLineLayout lineLayout)
{
    if (!assignChanged(m_settings.lineLayout, lineLayout))
        return;
    m_mainBorders.frame = lineLayout == llFull ? cbAll : cbNone;
    m_mainBorders.headers = lineLayout == llCellsOnly ? cbNone : cbAll;
    m_mainBorders.cell = cbAll;
    repaintPage();
}

void TCalendarPanel32::SetMiniCalendarLineLayout(TMiniCalendarLineLayout lineLayout)
{
    if (!assignChanged(m_settings.miniLineLayout, lineLayout))
        return;
    switch (lineLayout) {
    case mllFull:
        m_miniBorders.frame = cbAll, m_miniBorders.cell = cbAll, m_miniBorders.headers = cbAll;
        break;
    case mllBoxed:
        m_miniBorders.frame = cbAll, m_miniBorders.cell = cbNone, m_miniBorders.headers = cbTopBottom;
        break;
    case mllMinimal:
        m_miniBorders.frame = cbNone, m_miniBorders.cell = cbNone, m_miniBorders.headers = cbTop;
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
    setAndRepaint(m_mainBorders.frame, style);
}

void TCalendarPanel32::SetHeadersBorder(TCalBorderStyle style)
{
    setAndRepaint(m_mainBorders.headers, style);
}

void TCalendarPanel32::SetCellBorder(TCalBorderStyle style)
{
    setAndRepaint(m_mainBorders.cell, style);
}

void TCalendarPanel32::SetMiniCalBorder(TCalBorderStyle style)
{
    setAndRepaint(m_miniBorders.frame, style);
}

void TCalendarPanel32::SetMiniHeadersBorder(TCalBorderStyle style)
{
    setAndRepaint(m_miniBorders.headers, style);
}

void TCalendarPanel32::SetMiniCellBorder(TCalBorderStyle style)
{
    setAndRepaint(m_miniBorders.cell, style);
}

void TCalendarPanel32::SetTitleBGColor(TColor color)
{
    setAndRepaint(m_settings.main.titleBGColor, color);
}

void TCalendarPanel32::SetHeadersBGColor(TColor color)
{
    setAndRepaint(m_settings.main.headersBGColor, color);
}

void TCalendarPanel32::SetMiniCalBGColor(TColor color)
{
    setAndRepaint(m_settings.mini.titleBGColor, color);
}

void TCalendarPanel32::SetMiniHeadersBGColor(TColor color)
{
    setAndRepaint(m_settings.mini.headersBGColor, color);
}

void TCalendarPanel32::SetTitleShowYear(bool show)
{
    setAndRepaint(m_settings.main.showYear, show);
}

void TCalendarPanel32::SetMiniShowYear(bool show)
{
    setAndRepaint(m_settings.mini.showYear, show);
}

void TCalendarPanel32::SetHeadersStyle(TCalHeadersStyle style)
{
    setAndRepaint(m_settings.main.headersStyle, style);
}

void TCalendarPanel32::SetMiniHeadersStyle(TCalHeadersStyle style)
{
    setAndRepaint(m_settings.mini.headersStyle, style);
}

void TCalendarPanel32::SetNumberPosition(TCalendarNumberPosition position)
{
    setAndRepaint(m_numberPosition, position);
}

void TCalendarPanel32::SetUserTitle(const QString &title)
{
    setAndRepaint(m_settings.userTitle, title);
}

// Fonts are copied whether or not they differ: the page's fonts are its own.
void TCalendarPanel32::SetTitleFont(const TFont &font)
{
    m_settings.main.titleFont = font;
    repaintPage();
}

void TCalendarPanel32::SetHeadersFont(const TFont &font)
{
    m_settings.main.headersFont = font;
    repaintPage();
}

void TCalendarPanel32::SetCellFont(const TFont &font)
{
    m_settings.main.cellFont = font;
    repaintPage();
}

void TCalendarPanel32::SetMiniTitleFont(const TFont &font)
{
    m_settings.mini.titleFont = font;
    repaintPage();
}

void TCalendarPanel32::SetMiniHeadersFont(const TFont &font)
{
    m_settings.mini.headersFont = font;
    repaintPage();
}

void TCalendarPanel32::SetMiniCellFont(const TFont &font)
{
    m_settings.mini.cellFont = font;
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
        name = m_settings.names.months[index - 1];
}

void TCalendarPanel32::SetMonthName(int index, const QString &name)
{
    if (index >= 1 && index <= 12)
        m_settings.names.months[index - 1] = name;
}

void TCalendarPanel32::GetDayName(int index, QString &name) const
{
    if (index >= 1 && index <= 7)
        name = m_settings.names.days[index - 1];
}

void TCalendarPanel32::SetDayName(int index, const QString &name)
{
    if (index >= 1 && index <= 7)
        m_settings.names.days[index - 1] = name;
}

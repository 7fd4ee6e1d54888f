// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "pagemodel.h"

#include "calendar/calendardates.h"
#include "objects/tggraphiccontrol.h"
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

PageModel::PageModel()
{
    m_ppi = screenPixelsPerInch();
    m_cellRenderer = std::make_unique<RichTextCellRenderer>();
    setConstructorValues();
    RecalcLayout(true);
}

PageModel::~PageModel() = default;

void PageModel::setConstructorValues()
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

void PageModel::changed(Change change)
{
    if (m_changed)
        m_changed(change);
}

void PageModel::repaintPage()
{
    UpdateCellTable();
    changed(Change::Content);
}

void PageModel::setZoom(float zoom)
{
    if (zoom == m_zoom || !(zoom > 0.0f))
        return;
    m_zoom = zoom;
    for (const auto &object : m_objects)
        object->setZoomFactor(zoom);
    repaintPage();
}

void PageModel::setCellRenderer(std::unique_ptr<CellTextRenderer> renderer)
{
    if (renderer)
        m_cellRenderer = std::move(renderer);
    repaintPage();
}

void PageModel::setPixelsPerInch(int ppi)
{
    if (ppi <= 0 || !assignChanged(m_ppi, ppi))
        return;
    RecalcLayout(false);
}

void PageModel::SetCalendarLayout(TCalendarLayout layout)
{
    if (!isValidLayout(layout) || !assignChanged(m_settings.calendarLayout, layout))
        return;
    RecalcLayout(false);
    // The border of the new orientation replaces the old one when there is one.
    if (!m_settings.borderFile.isEmpty())
        loadBorder(m_settings.borderFile);
}

void PageModel::SetCalendarOrientation(TCalendarOrientation orientation)
{
    if (assignChanged(m_settings.orientation, orientation))
        RecalcLayout(false);
}

void PageModel::SetPaperSize(int paperSize)
{
    if (assignChanged(m_settings.paperSize, paperSize))
        RecalcLayout(false);
}

void PageModel::setMargin(float &margin, float inches)
{
    if (assignChanged(margin, inches))
        RecalcLayout(false);
}

void PageModel::SetLeftMarginInch(float inches)
{
    setMargin(m_settings.leftMargin, inches);
}

void PageModel::SetTopMarginInch(float inches)
{
    setMargin(m_settings.topMargin, inches);
}

void PageModel::SetRightMarginInch(float inches)
{
    setMargin(m_settings.rightMargin, inches);
}

void PageModel::SetBottomMarginInch(float inches)
{
    setMargin(m_settings.bottomMargin, inches);
}

void PageModel::SetMainCalDay(int day)
{
    if (assignChanged(m_settings.day, day))
        RecalcLayout(false);
}

void PageModel::SetMainCalMonth(int month)
{
    if (assignChanged(m_settings.month, qBound(1, month, 12)))
        RecalcLayout(false);
}

void PageModel::SetMainCalYear(int year)
{
    if (assignChanged(m_settings.year, qBound(1, year, 9999)))
        RecalcLayout(false);
}

void PageModel::SetStartOfWeek(int startOfWeek)
{
    if (assignChanged(m_settings.startOfWeek, startOfWeek))
        repaintPage();
}

void PageModel::SetDayPlannerStartTime(TDateTime time)
{
    if (assignChanged(m_settings.dayPlannerStart, time))
        RecalcLayout(false);
}

void PageModel::SetWMFBorderFile(const QString &name)
{
    if (name != m_settings.borderFile)
        loadBorder(name);
}

void PageModel::loadBorder(const QString &name)
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

void PageModel::SetCalendarLineLayout(TCalendarLineLayout lineLayout)
{
    if (!assignChanged(m_settings.lineLayout, lineLayout))
        return;
    m_mainBorders.frame = lineLayout == llFull ? cbAll : cbNone;
    m_mainBorders.headers = lineLayout == llCellsOnly ? cbNone : cbAll;
    m_mainBorders.cell = cbAll;
    repaintPage();
}

void PageModel::SetMiniCalendarLineLayout(TMiniCalendarLineLayout lineLayout)
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
void PageModel::setAndRepaint(T &member, const T &value)
{
    if (assignChanged(member, value))
        repaintPage();
}

void PageModel::SetCalendarBorder(TCalBorderStyle style)
{
    setAndRepaint(m_mainBorders.frame, style);
}

void PageModel::SetHeadersBorder(TCalBorderStyle style)
{
    setAndRepaint(m_mainBorders.headers, style);
}

void PageModel::SetCellBorder(TCalBorderStyle style)
{
    setAndRepaint(m_mainBorders.cell, style);
}

void PageModel::SetMiniCalBorder(TCalBorderStyle style)
{
    setAndRepaint(m_miniBorders.frame, style);
}

void PageModel::SetMiniHeadersBorder(TCalBorderStyle style)
{
    setAndRepaint(m_miniBorders.headers, style);
}

void PageModel::SetMiniCellBorder(TCalBorderStyle style)
{
    setAndRepaint(m_miniBorders.cell, style);
}

void PageModel::SetTitleBGColor(TColor color)
{
    setAndRepaint(m_settings.main.titleBGColor, color);
}

void PageModel::SetHeadersBGColor(TColor color)
{
    setAndRepaint(m_settings.main.headersBGColor, color);
}

void PageModel::SetMiniCalBGColor(TColor color)
{
    setAndRepaint(m_settings.mini.titleBGColor, color);
}

void PageModel::SetMiniHeadersBGColor(TColor color)
{
    setAndRepaint(m_settings.mini.headersBGColor, color);
}

void PageModel::SetTitleShowYear(bool show)
{
    setAndRepaint(m_settings.main.showYear, show);
}

void PageModel::SetMiniShowYear(bool show)
{
    setAndRepaint(m_settings.mini.showYear, show);
}

void PageModel::SetHeadersStyle(TCalHeadersStyle style)
{
    setAndRepaint(m_settings.main.headersStyle, style);
}

void PageModel::SetMiniHeadersStyle(TCalHeadersStyle style)
{
    setAndRepaint(m_settings.mini.headersStyle, style);
}

void PageModel::SetNumberPosition(TCalendarNumberPosition position)
{
    setAndRepaint(m_numberPosition, position);
}

void PageModel::SetUserTitle(const QString &title)
{
    setAndRepaint(m_settings.userTitle, title);
}

// Fonts are copied whether or not they differ: the page's fonts are its own.
void PageModel::SetTitleFont(const TFont &font)
{
    m_settings.main.titleFont = font;
    repaintPage();
}

void PageModel::SetHeadersFont(const TFont &font)
{
    m_settings.main.headersFont = font;
    repaintPage();
}

void PageModel::SetCellFont(const TFont &font)
{
    m_settings.main.cellFont = font;
    repaintPage();
}

void PageModel::SetMiniTitleFont(const TFont &font)
{
    m_settings.mini.titleFont = font;
    repaintPage();
}

void PageModel::SetMiniHeadersFont(const TFont &font)
{
    m_settings.mini.headersFont = font;
    repaintPage();
}

void PageModel::SetMiniCellFont(const TFont &font)
{
    m_settings.mini.cellFont = font;
    repaintPage();
}

void PageModel::GetMonthName(int index, QString &name) const
{
    if (index >= 1 && index <= 12)
        name = m_settings.names.months[index - 1];
}

void PageModel::SetMonthName(int index, const QString &name)
{
    if (index >= 1 && index <= 12)
        m_settings.names.months[index - 1] = name;
}

void PageModel::GetDayName(int index, QString &name) const
{
    if (index >= 1 && index <= 7)
        name = m_settings.names.days[index - 1];
}

void PageModel::SetDayName(int index, const QString &name)
{
    if (index >= 1 && index <= 7)
        m_settings.names.days[index - 1] = name;
}

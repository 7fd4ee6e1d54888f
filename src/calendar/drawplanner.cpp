// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawplanner.h"

#include "calendar/boxgeometry.h"
#include "calendar/calendartexts.h"
#include "calendar/daymarkdrawing.h"
#include "calendar/drawmonth.h"
#include "graphics/canvas.h"

#include <QDate>

#include <cmath>

namespace {

QDate plannerStart(const TCalDrawInfo &info)
{
    return QDate(info.year, info.month, info.day);
}

int titleLineHeight(Canvas &canvas, const TCalDrawInfo &info)
{
    if (!info.printed)
        return TFont::lineHeight(info.titleFont.pixelSizeAt(canvas.pixelsPerInch()));
    return int(std::trunc(1.6 * canvas.textHeight()));
}

void drawTitle(Canvas &canvas, const TCalDrawInfo &info, const PageRect &box, const QString &title)
{
    if (!info.printed) {
        canvas.drawText(box, title, Qt::AlignHCenter | Qt::AlignVCenter);
        return;
    }
    const QString fitted = fitText(canvas, title, box.width());
    canvas.textOut(box.left + (box.width() - canvas.textWidth(fitted)) / 2,
                   printedTextTop(box, canvas.textHeight()), fitted);
}

void drawRowLabels(Canvas &canvas, const TCalDrawInfo &info, const PlannerBoxGeometry &g,
                   const QStringList &firstLines, const QStringList &secondLines)
{
    canvas.setFont(info.headerFont);
    for (int row = 0; row < g.rows; ++row) {
        const PageRect upper = g.upperLabel(row);
        const PageRect lower = g.lowerLabel(row);
        const QString first = firstLines.value(row);
        const QString second = secondLines.value(row);
        if (info.printed) {
            // The first line stands on the middle of the row, the second hangs below it.
            const int height = canvas.textHeight();
            canvas.textOut(upper.left + (upper.width() - canvas.textWidth(first)) / 2,
                           upper.bottom - height, first);
            canvas.textOut(lower.left + (lower.width() - canvas.textWidth(second)) / 2,
                           lower.top, second);
        } else {
            canvas.drawText(upper, first, Qt::AlignHCenter | Qt::AlignBottom);
            canvas.drawText(lower, second, Qt::AlignHCenter | Qt::AlignTop);
        }
    }
}

void drawRowLines(Canvas &canvas, const PlannerBoxGeometry &g)
{
    canvas.moveTo(g.labelColumn.right, g.body.top);
    canvas.lineTo(g.labelColumn.right, g.body.bottom);
    for (int line = 1; line < g.rows; ++line) {
        canvas.moveTo(g.frame.left, g.rowLineY(line));
        canvas.lineTo(g.frame.right, g.rowLineY(line));
    }
}

const DayMark *moonMark(const TCalDrawInfo &info, const QDate &date)
{
    if (!info.moonPhases || !info.marks)
        return nullptr;
    const DayMark *mark = info.marks->find(date);
    return mark && mark->moon != MoonPhase::None ? mark : nullptr;
}

} // namespace

PlannerBoxGeometry DrawPlannerGrid(Canvas &canvas, TCalDrawInfo &info, int rows,
                                   const PlannerLabels &labels, const QString &title)
{
    canvas.setPen(Colors::clBlack, psSolid, canvas.penWidth());
    canvas.setBrush(Colors::clWhite);
    canvas.fillRect(info.box);
    canvas.setFont(info.titleFont);
    const PlannerBoxGeometry g = layoutPlannerBox(info.box, rows, titleLineHeight(canvas, info));
    drawTitle(canvas, info, g.title, title);
    canvas.rectangle(g.body);
    canvas.setBrush(info.headerBGColor);
    canvas.fillRect(g.labelColumn);
    if (info.printed) {
        // A printer's pen is several pixels wide and the label column's fill, one pixel
        // inside the body, would cover half of its outline.
        canvas.setClearBrush();
        canvas.rectangle(g.body);
    }
    canvas.setBrush(Colors::clWhite);
    drawRowLabels(canvas, info, g, labels.first, labels.second);
    drawRowLines(canvas, g);
    info.cells.fillPlanner(g, labels.days);
    return g;
}

void DrawWeekPlanner(Canvas &canvas, TCalDrawInfo &info, const QString &title)
{
    const QDate start = plannerStart(info);
    const PageTexts texts(info.names, info.dateLocale);
    const PlannerBoxGeometry g
        = DrawPlannerGrid(canvas, info, info.plannerDays + 1,
                          texts.weekPlannerLabels(start, info.plannerDays, info.headerStyle),
                          texts.weekPlannerTitle(title, start, info.plannerDays));
    for (int row = 0; row < info.plannerDays; ++row) {
        if (const DayMark *mark = moonMark(info, start.addDays(row)))
            drawMoonSymbol(canvas, mark->moon, plannerMoonMarkRect(g, row), info.headerFont.color());
    }
}

void DrawDayPlanner(Canvas &canvas, TCalDrawInfo &info, const QString &title)
{
    // Rows of a longer planner drawn before must not stay clickable.
    info.cells.clearAll();
    const PageTexts texts(info.names, info.dateLocale);
    const PlannerBoxGeometry g
        = DrawPlannerGrid(canvas, info, info.plannerSlots + 1,
                          texts.dayPlannerLabels(info.plannerStartTime, info.plannerSlots),
                          texts.dayPlannerTitle(title, plannerStart(info)));
    if (const DayMark *mark = moonMark(info, plannerStart(info)))
        drawMoonSymbol(canvas, mark->moon, dayPlannerMoonMarkRect(g), info.titleFont.color());
}

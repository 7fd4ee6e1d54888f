// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawmonth.h"

#include "calendar/calendardates.h"
#include "calendar/calendartexts.h"
#include "graphics/canvas.h"

#include <cmath>

namespace {

constexpr Qt::Alignment Centred = Qt::AlignHCenter | Qt::AlignVCenter;

// A title or day name: centred on the screen, fitted and placed high on paper.
void drawBandText(Canvas &canvas, const TCalDrawInfo &info, const PageRect &box,
                  const QString &text)
{
    if (!info.printed) {
        canvas.drawText(box, text, Centred);
        return;
    }
    const QString fitted = fitText(canvas, text, box.width());
    const int x = box.left + (box.width() - canvas.textWidth(fitted)) / 2;
    canvas.textOut(x, printedTextTop(box, canvas.textHeight()), fitted);
}

void drawTitleBand(Canvas &canvas, const TCalDrawInfo &info, const MonthBoxGeometry &g,
                   const QString &title)
{
    canvas.setFont(info.titleFont);
    // On paper a white band is left unprinted.
    if (!info.printed || info.titleBGColor != Colors::clWhite) {
        canvas.setBrush(info.titleBGColor);
        canvas.fillRect({g.frame.left, g.title.top, g.frame.right, g.title.bottom + 1});
    }
    drawBandText(canvas, info, g.title,
                 PageTexts(info.names, info.dateLocale).monthTitle(title, info.month, info.year, info.showYear));
}

void drawDayNames(Canvas &canvas, const TCalDrawInfo &info, const MonthBoxGeometry &g)
{
    canvas.setFont(info.headerFont);
    canvas.setBrush(info.headerBGColor);
    canvas.fillRect({g.frame.left, g.dayBand.top, g.frame.right, g.dayBand.bottom + 1});
    DrawBorder(canvas, g.dayBand, info.headerBorder);
    canvas.setBrush(info.backgroundColor);
    const PageTexts texts(info.names, info.dateLocale);
    for (int column = 0; column < 7; ++column) {
        const int index = DayNameIndexOfColumn(column, info.startOfWeek);
        drawBandText(canvas, info, g.dayLabelBox(column), texts.dayLabel(index, info.headerStyle));
    }
}

void drawGridLine(Canvas &canvas, int x1, int y1, int x2, int y2)
{
    canvas.moveTo(x1, y1);
    canvas.lineTo(x2, y2);
}

// Paper gets every cell's own border, which strokes the same lines as the screen grid.
void drawPrintedGrid(Canvas &canvas, const MonthBoxGeometry &g, TCalBorderStyle style)
{
    for (int row = 0; row < 6; ++row) {
        for (int column = 0; column < 7; ++column) {
            DrawBorder(canvas,
                       {g.columnLineX(column), g.rowLineY(row), g.columnLineX(column + 1),
                        g.rowLineY(row + 1)},
                       style);
        }
    }
}

void drawDayNumber(Canvas &canvas, const TCalDrawInfo &info, const PageRect &box, int day)
{
    const QString text = QString::number(day);
    if (!info.printed) {
        canvas.drawText(box, text,
                        info.numberPosition == cnpUpperRight ? Qt::AlignRight | Qt::AlignTop
                                                             : Centred);
        return;
    }
    const QString fitted = fitText(canvas, text, box.width());
    const int width = canvas.textWidth(fitted);
    if (info.numberPosition == cnpUpperRight) {
        const int inset = int(std::lround(0.05 * canvas.pixelsPerInch()));
        canvas.textOut(box.right - inset - width, box.top, fitted);
    } else {
        canvas.textOut(box.left + (box.width() - width) / 2, box.top, fitted);
    }
}

void drawCells(Canvas &canvas, TCalDrawInfo &info, const MonthBoxGeometry &g)
{
    canvas.setFont(info.cellFont);
    if (info.printed)
        drawPrintedGrid(canvas, g, info.cellBorder);
    else
        DrawCellGrid(canvas, g, info.cellBorder);
    info.cells.fillMonth(g, info.year, info.month, info.startOfWeek);
    for (int cell = 1; cell <= CellCount; ++cell) {
        const CellRecord record = info.cells.cell(cell);
        if (record.iDay != 0)
            drawDayNumber(canvas, info, record.rTotal, record.iDay);
    }
}

} // namespace

QString fitText(const Canvas &canvas, const QString &text, int width)
{
    QString fitted = text;
    while (!fitted.isEmpty() && canvas.textWidth(fitted) > width)
        fitted.chop(1);
    return fitted;
}

int printedTextTop(const PageRect &box, int lineHeight)
{
    return box.top + int(std::trunc((box.height() - 1.4 * lineHeight) / 2));
}

void DrawCellGrid(Canvas &canvas, const MonthBoxGeometry &g, TCalBorderStyle style)
{
    if (style == cbNone)
        return;
    const int firstRow = style == cbBottom ? 1 : 0;
    const int lastRow = style == cbTop ? 5 : 6;
    for (int row = firstRow; row <= lastRow; ++row)
        drawGridLine(canvas, g.frame.left, g.rowLineY(row), g.frame.right, g.rowLineY(row));
    if (style != cbAll)
        return;
    for (int column = 0; column <= 7; ++column)
        drawGridLine(canvas, g.columnLineX(column), g.cellTop, g.columnLineX(column),
                     g.frame.bottom);
}

void DrawBorder(Canvas &canvas, const PageRect &rect, TCalBorderStyle style)
{
    const auto line = [&canvas](int x1, int y1, int x2, int y2) {
        canvas.moveTo(x1, y1);
        canvas.lineTo(x2, y2);
    };
    switch (style) {
    case cbAll:
        canvas.moveTo(rect.left, rect.top);
        canvas.lineTo(rect.right, rect.top);
        canvas.lineTo(rect.right, rect.bottom);
        canvas.lineTo(rect.left, rect.bottom);
        canvas.lineTo(rect.left, rect.top);
        break;
    case cbTop:
        line(rect.left, rect.top, rect.right, rect.top);
        break;
    case cbBottom:
        line(rect.left, rect.bottom, rect.right, rect.bottom);
        break;
    case cbTopBottom:
        line(rect.left, rect.top, rect.right, rect.top);
        line(rect.left, rect.bottom, rect.right, rect.bottom);
        break;
    case cbNone:
        break;
    }
}

MonthBoxMetrics monthBoxMetrics(Canvas &canvas, const TCalDrawInfo &info)
{
    MonthBoxMetrics metrics;
    metrics.minTitleHeight = info.minTitleHeight;
    metrics.numberPosition = info.numberPosition;
    const int ppi = canvas.pixelsPerInch();
    if (!info.printed) {
        // The model's font measures, so cells do not move when a face is missing.
        metrics.headerPixelSize = info.headerFont.pixelSizeAt(ppi);
        metrics.cellLineHeight = TFont::lineHeight(info.cellFont.pixelSizeAt(ppi));
        return metrics;
    }
    canvas.setFont(info.headerFont);
    metrics.headerPixelSize = canvas.textHeight();
    canvas.setFont(info.cellFont);
    metrics.cellLineHeight = canvas.textHeight() + canvas.textLeading();
    return metrics;
}

void DrawMonth(Canvas &canvas, TCalDrawInfo &info, const QString &title)
{
    canvas.setPen(Colors::clBlack, psSolid, canvas.penWidth());
    canvas.setBrush(info.backgroundColor);
    canvas.fillRect(info.box);
    const MonthBoxGeometry g = layoutMonthBox(info.box, monthBoxMetrics(canvas, info));
    drawTitleBand(canvas, info, g, title);
    drawDayNames(canvas, info, g);
    drawCells(canvas, info, g);
    DrawBorder(canvas, g.frame, info.frameBorder);
}

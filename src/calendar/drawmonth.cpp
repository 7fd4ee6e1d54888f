// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawmonth.h"

#include "calendar/calendardates.h"
#include "calendar/calendartexts.h"
#include "calendar/daymarkdrawing.h"
#include "calendar/weeknumbers.h"
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

// How far a number in the upper right stays from the cell's edge on paper.
int numberInset(const Canvas &canvas)
{
    return int(std::lround(0.05 * canvas.pixelsPerInch()));
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
        // The row lines run through the week numbers' column, as on the screen; its sides are
        // the frame and the first day's edge.
        if (g.weekColumnWidth > 0)
            DrawBorder(canvas, {g.frame.left, g.rowLineY(row), g.gridLeft(), g.rowLineY(row + 1)},
                       style == cbAll ? cbTopBottom : style);
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
        canvas.textOut(box.right - numberInset(canvas) - width, box.top, fitted);
    } else {
        canvas.textOut(box.left + (box.width() - width) / 2, box.top, fitted);
    }
}

// The words of text in lines no wider than width, at most maxLines; false when a word is
// wider than a line or the words need more lines, and the lines then hold what fits.
bool wrapText(const Canvas &canvas, const QString &text, int width, int maxLines, QStringList &lines)
{
    lines.clear();
    // Most names fit on one line: one measure instead of one per word.
    if (canvas.textWidth(text) <= width) {
        lines.append(text);
        return true;
    }
    bool whole = true;
    QString line;
    for (const QString &word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString longer = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
        if (line.isEmpty() || canvas.textWidth(longer) <= width) {
            line = longer;
        } else if (lines.size() == maxLines - 1) {
            whole = false;
            break;
        } else {
            lines.append(line);
            line = word;
        }
    }
    if (!line.isEmpty())
        lines.append(line);
    for (QString &l : lines) {
        if (canvas.textWidth(l) > width) {
            l = fitText(canvas, l, width);
            whole = false;
        }
    }
    return whole;
}

// The holiday's name in a smaller face at the foot of the cell, in up to two lines and
// smaller still when it needs to be. Cells too small for that (mini calendars) show the
// colour only.
void drawHolidayName(Canvas &canvas, const TCalDrawInfo &info, const CellRecord &record,
                     const QString &name)
{
    const PageRect &box = record.rTotal;
    const int cellPixels = info.cellFont.pixelSizeAt(canvas.pixelsPerInch());
    TFont font = info.cellFont;
    font.setStyle(font.style() & ~TFont::Styles(TFont::Style::Bold));
    font.setColor(info.marks->holidayColour);
    font.setPixelHeight(qMax(1, cellPixels * 2 / 3));
    canvas.setFont(font);
    if (box.height() < 3 * canvas.textHeight())
        return;
    const int inset = numberInset(canvas);
    QStringList lines;
    // Two thirds of the cell's size, then smaller until the name fits whole.
    for (const int twelfths : {7, 6, 0}) {
        if (wrapText(canvas, name, box.width() - 2 * inset, 2, lines) || twelfths == 0)
            break;
        font.setPixelHeight(qMax(1, cellPixels * twelfths / 12));
        canvas.setFont(font);
    }
    const int lineHeight = canvas.textHeight();
    PageRect line{box.left + inset, box.bottom - 1 - int(lines.size()) * lineHeight, box.right - inset, 0};
    for (const QString &text : lines) {
        line.bottom = line.top + lineHeight;
        canvas.drawText(line, text, Qt::AlignHCenter | Qt::AlignTop);
        line.top = line.bottom;
    }
}

// A day's number in the holiday colour when it is a holiday, or a Sunday when those are
// coloured too.
void drawMarkedDay(Canvas &canvas, const TCalDrawInfo &info, const CellRecord &record)
{
    const QDate date(info.year, info.month, record.iDay);
    const DayMark *mark = info.marks->find(date);
    const bool holiday = mark && !mark->holiday.isEmpty();
    if (!holiday && !(info.marks->colourSundays && date.dayOfWeek() == Qt::Sunday)) {
        drawDayNumber(canvas, info, record.rTotal, record.iDay);
        return;
    }
    TFont coloured = info.cellFont;
    coloured.setColor(info.marks->holidayColour);
    canvas.setFont(coloured);
    drawDayNumber(canvas, info, record.rTotal, record.iDay);
    canvas.setFont(info.cellFont);
}

// The week numbers in the headers' font on the headers' colour, level with the day numbers.
void drawWeekNumbers(Canvas &canvas, const TCalDrawInfo &info, const MonthBoxGeometry &g)
{
    if (g.weekColumnWidth <= 0)
        return;
    canvas.setBrush(info.headerBGColor);
    canvas.fillRect({g.frame.left, g.cellTop, g.gridLeft(), g.frame.bottom});
    canvas.setFont(info.headerFont);
    const bool top = info.numberPosition == cnpUpperRight;
    for (int row = 0; row < 6; ++row) {
        const int week = RowWeekNumber(info.year, info.month, info.startOfWeek, row, info.weekNumbers);
        if (week == 0)
            continue;
        const PageRect box = g.weekNumberBox(row);
        if (!info.printed) {
            canvas.drawText(box, QString::number(week),
                            Qt::AlignHCenter | (top ? Qt::AlignTop : Qt::AlignVCenter));
            continue;
        }
        const QString fitted = fitText(canvas, QString::number(week), box.width());
        const int x = box.left + (box.width() - canvas.textWidth(fitted)) / 2;
        canvas.textOut(x, top ? box.top : printedTextTop(box, canvas.textHeight()), fitted);
    }
    canvas.setBrush(info.backgroundColor);
}

void drawMoonMarks(Canvas &canvas, const TCalDrawInfo &info, int cellLineHeight)
{
    if (!info.moonPhases || !info.marks)
        return;
    for (int cell = 1; cell <= CellCount; ++cell) {
        const CellRecord record = info.cells.cell(cell);
        if (record.iDay == 0)
            continue;
        const DayMark *mark = info.marks->find(QDate(info.year, info.month, record.iDay));
        if (mark && mark->moon != MoonPhase::None)
            drawMoonSymbol(canvas, mark->moon,
                           moonMarkRect(record.rTotal, info.numberPosition, cellLineHeight),
                           info.cellFont.color());
    }
}

void drawCells(Canvas &canvas, TCalDrawInfo &info, const MonthBoxGeometry &g)
{
    drawWeekNumbers(canvas, info, g);
    canvas.setFont(info.cellFont);
    if (info.printed)
        drawPrintedGrid(canvas, g, info.cellBorder);
    else
        DrawCellGrid(canvas, g, info.cellBorder);
    info.cells.fillMonth(g, info.year, info.month, info.startOfWeek);
    for (int cell = 1; cell <= CellCount; ++cell) {
        const CellRecord record = info.cells.cell(cell);
        if (record.iDay == 0)
            continue;
        if (info.marks && !info.marks->isEmpty())
            drawMarkedDay(canvas, info, record);
        else
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
    } else {
        canvas.setFont(info.headerFont);
        metrics.headerPixelSize = canvas.textHeight();
        canvas.setFont(info.cellFont);
        metrics.cellLineHeight = canvas.textHeight() + canvas.textLeading();
    }
    if (info.weekNumbers != PageOptions::WeekNumbers::None)
        metrics.weekNumberWidth = weekNumberColumnWidth(metrics.headerPixelSize, info.box.width());
    return metrics;
}

void DrawDayMarks(Canvas &canvas, const TCalDrawInfo &info)
{
    if (!info.marks || !info.marks->holidayNames)
        return;
    for (int cell = 1; cell <= CellCount; ++cell) {
        const CellRecord record = info.cells.cell(cell);
        if (record.iDay == 0)
            continue;
        const DayMark *mark = info.marks->find(QDate(info.year, info.month, record.iDay));
        if (mark && !mark->holiday.isEmpty())
            drawHolidayName(canvas, info, record, mark->holiday);
    }
    canvas.setFont(info.cellFont);
}

void DrawMonth(Canvas &canvas, TCalDrawInfo &info, const QString &title)
{
    canvas.setPen(Colors::clBlack, psSolid, canvas.penWidth());
    canvas.setBrush(info.backgroundColor);
    canvas.fillRect(info.box);
    const MonthBoxMetrics metrics = monthBoxMetrics(canvas, info);
    const MonthBoxGeometry g = layoutMonthBox(info.box, metrics);
    drawTitleBand(canvas, info, g, title);
    drawDayNames(canvas, info, g);
    drawCells(canvas, info, g);
    drawMoonMarks(canvas, info, metrics.cellLineHeight);
    DrawBorder(canvas, g.frame, info.frameBorder);
}

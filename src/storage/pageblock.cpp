// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The page block and font block of documents and style sheets.
#include "calendarfile.h"

#include "storage/reader.h"
#include "storage/streamerror.h"
#include "storage/writer.h"

#include <cmath>

namespace {

// Files from elsewhere are not trusted: an enumeration outside its range, or a size no
// page can use, makes the file unreadable rather than the page.
int readRanged(TReader &reader, int low, int high)
{
    const int value = reader.GetInteger();
    if (value < low || value > high)
        throw StreamError(StreamMessages::invalidValue());
    return value;
}

int readBorder(TReader &reader)
{
    return readRanged(reader, cbNone, cbTopBottom);
}

} // namespace

namespace CalendarFile {

int marginToStored(float inches)
{
    return int(std::trunc(double(inches) * 100.0 + 1e-4));
}

float marginFromStored(int hundredths)
{
    return float(hundredths * 0.01);
}

void WriteFontBlock(TWriter &writer, const TFont &font, int ppi)
{
    writer.PutString(font.name());
    writer.PutInteger(font.pointSizeAt(ppi));
    writer.PutBoolean(font.style().testFlag(TFont::Style::Bold));
    writer.PutBoolean(font.style().testFlag(TFont::Style::Italic));
    writer.PutBoolean(font.style().testFlag(TFont::Style::Underline));
    writer.PutBoolean(font.style().testFlag(TFont::Style::StrikeOut));
    writer.PutInteger(font.color());
}

TFont ReadFontBlock(TReader &reader)
{
    TFont font;
    font.setName(reader.GetString());
    font.setSize(readRanged(reader, 1, 2000));
    TFont::Styles style;
    const TFont::Style order[] = {TFont::Style::Bold, TFont::Style::Italic,
                                  TFont::Style::Underline, TFont::Style::StrikeOut};
    for (TFont::Style s : order)
        style.setFlag(s, reader.GetBoolean());
    font.setStyle(style);
    font.setColor(reader.GetInteger());
    return font;
}

PageBlock pageBlockOf(const PageDocument &doc)
{
    const PageSettings &p = doc.settings;
    PageBlock b;
    b.paperSize = p.paperSize;
    b.orientation = p.orientation;
    b.margins = {marginToStored(p.leftMargin), marginToStored(p.topMargin),
                 marginToStored(p.rightMargin), marginToStored(p.bottomMargin)};
    b.layout = p.calendarLayout;
    b.calendarBorder = doc.mainBorders.frame;
    b.lineLayout = p.lineLayout;
    b.monthNames = QStringList(p.names.months.begin(), p.names.months.end());
    b.dayNames = QStringList(p.names.days.begin(), p.names.days.end());
    b.titleBGColor = p.main.titleBGColor;
    b.titleFont = p.main.titleFont;
    b.titleShowYear = p.main.showYear;
    b.headersFont = p.main.headersFont;
    b.headersBorder = doc.mainBorders.headers;
    b.headersStyle = p.main.headersStyle;
    b.headersBGColor = p.main.headersBGColor;
    b.cellFont = p.main.cellFont;
    b.cellBorder = doc.mainBorders.cell;
    b.miniLineLayout = p.miniLineLayout;
    b.miniCalBorder = doc.miniBorders.frame;
    b.miniCalBGColor = p.mini.titleBGColor;
    b.miniShowYear = p.mini.showYear;
    b.miniTitleFont = p.mini.titleFont;
    b.miniHeadersFont = p.mini.headersFont;
    b.miniHeadersBGColor = p.mini.headersBGColor;
    b.miniHeadersStyle = p.mini.headersStyle;
    b.miniHeadersBorder = doc.miniBorders.headers;
    b.miniCellBorder = doc.miniBorders.cell;
    b.miniCellFont = p.mini.cellFont;
    b.numberPosition = doc.numberPosition;
    return b;
}

void WritePageBlock(TWriter &w, const PageBlock &b, int ppi)
{
    w.PutInteger(b.paperSize);
    w.PutInteger(b.orientation);
    for (int margin : b.margins)
        w.PutInteger(margin);
    w.PutInteger(b.layout);
    w.PutInteger(b.calendarBorder);
    w.PutInteger(b.lineLayout);
    for (const QString &name : b.monthNames)
        w.PutString(name);
    for (const QString &name : b.dayNames)
        w.PutString(name);
    w.PutInteger(b.titleBGColor);
    WriteFontBlock(w, b.titleFont, ppi);
    w.PutBoolean(b.titleShowYear);
    WriteFontBlock(w, b.headersFont, ppi);
    w.PutInteger(b.headersBorder);
    w.PutInteger(b.headersStyle);
    w.PutInteger(b.headersBGColor);
    WriteFontBlock(w, b.cellFont, ppi);
    w.PutInteger(b.cellBorder);
    w.PutInteger(b.miniLineLayout);
    w.PutInteger(b.miniCalBorder);
    w.PutInteger(b.miniCalBGColor);
    w.PutBoolean(b.miniShowYear);
    WriteFontBlock(w, b.miniTitleFont, ppi);
    WriteFontBlock(w, b.miniHeadersFont, ppi);
    w.PutInteger(b.miniHeadersBGColor);
    w.PutInteger(b.miniHeadersStyle);
    w.PutInteger(b.miniHeadersBorder);
    w.PutInteger(b.miniCellBorder);
    WriteFontBlock(w, b.miniCellFont, ppi);
    w.PutInteger(b.numberPosition);
}

PageBlock ReadPageBlock(TReader &r)
{
    PageBlock b;
    b.paperSize = readRanged(r, PaperLetter, PaperA4);
    b.orientation = readRanged(r, coPortrait, coLandscape);
    for (int &margin : b.margins)
        margin = readRanged(r, 0, 10000);
    b.layout = readRanged(r, 0, CalendarLayoutCount - 1);
    b.calendarBorder = readBorder(r);
    b.lineLayout = readRanged(r, llFull, llCellsOnly);
    for (int i = 0; i < 12; ++i)
        b.monthNames << r.GetString();
    for (int i = 0; i < 7; ++i)
        b.dayNames << r.GetString();
    b.titleBGColor = r.GetInteger();
    b.titleFont = ReadFontBlock(r);
    b.titleShowYear = r.GetBoolean();
    b.headersFont = ReadFontBlock(r);
    b.headersBorder = readBorder(r);
    b.headersStyle = readRanged(r, dsFirstChar, dsWhole);
    b.headersBGColor = r.GetInteger();
    b.cellFont = ReadFontBlock(r);
    b.cellBorder = readBorder(r);
    b.miniLineLayout = readRanged(r, mllFull, mllMinimal);
    b.miniCalBorder = readBorder(r);
    b.miniCalBGColor = r.GetInteger();
    b.miniShowYear = r.GetBoolean();
    b.miniTitleFont = ReadFontBlock(r);
    b.miniHeadersFont = ReadFontBlock(r);
    b.miniHeadersBGColor = r.GetInteger();
    b.miniHeadersStyle = readRanged(r, dsFirstChar, dsWhole);
    b.miniHeadersBorder = readBorder(r);
    b.miniCellBorder = readBorder(r);
    b.miniCellFont = ReadFontBlock(r);
    b.numberPosition = readRanged(r, cnpCenter, cnpUpperRight);
    return b;
}

void applyPageBlock(const PageBlock &b, PageDocument &doc)
{
    PageSettings &p = doc.settings;
    p.paperSize = b.paperSize;
    p.calendarLayout = TCalendarLayout(b.layout);
    p.orientation = TCalendarOrientation(b.orientation);
    p.leftMargin = marginFromStored(b.margins[0]);
    p.topMargin = marginFromStored(b.margins[1]);
    p.rightMargin = marginFromStored(b.margins[2]);
    p.bottomMargin = marginFromStored(b.margins[3]);
    p.lineLayout = TCalendarLineLayout(b.lineLayout);
    p.miniLineLayout = TMiniCalendarLineLayout(b.miniLineLayout);
    for (int i = 0; i < 12; ++i)
        p.names.months[size_t(i)] = b.monthNames.value(i);
    for (int i = 0; i < 7; ++i)
        p.names.days[size_t(i)] = b.dayNames.value(i);
    p.main = {b.titleFont,   b.titleBGColor, b.headersFont,  b.headersBGColor,
              TCalHeadersStyle(b.headersStyle), b.cellFont, b.titleShowYear};
    p.mini = {b.miniTitleFont,   b.miniCalBGColor, b.miniHeadersFont, b.miniHeadersBGColor,
              TCalHeadersStyle(b.miniHeadersStyle), b.miniCellFont, b.miniShowYear};
    doc.mainBorders = {TCalBorderStyle(b.calendarBorder), TCalBorderStyle(b.headersBorder),
                       TCalBorderStyle(b.cellBorder)};
    doc.miniBorders = {TCalBorderStyle(b.miniCalBorder), TCalBorderStyle(b.miniHeadersBorder),
                       TCalBorderStyle(b.miniCellBorder)};
    doc.numberPosition = TCalendarNumberPosition(b.numberPosition);
}

} // namespace CalendarFile

// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The page block and font block of documents and style sheets.
#include "calendarfile.h"

#include "page/calpanel32.h"
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

PageBlock pageBlockOf(const TCalendarPanel32 &page)
{
    PageBlock b;
    b.paperSize = page.PaperSize();
    b.orientation = page.CalendarOrientation();
    b.margins = {marginToStored(page.LeftMarginInch()), marginToStored(page.TopMarginInch()),
                 marginToStored(page.RightMarginInch()), marginToStored(page.BottomMarginInch())};
    b.layout = page.CalendarLayout();
    b.calendarBorder = page.CalendarBorder();
    b.lineLayout = page.CalendarLineLayout();
    for (int i = 1; i <= 12; ++i) {
        QString name;
        page.GetMonthName(i, name);
        b.monthNames << name;
    }
    for (int i = 1; i <= 7; ++i) {
        QString name;
        page.GetDayName(i, name);
        b.dayNames << name;
    }
    b.titleBGColor = page.TitleBGColor();
    b.titleFont = page.TitleFont();
    b.titleShowYear = page.TitleShowYear();
    b.headersFont = page.HeadersFont();
    b.headersBorder = page.HeadersBorder();
    b.headersStyle = page.HeadersStyle();
    b.headersBGColor = page.HeadersBGColor();
    b.cellFont = page.CellFont();
    b.cellBorder = page.CellBorder();
    b.miniLineLayout = page.MiniCalendarLineLayout();
    b.miniCalBorder = page.MiniCalBorder();
    b.miniCalBGColor = page.MiniCalBGColor();
    b.miniShowYear = page.MiniShowYear();
    b.miniTitleFont = page.MiniTitleFont();
    b.miniHeadersFont = page.MiniHeadersFont();
    b.miniHeadersBGColor = page.MiniHeadersBGColor();
    b.miniHeadersStyle = page.MiniHeadersStyle();
    b.miniHeadersBorder = page.MiniHeadersBorder();
    b.miniCellBorder = page.MiniCellBorder();
    b.miniCellFont = page.MiniCellFont();
    b.numberPosition = page.NumberPosition();
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

void applyPageBlock(const PageBlock &b, TCalendarPanel32 &page)
{
    page.SetPaperSize(b.paperSize);
    page.SetCalendarLayout(TCalendarLayout(b.layout));
    page.SetCalendarOrientation(TCalendarOrientation(b.orientation));
    page.SetLeftMarginInch(marginFromStored(b.margins[0]));
    page.SetTopMarginInch(marginFromStored(b.margins[1]));
    page.SetRightMarginInch(marginFromStored(b.margins[2]));
    page.SetBottomMarginInch(marginFromStored(b.margins[3]));
    // Line layouts first: they preset the border styles that the block then sets one by one.
    page.SetCalendarLineLayout(TCalendarLineLayout(b.lineLayout));
    page.SetMiniCalendarLineLayout(TMiniCalendarLineLayout(b.miniLineLayout));
    page.SetCalendarBorder(TCalBorderStyle(b.calendarBorder));
    for (int i = 0; i < 12; ++i)
        page.SetMonthName(i + 1, b.monthNames.value(i));
    for (int i = 0; i < 7; ++i)
        page.SetDayName(i + 1, b.dayNames.value(i));
    page.SetTitleBGColor(b.titleBGColor);
    page.SetTitleFont(b.titleFont);
    page.SetTitleShowYear(b.titleShowYear);
    page.SetHeadersFont(b.headersFont);
    page.SetHeadersBorder(TCalBorderStyle(b.headersBorder));
    page.SetHeadersStyle(TCalHeadersStyle(b.headersStyle));
    page.SetHeadersBGColor(b.headersBGColor);
    page.SetCellFont(b.cellFont);
    page.SetCellBorder(TCalBorderStyle(b.cellBorder));
    page.SetMiniCalBorder(TCalBorderStyle(b.miniCalBorder));
    page.SetMiniCalBGColor(b.miniCalBGColor);
    page.SetMiniShowYear(b.miniShowYear);
    page.SetMiniTitleFont(b.miniTitleFont);
    page.SetMiniHeadersFont(b.miniHeadersFont);
    page.SetMiniHeadersBGColor(b.miniHeadersBGColor);
    page.SetMiniHeadersStyle(TCalHeadersStyle(b.miniHeadersStyle));
    page.SetMiniHeadersBorder(TCalBorderStyle(b.miniHeadersBorder));
    page.SetMiniCellBorder(TCalBorderStyle(b.miniCellBorder));
    page.SetMiniCellFont(b.miniCellFont);
    page.SetNumberPosition(TCalendarNumberPosition(b.numberPosition));
}

} // namespace CalendarFile

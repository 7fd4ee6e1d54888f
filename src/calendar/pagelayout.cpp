// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "pagelayout.h"

#include "calendar/calendardates.h"
#include "calendar/layouttable.h"

#include <cmath>

namespace {

// The effective margins and the standard area inside them.
struct Margins
{
    int ppi;
    float left, top, right, bottom;
    int width, height;

    // P(margin + extra): the sum is rounded to single precision before converting.
    int leftPx(double extra = 0) const { return InchToPixels(ppi, float(left + extra)); }
    int topPx(double extra = 0) const { return InchToPixels(ppi, float(top + extra)); }
    int rightPx(double extra = 0) const { return InchToPixels(ppi, float(right + extra)); }
    int bottomPx(double extra = 0) const { return InchToPixels(ppi, float(bottom + extra)); }
    PageRect standardArea() const
    {
        return {leftPx() + 2, topPx() + 2, width - rightPx() - 2, height - bottomPx() - 2};
    }
};

void setPaperSize(const PageLayoutInput &in, PageLayout &out)
{
    const bool a4 = in.paperSize == PaperA4;
    const int longSide = static_cast<int>(std::trunc(in.ppi * (a4 ? 11.69 : 11.0)));
    const int shortSide = static_cast<int>(std::trunc(in.ppi * (a4 ? 8.27 : 8.5)));
    const bool landscape = out.orientation == coLandscape;
    out.pageWidth = landscape ? longSide : shortSide;
    out.pageHeight = landscape ? shortSide : longSide;
}

void setTitleMinis(const PageLayoutInput &in, PageLayout &out)
{
    const PageRect &cr = out.calendarRect;
    const int m = static_cast<int>(std::trunc(in.ppi * 1.5));
    const int g = in.ppi / 8;
    out.miniRects[0] = {cr.left + g, cr.top + g, cr.left + m - g, cr.top + m - g};
    out.miniRects[1] = {cr.right + g - m, cr.top + g, cr.right - g, cr.top + m - g};
}

void setMainWithStrips(const Margins &mg, bool landscape, PageLayout &out)
{
    const int w = mg.width;
    const int h = mg.height;
    if (!landscape) {
        out.calendarRect = {mg.leftPx() + 2, mg.topPx(1.3) + 2, w - mg.rightPx() - 2,
                            h - mg.bottomPx(1.3) - 2};
        DivideIntoGrid(1, 6,
                       {mg.leftPx() + 2, mg.topPx() + 2, w - mg.rightPx() - 2, mg.topPx(1.3) - 2},
                       1, 6, out.miniRects);
        DivideIntoGrid(1, 6, {mg.leftPx() + 2, h - mg.bottomPx(1.3) + 2, w - mg.rightPx() - 2,
                              h - mg.bottomPx() - 2}, 7, 12, out.miniRects);
        return;
    }
    out.calendarRect = {mg.leftPx(1.3) + 4, mg.topPx() + 2, w - mg.rightPx(1.3) - 4,
                        h - mg.bottomPx() - 2};
    DivideIntoGrid(6, 1, {mg.leftPx() + 2, mg.topPx() + 2, mg.leftPx(1.3), h - mg.bottomPx() - 2},
                   1, 6, out.miniRects);
    DivideIntoGrid(6, 1, {w - mg.rightPx(1.3) + 2, mg.topPx() + 2, w - mg.rightPx() - 2,
                          h - mg.bottomPx() - 2}, 7, 12, out.miniRects);
}

void setMainWithBlock(const Margins &mg, bool landscape, PageLayout &out)
{
    const int w = mg.width;
    const int h = mg.height;
    if (!landscape) {
        out.calendarRect = {mg.leftPx() + 2, mg.topPx() + 2, w - mg.rightPx() - 2,
                            h - mg.bottomPx(2.9) - 2};
        DivideIntoGrid(2, 6, {mg.leftPx() + 2, h - mg.bottomPx(2.8) + 2, w - mg.rightPx() - 2,
                              h - mg.bottomPx() - 4}, 1, 12, out.miniRects);
        return;
    }
    // The right edge of the landscape calendar is + 8, unlike every other edge.
    out.calendarRect = {mg.leftPx() + 2, mg.topPx() + 2, w - mg.rightPx(2.9) + 8,
                        h - mg.bottomPx() - 2};
    DivideIntoGrid(6, 2, {w - mg.rightPx(2.8) + 2, mg.topPx() + 2, w - mg.rightPx() - 4,
                          h - mg.bottomPx() - 2}, 1, 12, out.miniRects);
}

void setAreas(const PageLayoutInput &in, const Margins &mg, PageLayout &out)
{
    const MiniCalendars &minis = layoutInfo(in.layout).minis;
    const bool landscape = out.orientation == coLandscape;
    switch (minis.placement) {
    case MiniPlacement::NoMinis:
        out.calendarRect = mg.standardArea();
        break;
    case MiniPlacement::InTitle:
        out.calendarRect = mg.standardArea();
        setTitleMinis(in, out);
        break;
    case MiniPlacement::Strips:
        setMainWithStrips(mg, landscape, out);
        break;
    case MiniPlacement::Block:
        setMainWithBlock(mg, landscape, out);
        break;
    case MiniPlacement::Grid: {
        // A sheet has no main calendar and keeps the box of the one before.
        out.calendarRect = in.previousCalendarRect;
        const int rows = landscape ? minis.gridColumns : minis.gridRows;
        const int cols = landscape ? minis.gridRows : minis.gridColumns;
        DivideIntoGrid(rows, cols, mg.standardArea(), 1, minis.count, out.miniRects);
        break;
    }
    }
}

void setMiniMonths(const PageLayoutInput &in, PageLayout &out)
{
    const LayoutInfo &info = layoutInfo(in.layout);
    out.miniCount = info.minis.count;
    int offset = info.minis.firstMonthOffset;
    for (int k = 1; k <= out.miniCount; ++k, ++offset) {
        if (offset == 0 && info.hasMainCalendar())
            ++offset;
        out.miniMonths[k - 1] = AddMonths(in.month, in.year, offset);
    }
}

} // namespace

PageRect PageLayout::miniRect(int index) const
{
    return (index >= 1 && index <= MaxMiniCount) ? miniRects[index - 1] : PageRect();
}

MonthOfYear PageLayout::miniMonth(int index) const
{
    return (index >= 1 && index <= MaxMiniCount) ? miniMonths[index - 1] : MonthOfYear();
}

int InchToPixels(int ppi, float inches)
{
    return static_cast<int>(std::trunc(ppi * static_cast<double>(inches)));
}

PageLayout computePageLayout(const PageLayoutInput &in)
{
    PageLayout out;
    const LayoutInfo &info = layoutInfo(in.layout);
    out.orientation = info.orientation;
    setPaperSize(in, out);
    out.marginRect = {InchToPixels(in.ppi, in.leftMargin), InchToPixels(in.ppi, in.topMargin),
                      out.pageWidth - InchToPixels(in.ppi, in.rightMargin),
                      out.pageHeight - InchToPixels(in.ppi, in.bottomMargin)};
    // A decorative border needs 0.47 inch more on every side.
    const auto widen = [&in](float margin) {
        return in.hasBorder ? float(double(margin) + 0.47) : margin;
    };
    const Margins mg{in.ppi, widen(in.leftMargin), widen(in.topMargin), widen(in.rightMargin),
                     widen(in.bottomMargin), out.pageWidth, out.pageHeight};
    setAreas(in, mg, out);
    out.showMainCalendar = info.hasMainCalendar();
    out.showMiniCalendars = info.minis.count > 0;
    out.isPlanner = info.isPlanner();
    setMiniMonths(in, out);
    return out;
}

void DivideIntoGrid(int rows, int cols, const PageRect &area, int first, int last,
                    std::array<PageRect, MaxMiniCount> &rects)
{
    if (rows <= 0 || cols <= 0)
        return;
    const int gapY = static_cast<int>(std::trunc(0.01 * area.height()));
    const int gapX = static_cast<int>(std::trunc(0.01 * area.width()));
    const int boxHeight
        = static_cast<int>(std::trunc(double(area.height() - gapY * (rows - 1)) / rows));
    const int boxWidth
        = static_cast<int>(std::trunc(double(area.width() - gapX * (cols - 1)) / cols));
    int index = first;
    for (int i = 0; i < rows; ++i) {
        for (int j = 0; j < cols; ++j) {
            if (index > last || index < 1 || index > MaxMiniCount)
                return;
            const int left
                = j == cols - 1 ? area.right - boxWidth : area.left + j * (gapX + boxWidth);
            const int top
                = i == rows - 1 ? area.bottom - boxHeight : area.top + i * (gapY + boxHeight);
            rects[index - 1] = {left, top, left + boxWidth, top + boxHeight};
            ++index;
        }
    }
}

// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QList>
#include <QPointF>
#include <QRect>
#include <QRegion>
#include <QRgb>
#include <QString>

#include <optional>

// The values a metafile's records set and its drawing records use ([MS-WMF] 2.1, 2.2.1,
// 3.1.5): graphics objects and the playback device context.

enum class WmfPenStyle : quint16 {
    Solid = 0,
    Dash = 1,
    Dot = 2,
    DashDot = 3,
    DashDotDot = 4,
    Null = 5,
    InsideFrame = 6,
    UserStyle = 7,
    Alternate = 8,
    KindMask = 0x000F,
    EndCapMask = 0x0F00,
    EndCapSquare = 0x0100,
    EndCapFlat = 0x0200,
    JoinMask = 0xF000,
    JoinBevel = 0x1000,
    JoinMiter = 0x2000,
};

enum class WmfBrushStyle : quint16 {
    Solid = 0,
    Null = 1,
    Hatched = 2,
    Pattern = 3,
    DibPattern = 5,
    DibPatternPt = 6,
};

// ROP2 mix modes ([MS-WMF] 2.1.1.7) the player treats specially.
enum class WmfRop2 : quint16 {
    NotCopyPen = 4,
    Not = 6,
    XorPen = 7,
    MaskPen = 9,
    Nop = 11,
    CopyPen = 13,
    MergePen = 15,
};

// Ternary raster operations ([MS-WMF] 2.1.1.31) the player knows.
enum class WmfRop : quint32 {
    SrcCopy = 0x00CC0020,
    NotSrcCopy = 0x00330008,
    SrcAnd = 0x008800C6,
    SrcPaint = 0x00EE0086,
    SrcInvert = 0x00660046,
    PatCopy = 0x00F00021,
    PatInvert = 0x005A0049,
    DstInvert = 0x00550009,
    Blackness = 0x00000042,
    Whiteness = 0x00FF0062,
};

// Text alignment flags ([MS-WMF] 2.1.2.3) and ExtTextOut options (2.1.2.2).
enum class WmfTextAlign : quint16 {
    UpdateCp = 0x0001,
    HorizontalMask = 0x0006,
    Right = 0x0002,
    Center = 0x0006,
    VerticalMask = 0x0018,
    Bottom = 0x0008,
    Baseline = 0x0018,
};

enum class WmfTextOption : quint16 {
    Opaque = 0x0002,
    Clipped = 0x0004,
};

template<typename Enum>
constexpr auto wmfValue(Enum value)
{
    return static_cast<std::underlying_type_t<Enum>>(value);
}

struct WmfPen
{
    quint16 style = 0;   // WmfPenStyle kind, end cap and join
    double width = 0;    // logical units; 0 is one device pixel
    QRgb color = qRgb(0, 0, 0);
    // An enhanced metafile's geometric pen dashes at any width; a user style gives its
    // dashes and gaps in the pen's own units.
    bool geometric = false;
    QList<double> dashes;

    quint16 kind() const { return style & wmfValue(WmfPenStyle::KindMask); }
};

struct WmfBrush
{
    quint16 style = wmfValue(WmfBrushStyle::Solid);
    QRgb color = qRgb(255, 255, 255);
    quint16 hatch = 0;
    QImage pattern;   // for pattern brushes
};

struct WmfFont
{
    int height = 0;       // negative: em height; positive: cell height; logical units
    int width = 0;        // average character width, 0 for the face's own
    int escapement = 0;   // tenths of a degree, counter-clockwise
    int weight = 400;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    QString face;
};

struct WmfPalette
{
    QList<QRgb> colors;
};

// A region object: rectangles in logical units, right and bottom edges excluded.
struct WmfRegion
{
    QList<QRect> rects;
};

// The logical window; a part not set by a record comes from the placeable header or the
// target (WmfMapping).
struct WmfWindow
{
    QPointF origin;
    QPointF extent;
    bool originSet = false;
    bool extentSet = false;
};

// The playback device context, saved and restored whole by SaveDC and RestoreDC.
struct WmfState
{
    WmfPen pen;
    WmfBrush brush;
    WmfFont font;
    WmfPalette palette;
    QRgb textColor = qRgb(0, 0, 0);
    QRgb bkColor = qRgb(255, 255, 255);
    bool bkOpaque = true;
    Qt::FillRule fillRule = Qt::OddEvenFill;
    quint16 rop2 = wmfValue(WmfRop2::CopyPen);
    quint16 textAlign = 0;
    quint16 stretchMode = 1;
    WmfWindow window;
    QPointF position;                // the current position, logical
    std::optional<QRegion> clip;     // device pixels; none means no clipping
};

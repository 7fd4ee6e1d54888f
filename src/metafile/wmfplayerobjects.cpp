// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The WmfPlayer's handlers of the records that create, select and delete objects.
#include "wmfplayer.h"

#include "core/win1252.h"
#include "metafile/wmfbytes.h"
#include "metafile/wmfdib.h"
#include "metafile/wmfpainter.h"

#include <algorithm>
#include <utility>

namespace {

// Pattern brushes repeat a small tile; a larger one is not a pattern worth decoding.
constexpr qint64 MaxPatternPixels = 256 * 256;

} // namespace

void WmfPlayer::addObject(WmfObject object)
{
    m_objects.add(std::move(object));
}

void WmfPlayer::onCreatePenIndirect(WmfBytes &params, quint32, quint16)
{
    // Pen Object ([MS-WMF] 2.2.1.4).
    WmfPen pen;
    pen.style = params.u16();    // PenStyle
    pen.width = params.s16();    // Width: a PointS whose x counts
    params.s16();
    pen.color = colorRef(params);  // ColorRef
    addObject(params.ok() ? pen : WmfPen{});
}

void WmfPlayer::onCreateBrushIndirect(WmfBytes &params, quint32, quint16)
{
    // LogBrush Object (2.2.2.10).
    WmfBrush brush;
    brush.style = params.u16();    // BrushStyle
    brush.color = colorRef(params);  // ColorRef
    brush.hatch = params.u16();    // BrushHatch
    const WmfBrushStyle style = WmfBrushStyle(brush.style);
    if (style == WmfBrushStyle::Pattern || style == WmfBrushStyle::DibPattern
        || style == WmfBrushStyle::DibPatternPt) {
        // No pattern travels in this record: a solid black brush, as [MS-WMF] says.
        brush.style = wmfValue(WmfBrushStyle::Solid);
        brush.color = qRgb(0, 0, 0);
    }
    addObject(brush);
}

void WmfPlayer::onDibCreatePatternBrush(WmfBytes &params, quint32, quint16)
{
    const quint16 style = params.u16();   // Style
    const quint16 usage = params.u16();   // ColorUsage
    WmfBrush brush;
    brush.style = wmfValue(WmfBrushStyle::DibPattern);
    if (params.ok()) {
        // Target: a DIB, or a Bitmap16 for BS_PATTERN.
        const qsizetype size = params.remaining();
        const uchar *data = params.bytes(size);
        if (style == wmfValue(WmfBrushStyle::Pattern))
            brush.pattern = WmfDib::decodeBitmap16(data, size, m_state.textColor,
                                                   m_state.bkColor, MaxPatternPixels);
        else
            brush.pattern =
                WmfDib::decode(data, size, usage, m_state.palette.colors, MaxPatternPixels).image;
    }
    addObject(brush);
}

void WmfPlayer::onCreatePatternBrush(WmfBytes &params, quint32, quint16)
{
    // A Bitmap16 header whose Bits field is a 4-byte placeholder, 18 reserved bytes, then
    // the pattern's bits. A pattern that does not decode paints solid black.
    constexpr qsizetype HeaderSize = 10;
    constexpr qsizetype SkippedSize = 4 + 18;
    WmfBrush brush;
    brush.style = wmfValue(WmfBrushStyle::Pattern);
    const uchar *header = params.bytes(HeaderSize);
    params.skip(SkippedSize);
    if (params.ok()) {
        QByteArray bitmap(reinterpret_cast<const char *>(header), HeaderSize);
        bitmap.append(reinterpret_cast<const char *>(params.current()), params.remaining());
        brush.pattern = WmfDib::decodeBitmap16(reinterpret_cast<const uchar *>(bitmap.constData()),
                                               bitmap.size(), m_state.textColor, m_state.bkColor,
                                               MaxPatternPixels);
    }
    addObject(brush);
}

void WmfPlayer::onCreateFontIndirect(WmfBytes &params, quint32, quint16)
{
    // Font Object (2.2.1.2).
    WmfFont font;
    font.height = params.s16();       // Height
    font.width = params.s16();        // Width
    font.escapement = params.s16();   // Escapement
    params.s16();                     // Orientation: GDI draws along the escapement
    font.weight = params.s16();       // Weight
    font.italic = params.u8() != 0;
    font.underline = params.u8() != 0;
    font.strikeOut = params.u8() != 0;
    params.skip(5);                   // CharSet, precisions, Quality, PitchAndFamily
    if (!params.ok()) {
        addObject(WmfFont{});
        return;
    }
    // Facename: at most 32 bytes, up to the first NUL.
    const qsizetype size = std::min<qsizetype>(32, params.remaining());
    const uchar *face = params.bytes(size);
    const qsizetype length = std::find(face, face + size, 0) - face;
    font.face =
        Win1252::toUnicode(QByteArray(reinterpret_cast<const char *>(face), length)).trimmed();
    addObject(font);
}

void WmfPlayer::onCreatePalette(WmfBytes &params, quint32, quint16)
{
    // Palette Object (2.2.1.3): Start, NumberOfEntries, PaletteEntry (red, green, blue,
    // flags).
    WmfPalette palette;
    params.u16();
    const quint16 count = params.u16();
    const qsizetype entries = params.ok() ? std::min<qsizetype>(count, params.remaining() / 4) : 0;
    for (qsizetype i = 0; i < entries; ++i) {
        const quint8 r = params.u8();
        const quint8 g = params.u8();
        const quint8 b = params.u8();
        params.u8();
        palette.colors.append(qRgb(r, g, b));
    }
    addObject(palette);
}

void WmfPlayer::onCreateRegion(WmfBytes &params, quint32, quint16)
{
    // Region Object ([MS-WMF] 2.2.1.5): nextInChain, ObjectType (6), ObjectCount,
    // RegionSize, ScanCount, maxScan, BoundingRectangle, then the scans. A scan is Count,
    // Top, Bottom, Count left and right coordinates in pairs, and Count again.
    constexpr quint16 RegionType = 6;
    params.u16();
    const quint16 type = params.u16();
    params.skip(4 + 2);
    const quint16 scans = params.u16();
    params.skip(2 + 8);
    if (!params.ok() || type != RegionType) {
        addObject(WmfPlaceholder{});
        return;
    }
    WmfRegion region;
    for (quint16 i = 0; i < scans; ++i) {
        const quint16 count = params.u16();
        const qint16 top = params.s16();
        const qint16 bottom = params.s16();
        if (!params.ok() || !params.has(qsizetype(count) * 2 + 2) || !takePoints(count))
            break;
        for (quint16 j = 0; j + 1 < count; j += 2) {
            const qint16 left = params.s16();
            const qint16 right = params.s16();
            if (right > left && bottom > top)
                region.rects.append(QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)));
        }
        params.skip(count % 2 ? 2 : 0);
        params.u16();   // Count2
    }
    addObject(region);
}

const WmfRegion *WmfPlayer::regionAt(WmfBytes &params) const
{
    const WmfObject *object = m_objects.at(params.u16());
    return params.ok() && object ? std::get_if<WmfRegion>(object) : nullptr;
}

QRegion WmfPlayer::deviceRegion(const WmfRegion &region) const
{
    QRegion out;
    for (const QRect &rect : region.rects)
        out += m_mapping.mapRect(rect.left(), rect.top(), rect.right() + 1, rect.bottom() + 1)
                   .toAlignedRect();
    return out;
}

void WmfPlayer::fillRegion(const WmfRegion &region, const WmfBrush &brush)
{
    QPainterPath path;
    path.addRegion(deviceRegion(region));
    const WmfBrush selected = std::exchange(m_state.brush, brush);
    m_painter->fill(path);
    m_state.brush = selected;
}

void WmfPlayer::onFillRegion(WmfBytes &params, quint32, quint16)
{
    // Region, then Brush.
    const WmfRegion *region = regionAt(params);
    const WmfObject *brush = m_objects.at(params.u16());
    if (params.ok() && region && brush && std::holds_alternative<WmfBrush>(*brush))
        fillRegion(*region, std::get<WmfBrush>(*brush));
}

void WmfPlayer::onPaintRegion(WmfBytes &params, quint32, quint16)
{
    if (const WmfRegion *region = regionAt(params))
        fillRegion(*region, m_state.brush);
}

void WmfPlayer::onSelectObject(WmfBytes &params, quint32, quint16)
{
    const WmfObject *object = m_objects.at(params.u16());
    if (!params.ok() || !object)
        return;
    if (const auto *pen = std::get_if<WmfPen>(object))
        m_state.pen = *pen;
    else if (const auto *brush = std::get_if<WmfBrush>(object))
        m_state.brush = *brush;
    else if (const auto *font = std::get_if<WmfFont>(object))
        m_state.font = *font;
}

void WmfPlayer::onSelectPalette(WmfBytes &params, quint32, quint16)
{
    const WmfObject *object = m_objects.at(params.u16());
    if (!params.ok() || !object)
        return;
    if (const auto *palette = std::get_if<WmfPalette>(object))
        m_state.palette = *palette;
}

void WmfPlayer::onDeleteObject(WmfBytes &params, quint32, quint16)
{
    const quint16 index = params.u16();
    if (params.ok())
        m_objects.remove(index);
}

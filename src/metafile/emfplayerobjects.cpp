// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The EmfPlayer's handlers of the records that create, select and delete objects.
#include "emfplayer.h"

#include "metafile/wmfbytes.h"
#include "metafile/wmfdib.h"

#include <algorithm>

namespace {

constexpr quint32 StockFlag = 0x80000000;
constexpr quint32 GeometricPen = 0x00010000;
// Pattern brushes repeat a small tile; a larger one is not a pattern worth decoding.
constexpr qint64 MaxPatternPixels = 256 * 256;

enum class Stock : quint32 {
    WhiteBrush = 0,
    LightGrayBrush = 1,
    GrayBrush = 2,
    DarkGrayBrush = 3,
    BlackBrush = 4,
    NullBrush = 5,
    WhitePen = 6,
    BlackPen = 7,
    NullPen = 8,
    OemFixedFont = 10,
    DefaultPalette = 15,
    DefaultGuiFont = 17,
    DcBrush = 18,
    DcPen = 19,
};

WmfBrush solidBrush(QRgb color)
{
    WmfBrush brush;
    brush.color = color;
    return brush;
}

WmfPen solidPen(QRgb color, quint16 style = wmfValue(WmfPenStyle::Solid))
{
    WmfPen pen;
    pen.style = style;
    pen.color = color;
    return pen;
}

} // namespace

std::optional<EmfPlayer::Object> EmfPlayer::stockObject(quint32 index)
{
    switch (Stock(index & ~StockFlag)) {
    case Stock::WhiteBrush:
    case Stock::DcBrush: return solidBrush(qRgb(255, 255, 255));
    case Stock::LightGrayBrush: return solidBrush(qRgb(0xC0, 0xC0, 0xC0));
    case Stock::GrayBrush: return solidBrush(qRgb(0x80, 0x80, 0x80));
    case Stock::DarkGrayBrush: return solidBrush(qRgb(0x40, 0x40, 0x40));
    case Stock::BlackBrush: return solidBrush(qRgb(0, 0, 0));
    case Stock::NullBrush: {
        WmfBrush brush;
        brush.style = wmfValue(WmfBrushStyle::Null);
        return brush;
    }
    case Stock::WhitePen: return solidPen(qRgb(255, 255, 255));
    case Stock::BlackPen:
    case Stock::DcPen: return solidPen(qRgb(0, 0, 0));
    case Stock::NullPen: return solidPen(0, wmfValue(WmfPenStyle::Null));
    case Stock::DefaultPalette: return WmfPalette{};
    default:
        break;
    }
    const quint32 stock = index & ~StockFlag;
    if (stock >= wmfValue(Stock::OemFixedFont) && stock <= wmfValue(Stock::DefaultGuiFont))
        return WmfFont{};
    return std::nullopt;
}

void EmfPlayer::setObject(quint32 index, Object object)
{
    // Index 0 is the metafile itself; writers that announce too few handles still get
    // their objects, up to the limit.
    if (index == 0 || index >= quint32(m_limits.maxObjects))
        return;
    if (index >= m_objects.size())
        m_objects.resize(size_t(index) + 1);
    m_objects[index] = std::move(object);
}

const EmfPlayer::Object *EmfPlayer::objectAt(quint32 index) const
{
    if (index >= m_objects.size() || !m_objects[index])
        return nullptr;
    return &*m_objects[index];
}

void EmfPlayer::onCreatePen(WmfBytes &params)
{
    // ihPen, then LogPen: PenStyle, Width (a PointL whose x counts), ColorRef.
    const quint32 index = params.u32();
    WmfPen pen;
    pen.style = quint16(params.u32());
    pen.width = std::max(0, params.s32());
    params.s32();
    pen.color = colorRef(params);
    if (params.ok())
        setObject(index, pen);
}

void EmfPlayer::onExtCreatePen(WmfBytes &params)
{
    // ihPen, offBmi, cbBmi, offBits, cbBits, then LogPenEx: PenStyle, Width, BrushStyle,
    // ColorRef, BrushHatch, NumStyleEntries, StyleEntry. Pattern and hatch pens draw in
    // their colour.
    const quint32 index = params.u32();
    params.skip(16);
    const quint32 style = params.u32();
    const quint32 width = params.u32();
    const quint32 brushStyle = params.u32();
    const QRgb color = colorRef(params);
    params.u32();
    const quint32 entries = params.u32();
    if (!params.ok())
        return;
    WmfPen pen;
    pen.style = quint16(style);
    pen.geometric = style & GeometricPen;
    // Cosmetic pens are one pixel wide whatever their width says.
    pen.width = pen.geometric ? std::min<quint32>(width, 1u << 24) : 0;
    pen.color = color;
    if (brushStyle == wmfValue(WmfBrushStyle::Null))
        pen.style = wmfValue(WmfPenStyle::Null);
    if (pen.kind() == wmfValue(WmfPenStyle::UserStyle) && params.has(qsizetype(entries) * 4)) {
        for (quint32 i = 0; i < std::min<quint32>(entries, 16); ++i)
            pen.dashes.append(std::max(0.0, double(params.u32())));
    }
    setObject(index, pen);
}

void EmfPlayer::onCreateBrushIndirect(WmfBytes &params)
{
    // ihBrush, then LogBrush: BrushStyle, ColorRef, BrushHatch.
    const quint32 index = params.u32();
    WmfBrush brush;
    const quint32 style = params.u32();
    brush.color = colorRef(params);
    brush.hatch = quint16(params.u32());
    if (!params.ok())
        return;
    if (style == wmfValue(WmfBrushStyle::Null) || style == wmfValue(WmfBrushStyle::Hatched))
        brush.style = quint16(style);
    setObject(index, brush);
}

void EmfPlayer::onCreateDibPatternBrushPt(WmfBytes &params)
{
    // ihBrush, Usage, offBmi, cbBmi, offBits, cbBits (monochrome brushes alike). A pattern
    // that does not decode paints solid black.
    const quint32 index = params.u32();
    const quint32 usage = params.u32();
    const quint32 offBmi = params.u32();
    const quint32 cbBmi = params.u32();
    const quint32 offBits = params.u32();
    const quint32 cbBits = params.u32();
    if (!params.ok())
        return;
    WmfBrush brush;
    brush.style = wmfValue(WmfBrushStyle::DibPatternPt);
    bool bottomUp = true;
    brush.pattern = recordDib(usage, offBmi, cbBmi, offBits, cbBits, MaxPatternPixels, false, &bottomUp);
    setObject(index, brush);
}

void EmfPlayer::onExtCreateFontIndirectW(WmfBytes &params)
{
    // ihFont, then LogFont: Height, Width, Escapement, Orientation, Weight, Italic,
    // Underline, StrikeOut, CharSet, four precision and pitch bytes, FaceName (32 UTF-16
    // units). Longer forms add fields after these, which the player does not need.
    const quint32 index = params.u32();
    WmfFont font;
    font.height = std::clamp(params.s32(), -1'000'000, 1'000'000);
    font.width = std::clamp(params.s32(), -1'000'000, 1'000'000);
    font.escapement = params.s32() % 3600;
    params.s32();
    font.weight = std::clamp(params.s32(), 0, 1000);
    font.italic = params.u8() != 0;
    font.underline = params.u8() != 0;
    font.strikeOut = params.u8() != 0;
    params.skip(5);
    const qsizetype units = std::min<qsizetype>(32, params.remaining() / 2);
    const uchar *face = params.bytes(units * 2);
    if (!params.ok())
        return;
    QString name;
    for (qsizetype i = 0; i < units; ++i) {
        const char16_t unit = qFromLittleEndian<quint16>(face + 2 * i);
        if (unit == 0)
            break;
        name.append(QChar(unit));
    }
    font.face = name.trimmed();
    setObject(index, font);
}

void EmfPlayer::onCreatePalette(WmfBytes &params)
{
    // ihPal, then LogPalette: Version, NumberOfEntries, entries of red, green, blue, flags.
    const quint32 index = params.u32();
    params.u16();
    const quint16 count = params.u16();
    if (!params.ok())
        return;
    WmfPalette palette;
    const qsizetype entries = std::min<qsizetype>(count, params.remaining() / 4);
    for (qsizetype i = 0; i < entries; ++i) {
        const quint8 r = params.u8();
        const quint8 g = params.u8();
        const quint8 b = params.u8();
        params.u8();
        palette.colors.append(qRgb(r, g, b));
    }
    setObject(index, palette);
}

void EmfPlayer::onSelectObject(WmfBytes &params)
{
    const quint32 index = params.u32();
    if (!params.ok())
        return;
    std::optional<Object> stock;
    const Object *object = nullptr;
    if (index & StockFlag) {
        stock = stockObject(index);
        object = stock ? &*stock : nullptr;
    } else {
        object = objectAt(index);
    }
    if (!object)
        return;
    if (const auto *pen = std::get_if<WmfPen>(object))
        m_state.gdi.pen = *pen;
    else if (const auto *brush = std::get_if<WmfBrush>(object))
        m_state.gdi.brush = *brush;
    else if (const auto *font = std::get_if<WmfFont>(object))
        m_state.gdi.font = *font;
    syncDevice();
}

void EmfPlayer::onSelectPalette(WmfBytes &params)
{
    const quint32 index = params.u32();
    if (!params.ok())
        return;
    const std::optional<Object> stock = (index & StockFlag) ? stockObject(index) : std::nullopt;
    const Object *object = stock ? &*stock : objectAt(index);
    if (const auto *palette = object ? std::get_if<WmfPalette>(object) : nullptr)
        m_state.gdi.palette = *palette;
}

void EmfPlayer::onDeleteObject(WmfBytes &params)
{
    const quint32 index = params.u32();
    if (params.ok() && index < m_objects.size())
        m_objects[index].reset();
}

// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wmfrecord.h"

#include <array>

namespace {

struct RecordInfo
{
    WmfRecord record;
    const char *name;
};

constexpr RecordInfo Records[] = {
    {WmfRecord::Eof, "META_EOF"},
    {WmfRecord::RealizePalette, "META_REALIZEPALETTE"},
    {WmfRecord::SetPalEntries, "META_SETPALENTRIES"},
    {WmfRecord::SetBkMode, "META_SETBKMODE"},
    {WmfRecord::SetMapMode, "META_SETMAPMODE"},
    {WmfRecord::SetRop2, "META_SETROP2"},
    {WmfRecord::SetRelAbs, "META_SETRELABS"},
    {WmfRecord::SetPolyFillMode, "META_SETPOLYFILLMODE"},
    {WmfRecord::SetStretchBltMode, "META_SETSTRETCHBLTMODE"},
    {WmfRecord::SetTextCharExtra, "META_SETTEXTCHAREXTRA"},
    {WmfRecord::RestoreDc, "META_RESTOREDC"},
    {WmfRecord::ResizePalette, "META_RESIZEPALETTE"},
    {WmfRecord::DibCreatePatternBrush, "META_DIBCREATEPATTERNBRUSH"},
    {WmfRecord::SetLayout, "META_SETLAYOUT"},
    {WmfRecord::SetBkColor, "META_SETBKCOLOR"},
    {WmfRecord::SetTextColor, "META_SETTEXTCOLOR"},
    {WmfRecord::OffsetViewportOrg, "META_OFFSETVIEWPORTORG"},
    {WmfRecord::LineTo, "META_LINETO"},
    {WmfRecord::MoveTo, "META_MOVETO"},
    {WmfRecord::OffsetClipRgn, "META_OFFSETCLIPRGN"},
    {WmfRecord::FillRegion, "META_FILLREGION"},
    {WmfRecord::SetMapperFlags, "META_SETMAPPERFLAGS"},
    {WmfRecord::SelectPalette, "META_SELECTPALETTE"},
    {WmfRecord::Polygon, "META_POLYGON"},
    {WmfRecord::Polyline, "META_POLYLINE"},
    {WmfRecord::SetTextJustification, "META_SETTEXTJUSTIFICATION"},
    {WmfRecord::SetWindowOrg, "META_SETWINDOWORG"},
    {WmfRecord::SetWindowExt, "META_SETWINDOWEXT"},
    {WmfRecord::SetViewportOrg, "META_SETVIEWPORTORG"},
    {WmfRecord::SetViewportExt, "META_SETVIEWPORTEXT"},
    {WmfRecord::OffsetWindowOrg, "META_OFFSETWINDOWORG"},
    {WmfRecord::ScaleWindowExt, "META_SCALEWINDOWEXT"},
    {WmfRecord::ScaleViewportExt, "META_SCALEVIEWPORTEXT"},
    {WmfRecord::ExcludeClipRect, "META_EXCLUDECLIPRECT"},
    {WmfRecord::IntersectClipRect, "META_INTERSECTCLIPRECT"},
    {WmfRecord::Ellipse, "META_ELLIPSE"},
    {WmfRecord::FloodFill, "META_FLOODFILL"},
    {WmfRecord::FrameRegion, "META_FRAMEREGION"},
    {WmfRecord::AnimatePalette, "META_ANIMATEPALETTE"},
    {WmfRecord::TextOut, "META_TEXTOUT"},
    {WmfRecord::PolyPolygon, "META_POLYPOLYGON"},
    {WmfRecord::ExtFloodFill, "META_EXTFLOODFILL"},
    {WmfRecord::Rectangle, "META_RECTANGLE"},
    {WmfRecord::SetPixel, "META_SETPIXEL"},
    {WmfRecord::RoundRect, "META_ROUNDRECT"},
    {WmfRecord::PatBlt, "META_PATBLT"},
    {WmfRecord::SaveDc, "META_SAVEDC"},
    {WmfRecord::Pie, "META_PIE"},
    {WmfRecord::StretchBlt, "META_STRETCHBLT"},
    {WmfRecord::Escape, "META_ESCAPE"},
    {WmfRecord::InvertRegion, "META_INVERTREGION"},
    {WmfRecord::PaintRegion, "META_PAINTREGION"},
    {WmfRecord::SelectClipRegion, "META_SELECTCLIPREGION"},
    {WmfRecord::SelectObject, "META_SELECTOBJECT"},
    {WmfRecord::SetTextAlign, "META_SETTEXTALIGN"},
    {WmfRecord::DrawText, "META_DRAWTEXT"},
    {WmfRecord::Arc, "META_ARC"},
    {WmfRecord::Chord, "META_CHORD"},
    {WmfRecord::BitBlt, "META_BITBLT"},
    {WmfRecord::ExtTextOut, "META_EXTTEXTOUT"},
    {WmfRecord::SetDibToDev, "META_SETDIBTODEV"},
    {WmfRecord::DibBitBlt, "META_DIBBITBLT"},
    {WmfRecord::DibStretchBlt, "META_DIBSTRETCHBLT"},
    {WmfRecord::StretchDib, "META_STRETCHDIB"},
    {WmfRecord::DeleteObject, "META_DELETEOBJECT"},
    {WmfRecord::CreatePalette, "META_CREATEPALETTE"},
    {WmfRecord::CreatePatternBrush, "META_CREATEPATTERNBRUSH"},
    {WmfRecord::CreatePenIndirect, "META_CREATEPENINDIRECT"},
    {WmfRecord::CreateFontIndirect, "META_CREATEFONTINDIRECT"},
    {WmfRecord::CreateBrushIndirect, "META_CREATEBRUSHINDIRECT"},
    {WmfRecord::CreateRegion, "META_CREATEREGION"},
};

// Record types by the low byte of their function word; -1 where none has it.
constexpr std::array<qint8, 256> makeIndex()
{
    std::array<qint8, 256> index{};
    for (auto &entry : index)
        entry = -1;
    for (int i = 0; i < int(std::size(Records)); ++i)
        index[quint16(Records[i].record) & 0xFF] = qint8(i);
    return index;
}

constexpr std::array<qint8, 256> IndexByLowByte = makeIndex();

} // namespace

bool wmfRecordKind(quint16 function, WmfRecord *kind)
{
    const int i = IndexByLowByte[function & 0xFF];
    if (i < 0)
        return false;
    *kind = Records[i].record;
    return true;
}

const char *recordName(WmfRecord record)
{
    const int i = IndexByLowByte[quint16(record) & 0xFF];
    if (i < 0 || Records[i].record != record)
        return "META_UNKNOWN";
    return Records[i].name;
}

QByteArray recordName(quint16 function)
{
    WmfRecord kind;
    if (wmfRecordKind(function, &kind))
        return recordName(kind);
    return "META_UNKNOWN(0x" + QByteArray::number(function, 16).rightJustified(4, '0') + ")";
}

// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wmfplayer.h"

#include "metafile/wmfbytes.h"
#include "metafile/wmfdib.h"
#include "metafile/wmfpainter.h"

#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

namespace {

constexpr quint32 PlaceableKey = 0x9AC6CDD7;
constexpr qsizetype PlaceableSize = 22;
constexpr qsizetype RecordHeaderSize = 6;   // RecordSize (4) and RecordFunction (2)
constexpr quint16 TransparentMode = 1;
constexpr quint16 OpaqueMode = 2;
constexpr quint16 AlternateFill = 1;
constexpr quint16 WindingFill = 2;

} // namespace

WmfPlayer::WmfPlayer(const QByteArray &bytes) : WmfPlayer(bytes, Limits{}) {}

WmfPlayer::WmfPlayer(const QByteArray &bytes, const Limits &limits)
    : m_bytes(bytes), m_limits(limits), m_objects(limits.maxObjects)
{
    readHeader();
}

WmfPlayer::~WmfPlayer() = default;

bool WmfPlayer::readHeader()
{
    const auto *data = reinterpret_cast<const uchar *>(m_bytes.constData());
    WmfBytes in(data, m_bytes.size());
    qsizetype header = 0;
    if (in.u32() == PlaceableKey) {
        in.u16();   // HWmf
        const qint16 left = in.s16();
        const qint16 top = in.s16();
        const qint16 right = in.s16();
        const qint16 bottom = in.s16();
        if (!in.ok())
            return false;
        m_placeable = true;
        m_frame = QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
        header = PlaceableSize;
    }
    // META_HEADER ([MS-WMF] 2.3.2.2).
    WmfBytes head(data + std::min(header, m_bytes.size()), m_bytes.size() - header);
    const quint16 type = head.u16();         // Type: 1 in memory, 2 on disk
    const quint16 headerWords = head.u16();  // HeaderSize: 9
    head.u16();                              // Version
    head.u32();                              // Size
    const quint16 objects = head.u16();      // NumberOfObjects
    head.u32();                              // MaxRecord
    head.u16();                              // NumberOfMembers
    if (!head.ok() || (type != 1 && type != 2) || headerWords != 9)
        return false;
    m_headerObjects = objects;
    m_firstRecord = header + qsizetype(headerWords) * 2;
    return true;
}

WmfPlayer::Result WmfPlayer::play(QPainter &painter, const QRectF &target)
{
    Result result;
    if (m_firstRecord < 0) {
        result.message = QStringLiteral("no Windows metafile header");
        return result;
    }
    result.outcome = Outcome::Finished;
    if (!painter.isActive() || !std::isfinite(target.width()) || !std::isfinite(target.height())
        || !std::isfinite(target.x()) || !std::isfinite(target.y()) || target.width() == 0
        || target.height() == 0)
        return result;

    m_state = WmfState{};
    m_saved.clear();
    m_objects.clear(m_headerObjects);
    m_points = 0;
    m_records = 0;
    m_stop = false;
    m_outcome = Outcome::Finished;
    m_message.clear();
    m_skipped = 0;
    m_mapping.setTarget(target);
    m_mapping.setFrame(m_placeable ? std::optional<QRect>(m_frame) : std::nullopt);
    m_mapping.update(m_state.window);
    {
        WmfPainter wmfPainter(painter, m_mapping, m_state);
        m_painter = &wmfPainter;
        playRecords();
        m_painter = nullptr;
    }
    result.outcome = m_outcome;
    result.records = m_records;
    result.skippedRecords = m_skipped;
    result.message = m_message;
    return result;
}

void WmfPlayer::playRecords()
{
    const qsizetype end = m_bytes.size();
    qsizetype pos = m_firstRecord;
    // Bytes that simply end after a whole record end the picture as an EOF record would.
    while (!m_stop && pos < end) {
        const qsizetype left = end - pos;
        if (!playRecord(pos, left))
            break;
        pos += qsizetype(qFromLittleEndian<quint32>(m_bytes.constData() + pos)) * 2;
    }
}

bool WmfPlayer::playRecord(qsizetype offset, qsizetype left)
{
    const auto *data = reinterpret_cast<const uchar *>(m_bytes.constData()) + offset;
    if (left < RecordHeaderSize) {
        stop(Outcome::BadRecordSize, QStringLiteral("a record at offset %1 is cut off").arg(offset));
        return false;
    }
    const quint32 words = qFromLittleEndian<quint32>(data);
    const quint16 function = qFromLittleEndian<quint16>(data + 4);
    if (m_trace)
        m_trace(offset, function, words);
    ++m_records;
    if (words < 3 || qint64(words) * 2 > qint64(left)) {
        stop(Outcome::BadRecordSize, QStringLiteral("%1 at offset %2 claims %3 words, %4 bytes are left")
                                         .arg(QString::fromLatin1(recordName(function)))
                                         .arg(offset)
                                         .arg(words)
                                         .arg(left));
        return false;
    }
    if (m_records > m_limits.maxRecords) {
        stop(Outcome::TooManyRecords, QStringLiteral("more than %1 records").arg(m_limits.maxRecords));
        return false;
    }
    WmfBytes params(data + RecordHeaderSize, qsizetype(words) * 2 - RecordHeaderSize);
    WmfRecord kind;
    const Handler handler = wmfRecordKind(function, &kind) ? handlerFor(kind) : nullptr;
    if (handler)
        (this->*handler)(params, words, function);
    else
        ++m_skipped;
    return true;
}

void WmfPlayer::stop(Outcome outcome, const QString &message)
{
    m_stop = true;
    m_outcome = outcome;
    m_message = message;
}

WmfPlayer::Handler WmfPlayer::handlerFor(WmfRecord record)
{
    // The target is the viewport and every map mode plays as MM_ANISOTROPIC; colours are
    // drawn as they are, with no system palette to realize them into.
    static const std::array<Handler, 256> byLowByte = [] {
        const std::pair<WmfRecord, Handler> handlers[] = {
            {WmfRecord::Eof, &WmfPlayer::onEof},
            {WmfRecord::SetWindowOrg, &WmfPlayer::onSetWindowOrg},
            {WmfRecord::SetWindowExt, &WmfPlayer::onSetWindowExt},
            {WmfRecord::OffsetWindowOrg, &WmfPlayer::onOffsetWindowOrg},
            {WmfRecord::ScaleWindowExt, &WmfPlayer::onScaleWindowExt},
            {WmfRecord::SetViewportOrg, &WmfPlayer::onIgnored},
            {WmfRecord::SetViewportExt, &WmfPlayer::onIgnored},
            {WmfRecord::OffsetViewportOrg, &WmfPlayer::onIgnored},
            {WmfRecord::ScaleViewportExt, &WmfPlayer::onIgnored},
            {WmfRecord::SetMapMode, &WmfPlayer::onIgnored},
            {WmfRecord::RealizePalette, &WmfPlayer::onIgnored},
            {WmfRecord::SaveDc, &WmfPlayer::onSaveDc},
            {WmfRecord::RestoreDc, &WmfPlayer::onRestoreDc},
            {WmfRecord::CreatePenIndirect, &WmfPlayer::onCreatePenIndirect},
            {WmfRecord::CreateBrushIndirect, &WmfPlayer::onCreateBrushIndirect},
            {WmfRecord::DibCreatePatternBrush, &WmfPlayer::onDibCreatePatternBrush},
            {WmfRecord::CreatePatternBrush, &WmfPlayer::onCreatePatternBrush},
            {WmfRecord::CreateFontIndirect, &WmfPlayer::onCreateFontIndirect},
            {WmfRecord::CreatePalette, &WmfPlayer::onCreatePalette},
            {WmfRecord::CreateRegion, &WmfPlayer::onCreateRegion},
            {WmfRecord::SelectObject, &WmfPlayer::onSelectObject},
            {WmfRecord::SelectPalette, &WmfPlayer::onSelectPalette},
            {WmfRecord::DeleteObject, &WmfPlayer::onDeleteObject},
            {WmfRecord::SetTextColor, &WmfPlayer::onSetTextColor},
            {WmfRecord::SetBkColor, &WmfPlayer::onSetBkColor},
            {WmfRecord::SetBkMode, &WmfPlayer::onSetBkMode},
            {WmfRecord::SetPolyFillMode, &WmfPlayer::onSetPolyFillMode},
            {WmfRecord::SetRop2, &WmfPlayer::onSetRop2},
            {WmfRecord::SetTextAlign, &WmfPlayer::onSetTextAlign},
            {WmfRecord::SetStretchBltMode, &WmfPlayer::onSetStretchBltMode},
            {WmfRecord::IntersectClipRect, &WmfPlayer::onIntersectClipRect},
            {WmfRecord::ExcludeClipRect, &WmfPlayer::onExcludeClipRect},
            {WmfRecord::SelectClipRegion, &WmfPlayer::onSelectClipRegion},
            {WmfRecord::OffsetClipRgn, &WmfPlayer::onOffsetClipRgn},
            {WmfRecord::FillRegion, &WmfPlayer::onFillRegion},
            {WmfRecord::PaintRegion, &WmfPlayer::onPaintRegion},
            {WmfRecord::MoveTo, &WmfPlayer::onMoveTo},
            {WmfRecord::LineTo, &WmfPlayer::onLineTo},
            {WmfRecord::Polyline, &WmfPlayer::onPolyline},
            {WmfRecord::Polygon, &WmfPlayer::onPolygon},
            {WmfRecord::PolyPolygon, &WmfPlayer::onPolyPolygon},
            {WmfRecord::Rectangle, &WmfPlayer::onRectangle},
            {WmfRecord::RoundRect, &WmfPlayer::onRoundRect},
            {WmfRecord::Ellipse, &WmfPlayer::onEllipse},
            {WmfRecord::Arc, &WmfPlayer::onArc},
            {WmfRecord::Pie, &WmfPlayer::onPie},
            {WmfRecord::Chord, &WmfPlayer::onChord},
            {WmfRecord::SetPixel, &WmfPlayer::onSetPixel},
            {WmfRecord::TextOut, &WmfPlayer::onTextOut},
            {WmfRecord::ExtTextOut, &WmfPlayer::onExtTextOut},
            {WmfRecord::PatBlt, &WmfPlayer::onPatBlt},
            {WmfRecord::StretchDib, &WmfPlayer::onStretchDib},
            {WmfRecord::DibStretchBlt, &WmfPlayer::onDibStretchBlt},
            {WmfRecord::DibBitBlt, &WmfPlayer::onDibBitBlt},
            {WmfRecord::StretchBlt, &WmfPlayer::onStretchBlt},
            {WmfRecord::BitBlt, &WmfPlayer::onBitBlt},
        };
        std::array<Handler, 256> table{};
        for (const auto &[kind, handler] : handlers)
            table[wmfValue(kind) & 0xFF] = handler;
        return table;
    }();
    return byLowByte[wmfValue(record) & 0xFF];
}

bool WmfPlayer::takePoints(qint64 count)
{
    m_points += count;
    if (m_points > m_limits.maxPoints) {
        stop(Outcome::TooManyPoints, QStringLiteral("more than %1 points").arg(m_limits.maxPoints));
        return false;
    }
    return true;
}

QRgb WmfPlayer::colorRef(WmfBytes &params) const
{
    return readColorRef(params, m_state.palette.colors);
}

void WmfPlayer::setWindow(const WmfWindow &window)
{
    m_state.window = window;
    m_mapping.update(window);
}

void WmfPlayer::onEof(WmfBytes &, quint32, quint16)
{
    m_stop = true;
}

void WmfPlayer::onIgnored(WmfBytes &, quint32, quint16) {}

void WmfPlayer::onSetWindowOrg(WmfBytes &params, quint32, quint16)
{
    const qint16 y = params.s16();
    const qint16 x = params.s16();
    if (!params.ok())
        return;
    WmfWindow window = m_state.window;
    window.origin = QPointF(x, y);
    window.originSet = true;
    setWindow(window);
}

void WmfPlayer::onSetWindowExt(WmfBytes &params, quint32, quint16)
{
    const qint16 y = params.s16();
    const qint16 x = params.s16();
    if (!params.ok() || x == 0 || y == 0)
        return;
    WmfWindow window = m_state.window;
    window.extent = QPointF(x, y);
    window.extentSet = true;
    setWindow(window);
}

void WmfPlayer::onOffsetWindowOrg(WmfBytes &params, quint32, quint16)
{
    const qint16 y = params.s16();
    const qint16 x = params.s16();
    if (!params.ok())
        return;
    WmfWindow window = m_state.window;
    window.origin = m_mapping.effective(window).origin + QPointF(x, y);
    window.originSet = true;
    setWindow(window);
}

void WmfPlayer::onScaleWindowExt(WmfBytes &params, quint32, quint16)
{
    const qint16 yDenom = params.s16();
    const qint16 yNum = params.s16();
    const qint16 xDenom = params.s16();
    const qint16 xNum = params.s16();
    if (!params.ok() || xDenom == 0 || yDenom == 0)
        return;
    WmfWindow window = m_state.window;
    const QPointF old = m_mapping.effective(window).extent;
    const QPointF extent(old.x() * xNum / xDenom, old.y() * yNum / yDenom);
    // An extent below one unit or beyond any 16-bit window would only overflow the mapping.
    const auto sane = [](double v) { return std::abs(v) >= 1 && std::abs(v) < 1e9; };
    if (!sane(extent.x()) || !sane(extent.y()))
        return;
    window.extent = extent;
    window.extentSet = true;
    setWindow(window);
}

void WmfPlayer::onSaveDc(WmfBytes &, quint32, quint16)
{
    if (int(m_saved.size()) < m_limits.maxSavedStates)
        m_saved.push_back(m_state);
}

void WmfPlayer::onRestoreDc(WmfBytes &params, quint32, quint16)
{
    const qint16 which = params.s16();
    if (!params.ok() || which == 0)
        return;
    const qsizetype depth = qsizetype(m_saved.size());
    // Negative: relative to the last save (-1 the most recent); positive: the n-th save.
    const qsizetype index = which < 0 ? depth + which : qsizetype(which) - 1;
    if (index < 0 || index >= depth)
        return;
    m_state = m_saved[size_t(index)];
    m_saved.resize(size_t(index));
    m_mapping.update(m_state.window);
    m_painter->applyClip();
}

void WmfPlayer::onSetTextColor(WmfBytes &params, quint32, quint16)
{
    const QRgb color = colorRef(params);
    if (params.ok())
        m_state.textColor = color;
}

void WmfPlayer::onSetBkColor(WmfBytes &params, quint32, quint16)
{
    const QRgb color = colorRef(params);
    if (params.ok())
        m_state.bkColor = color;
}

void WmfPlayer::onSetBkMode(WmfBytes &params, quint32, quint16)
{
    const quint16 mode = params.u16();
    if (params.ok() && (mode == TransparentMode || mode == OpaqueMode))
        m_state.bkOpaque = mode == OpaqueMode;
}

void WmfPlayer::onSetPolyFillMode(WmfBytes &params, quint32, quint16)
{
    const quint16 mode = params.u16();
    if (params.ok() && (mode == AlternateFill || mode == WindingFill))
        m_state.fillRule = mode == WindingFill ? Qt::WindingFill : Qt::OddEvenFill;
}

void WmfPlayer::onSetRop2(WmfBytes &params, quint32, quint16)
{
    const quint16 rop = params.u16();
    if (params.ok() && rop >= 1 && rop <= 16)
        m_state.rop2 = rop;
}

void WmfPlayer::onSetTextAlign(WmfBytes &params, quint32, quint16)
{
    const quint16 align = params.u16();
    if (params.ok())
        m_state.textAlign = align;
}

void WmfPlayer::onSetStretchBltMode(WmfBytes &params, quint32, quint16)
{
    const quint16 mode = params.u16();
    if (params.ok())
        m_state.stretchMode = mode;
}

void WmfPlayer::onIntersectClipRect(WmfBytes &params, quint32, quint16)
{
    QRectF device;
    if (!readRect(params, &device))
        return;
    m_state.clip = m_state.clip.value_or(WmfPainter::everywhere()) & device.toAlignedRect();
    m_painter->applyClip();
}

void WmfPlayer::onExcludeClipRect(WmfBytes &params, quint32, quint16)
{
    QRectF device;
    if (!readRect(params, &device))
        return;
    m_state.clip =
        m_state.clip.value_or(WmfPainter::everywhere()) - QRegion(device.toAlignedRect());
    m_painter->applyClip();
}

void WmfPlayer::onSelectClipRegion(WmfBytes &params, quint32, quint16)
{
    if (const WmfRegion *region = regionAt(params)) {
        m_state.clip = deviceRegion(*region);
        m_painter->applyClip();
    }
}

void WmfPlayer::onOffsetClipRgn(WmfBytes &params, quint32, quint16)
{
    const qint16 y = params.s16();
    const qint16 x = params.s16();
    if (!params.ok() || !m_state.clip)
        return;
    // The offset is logical; on the device it follows the window's scale and direction.
    const QPointF shift = m_mapping.map(x, y) - m_mapping.map(0, 0);
    // Kept within the region of every pixel so that repeated offsets cannot overflow.
    m_state.clip->translate(int(std::lround(shift.x())), int(std::lround(shift.y())));
    *m_state.clip &= WmfPainter::everywhere();
    m_painter->applyClip();
}

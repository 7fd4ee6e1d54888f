// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "emfplayer.h"

#include "metafile/emfrecord.h"
#include "metafile/wmfbytes.h"
#include "metafile/wmfpainter.h"

#include <QPainter>

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <utility>

namespace {

constexpr quint32 Signature = 0x464D4520;   // " EMF"
constexpr qsizetype MinimumHeaderSize = 88;
constexpr qsizetype MicrometresOffset = 100;
constexpr qsizetype RecordHeaderSize = 8;
constexpr quint32 TransparentMode = 1;
constexpr quint32 OpaqueMode = 2;
constexpr quint32 AlternateFill = 1;
constexpr quint32 WindingFill = 2;
constexpr quint32 ClockwiseArcs = 2;

enum class WorldChange : quint32 { Identity = 1, LeftMultiply = 2, RightMultiply = 3, Set = 4 };

double mapModeUnitMm(EmfMapMode mode)
{
    switch (mode) {
    case EmfMapMode::LoMetric: return 0.1;
    case EmfMapMode::HiMetric: return 0.01;
    case EmfMapMode::LoEnglish: return 0.254;
    case EmfMapMode::HiEnglish: return 0.0254;
    case EmfMapMode::Twips: return 25.4 / 1440;
    default: return 0;
    }
}

// An XFORM: eM11, eM12, eM21, eM22, eDx, eDy as 32-bit floats. Transforms that are not
// finite, not invertible or absurdly large are refused.
std::optional<QTransform> readTransform(WmfBytes &params)
{
    double v[6];
    for (double &value : v)
        value = std::bit_cast<float>(params.u32());
    if (!params.ok())
        return std::nullopt;
    for (const double value : v) {
        if (!std::isfinite(value) || std::abs(value) > 1e9)
            return std::nullopt;
    }
    const QTransform t(v[0], v[1], v[2], v[3], v[4], v[5]);
    if (std::abs(t.determinant()) < 1e-12)
        return std::nullopt;
    return t;
}

} // namespace

QTransform emfPageTransform(const EmfState &state, const EmfDevice &device)
{
    double sx = 1;
    double sy = 1;
    switch (state.mapMode) {
    case EmfMapMode::Text:
        break;
    case EmfMapMode::Isotropic:
    case EmfMapMode::Anisotropic:
        sx = state.viewportExtent.width() / state.windowExtent.width();
        sy = state.viewportExtent.height() / state.windowExtent.height();
        if (state.mapMode == EmfMapMode::Isotropic) {
            // The viewport shrinks on one axis so that a unit is as long on both.
            const double scale = std::min(std::abs(sx), std::abs(sy));
            sx = std::copysign(scale, sx);
            sy = std::copysign(scale, sy);
        }
        break;
    default:
        // Fixed units, with y growing upwards.
        sx = mapModeUnitMm(state.mapMode) * device.pixelsPerMmX;
        sy = -mapModeUnitMm(state.mapMode) * device.pixelsPerMmY;
        break;
    }
    return QTransform(sx, 0, 0, sy, state.viewportOrigin.x() - state.windowOrigin.x() * sx,
                      state.viewportOrigin.y() - state.windowOrigin.y() * sy);
}

EmfPlayer::EmfPlayer(const QByteArray &bytes) : EmfPlayer(bytes, Limits{}) {}

EmfPlayer::EmfPlayer(const QByteArray &bytes, const Limits &limits) : m_bytes(bytes), m_limits(limits)
{
    m_valid = readHeader();
    if (m_valid)
        decode();
}

EmfPlayer::~EmfPlayer() = default;

bool EmfPlayer::readHeader()
{
    // EMR_HEADER ([MS-EMF] 2.3.4.2): Type, Size, Bounds, Frame, Signature, Version, Bytes,
    // Records, Handles, Reserved, nDescription, offDescription, nPalEntries, Device,
    // Millimeters, then in later versions pixel-format fields and Micrometers.
    WmfBytes in(reinterpret_cast<const uchar *>(m_bytes.constData()), m_bytes.size());
    const quint32 type = in.u32();
    const quint32 size = in.u32();
    qint32 r[8];
    for (qint32 &v : r)
        v = in.s32();
    const quint32 signature = in.u32();
    in.skip(12);                       // Version, Bytes, Records
    const quint16 handles = in.u16();
    in.skip(2 + 12);                   // Reserved, description, palette entries
    const qint32 deviceWidth = in.s32();
    const qint32 deviceHeight = in.s32();
    const qint32 mmWidth = in.s32();
    const qint32 mmHeight = in.s32();
    if (!in.ok() || type != wmfValue(EmfRecord::Header) || signature != Signature
        || size < MinimumHeaderSize || qsizetype(size) > m_bytes.size())
        return false;
    m_bounds = QRect(QPoint(r[0], r[1]), QPoint(r[2], r[3]));
    m_frame = QRect(QPoint(r[4], r[5]), QPoint(r[6], r[7]));
    m_headerObjects = handles;
    // Pixels per millimetre of the reference device, from micrometres when the header
    // carries them since whole millimetres round badly.
    double widthMm = mmWidth;
    double heightMm = mmHeight;
    if (size >= MicrometresOffset + 8) {
        in.skip(MicrometresOffset - in.position());
        const qint32 umWidth = in.s32();
        const qint32 umHeight = in.s32();
        if (in.ok() && umWidth > 0 && umHeight > 0) {
            widthMm = umWidth / 1000.0;
            heightMm = umHeight / 1000.0;
        }
    }
    if (deviceWidth > 0 && deviceHeight > 0 && widthMm > 0 && heightMm > 0) {
        m_device.pixelsPerMmX = deviceWidth / widthMm;
        m_device.pixelsPerMmY = deviceHeight / heightMm;
    }
    // The frame's corners are inclusive and in hundredths of a millimetre; without a frame,
    // the bounds (inclusive device pixels) stand in.
    const double left = double(r[4]) / 100 * m_device.pixelsPerMmX;
    const double top = double(r[5]) / 100 * m_device.pixelsPerMmY;
    const double right = double(r[6]) / 100 * m_device.pixelsPerMmX;
    const double bottom = double(r[7]) / 100 * m_device.pixelsPerMmY;
    if (right > left && bottom > top)
        m_device.frame = QRectF(QPointF(left, top), QPointF(right, bottom));
    else if (r[2] >= r[0] && r[3] >= r[1])
        m_device.frame = QRectF(QPointF(r[0], r[1]), QPointF(double(r[2]) + 1, double(r[3]) + 1));
    return true;
}

void EmfPlayer::decode()
{
    const auto *data = reinterpret_cast<const uchar *>(m_bytes.constData());
    const qsizetype end = m_bytes.size();
    qsizetype pos = 0;
    while (pos < end) {
        const qsizetype left = end - pos;
        if (left < RecordHeaderSize) {
            m_decodeOutcome = Outcome::BadRecordSize;
            m_decodeMessage = QStringLiteral("a record at offset %1 is cut off").arg(pos);
            return;
        }
        const quint32 type = qFromLittleEndian<quint32>(data + pos);
        const quint32 size = qFromLittleEndian<quint32>(data + pos + 4);
        if (size < RecordHeaderSize || size % 4 != 0 || qint64(size) > qint64(left)) {
            m_decodeOutcome = Outcome::BadRecordSize;
            m_decodeMessage = QStringLiteral("%1 at offset %2 claims %3 bytes, %4 are left")
                                  .arg(QString::fromLatin1(emfRecordName(type)))
                                  .arg(pos)
                                  .arg(size)
                                  .arg(left);
            return;
        }
        if (qint64(m_records.size()) >= m_limits.maxRecords) {
            m_decodeOutcome = Outcome::TooManyRecords;
            m_decodeMessage = QStringLiteral("more than %1 records").arg(m_limits.maxRecords);
            return;
        }
        m_records.push_back({type, pos, qsizetype(size)});
        if (type == wmfValue(EmfRecord::Eof))
            return;
        pos += size;
    }
}

EmfPlayer::Result EmfPlayer::play(QPainter &painter, const QRectF &target)
{
    Result result;
    if (!m_valid) {
        result.message = QStringLiteral("no enhanced metafile header");
        return result;
    }
    result.outcome = Outcome::Finished;
    const QRectF &frame = m_device.frame;
    if (!painter.isActive() || !std::isfinite(target.width()) || !std::isfinite(target.height())
        || !std::isfinite(target.x()) || !std::isfinite(target.y()) || target.width() == 0
        || target.height() == 0 || frame.isEmpty())
        return result;

    m_state = EmfState{};
    m_saved.clear();
    // The table grows as objects are made: a header may announce 65535 handles for a picture
    // that makes two.
    m_objects.clear();
    m_path = QPainterPath();
    m_inPath = false;
    m_figureOpen = false;
    m_points = 0;
    m_played = 0;
    m_stop = false;
    m_outcome = Outcome::Finished;
    m_message.clear();
    m_skipped = 0;
    m_identity.setTarget(QRectF(0, 0, std::abs(target.width()), std::abs(target.height())));
    m_identity.setFrame(std::nullopt);
    m_identity.update(WmfWindow{});
    m_toTarget = QTransform::fromTranslate(-frame.left(), -frame.top())
                 * QTransform::fromScale(target.width() / frame.width(), target.height() / frame.height())
                 * QTransform::fromTranslate(target.left(), target.top());
    const double margin = std::max(std::abs(target.width()), std::abs(target.height()));
    m_regionBounds = target.normalized().adjusted(-margin, -margin, margin, margin);
    updateTransform();
    {
        WmfPainter gdi(painter, m_identity, m_deviceState);
        m_painter = &gdi;
        const auto *data = reinterpret_cast<const uchar *>(m_bytes.constData());
        for (const Record &record : m_records) {
            if (m_stop)
                break;
            m_record = &record;
            ++m_played;
            WmfBytes params(data + record.offset + RecordHeaderSize, record.size - RecordHeaderSize);
            if (const Handler handler = handlerFor(record.type))
                (this->*handler)(params);
            else
                ++m_skipped;
        }
        m_record = nullptr;
        m_painter = nullptr;
    }
    if (!m_stop && m_decodeOutcome != Outcome::Finished) {
        m_outcome = m_decodeOutcome;
        m_message = m_decodeMessage;
    }
    result.outcome = m_outcome;
    result.records = m_played;
    result.skippedRecords = m_skipped;
    result.message = m_message;
    return result;
}

void EmfPlayer::stop(Outcome outcome, const QString &message)
{
    m_stop = true;
    m_outcome = outcome;
    m_message = message;
}

bool EmfPlayer::takePoints(qint64 count)
{
    m_points += count;
    if (m_points > m_limits.maxPoints) {
        stop(Outcome::TooManyPoints, QStringLiteral("more than %1 points").arg(m_limits.maxPoints));
        return false;
    }
    return true;
}

const uchar *EmfPlayer::recordSpan(quint64 offset, quint64 size) const
{
    if (!m_record || offset > quint64(m_record->size) || size > quint64(m_record->size) - offset)
        return nullptr;
    return reinterpret_cast<const uchar *>(m_bytes.constData()) + m_record->offset + offset;
}

QRgb EmfPlayer::colorRef(WmfBytes &params) const
{
    return readColorRef(params, m_state.gdi.palette.colors);
}

EmfPlayer::Handler EmfPlayer::handlerFor(quint32 type)
{
    static const std::array<Handler, 123> byType = [] {
        const std::pair<EmfRecord, Handler> handlers[] = {
            {EmfRecord::Header, &EmfPlayer::onHeader},
            {EmfRecord::Eof, &EmfPlayer::onEof},
            {EmfRecord::Comment, &EmfPlayer::onIgnored},
            {EmfRecord::SetMapperFlags, &EmfPlayer::onIgnored},
            {EmfRecord::RealizePalette, &EmfPlayer::onIgnored},
            {EmfRecord::SetBrushOrgEx, &EmfPlayer::onIgnored},
            {EmfRecord::SetMiterLimit, &EmfPlayer::onIgnored},
            {EmfRecord::SetIcmMode, &EmfPlayer::onIgnored},
            {EmfRecord::SetLayout, &EmfPlayer::onIgnored},
            {EmfRecord::SetMetaRgn, &EmfPlayer::onIgnored},
            {EmfRecord::FlattenPath, &EmfPlayer::onIgnored},
            {EmfRecord::WidenPath, &EmfPlayer::onIgnored},
            {EmfRecord::SetMapMode, &EmfPlayer::onSetMapMode},
            {EmfRecord::SetWindowExtEx, &EmfPlayer::onSetWindowExtEx},
            {EmfRecord::SetWindowOrgEx, &EmfPlayer::onSetWindowOrgEx},
            {EmfRecord::SetViewportExtEx, &EmfPlayer::onSetViewportExtEx},
            {EmfRecord::SetViewportOrgEx, &EmfPlayer::onSetViewportOrgEx},
            {EmfRecord::ScaleViewportExtEx, &EmfPlayer::onScaleViewportExtEx},
            {EmfRecord::ScaleWindowExtEx, &EmfPlayer::onScaleWindowExtEx},
            {EmfRecord::SetWorldTransform, &EmfPlayer::onSetWorldTransform},
            {EmfRecord::ModifyWorldTransform, &EmfPlayer::onModifyWorldTransform},
            {EmfRecord::SaveDc, &EmfPlayer::onSaveDc},
            {EmfRecord::RestoreDc, &EmfPlayer::onRestoreDc},
            {EmfRecord::SetBkMode, &EmfPlayer::onSetBkMode},
            {EmfRecord::SetPolyFillMode, &EmfPlayer::onSetPolyFillMode},
            {EmfRecord::SetRop2, &EmfPlayer::onSetRop2},
            {EmfRecord::SetStretchBltMode, &EmfPlayer::onSetStretchBltMode},
            {EmfRecord::SetTextAlign, &EmfPlayer::onSetTextAlign},
            {EmfRecord::SetTextColor, &EmfPlayer::onSetTextColor},
            {EmfRecord::SetBkColor, &EmfPlayer::onSetBkColor},
            {EmfRecord::SetArcDirection, &EmfPlayer::onSetArcDirection},
            {EmfRecord::IntersectClipRect, &EmfPlayer::onIntersectClipRect},
            {EmfRecord::ExcludeClipRect, &EmfPlayer::onExcludeClipRect},
            {EmfRecord::OffsetClipRgn, &EmfPlayer::onOffsetClipRgn},
            {EmfRecord::ExtSelectClipRgn, &EmfPlayer::onExtSelectClipRgn},
            {EmfRecord::SelectClipPath, &EmfPlayer::onSelectClipPath},
            {EmfRecord::CreatePen, &EmfPlayer::onCreatePen},
            {EmfRecord::ExtCreatePen, &EmfPlayer::onExtCreatePen},
            {EmfRecord::CreateBrushIndirect, &EmfPlayer::onCreateBrushIndirect},
            {EmfRecord::CreateDibPatternBrushPt, &EmfPlayer::onCreateDibPatternBrushPt},
            {EmfRecord::CreateMonoBrush, &EmfPlayer::onCreateDibPatternBrushPt},
            {EmfRecord::ExtCreateFontIndirectW, &EmfPlayer::onExtCreateFontIndirectW},
            {EmfRecord::CreatePalette, &EmfPlayer::onCreatePalette},
            {EmfRecord::SelectObject, &EmfPlayer::onSelectObject},
            {EmfRecord::SelectPalette, &EmfPlayer::onSelectPalette},
            {EmfRecord::DeleteObject, &EmfPlayer::onDeleteObject},
            {EmfRecord::MoveToEx, &EmfPlayer::onMoveToEx},
            {EmfRecord::LineTo, &EmfPlayer::onLineTo},
            {EmfRecord::PolyBezier, &EmfPlayer::onPolyBezier},
            {EmfRecord::PolyBezier16, &EmfPlayer::onPolyBezier16},
            {EmfRecord::PolyBezierTo, &EmfPlayer::onPolyBezierTo},
            {EmfRecord::PolyBezierTo16, &EmfPlayer::onPolyBezierTo16},
            {EmfRecord::Polyline, &EmfPlayer::onPolyline},
            {EmfRecord::Polyline16, &EmfPlayer::onPolyline16},
            {EmfRecord::PolylineTo, &EmfPlayer::onPolylineTo},
            {EmfRecord::PolylineTo16, &EmfPlayer::onPolylineTo16},
            {EmfRecord::Polygon, &EmfPlayer::onPolygon},
            {EmfRecord::Polygon16, &EmfPlayer::onPolygon16},
            {EmfRecord::PolyPolyline, &EmfPlayer::onPolyPolyline},
            {EmfRecord::PolyPolyline16, &EmfPlayer::onPolyPolyline16},
            {EmfRecord::PolyPolygon, &EmfPlayer::onPolyPolygon},
            {EmfRecord::PolyPolygon16, &EmfPlayer::onPolyPolygon16},
            {EmfRecord::PolyDraw, &EmfPlayer::onPolyDraw},
            {EmfRecord::PolyDraw16, &EmfPlayer::onPolyDraw16},
            {EmfRecord::Rectangle, &EmfPlayer::onRectangle},
            {EmfRecord::RoundRect, &EmfPlayer::onRoundRect},
            {EmfRecord::Ellipse, &EmfPlayer::onEllipse},
            {EmfRecord::Arc, &EmfPlayer::onArc},
            {EmfRecord::ArcTo, &EmfPlayer::onArcTo},
            {EmfRecord::Chord, &EmfPlayer::onChord},
            {EmfRecord::Pie, &EmfPlayer::onPie},
            {EmfRecord::AngleArc, &EmfPlayer::onAngleArc},
            {EmfRecord::SetPixelV, &EmfPlayer::onSetPixelV},
            {EmfRecord::BeginPath, &EmfPlayer::onBeginPath},
            {EmfRecord::EndPath, &EmfPlayer::onEndPath},
            {EmfRecord::CloseFigure, &EmfPlayer::onCloseFigure},
            {EmfRecord::AbortPath, &EmfPlayer::onAbortPath},
            {EmfRecord::FillPath, &EmfPlayer::onFillPath},
            {EmfRecord::StrokePath, &EmfPlayer::onStrokePath},
            {EmfRecord::StrokeAndFillPath, &EmfPlayer::onStrokeAndFillPath},
            {EmfRecord::FillRgn, &EmfPlayer::onFillRgn},
            {EmfRecord::PaintRgn, &EmfPlayer::onPaintRgn},
            {EmfRecord::ExtTextOutW, &EmfPlayer::onExtTextOutW},
            {EmfRecord::ExtTextOutA, &EmfPlayer::onExtTextOutA},
            {EmfRecord::BitBlt, &EmfPlayer::onBitBlt},
            {EmfRecord::StretchBlt, &EmfPlayer::onStretchBlt},
            {EmfRecord::AlphaBlend, &EmfPlayer::onAlphaBlend},
            {EmfRecord::TransparentBlt, &EmfPlayer::onTransparentBlt},
            {EmfRecord::StretchDiBits, &EmfPlayer::onStretchDiBits},
            {EmfRecord::SetDiBitsToDevice, &EmfPlayer::onSetDiBitsToDevice},
        };
        std::array<Handler, 123> table{};
        for (const auto &[kind, handler] : handlers)
            table[wmfValue(kind)] = handler;
        return table;
    }();
    return type < byType.size() ? byType[type] : nullptr;
}

// Mapping.

void EmfPlayer::updateTransform()
{
    m_transform = m_state.world * emfPageTransform(m_state, m_device) * m_toTarget;
    syncDevice();
}

QPointF EmfPlayer::toDevice(const QPointF &logical) const
{
    const QPointF p = m_transform.map(logical);
    constexpr double limit = WmfMapping::CoordinateLimit;
    return {std::isfinite(p.x()) ? std::clamp(p.x(), -limit, limit) : 0.0,
            std::isfinite(p.y()) ? std::clamp(p.y(), -limit, limit) : 0.0};
}

QPainterPath EmfPlayer::toDevice(const QPainterPath &logical) const
{
    QPainterPath device = logical;
    for (int i = 0; i < device.elementCount(); ++i) {
        const QPainterPath::Element e = device.elementAt(i);
        const QPointF p = toDevice(QPointF(e.x, e.y));
        device.setElementPositionAt(i, p.x(), p.y());
    }
    return device;
}

QRegion EmfPlayer::deviceRegion(const QRectF &logical) const
{
    QPolygonF corners;
    for (const QPointF &p : {logical.topLeft(), logical.topRight(), logical.bottomRight(),
                             logical.bottomLeft()})
        corners << toDevice(p);
    if (m_transform.type() <= QTransform::TxScale)
        return QRegion(corners.boundingRect().toAlignedRect());
    return polygonRegion(corners);
}

QRegion EmfPlayer::polygonRegion(const QPolygonF &device, Qt::FillRule rule) const
{
    // A slanted region is a band of rectangles a pixel high; cut to the area around the
    // target, a huge one cannot cost millions of them.
    if (m_regionBounds.contains(device.boundingRect()))
        return QRegion(device.toPolygon(), rule);
    return QRegion(device.intersected(QPolygonF(m_regionBounds)).toPolygon(), rule);
}

double EmfPlayer::lengthScale() const
{
    return std::sqrt(std::abs(m_transform.m11() * m_transform.m22()
                              - m_transform.m12() * m_transform.m21()));
}

void EmfPlayer::syncDevice()
{
    m_deviceState = m_state.gdi;
    const double scale = lengthScale();
    WmfPen &pen = m_deviceState.pen;
    pen.width = std::min(pen.width * scale, WmfMapping::CoordinateLimit);
    if (pen.geometric) {
        for (double &dash : pen.dashes)
            dash *= scale;
    }
    WmfFont &font = m_deviceState.font;
    const double ys = std::hypot(m_transform.m21(), m_transform.m22());
    const double xs = std::hypot(m_transform.m11(), m_transform.m12());
    const auto scaled = [](int units, double factor) {
        if (units == 0)
            return 0;
        const double v = std::clamp(units * factor, -1e6, 1e6);
        return int(std::copysign(std::max(1.0, std::abs(std::round(v))), v));
    };
    font.height = scaled(font.height, ys);
    font.width = scaled(font.width, xs);
    // A turning world transform turns the text with it; a mirroring one (the y axis of the
    // metric map modes) does not.
    if (m_transform.determinant() > 0 && m_transform.type() >= QTransform::TxRotate) {
        const double degrees = std::atan2(-m_transform.m12(), m_transform.m11()) * 180 / M_PI;
        font.escapement += int(std::lround(degrees * 10));
    }
}

void EmfPlayer::setClip(const std::optional<QRegion> &clip)
{
    m_state.gdi.clip = clip;
    m_deviceState.clip = clip;
    m_painter->applyClip();
}

void EmfPlayer::combineClip(const QRegion &region, quint32 mode)
{
    // RegionMode: RGN_AND, RGN_OR, RGN_XOR, RGN_DIFF, RGN_COPY.
    const QRegion current = m_state.gdi.clip.value_or(WmfPainter::everywhere());
    switch (mode) {
    case 1: setClip(current & region); break;
    case 2: setClip(m_state.gdi.clip ? std::optional(current | region) : std::nullopt); break;
    case 3: setClip(current ^ region); break;
    case 4: setClip(current - region); break;
    case 5: setClip(region); break;
    default: break;
    }
}

// State and mapping records.

void EmfPlayer::onHeader(WmfBytes &) {}

void EmfPlayer::onEof(WmfBytes &)
{
    m_stop = true;
}

void EmfPlayer::onIgnored(WmfBytes &) {}

void EmfPlayer::onSetMapMode(WmfBytes &params)
{
    const quint32 mode = params.u32();
    if (!params.ok() || mode < 1 || mode > 8)
        return;
    m_state.mapMode = EmfMapMode(mode);
    updateTransform();
}

void EmfPlayer::onSetWindowExtEx(WmfBytes &params)
{
    const qint32 cx = params.s32();
    const qint32 cy = params.s32();
    if (!params.ok() || cx == 0 || cy == 0)
        return;
    m_state.windowExtent = QSizeF(cx, cy);
    updateTransform();
}

void EmfPlayer::onSetWindowOrgEx(WmfBytes &params)
{
    const qint32 x = params.s32();
    const qint32 y = params.s32();
    if (!params.ok())
        return;
    m_state.windowOrigin = QPointF(x, y);
    updateTransform();
}

void EmfPlayer::onSetViewportExtEx(WmfBytes &params)
{
    const qint32 cx = params.s32();
    const qint32 cy = params.s32();
    if (!params.ok() || cx == 0 || cy == 0)
        return;
    m_state.viewportExtent = QSizeF(cx, cy);
    updateTransform();
}

void EmfPlayer::onSetViewportOrgEx(WmfBytes &params)
{
    const qint32 x = params.s32();
    const qint32 y = params.s32();
    if (!params.ok())
        return;
    m_state.viewportOrigin = QPointF(x, y);
    updateTransform();
}

namespace {

// xNum, xDenom, yNum, yDenom applied to an extent; nullopt when a factor is undefined or
// the result would collapse or overflow the mapping.
std::optional<QSizeF> scaledExtent(WmfBytes &params, const QSizeF &extent)
{
    const qint32 xNum = params.s32();
    const qint32 xDenom = params.s32();
    const qint32 yNum = params.s32();
    const qint32 yDenom = params.s32();
    if (!params.ok() || xDenom == 0 || yDenom == 0)
        return std::nullopt;
    const QSizeF out(extent.width() * xNum / xDenom, extent.height() * yNum / yDenom);
    const auto sane = [](double v) { return std::abs(v) >= 1e-3 && std::abs(v) < 1e9; };
    return sane(out.width()) && sane(out.height()) ? std::optional(out) : std::nullopt;
}

} // namespace

void EmfPlayer::onScaleViewportExtEx(WmfBytes &params)
{
    if (const auto extent = scaledExtent(params, m_state.viewportExtent)) {
        m_state.viewportExtent = *extent;
        updateTransform();
    }
}

void EmfPlayer::onScaleWindowExtEx(WmfBytes &params)
{
    if (const auto extent = scaledExtent(params, m_state.windowExtent)) {
        m_state.windowExtent = *extent;
        updateTransform();
    }
}

void EmfPlayer::onSetWorldTransform(WmfBytes &params)
{
    if (const auto t = readTransform(params)) {
        m_state.world = *t;
        updateTransform();
    }
}

void EmfPlayer::onModifyWorldTransform(WmfBytes &params)
{
    const std::optional<QTransform> t = readTransform(params);
    const quint32 mode = params.u32();
    if (!params.ok())
        return;
    // Left multiplication applies the new transform first, right multiplication last.
    switch (WorldChange(mode)) {
    case WorldChange::Identity: m_state.world.reset(); break;
    case WorldChange::LeftMultiply:
        if (t)
            m_state.world = *t * m_state.world;
        break;
    case WorldChange::RightMultiply:
        if (t)
            m_state.world = m_state.world * *t;
        break;
    case WorldChange::Set:
        if (t)
            m_state.world = *t;
        break;
    default: return;
    }
    updateTransform();
}

void EmfPlayer::onSaveDc(WmfBytes &)
{
    if (int(m_saved.size()) < m_limits.maxSavedStates)
        m_saved.push_back(m_state);
}

void EmfPlayer::onRestoreDc(WmfBytes &params)
{
    // Negative: relative to the last save (-1 the most recent); positive: the n-th save.
    const qint32 which = params.s32();
    if (!params.ok() || which == 0)
        return;
    const qsizetype depth = qsizetype(m_saved.size());
    const qsizetype index = which < 0 ? depth + which : qsizetype(which) - 1;
    if (index < 0 || index >= depth)
        return;
    m_state = m_saved[size_t(index)];
    m_saved.resize(size_t(index));
    updateTransform();
    m_painter->applyClip();
}

void EmfPlayer::onSetBkMode(WmfBytes &params)
{
    const quint32 mode = params.u32();
    if (params.ok() && (mode == TransparentMode || mode == OpaqueMode)) {
        m_state.gdi.bkOpaque = mode == OpaqueMode;
        syncDevice();
    }
}

void EmfPlayer::onSetPolyFillMode(WmfBytes &params)
{
    const quint32 mode = params.u32();
    if (params.ok() && (mode == AlternateFill || mode == WindingFill)) {
        m_state.gdi.fillRule = mode == WindingFill ? Qt::WindingFill : Qt::OddEvenFill;
        syncDevice();
    }
}

void EmfPlayer::onSetRop2(WmfBytes &params)
{
    const quint32 rop = params.u32();
    if (params.ok() && rop >= 1 && rop <= 16) {
        m_state.gdi.rop2 = quint16(rop);
        syncDevice();
    }
}

void EmfPlayer::onSetStretchBltMode(WmfBytes &params)
{
    const quint32 mode = params.u32();
    if (params.ok()) {
        m_state.gdi.stretchMode = quint16(mode);
        syncDevice();
    }
}

void EmfPlayer::onSetTextAlign(WmfBytes &params)
{
    const quint32 align = params.u32();
    if (params.ok()) {
        m_state.gdi.textAlign = quint16(align);
        syncDevice();
    }
}

void EmfPlayer::onSetTextColor(WmfBytes &params)
{
    const QRgb color = colorRef(params);
    if (params.ok()) {
        m_state.gdi.textColor = color;
        syncDevice();
    }
}

void EmfPlayer::onSetBkColor(WmfBytes &params)
{
    const QRgb color = colorRef(params);
    if (params.ok()) {
        m_state.gdi.bkColor = color;
        syncDevice();
    }
}

void EmfPlayer::onSetArcDirection(WmfBytes &params)
{
    const quint32 direction = params.u32();
    if (params.ok())
        m_state.clockwiseArcs = direction == ClockwiseArcs;
}

void EmfPlayer::onIntersectClipRect(WmfBytes &params)
{
    QRectF rect;
    if (readRect(params, &rect))
        setClip(m_state.gdi.clip.value_or(WmfPainter::everywhere()) & deviceRegion(rect));
}

void EmfPlayer::onExcludeClipRect(WmfBytes &params)
{
    QRectF rect;
    if (readRect(params, &rect))
        setClip(m_state.gdi.clip.value_or(WmfPainter::everywhere()) - deviceRegion(rect));
}

void EmfPlayer::onOffsetClipRgn(WmfBytes &params)
{
    const qint32 x = params.s32();
    const qint32 y = params.s32();
    if (!params.ok() || !m_state.gdi.clip)
        return;
    const QPointF shift = toDevice(QPointF(x, y)) - toDevice(QPointF(0, 0));
    QRegion moved = m_state.gdi.clip->translated(int(std::lround(shift.x())), int(std::lround(shift.y())));
    // Kept within the region of every pixel so that repeated offsets cannot overflow.
    setClip(moved & WmfPainter::everywhere());
}

void EmfPlayer::onExtSelectClipRgn(WmfBytes &params)
{
    // RgnDataSize, RegionMode, RgnData. RGN_COPY without data restores the default: no
    // clipping. The region is in the reference device's pixels, as GDI keeps clip regions.
    const quint32 size = params.u32();
    const quint32 mode = params.u32();
    if (!params.ok())
        return;
    constexpr quint32 Copy = 5;
    if (mode == Copy && size < 32) {
        setClip(std::nullopt);
        return;
    }
    // Damaged region data leaves the clip as it was.
    if (const auto rects = readRegionRects(params, size))
        combineClip(regionThrough(*rects, m_toTarget), mode);
}

void EmfPlayer::onSelectClipPath(WmfBytes &params)
{
    const quint32 mode = params.u32();
    if (!params.ok())
        return;
    // The path's figures become a region: odd-even figures by exclusive or, winding ones
    // by union.
    QRegion region;
    const Qt::FillRule rule = m_state.gdi.fillRule;
    for (const QPolygonF &figure : m_path.toSubpathPolygons()) {
        const QRegion part = polygonRegion(figure, rule);
        region = rule == Qt::OddEvenFill ? region ^ part : region | part;
    }
    m_path = QPainterPath();
    m_inPath = false;
    m_figureOpen = false;
    combineClip(region, mode);
}

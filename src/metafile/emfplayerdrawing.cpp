// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The EmfPlayer's handlers of the records that draw lines, shapes, paths, regions and text.
#include "emfplayer.h"

#include "core/win1252.h"
#include "metafile/wmfbytes.h"
#include "metafile/wmfpainter.h"

#include <QPolygonF>

#include <algorithm>
#include <bit>
#include <cmath>

namespace {

constexpr qsizetype BoundsSize = 16;   // the RectL many drawing records start with

// PolyDraw point types.
constexpr quint8 CloseFigureFlag = 0x01;
constexpr quint8 LineToType = 0x02;
constexpr quint8 BezierToType = 0x04;
constexpr quint8 MoveToType = 0x06;

// ExtTextOut options the player reads beyond the ones WmfPainter draws.
constexpr quint32 GlyphIndexOption = 0x0010;
constexpr quint32 NoRectOption = 0x0100;
constexpr quint32 DxPairsOption = 0x2000;

// The parametric angle of the point where the ray from the centre of rect through p meets
// the ellipse, in degrees counter-clockwise as QPainterPath::arcTo counts them.
double ellipseAngle(const QRectF &rect, const QPointF &p)
{
    const QPointF c = rect.center();
    return std::atan2(-(p.y() - c.y()) / (rect.height() / 2), (p.x() - c.x()) / (rect.width() / 2))
           * 180.0 / M_PI;
}

} // namespace

bool EmfPlayer::readPoints(WmfBytes &params, qint64 count, bool shortPoints, QPolygonF *points)
{
    if (count < 0 || !params.has(count * (shortPoints ? 4 : 8)) || !takePoints(count))
        return false;
    points->reserve(count);
    for (qint64 i = 0; i < count; ++i) {
        const double x = shortPoints ? params.s16() : params.s32();
        const double y = shortPoints ? params.s16() : params.s32();
        points->append(QPointF(x, y));
    }
    return params.ok();
}

bool EmfPlayer::readRect(WmfBytes &params, QRectF *logical)
{
    // RectL: left, top, right, bottom.
    const double left = params.s32();
    const double top = params.s32();
    const double right = params.s32();
    const double bottom = params.s32();
    if (!params.ok() || !takePoints(4))
        return false;
    *logical = QRectF(QPointF(left, top), QPointF(right, bottom)).normalized();
    return true;
}

void EmfPlayer::shape(const QPainterPath &logical)
{
    QPainterPath device = toDevice(logical);
    if (m_inPath) {
        m_path.addPath(device);
        m_figureOpen = false;
        return;
    }
    device.setFillRule(m_state.gdi.fillRule);
    m_painter->fillAndStroke(device);
}

void EmfPlayer::lines(const QPainterPath &logical)
{
    const QPainterPath device = toDevice(logical);
    if (m_inPath) {
        m_path.addPath(device);
        m_figureOpen = false;
        return;
    }
    m_painter->stroke(device);
}

// Lines and curves from the current position on, which end at end: in a path they continue
// its figure.
void EmfPlayer::continueFigure(const QPainterPath &logical, const QPointF &end)
{
    const QPainterPath device = toDevice(logical);
    if (m_inPath) {
        if (!m_figureOpen)
            m_path.moveTo(toDevice(m_state.gdi.position));
        m_path.connectPath(device);
        m_figureOpen = true;
    } else {
        m_painter->stroke(device);
    }
    m_state.gdi.position = end;
}

void EmfPlayer::onMoveToEx(WmfBytes &params)
{
    const qint32 x = params.s32();
    const qint32 y = params.s32();
    if (!params.ok())
        return;
    m_state.gdi.position = QPointF(x, y);
    if (m_inPath) {
        m_path.moveTo(toDevice(m_state.gdi.position));
        m_figureOpen = true;
    }
}

void EmfPlayer::onLineTo(WmfBytes &params)
{
    const qint32 x = params.s32();
    const qint32 y = params.s32();
    if (!params.ok() || !takePoints(2))
        return;
    QPainterPath path(m_state.gdi.position);
    path.lineTo(x, y);
    continueFigure(path, QPointF(x, y));
}

void EmfPlayer::polyline(WmfBytes &params, bool shortPoints, bool to)
{
    // Bounds, count, points.
    params.skip(BoundsSize);
    const quint32 count = params.u32();
    QPolygonF points;
    if (!params.ok() || count < 1 || !readPoints(params, count, shortPoints, &points))
        return;
    if (to) {
        QPainterPath path(m_state.gdi.position);
        for (const QPointF &p : points)
            path.lineTo(p);
        continueFigure(path, points.last());
    } else if (points.size() >= 2) {
        QPainterPath path;
        path.addPolygon(points);
        lines(path);
    }
}

void EmfPlayer::polyBezier(WmfBytes &params, bool shortPoints, bool to)
{
    // Bounds, count, points: a start point unless the curves go on from the current
    // position, then three points a curve.
    params.skip(BoundsSize);
    const quint32 count = params.u32();
    QPolygonF points;
    if (!params.ok() || count < 1 || !readPoints(params, count, shortPoints, &points))
        return;
    QPainterPath path(to ? m_state.gdi.position : points.first());
    for (qsizetype i = to ? 0 : 1; i + 2 < points.size(); i += 3)
        path.cubicTo(points.at(i), points.at(i + 1), points.at(i + 2));
    if (to)
        continueFigure(path, path.currentPosition());
    else
        lines(path);
}

void EmfPlayer::polygon(WmfBytes &params, bool shortPoints)
{
    params.skip(BoundsSize);
    const quint32 count = params.u32();
    QPolygonF points;
    if (!params.ok() || count < 2 || !readPoints(params, count, shortPoints, &points))
        return;
    QPainterPath path;
    path.addPolygon(points);
    path.closeSubpath();
    shape(path);
}

void EmfPlayer::polyPoly(WmfBytes &params, bool shortPoints, bool closed)
{
    // Bounds, number of polygons, number of points in all, each polygon's count, points.
    params.skip(BoundsSize);
    const quint32 polygons = params.u32();
    const quint32 total = params.u32();
    if (!params.ok() || !params.has(qsizetype(polygons) * 4)
        || !params.has(qsizetype(polygons) * 4 + qsizetype(total) * (shortPoints ? 4 : 8)))
        return;
    std::vector<quint32> counts(polygons);
    quint64 sum = 0;
    for (quint32 &count : counts) {
        count = params.u32();
        sum += count;
    }
    if (sum > total)
        return;
    QPainterPath path;
    for (const quint32 count : counts) {
        QPolygonF points;
        if (!readPoints(params, count, shortPoints, &points))
            return;
        if (points.size() < 2)
            continue;
        path.addPolygon(points);
        if (closed)
            path.closeSubpath();
    }
    if (closed)
        shape(path);
    else
        lines(path);
}

void EmfPlayer::polyDraw(WmfBytes &params, bool shortPoints)
{
    // Bounds, count, points, then one type byte a point.
    params.skip(BoundsSize);
    const quint32 count = params.u32();
    QPolygonF points;
    if (!params.ok() || !readPoints(params, count, shortPoints, &points))
        return;
    const uchar *types = params.bytes(count);
    if (!types)
        return;
    QPainterPath path(m_state.gdi.position);
    for (qsizetype i = 0; i < points.size(); ++i) {
        const quint8 type = types[i] & ~CloseFigureFlag;
        if (type == MoveToType) {
            path.moveTo(points.at(i));
        } else if (type == BezierToType && i + 2 < points.size()) {
            path.cubicTo(points.at(i), points.at(i + 1), points.at(i + 2));
            i += 2;
        } else if (type == LineToType || type == BezierToType) {
            path.lineTo(points.at(i));
        }
        if (types[std::min<qsizetype>(i, count - 1)] & CloseFigureFlag)
            path.closeSubpath();
    }
    if (points.isEmpty())
        return;
    continueFigure(path, points.last());
}

void EmfPlayer::onPolyBezier(WmfBytes &params) { polyBezier(params, false, false); }
void EmfPlayer::onPolyBezier16(WmfBytes &params) { polyBezier(params, true, false); }
void EmfPlayer::onPolyBezierTo(WmfBytes &params) { polyBezier(params, false, true); }
void EmfPlayer::onPolyBezierTo16(WmfBytes &params) { polyBezier(params, true, true); }
void EmfPlayer::onPolyline(WmfBytes &params) { polyline(params, false, false); }
void EmfPlayer::onPolyline16(WmfBytes &params) { polyline(params, true, false); }
void EmfPlayer::onPolylineTo(WmfBytes &params) { polyline(params, false, true); }
void EmfPlayer::onPolylineTo16(WmfBytes &params) { polyline(params, true, true); }
void EmfPlayer::onPolygon(WmfBytes &params) { polygon(params, false); }
void EmfPlayer::onPolygon16(WmfBytes &params) { polygon(params, true); }
void EmfPlayer::onPolyPolyline(WmfBytes &params) { polyPoly(params, false, false); }
void EmfPlayer::onPolyPolyline16(WmfBytes &params) { polyPoly(params, true, false); }
void EmfPlayer::onPolyPolygon(WmfBytes &params) { polyPoly(params, false, true); }
void EmfPlayer::onPolyPolygon16(WmfBytes &params) { polyPoly(params, true, true); }
void EmfPlayer::onPolyDraw(WmfBytes &params) { polyDraw(params, false); }
void EmfPlayer::onPolyDraw16(WmfBytes &params) { polyDraw(params, true); }

void EmfPlayer::onRectangle(WmfBytes &params)
{
    QRectF box;
    if (!readRect(params, &box))
        return;
    QPainterPath path;
    path.addRect(box);
    shape(path);
}

void EmfPlayer::onRoundRect(WmfBytes &params)
{
    // Box, then the corner ellipse's width and height.
    QRectF box;
    if (!readRect(params, &box))
        return;
    const double width = std::abs(double(params.s32()));
    const double height = std::abs(double(params.s32()));
    if (!params.ok())
        return;
    QPainterPath path;
    path.addRoundedRect(box, std::min(width, box.width()) / 2, std::min(height, box.height()) / 2);
    shape(path);
}

void EmfPlayer::onEllipse(WmfBytes &params)
{
    QRectF box;
    if (!readRect(params, &box))
        return;
    QPainterPath path;
    path.addEllipse(box);
    shape(path);
}

void EmfPlayer::arcRecord(WmfBytes &params, ArcKind kind)
{
    // Box, then the start and end radials' points.
    QRectF box;
    if (!readRect(params, &box))
        return;
    // Braces read the fields in order.
    const QPointF startPoint{double(params.s32()), double(params.s32())};
    const QPointF endPoint{double(params.s32()), double(params.s32())};
    if (!params.ok() || box.width() <= 0 || box.height() <= 0)
        return;
    // GDI turns arcs in the arc direction as the device shows them, so a mapping that
    // mirrors turns the logical direction round.
    const bool counterClockwise = m_state.clockwiseArcs == (m_transform.determinant() < 0);
    const double start = ellipseAngle(box, startPoint);
    const double end = ellipseAngle(box, endPoint);
    if (!std::isfinite(start) || !std::isfinite(end))
        return;
    double sweep = counterClockwise ? std::fmod(end - start + 720, 360)
                                    : -std::fmod(start - end + 720, 360);
    if (sweep == 0)
        sweep = counterClockwise ? 360 : -360;
    QPainterPath path;
    switch (kind) {
    case ArcKind::Arc:
        path.arcMoveTo(box, start);
        path.arcTo(box, start, sweep);
        lines(path);
        break;
    case ArcKind::ArcTo: {
        path.moveTo(m_state.gdi.position);
        QPainterPath arc;
        arc.arcMoveTo(box, start);
        path.lineTo(arc.currentPosition());
        path.arcTo(box, start, sweep);
        continueFigure(path, path.currentPosition());
        break;
    }
    case ArcKind::Pie:
        path.moveTo(box.center());
        path.arcTo(box, start, sweep);
        path.closeSubpath();
        shape(path);
        break;
    case ArcKind::Chord:
        path.arcMoveTo(box, start);
        path.arcTo(box, start, sweep);
        path.closeSubpath();
        shape(path);
        break;
    }
}

void EmfPlayer::onArc(WmfBytes &params) { arcRecord(params, ArcKind::Arc); }
void EmfPlayer::onArcTo(WmfBytes &params) { arcRecord(params, ArcKind::ArcTo); }
void EmfPlayer::onChord(WmfBytes &params) { arcRecord(params, ArcKind::Chord); }
void EmfPlayer::onPie(WmfBytes &params) { arcRecord(params, ArcKind::Pie); }

void EmfPlayer::onAngleArc(WmfBytes &params)
{
    // Center, Radius, StartAngle and SweepAngle in degrees counter-clockwise; a line from
    // the current position to the arc's start.
    const QPointF centre{double(params.s32()), double(params.s32())};
    const double radius = params.u32();
    const double start = std::bit_cast<float>(params.u32());
    const double sweep = std::bit_cast<float>(params.u32());
    if (!params.ok() || !std::isfinite(start) || !std::isfinite(sweep) || !takePoints(4))
        return;
    const QRectF box(centre - QPointF(radius, radius), QSizeF(2 * radius, 2 * radius));
    QPainterPath path(m_state.gdi.position);
    QPainterPath arc;
    arc.arcMoveTo(box, std::fmod(start, 360));
    path.lineTo(arc.currentPosition());
    path.arcTo(box, std::fmod(start, 360), std::clamp(sweep, -720.0, 720.0));
    continueFigure(path, path.currentPosition());
}

void EmfPlayer::onSetPixelV(WmfBytes &params)
{
    const qint32 x = params.s32();
    const qint32 y = params.s32();
    const QRgb color = colorRef(params);
    if (params.ok() && takePoints(1))
        m_painter->setPixel(toDevice(QPointF(x, y)), color);
}

void EmfPlayer::onBeginPath(WmfBytes &)
{
    m_path = QPainterPath();
    m_inPath = true;
    m_figureOpen = false;
}

void EmfPlayer::onEndPath(WmfBytes &)
{
    m_inPath = false;
}

void EmfPlayer::onCloseFigure(WmfBytes &)
{
    if (m_inPath && !m_path.isEmpty()) {
        m_path.closeSubpath();
        m_figureOpen = false;
    }
}

void EmfPlayer::onAbortPath(WmfBytes &)
{
    m_path = QPainterPath();
    m_inPath = false;
    m_figureOpen = false;
}

void EmfPlayer::drawPath(bool fill, bool stroke)
{
    QPainterPath path = std::exchange(m_path, QPainterPath());
    m_inPath = false;
    m_figureOpen = false;
    path.setFillRule(m_state.gdi.fillRule);
    if (fill && stroke)
        m_painter->fillAndStroke(path);
    else if (fill)
        m_painter->fill(path);
    else if (stroke)
        m_painter->stroke(path);
}

void EmfPlayer::onFillPath(WmfBytes &) { drawPath(true, false); }
void EmfPlayer::onStrokePath(WmfBytes &) { drawPath(false, true); }
void EmfPlayer::onStrokeAndFillPath(WmfBytes &) { drawPath(true, true); }

std::optional<QList<QRectF>> EmfPlayer::readRegionRects(WmfBytes &params, quint32 size)
{
    // RegionData: a header (Size 32, Type 1, CountRects, RgnSize, Bounds), then the
    // rectangles.
    QList<QRectF> rects;
    const quint32 headerSize = params.u32();
    params.u32();
    const quint32 count = params.u32();
    params.skip(4 + 16);
    if (!params.ok() || headerSize != 32 || size < 32 || quint64(count) * 16 > size - 32
        || !params.has(qsizetype(count) * 16) || !takePoints(qint64(count) * 2))
        return std::nullopt;
    for (quint32 i = 0; i < count; ++i) {
        const double left = params.s32();
        const double top = params.s32();
        const double right = params.s32();
        const double bottom = params.s32();
        if (right > left && bottom > top)
            rects.append(QRectF(QPointF(left, top), QPointF(right, bottom)));
    }
    return rects;
}

QRegion EmfPlayer::regionThrough(const QList<QRectF> &rects, const QTransform &transform) const
{
    const auto clamped = [](const QPointF &p) {
        constexpr double limit = WmfMapping::CoordinateLimit;
        return QPointF(std::isfinite(p.x()) ? std::clamp(p.x(), -limit, limit) : 0.0,
                       std::isfinite(p.y()) ? std::clamp(p.y(), -limit, limit) : 0.0);
    };
    QRegion region;
    for (const QRectF &rect : rects) {
        if (transform.type() <= QTransform::TxScale) {
            const QRectF mapped(clamped(transform.map(rect.topLeft())),
                                clamped(transform.map(rect.bottomRight())));
            region += mapped.normalized().toRect();
        } else {
            QPolygonF corners;
            for (const QPointF &p : {rect.topLeft(), rect.topRight(), rect.bottomRight(), rect.bottomLeft()})
                corners << clamped(transform.map(p));
            region += polygonRegion(corners);
        }
    }
    return region;
}

void EmfPlayer::onFillRgn(WmfBytes &params)
{
    // Bounds, RgnDataSize, ihBrush, RgnData (logical units).
    params.skip(BoundsSize);
    const quint32 size = params.u32();
    const quint32 brushIndex = params.u32();
    if (!params.ok())
        return;
    const std::optional<Object> stock = (brushIndex & 0x80000000) ? stockObject(brushIndex) : std::nullopt;
    const Object *object = stock ? &*stock : objectAt(brushIndex);
    const WmfBrush *brush = object ? std::get_if<WmfBrush>(object) : nullptr;
    const auto rects = readRegionRects(params, size);
    if (!brush || !rects)
        return;
    QPainterPath path;
    path.addRegion(regionThrough(*rects, m_transform));
    const WmfBrush selected = std::exchange(m_deviceState.brush, *brush);
    m_painter->fill(path);
    m_deviceState.brush = selected;
}

void EmfPlayer::onPaintRgn(WmfBytes &params)
{
    params.skip(BoundsSize);
    const quint32 size = params.u32();
    if (!params.ok())
        return;
    const auto rects = readRegionRects(params, size);
    if (!rects)
        return;
    QPainterPath path;
    path.addRegion(regionThrough(*rects, m_transform));
    m_painter->fill(path);
}

void EmfPlayer::text(WmfBytes &params, bool wide)
{
    // Bounds, iGraphicsMode, exScale, eyScale, then EmrText: Reference, Chars, offString,
    // Options, Rectangle (absent with ETO_NO_RECT), offDx. Offsets count from the record's
    // start.
    params.skip(BoundsSize + 12);
    const qint32 x = params.s32();
    const qint32 y = params.s32();
    const quint32 chars = params.u32();
    const quint32 offString = params.u32();
    const quint32 options = params.u32();
    std::optional<QRectF> rect;
    if (!(options & NoRectOption)) {
        QRectF logical;
        if (!readRect(params, &logical))
            return;
        if (!logical.isEmpty())
            rect = m_transform.mapRect(logical) & QRectF(-WmfMapping::CoordinateLimit, -WmfMapping::CoordinateLimit,
                                                         2 * WmfMapping::CoordinateLimit, 2 * WmfMapping::CoordinateLimit);
    }
    const quint32 offDx = params.u32();
    // A string that is not inside the record is refused before it counts against the limit.
    const uchar *string = recordSpan(offString, quint64(chars) * (wide ? 2 : 1));
    if (!params.ok() || !string || !takePoints(qint64(chars) + 1))
        return;
    WmfPainter::Text text;
    if (!(options & GlyphIndexOption)) {
        if (wide) {
            text.text.resize(chars);
            for (quint32 i = 0; i < chars; ++i)
                text.text[i] = QChar(qFromLittleEndian<quint16>(string + 2 * i));
        } else {
            text.text = Win1252::toUnicode(QByteArray(reinterpret_cast<const char *>(string), chars));
        }
    }
    // Dx: one advance a character, or an x and a y advance with ETO_PDY.
    const quint64 stride = (options & DxPairsOption) ? 8 : 4;
    if (const uchar *dx = recordSpan(offDx, quint64(chars) * stride); dx && offDx != 0) {
        const double xs = std::hypot(m_transform.m11(), m_transform.m12());
        for (quint32 i = 0; i < chars; ++i)
            text.advances.append(std::min(std::abs(qFromLittleEndian<qint32>(dx + stride * i) * xs),
                                          WmfMapping::CoordinateLimit));
    }
    const bool updateCp = m_state.gdi.textAlign & wmfValue(WmfTextAlign::UpdateCp);
    const QPointF at = updateCp ? m_state.gdi.position : QPointF(x, y);
    text.reference = toDevice(at);
    text.options = quint16(options & (wmfValue(WmfTextOption::Opaque) | wmfValue(WmfTextOption::Clipped)));
    text.rect = rect;
    const double advance = m_painter->drawText(text);
    const double xs = std::hypot(m_transform.m11(), m_transform.m12());
    if (updateCp && xs > 0)
        m_state.gdi.position.rx() += advance / xs;
}

void EmfPlayer::onExtTextOutW(WmfBytes &params) { text(params, true); }
void EmfPlayer::onExtTextOutA(WmfBytes &params) { text(params, false); }

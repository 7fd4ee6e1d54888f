// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wmfplayer.h"

#include "platform/win1252.h"
#include "platform/wmfbytes.h"
#include "platform/wmfdib.h"

#include <QFontMetricsF>
#include <QPaintEngine>
#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <cmath>

namespace {

constexpr quint32 PlaceableKey = 0x9AC6CDD7;
constexpr qsizetype PlaceableSize = 22;
constexpr qsizetype RecordHeaderSize = 6;   // RecordSize (4) and RecordFunction (2)

// Pen styles ([MS-WMF] 2.1.1.23, 2.1.1.24 PenStyle): the dash kind in the low nibble, then
// the end cap and the join.
constexpr quint16 PsDash = 1;
constexpr quint16 PsDot = 2;
constexpr quint16 PsDashDot = 3;
constexpr quint16 PsDashDotDot = 4;
constexpr quint16 PsNull = 5;
constexpr quint16 PsInsideFrame = 6;
constexpr quint16 PsAlternate = 8;
constexpr quint16 PsEndCapMask = 0x0F00;
constexpr quint16 PsEndCapSquare = 0x0100;
constexpr quint16 PsEndCapFlat = 0x0200;
constexpr quint16 PsJoinMask = 0xF000;
constexpr quint16 PsJoinBevel = 0x1000;
constexpr quint16 PsJoinMiter = 0x2000;

// Brush styles ([MS-WMF] 2.1.1.4) and hatches (2.1.1.12).
constexpr quint16 BsSolid = 0;
constexpr quint16 BsNull = 1;
constexpr quint16 BsHatched = 2;
constexpr quint16 BsPattern = 3;
constexpr quint16 BsDibPattern = 5;
constexpr quint16 BsDibPatternPt = 6;

// Background modes, fill modes, ROP2 codes (2.1.1.16, 2.1.1.25, 2.1.1.7).
constexpr quint16 Transparent = 1;
constexpr quint16 Opaque = 2;
constexpr quint16 Alternate = 1;
constexpr quint16 Winding = 2;
constexpr int R2NotCopyPen = 4;
constexpr int R2Not = 6;
constexpr int R2XorPen = 7;
constexpr int R2MaskPen = 9;
constexpr int R2Nop = 11;
constexpr int R2MergePen = 15;

// Text alignment (2.1.2.3) and ExtTextOut options (2.1.2.2).
constexpr quint16 TaUpdateCp = 0x0001;
constexpr quint16 TaHorizontalMask = 0x0006;
constexpr quint16 TaRight = 0x0002;
constexpr quint16 TaCenter = 0x0006;
constexpr quint16 TaVerticalMask = 0x0018;
constexpr quint16 TaBottom = 0x0008;
constexpr quint16 TaBaseline = 0x0018;
constexpr quint16 EtoOpaque = 0x0002;
constexpr quint16 EtoClipped = 0x0004;

// Ternary raster operations (2.1.1.31) the player knows.
constexpr quint32 SrcCopy = 0x00CC0020;
constexpr quint32 NotSrcCopy = 0x00330008;
constexpr quint32 SrcAnd = 0x008800C6;
constexpr quint32 SrcPaint = 0x00EE0086;
constexpr quint32 SrcInvert = 0x00660046;
constexpr quint32 PatCopy = 0x00F00021;
constexpr quint32 PatInvert = 0x005A0049;
constexpr quint32 DstInvert = 0x00550009;
constexpr quint32 Blackness = 0x00000042;
constexpr quint32 Whiteness = 0x00FF0062;

constexpr int StretchHalftone = 4;

// Device coordinates are kept within this distance of the origin, far outside any page, so
// that no window mapping can hand the rasterizer numbers it cannot take.
constexpr double CoordinateLimit = 4.0e6;

double clampCoordinate(double v)
{
    return std::clamp(v, -CoordinateLimit, CoordinateLimit);
}

QRgb readColorRef(WmfBytes &in, const QList<QRgb> &palette)
{
    const quint8 r = in.u8();
    const quint8 g = in.u8();
    const quint8 b = in.u8();
    const quint8 kind = in.u8();
    if (kind == 0x01) {
        // PALETTEINDEX: the low word indexes the selected palette.
        const int index = r | (g << 8);
        return index < palette.size() ? palette.at(index) : qRgb(0, 0, 0);
    }
    return qRgb(r, g, b);
}

// The parametric angle of the point where the ray from the centre of rect through p meets
// the ellipse, in degrees counter-clockwise as QPainterPath::arcTo counts them.
double ellipseAngle(const QRectF &rect, const QPointF &p)
{
    const QPointF c = rect.center();
    const double rx = rect.width() / 2;
    const double ry = rect.height() / 2;
    return std::atan2(-(p.y() - c.y()) / ry, (p.x() - c.x()) / rx) * 180.0 / M_PI;
}

} // namespace

WmfPlayer::WmfPlayer(const QByteArray &bytes) : WmfPlayer(bytes, Limits{}) {}

WmfPlayer::WmfPlayer(const QByteArray &bytes, const Limits &limits)
    : m_bytes(bytes), m_limits(limits)
{
    readHeader();
}

WmfPlayer::~WmfPlayer() = default;

bool WmfPlayer::readHeader()
{
    m_firstRecord = -1;
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
    // META_HEADER ([MS-WMF] 2.3.2.2): Type, HeaderSize (9 words), Version, Size (2 words),
    // NumberOfObjects, MaxRecord (2 words), NumberOfMembers.
    WmfBytes head(data + std::min(header, m_bytes.size()), m_bytes.size() - header);
    const quint16 type = head.u16();
    const quint16 headerWords = head.u16();
    head.u16();
    head.u32();
    const quint16 objects = head.u16();
    head.u32();
    head.u16();
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
    if (!painter.isActive() || !std::isfinite(target.x()) || !std::isfinite(target.y())
        || !std::isfinite(target.width()) || !std::isfinite(target.height())
        || target.width() == 0 || target.height() == 0)
        return result;

    painter.save();
    m_painter = &painter;
    m_target = target;
    m_base = painter.worldTransform();
    m_baseClip.reset();
    if (painter.hasClipping())
        m_baseClip = painter.clipRegion();
    m_rasterOps = painter.paintEngine() != nullptr
                  && painter.paintEngine()->hasFeature(QPaintEngine::RasterOpModes);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setBrush(Qt::NoBrush);

    m_state = State{};
    m_saved.clear();
    m_objects.clear();
    m_objects.reserve(size_t(std::min(m_headerObjects, m_limits.maxObjects)));
    m_freeSlots.clear();
    m_points = 0;
    m_stop = false;
    m_outcome = Outcome::Finished;
    m_message.clear();
    m_skipped = 0;
    updateMapping();

    const auto *data = reinterpret_cast<const uchar *>(m_bytes.constData());
    const qsizetype end = m_bytes.size();
    qsizetype pos = m_firstRecord;
    qint64 records = 0;
    while (!m_stop) {
        const qsizetype left = end - pos;
        if (left <= 0)
            break;   // no EOF record: the bytes simply end, as after one
        if (left < RecordHeaderSize) {
            stop(Outcome::BadRecordSize,
                 QStringLiteral("a record header at offset %1 is cut off").arg(pos));
            break;
        }
        const quint32 words = qFromLittleEndian<quint32>(data + pos);
        const quint16 function = qFromLittleEndian<quint16>(data + pos + 4);
        if (m_trace)
            m_trace(pos, function, words);
        ++records;
        if (words < 3 || qint64(words) * 2 > qint64(left)) {
            stop(Outcome::BadRecordSize,
                 QStringLiteral("%1 at offset %2 has a size of %3 words, %4 bytes are left")
                     .arg(QString::fromLatin1(recordName(function)))
                     .arg(pos)
                     .arg(words)
                     .arg(left));
            break;
        }
        if (records > m_limits.maxRecords) {
            stop(Outcome::TooManyRecords,
                 QStringLiteral("more than %1 records").arg(m_limits.maxRecords));
            break;
        }
        WmfBytes params(data + pos + RecordHeaderSize, qsizetype(words) * 2 - RecordHeaderSize);
        WmfRecord kind;
        const Handler handler = wmfRecordKind(function, &kind) ? handlerFor(kind) : nullptr;
        if (handler)
            (this->*handler)(params, words, function);
        else
            ++m_skipped;
        pos += qsizetype(words) * 2;
    }

    painter.restore();
    m_painter = nullptr;
    result.outcome = m_outcome;
    result.records = records;
    result.skippedRecords = m_skipped;
    result.message = m_message;
    return result;
}

void WmfPlayer::stop(Outcome outcome, const QString &message)
{
    m_stop = true;
    m_outcome = outcome;
    m_message = message;
}

WmfPlayer::Handler WmfPlayer::handlerFor(WmfRecord record)
{
    switch (record) {
    case WmfRecord::Eof: return &WmfPlayer::onEof;
    case WmfRecord::SetWindowOrg: return &WmfPlayer::onSetWindowOrg;
    case WmfRecord::SetWindowExt: return &WmfPlayer::onSetWindowExt;
    case WmfRecord::OffsetWindowOrg: return &WmfPlayer::onOffsetWindowOrg;
    case WmfRecord::ScaleWindowExt: return &WmfPlayer::onScaleWindowExt;
    case WmfRecord::SetViewportOrg:
    case WmfRecord::SetViewportExt:
    case WmfRecord::OffsetViewportOrg:
    case WmfRecord::ScaleViewportExt: return &WmfPlayer::onViewport;
    case WmfRecord::SetMapMode: return &WmfPlayer::onSetMapMode;
    case WmfRecord::SaveDc: return &WmfPlayer::onSaveDc;
    case WmfRecord::RestoreDc: return &WmfPlayer::onRestoreDc;
    case WmfRecord::CreatePenIndirect: return &WmfPlayer::onCreatePenIndirect;
    case WmfRecord::CreateBrushIndirect: return &WmfPlayer::onCreateBrushIndirect;
    case WmfRecord::DibCreatePatternBrush: return &WmfPlayer::onDibCreatePatternBrush;
    case WmfRecord::CreatePatternBrush: return &WmfPlayer::onCreatePatternBrush;
    case WmfRecord::CreateFontIndirect: return &WmfPlayer::onCreateFontIndirect;
    case WmfRecord::CreatePalette: return &WmfPlayer::onCreatePalette;
    case WmfRecord::CreateRegion: return &WmfPlayer::onCreateRegion;
    case WmfRecord::SelectObject: return &WmfPlayer::onSelectObject;
    case WmfRecord::SelectPalette: return &WmfPlayer::onSelectPalette;
    case WmfRecord::RealizePalette: return &WmfPlayer::onRealizePalette;
    case WmfRecord::DeleteObject: return &WmfPlayer::onDeleteObject;
    case WmfRecord::SetTextColor: return &WmfPlayer::onSetTextColor;
    case WmfRecord::SetBkColor: return &WmfPlayer::onSetBkColor;
    case WmfRecord::SetBkMode: return &WmfPlayer::onSetBkMode;
    case WmfRecord::SetPolyFillMode: return &WmfPlayer::onSetPolyFillMode;
    case WmfRecord::SetRop2: return &WmfPlayer::onSetRop2;
    case WmfRecord::SetTextAlign: return &WmfPlayer::onSetTextAlign;
    case WmfRecord::SetStretchBltMode: return &WmfPlayer::onSetStretchBltMode;
    case WmfRecord::MoveTo: return &WmfPlayer::onMoveTo;
    case WmfRecord::LineTo: return &WmfPlayer::onLineTo;
    case WmfRecord::Polyline: return &WmfPlayer::onPolyline;
    case WmfRecord::Polygon: return &WmfPlayer::onPolygon;
    case WmfRecord::PolyPolygon: return &WmfPlayer::onPolyPolygon;
    case WmfRecord::Rectangle: return &WmfPlayer::onRectangle;
    case WmfRecord::RoundRect: return &WmfPlayer::onRoundRect;
    case WmfRecord::Ellipse: return &WmfPlayer::onEllipse;
    case WmfRecord::Arc: return &WmfPlayer::onArc;
    case WmfRecord::Pie: return &WmfPlayer::onPie;
    case WmfRecord::Chord: return &WmfPlayer::onChord;
    case WmfRecord::TextOut: return &WmfPlayer::onTextOut;
    case WmfRecord::ExtTextOut: return &WmfPlayer::onExtTextOut;
    case WmfRecord::SetPixel: return &WmfPlayer::onSetPixel;
    case WmfRecord::PatBlt: return &WmfPlayer::onPatBlt;
    case WmfRecord::StretchDib: return &WmfPlayer::onStretchDib;
    case WmfRecord::DibStretchBlt: return &WmfPlayer::onDibStretchBlt;
    case WmfRecord::DibBitBlt: return &WmfPlayer::onDibBitBlt;
    case WmfRecord::StretchBlt: return &WmfPlayer::onStretchBlt;
    case WmfRecord::BitBlt: return &WmfPlayer::onBitBlt;
    case WmfRecord::IntersectClipRect: return &WmfPlayer::onIntersectClipRect;
    case WmfRecord::ExcludeClipRect: return &WmfPlayer::onExcludeClipRect;
    default: return nullptr;
    }
}

// ---------------------------------------------------------------------------------------
// Mapping

WmfPlayer::Window WmfPlayer::effectiveWindow() const
{
    Window w = m_state.window;
    if (!w.originSet)
        w.origin = m_placeable ? QPointF(m_frame.left(), m_frame.top()) : QPointF(0, 0);
    if (!w.extentSet) {
        if (m_placeable && m_frame.width() != 0 && m_frame.height() != 0)
            w.extent = QPointF(m_frame.width(), m_frame.height());
        else
            w.extent = QPointF(m_target.width(), m_target.height());
    }
    return w;
}

void WmfPlayer::updateMapping()
{
    const Window w = effectiveWindow();
    m_sx = m_target.width() / w.extent.x();
    m_sy = m_target.height() / w.extent.y();
    m_dx = m_target.left() - w.origin.x() * m_sx;
    m_dy = m_target.top() - w.origin.y() * m_sy;
}

QPointF WmfPlayer::map(double x, double y) const
{
    return {clampCoordinate(m_dx + x * m_sx), clampCoordinate(m_dy + y * m_sy)};
}

QRectF WmfPlayer::mapRect(double left, double top, double right, double bottom) const
{
    return QRectF(map(left, top), map(right, bottom)).normalized();
}

double WmfPlayer::mapWidth(double w) const
{
    return std::min(std::abs(w * m_sx), CoordinateLimit);
}

double WmfPlayer::mapHeight(double h) const
{
    return std::min(std::abs(h * m_sy), CoordinateLimit);
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

// ---------------------------------------------------------------------------------------
// Painter set-up

QRegion WmfPlayer::everywhere()
{
    constexpr int Far = 1 << 24;
    return QRegion(-Far, -Far, 2 * Far, 2 * Far);
}

void WmfPlayer::applyClip()
{
    if (m_state.clip) {
        QRegion region = *m_state.clip;
        if (m_baseClip)
            region &= *m_baseClip;
        m_painter->setClipRegion(region);
    } else if (m_baseClip) {
        m_painter->setClipRegion(*m_baseClip);
    } else {
        m_painter->setClipping(false);
    }
}

bool WmfPlayer::beginDraw()
{
    const int rop = m_state.rop2;
    if (rop == R2Nop)
        return false;
    if (!m_rasterOps)
        return true;
    switch (rop) {
    case R2NotCopyPen:
        m_painter->setCompositionMode(QPainter::RasterOp_NotSource);
        break;
    case R2Not:
        m_painter->setCompositionMode(QPainter::RasterOp_NotDestination);
        break;
    case R2XorPen:
        m_painter->setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        break;
    case R2MaskPen:
        m_painter->setCompositionMode(QPainter::RasterOp_SourceAndDestination);
        break;
    case R2MergePen:
        m_painter->setCompositionMode(QPainter::RasterOp_SourceOrDestination);
        break;
    default:
        break;   // R2_COPYPEN and the rest draw the pen as it is
    }
    return true;
}

void WmfPlayer::endDraw()
{
    m_painter->setCompositionMode(QPainter::CompositionMode_SourceOver);
}

double WmfPlayer::penWidth() const
{
    const Pen &pen = m_state.pen;
    if (pen.width <= 0)
        return 1.0;
    const double limit = 4 * std::max(std::abs(m_target.width()), std::abs(m_target.height())) + 16;
    const double width = std::clamp(std::abs(pen.width * m_sx), 1.0, limit);
    // Below one and a half pixels a line is drawn one pixel wide, which the painter strokes
    // far faster than a wider one and which looks the same.
    return width < 1.5 ? 1.0 : width;
}

QPen WmfPlayer::qpen() const
{
    const Pen &pen = m_state.pen;
    const quint16 kind = pen.style & 0x0F;
    if (kind == PsNull)
        return Qt::NoPen;
    QPen out(QColor(pen.color), penWidth());
    // Dashes only for pens one unit wide; wider pens draw solid, as GDI's CreatePenIndirect.
    if (pen.width <= 1) {
        switch (kind) {
        case PsDash: out.setDashPattern({18, 6}); break;
        case PsDot:
        case PsAlternate: out.setDashPattern({3, 3}); break;
        case PsDashDot: out.setDashPattern({9, 6, 3, 6}); break;
        case PsDashDotDot: out.setDashPattern({9, 3, 3, 3, 3, 3}); break;
        default: break;
        }
    }
    switch (pen.style & PsEndCapMask) {
    case PsEndCapSquare: out.setCapStyle(Qt::SquareCap); break;
    case PsEndCapFlat: out.setCapStyle(Qt::FlatCap); break;
    default: out.setCapStyle(Qt::RoundCap); break;
    }
    switch (pen.style & PsJoinMask) {
    case PsJoinBevel: out.setJoinStyle(Qt::BevelJoin); break;
    case PsJoinMiter: out.setJoinStyle(Qt::MiterJoin); break;
    default:
        // Round joins cost an arc at every vertex; on a line under three pixels wide a
        // bevel is indistinguishable from them.
        out.setJoinStyle(out.widthF() < 3 ? Qt::BevelJoin : Qt::RoundJoin);
        break;
    }
    return out;
}

QBrush WmfPlayer::qbrush() const
{
    const Brush &brush = m_state.brush;
    switch (brush.style) {
    case BsSolid:
        return QBrush(QColor(brush.color));
    case BsNull:
        return Qt::NoBrush;
    case BsHatched: {
        // HS_HORIZONTAL, HS_VERTICAL, HS_FDIAGONAL (down to the right, as Qt's forward
        // diagonal), HS_BDIAGONAL (up to the right), HS_CROSS, HS_DIAGCROSS.
        static const Qt::BrushStyle hatches[] = {Qt::HorPattern,   Qt::VerPattern,
                                                 Qt::FDiagPattern, Qt::BDiagPattern,
                                                 Qt::CrossPattern, Qt::DiagCrossPattern};
        const Qt::BrushStyle style = brush.hatch < 6 ? hatches[brush.hatch] : Qt::SolidPattern;
        return QBrush(QColor(brush.color), style);
    }
    case BsPattern:
    case BsDibPattern:
    case BsDibPatternPt:
        if (!brush.pattern.isNull())
            return QBrush(brush.pattern);
        return QBrush(Qt::black);
    default:
        return QBrush(QColor(brush.color));
    }
}

void WmfPlayer::fillPath(const QPainterPath &path)
{
    const QBrush brush = qbrush();
    if (brush.style() == Qt::NoBrush)
        return;
    if (m_state.brush.style == BsHatched && m_state.bkOpaque)
        m_painter->fillPath(path, QColor(m_state.bkColor));
    m_painter->fillPath(path, brush);
}

void WmfPlayer::strokePath(const QPainterPath &path)
{
    QPen pen = qpen();
    if (pen.style() == Qt::NoPen)
        return;
    // GDI puts a one-pixel line on the pixels whose centres the geometry passes through.
    const QPainterPath centred = path.translated(0.5, 0.5);
    m_painter->setBrush(Qt::NoBrush);
    if (pen.style() != Qt::SolidLine && m_state.bkOpaque) {
        QPen gaps = pen;
        gaps.setStyle(Qt::SolidLine);
        gaps.setColor(QColor(m_state.bkColor));
        m_painter->setPen(gaps);
        m_painter->drawPath(centred);
    }
    m_painter->setPen(pen);
    m_painter->drawPath(centred);
    m_painter->setPen(Qt::NoPen);
}

void WmfPlayer::fillAndStroke(const QPainterPath &path)
{
    if (!beginDraw())
        return;
    fillPath(path);
    strokePath(path);
    endDraw();
}

QRectF WmfPlayer::shapeRect(double left, double top, double right, double bottom) const
{
    QRectF rect = mapRect(left, top, right, bottom);
    if ((m_state.pen.style & 0x0F) == PsInsideFrame && m_state.pen.width > 1) {
        const double inset = penWidth() / 2;
        if (rect.width() > 2 * inset && rect.height() > 2 * inset)
            rect.adjust(inset, inset, -inset, -inset);
    }
    return rect;
}

QFont WmfPlayer::qfont(const QPaintDevice *device) const
{
    const Font &f = m_state.font;
    QFont font;
    if (!f.face.isEmpty())
        font.setFamily(f.face);
    font.setItalic(f.italic);
    font.setUnderline(f.underline);
    font.setStrikeOut(f.strikeOut);
    font.setWeight(QFont::Weight(f.weight <= 0 ? 400 : std::clamp(f.weight, 1, 1000)));
    double em = 12;
    if (f.height < 0) {
        em = -double(f.height) * std::abs(m_sy);
    } else if (f.height > 0) {
        // A positive height is the cell (ascent plus descent), not the em.
        QFont probe = font;
        probe.setPixelSize(100);
        const double cell = QFontMetricsF(probe, device).height();
        em = double(f.height) * std::abs(m_sy) * (cell > 0 ? 100.0 / cell : 1.0);
    }
    const double limit =
        std::min(16384.0, 2 * std::max(std::abs(m_target.width()), std::abs(m_target.height())) + 16);
    font.setPixelSize(int(std::clamp(std::round(em), 1.0, limit)));
    return font;
}

// ---------------------------------------------------------------------------------------
// Object table

int WmfPlayer::addObject(Object object)
{
    int index;
    if (!m_freeSlots.empty()) {
        index = *m_freeSlots.begin();
        m_freeSlots.erase(m_freeSlots.begin());
    } else if (int(m_objects.size()) < m_limits.maxObjects) {
        index = int(m_objects.size());
        m_objects.emplace_back();
    } else {
        return -1;   // the table is full: the object is not created
    }
    m_objects[index] = std::move(object);
    return index;
}

WmfPlayer::Object *WmfPlayer::objectAt(int index)
{
    if (index < 0 || index >= int(m_objects.size()) || !m_objects[index])
        return nullptr;
    return &*m_objects[index];
}

// ---------------------------------------------------------------------------------------
// Records: state

void WmfPlayer::onEof(WmfBytes &, quint32, quint16)
{
    m_stop = true;
}

void WmfPlayer::onSetWindowOrg(WmfBytes &params, quint32, quint16)
{
    const qint16 y = params.s16();
    const qint16 x = params.s16();
    if (!params.ok())
        return;
    m_state.window.origin = QPointF(x, y);
    m_state.window.originSet = true;
    updateMapping();
}

void WmfPlayer::onSetWindowExt(WmfBytes &params, quint32, quint16)
{
    const qint16 y = params.s16();
    const qint16 x = params.s16();
    if (!params.ok() || x == 0 || y == 0)
        return;
    m_state.window.extent = QPointF(x, y);
    m_state.window.extentSet = true;
    updateMapping();
}

void WmfPlayer::onOffsetWindowOrg(WmfBytes &params, quint32, quint16)
{
    const qint16 y = params.s16();
    const qint16 x = params.s16();
    if (!params.ok())
        return;
    const Window w = effectiveWindow();
    m_state.window.origin = w.origin + QPointF(x, y);
    m_state.window.originSet = true;
    updateMapping();
}

void WmfPlayer::onScaleWindowExt(WmfBytes &params, quint32, quint16)
{
    const qint16 yDenom = params.s16();
    const qint16 yNum = params.s16();
    const qint16 xDenom = params.s16();
    const qint16 xNum = params.s16();
    if (!params.ok() || xDenom == 0 || yDenom == 0)
        return;
    const Window w = effectiveWindow();
    const QPointF extent(w.extent.x() * xNum / xDenom, w.extent.y() * yNum / yDenom);
    // An extent below one unit or beyond any 16-bit window would only overflow the mapping.
    if (!(std::abs(extent.x()) >= 1 && std::abs(extent.y()) >= 1 && std::abs(extent.x()) < 1e9
          && std::abs(extent.y()) < 1e9))
        return;
    m_state.window.extent = extent;
    m_state.window.extentSet = true;
    updateMapping();
}

void WmfPlayer::onViewport(WmfBytes &, quint32, quint16)
{
    // The target rectangle is the viewport; the metafile's own viewport is ignored.
}

void WmfPlayer::onSetMapMode(WmfBytes &, quint32, quint16)
{
    // Every map mode is played as MM_ANISOTROPIC: the window is stretched onto the target.
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
    updateMapping();
    applyClip();
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
    if (params.ok() && (mode == Transparent || mode == Opaque))
        m_state.bkOpaque = mode == Opaque;
}

void WmfPlayer::onSetPolyFillMode(WmfBytes &params, quint32, quint16)
{
    const quint16 mode = params.u16();
    if (params.ok() && (mode == Alternate || mode == Winding))
        m_state.fillRule = mode == Winding ? Qt::WindingFill : Qt::OddEvenFill;
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

// ---------------------------------------------------------------------------------------
// Records: objects

void WmfPlayer::onCreatePenIndirect(WmfBytes &params, quint32, quint16)
{
    // Pen Object ([MS-WMF] 2.2.1.4): PenStyle, Width (a PointS whose x counts), ColorRef.
    Pen pen;
    pen.style = params.u16();
    pen.width = params.s16();
    params.s16();
    pen.color = colorRef(params);
    if (!params.ok())
        pen = Pen{};
    addObject(pen);
}

void WmfPlayer::onCreateBrushIndirect(WmfBytes &params, quint32, quint16)
{
    // LogBrush Object (2.2.2.10): BrushStyle, ColorRef, BrushHatch.
    Brush brush;
    brush.style = params.u16();
    brush.color = colorRef(params);
    brush.hatch = params.u16();
    if (brush.style == BsPattern || brush.style == BsDibPattern || brush.style == BsDibPatternPt) {
        // No pattern travels in this record: a solid black brush, as the specification says.
        brush.style = BsSolid;
        brush.color = qRgb(0, 0, 0);
    }
    addObject(brush);
}

void WmfPlayer::onDibCreatePatternBrush(WmfBytes &params, quint32, quint16)
{
    // Style, ColorUsage, then a DIB (or a Bitmap16 for BS_PATTERN).
    const quint16 style = params.u16();
    const quint16 usage = params.u16();
    Brush brush;
    brush.style = BsDibPattern;
    if (params.ok()) {
        const qsizetype size = params.remaining();
        const uchar *data = params.bytes(size);
        constexpr qint64 MaxPatternPixels = 256 * 256;
        if (style == BsPattern)
            brush.pattern = WmfDib::decodeBitmap16(data, size, m_state.textColor, m_state.bkColor,
                                                   MaxPatternPixels);
        else
            brush.pattern = WmfDib::decode(data, size, usage, m_state.palette.colors,
                                           MaxPatternPixels)
                                .image;
    }
    addObject(brush);
}

void WmfPlayer::onCreatePatternBrush(WmfBytes &, quint32, quint16)
{
    // A Bitmap16 pattern ([MS-WMF] 2.3.4.4), obsolete: a solid black brush stands in.
    Brush brush;
    brush.style = BsSolid;
    brush.color = qRgb(0, 0, 0);
    addObject(brush);
}

void WmfPlayer::onCreateFontIndirect(WmfBytes &params, quint32, quint16)
{
    // Font Object (2.2.1.2): Height, Width, Escapement, Orientation, Weight, Italic,
    // Underline, StrikeOut, CharSet, OutPrecision, ClipPrecision, Quality, PitchAndFamily,
    // FaceName (at most 32 bytes, NUL-terminated).
    Font font;
    font.height = params.s16();
    font.width = params.s16();
    font.escapement = params.s16();
    params.s16();   // orientation: GDI in compatible mode uses the escapement
    font.weight = params.s16();
    font.italic = params.u8() != 0;
    font.underline = params.u8() != 0;
    font.strikeOut = params.u8() != 0;
    font.charSet = params.u8();
    params.skip(4);
    if (params.ok()) {
        const qsizetype size = std::min<qsizetype>(32, params.remaining());
        const uchar *face = params.bytes(size);
        qsizetype length = 0;
        while (length < size && face[length] != 0)
            ++length;
        font.face = Win1252::toUnicode(QByteArray(reinterpret_cast<const char *>(face), length))
                        .trimmed();
    } else {
        font = Font{};
    }
    addObject(font);
}

void WmfPlayer::onCreatePalette(WmfBytes &params, quint32, quint16)
{
    // Palette Object (2.2.1.3): Start, NumberOfEntries, PaletteEntry (red, green, blue, flags).
    Palette palette;
    params.u16();
    const quint16 count = params.u16();
    const qsizetype entries = params.ok() ? std::min<qsizetype>(count, params.remaining() / 4) : 0;
    palette.colors.reserve(entries);
    for (qsizetype i = 0; i < entries; ++i) {
        const quint8 r = params.u8();
        const quint8 g = params.u8();
        const quint8 b = params.u8();
        params.u8();
        palette.colors.append(qRgb(r, g, b));
    }
    addObject(palette);
}

void WmfPlayer::onCreateRegion(WmfBytes &, quint32, quint16)
{
    addObject(Placeholder{});
}

void WmfPlayer::onSelectObject(WmfBytes &params, quint32, quint16)
{
    const quint16 index = params.u16();
    if (!params.ok())
        return;
    Object *object = objectAt(index);
    if (!object)
        return;
    if (const auto *pen = std::get_if<Pen>(object))
        m_state.pen = *pen;
    else if (const auto *brush = std::get_if<Brush>(object))
        m_state.brush = *brush;
    else if (const auto *font = std::get_if<Font>(object))
        m_state.font = *font;
    else if (const auto *palette = std::get_if<Palette>(object))
        m_state.palette = *palette;
}

void WmfPlayer::onSelectPalette(WmfBytes &params, quint32, quint16)
{
    const quint16 index = params.u16();
    if (!params.ok())
        return;
    if (Object *object = objectAt(index)) {
        if (const auto *palette = std::get_if<Palette>(object))
            m_state.palette = *palette;
    }
}

void WmfPlayer::onRealizePalette(WmfBytes &, quint32, quint16)
{
    // Colours are drawn as they are; there is no system palette to map them into.
}

void WmfPlayer::onDeleteObject(WmfBytes &params, quint32, quint16)
{
    const quint16 index = params.u16();
    if (!params.ok() || !objectAt(index))
        return;
    m_objects[index].reset();
    m_freeSlots.insert(index);
}

// ---------------------------------------------------------------------------------------
// Records: lines and shapes

void WmfPlayer::onMoveTo(WmfBytes &params, quint32, quint16)
{
    const qint16 y = params.s16();
    const qint16 x = params.s16();
    if (params.ok())
        m_state.position = QPointF(x, y);
}

void WmfPlayer::onLineTo(WmfBytes &params, quint32, quint16)
{
    const qint16 y = params.s16();
    const qint16 x = params.s16();
    if (!params.ok() || !takePoints(2))
        return;
    QPainterPath path(map(m_state.position.x(), m_state.position.y()));
    path.lineTo(map(x, y));
    m_state.position = QPointF(x, y);
    if (beginDraw()) {
        strokePath(path);
        endDraw();
    }
}

bool WmfPlayer::readPoints(WmfBytes &params, qint64 count, QPolygonF *points)
{
    if (count < 0 || !params.has(count * 4) || !takePoints(count))
        return false;
    points->reserve(count);
    for (qint64 i = 0; i < count; ++i) {
        const qint16 x = params.s16();
        const qint16 y = params.s16();
        points->append(map(x, y));
    }
    return params.ok();
}

void WmfPlayer::onPolyline(WmfBytes &params, quint32, quint16)
{
    const qint16 count = params.s16();
    QPolygonF points;
    if (!params.ok() || count < 2 || !readPoints(params, count, &points))
        return;
    QPainterPath path;
    path.addPolygon(points);
    if (beginDraw()) {
        strokePath(path);
        endDraw();
    }
}

void WmfPlayer::onPolygon(WmfBytes &params, quint32, quint16)
{
    const qint16 count = params.s16();
    QPolygonF points;
    if (!params.ok() || count < 2 || !readPoints(params, count, &points))
        return;
    QPainterPath path;
    path.setFillRule(m_state.fillRule);
    path.addPolygon(points);
    path.closeSubpath();
    fillAndStroke(path);
}

void WmfPlayer::onPolyPolygon(WmfBytes &params, quint32, quint16)
{
    // NumberOfPolygons, the point count of each, then all the points.
    const quint16 polygons = params.u16();
    if (!params.ok() || !params.has(qsizetype(polygons) * 2))
        return;
    std::vector<quint16> counts(polygons);
    qint64 total = 0;
    for (quint16 &count : counts) {
        count = params.u16();
        total += count;
    }
    if (!params.has(total * 4) || !takePoints(total))
        return;
    QPainterPath path;
    path.setFillRule(m_state.fillRule);
    for (const quint16 count : counts) {
        QPolygonF points;
        points.reserve(count);
        for (int i = 0; i < count; ++i) {
            const qint16 x = params.s16();
            const qint16 y = params.s16();
            points.append(map(x, y));
        }
        if (points.size() >= 2) {
            path.addPolygon(points);
            path.closeSubpath();
        }
    }
    if (params.ok())
        fillAndStroke(path);
}

void WmfPlayer::onRectangle(WmfBytes &params, quint32, quint16)
{
    const qint16 bottom = params.s16();
    const qint16 right = params.s16();
    const qint16 top = params.s16();
    const qint16 left = params.s16();
    if (!params.ok() || !takePoints(4))
        return;
    QPainterPath path;
    path.addRect(shapeRect(left, top, right, bottom));
    fillAndStroke(path);
}

void WmfPlayer::onRoundRect(WmfBytes &params, quint32, quint16)
{
    // Height and Width of the corner ellipse, then Bottom, Right, Top, Left.
    const qint16 height = params.s16();
    const qint16 width = params.s16();
    const qint16 bottom = params.s16();
    const qint16 right = params.s16();
    const qint16 top = params.s16();
    const qint16 left = params.s16();
    if (!params.ok() || !takePoints(8))
        return;
    const QRectF rect = shapeRect(left, top, right, bottom);
    const double rx = std::min(mapWidth(width) / 2, rect.width() / 2);
    const double ry = std::min(mapHeight(height) / 2, rect.height() / 2);
    QPainterPath path;
    path.addRoundedRect(rect, rx, ry);
    fillAndStroke(path);
}

void WmfPlayer::onEllipse(WmfBytes &params, quint32, quint16)
{
    const qint16 bottom = params.s16();
    const qint16 right = params.s16();
    const qint16 top = params.s16();
    const qint16 left = params.s16();
    if (!params.ok() || !takePoints(8))
        return;
    QPainterPath path;
    path.addEllipse(shapeRect(left, top, right, bottom));
    fillAndStroke(path);
}

void WmfPlayer::arcRecord(WmfBytes &params, ArcKind kind)
{
    // YEndArc, XEndArc, YStartArc, XStartArc, BottomRect, RightRect, TopRect, LeftRect.
    const qint16 yEnd = params.s16();
    const qint16 xEnd = params.s16();
    const qint16 yStart = params.s16();
    const qint16 xStart = params.s16();
    const qint16 bottom = params.s16();
    const qint16 right = params.s16();
    const qint16 top = params.s16();
    const qint16 left = params.s16();
    if (!params.ok() || !takePoints(12))
        return;
    const QRectF rect = mapRect(left, top, right, bottom);
    if (rect.width() <= 0 || rect.height() <= 0)
        return;
    // Counter-clockwise on the device from the start radial to the end radial; equal
    // radials make a whole ellipse.
    const double start = ellipseAngle(rect, map(xStart, yStart));
    double sweep = ellipseAngle(rect, map(xEnd, yEnd)) - start;
    if (!std::isfinite(start) || !std::isfinite(sweep))
        return;
    while (sweep <= 0)
        sweep += 360;
    while (sweep > 360)
        sweep -= 360;
    QPainterPath path;
    if (kind == ArcKind::Pie) {
        path.moveTo(rect.center());
        path.arcTo(rect, start, sweep);
        path.closeSubpath();
    } else {
        path.arcMoveTo(rect, start);
        path.arcTo(rect, start, sweep);
        if (kind == ArcKind::Chord)
            path.closeSubpath();
    }
    if (kind == ArcKind::Arc) {
        if (beginDraw()) {
            strokePath(path);
            endDraw();
        }
    } else {
        fillAndStroke(path);
    }
}

void WmfPlayer::onArc(WmfBytes &params, quint32, quint16)
{
    arcRecord(params, ArcKind::Arc);
}

void WmfPlayer::onPie(WmfBytes &params, quint32, quint16)
{
    arcRecord(params, ArcKind::Pie);
}

void WmfPlayer::onChord(WmfBytes &params, quint32, quint16)
{
    arcRecord(params, ArcKind::Chord);
}

void WmfPlayer::onSetPixel(WmfBytes &params, quint32, quint16)
{
    const QRgb color = colorRef(params);
    const qint16 y = params.s16();
    const qint16 x = params.s16();
    if (!params.ok() || !takePoints(1))
        return;
    const QPointF p = map(x, y);
    m_painter->fillRect(QRectF(std::floor(p.x()), std::floor(p.y()), 1, 1), QColor(color));
}

// ---------------------------------------------------------------------------------------
// Records: clipping

void WmfPlayer::onIntersectClipRect(WmfBytes &params, quint32, quint16)
{
    const qint16 bottom = params.s16();
    const qint16 right = params.s16();
    const qint16 top = params.s16();
    const qint16 left = params.s16();
    if (!params.ok())
        return;
    const QRegion rect(mapRect(left, top, right, bottom).toAlignedRect());
    m_state.clip = (m_state.clip ? *m_state.clip : everywhere()) & rect;
    applyClip();
}

void WmfPlayer::onExcludeClipRect(WmfBytes &params, quint32, quint16)
{
    const qint16 bottom = params.s16();
    const qint16 right = params.s16();
    const qint16 top = params.s16();
    const qint16 left = params.s16();
    if (!params.ok())
        return;
    const QRegion rect(mapRect(left, top, right, bottom).toAlignedRect());
    m_state.clip = (m_state.clip ? *m_state.clip : everywhere()) - rect;
    applyClip();
}

// ---------------------------------------------------------------------------------------
// Records: text

void WmfPlayer::onTextOut(WmfBytes &params, quint32, quint16)
{
    // StringLength, String (padded to a whole number of words), YStart, XStart.
    const qint16 length = params.s16();
    if (!params.ok() || length < 0)
        return;
    const uchar *text = params.bytes((qsizetype(length) + 1) & ~qsizetype(1));
    const qint16 y = params.s16();
    const qint16 x = params.s16();
    if (!params.ok())
        return;
    drawText(QPointF(x, y), QByteArray(reinterpret_cast<const char *>(text), length), {}, 0,
             std::nullopt);
}

void WmfPlayer::onExtTextOut(WmfBytes &params, quint32, quint16)
{
    // Y, X, StringLength, fwOpts, Rectangle (with ETO_OPAQUE or ETO_CLIPPED), String
    // (padded to a whole number of words), Dx (optional, one value a character).
    const qint16 y = params.s16();
    const qint16 x = params.s16();
    const qint16 length = params.s16();
    const quint16 options = params.u16();
    if (!params.ok() || length < 0)
        return;
    std::optional<QRectF> rect;
    if (options & (EtoOpaque | EtoClipped)) {
        const qint16 left = params.s16();
        const qint16 top = params.s16();
        const qint16 right = params.s16();
        const qint16 bottom = params.s16();
        if (!params.ok())
            return;
        rect = QRectF(QPointF(left, top), QPointF(right, bottom));
    }
    // The string is padded to a whole number of words; writers that leave the padding out
    // of the last word still get their text.
    const qsizetype stored = (qsizetype(length) + 1) & ~qsizetype(1);
    const qsizetype present = std::min(stored, params.remaining());
    if (present < length)
        return;
    const uchar *text = params.bytes(present);
    QList<double> dx;
    if (params.has(qsizetype(length) * 2)) {
        dx.reserve(length);
        for (int i = 0; i < length; ++i)
            dx.append(params.s16());
    }
    drawText(QPointF(x, y), QByteArray(reinterpret_cast<const char *>(text), length), dx, options,
             rect);
}

void WmfPlayer::drawText(const QPointF &logical, const QByteArray &bytes, const QList<double> &dx,
                         quint16 options, const std::optional<QRectF> &rect)
{
    if (!takePoints(bytes.size() + 1))
        return;
    QPainter &painter = *m_painter;
    const bool clipped = rect && (options & EtoClipped);
    QRectF device;
    if (rect)
        device = mapRect(rect->left(), rect->top(), rect->right(), rect->bottom());
    if (clipped) {
        painter.save();
        painter.setClipRect(device, Qt::IntersectClip);
    }
    if (rect && (options & EtoOpaque))
        painter.fillRect(device, QColor(m_state.bkColor));

    const QString text = Win1252::toUnicode(bytes);
    if (!text.isEmpty()) {
        const bool updateCp = m_state.textAlign & TaUpdateCp;
        const QPointF reference = updateCp ? map(m_state.position.x(), m_state.position.y())
                                           : map(logical.x(), logical.y());
        const QFont font = qfont(painter.device());
        const QFontMetricsF metrics(font, painter.device());
        const Font &f = m_state.font;
        double stretch = 1;
        if (f.width != 0 && metrics.averageCharWidth() > 0)
            stretch = std::clamp(mapWidth(f.width) / metrics.averageCharWidth(), 0.01, 100.0);
        // Advances in the font's own (unstretched) units.
        QList<double> advances;
        double width = 0;
        if (dx.size() >= text.size()) {
            advances.reserve(text.size());
            for (qsizetype i = 0; i < text.size(); ++i) {
                advances.append(mapWidth(dx.at(i)) / stretch);
                width += advances.last();
            }
        } else {
            width = metrics.horizontalAdvance(text);
        }
        double x0 = 0;
        if (!updateCp) {
            if ((m_state.textAlign & TaHorizontalMask) == TaCenter)
                x0 = -width / 2;
            else if ((m_state.textAlign & TaHorizontalMask) == TaRight)
                x0 = -width;
        }
        double baseline = metrics.ascent();
        if ((m_state.textAlign & TaVerticalMask) == TaBaseline)
            baseline = 0;
        else if ((m_state.textAlign & TaVerticalMask) == TaBottom)
            baseline = -metrics.descent();

        QTransform frame;
        frame.translate(reference.x(), reference.y());
        frame.rotate(-f.escapement / 10.0);
        frame.scale(stretch, 1);
        painter.setWorldTransform(frame * m_base);
        if (m_state.bkOpaque)
            painter.fillRect(QRectF(x0, baseline - metrics.ascent(), width, metrics.height()),
                             QColor(m_state.bkColor));
        painter.setFont(font);
        painter.setPen(QColor(m_state.textColor));
        if (advances.isEmpty()) {
            painter.drawText(QPointF(x0, baseline), text);
        } else {
            double x = x0;
            for (qsizetype i = 0; i < text.size(); ++i) {
                painter.drawText(QPointF(x, baseline), QString(text.at(i)));
                x += advances.at(i);
            }
        }
        painter.setPen(Qt::NoPen);
        painter.setWorldTransform(m_base);
        if (updateCp)
            m_state.position.rx() += width * stretch / m_sx;
    }
    if (clipped)
        painter.restore();
}

// ---------------------------------------------------------------------------------------
// Records: bitmaps

void WmfPlayer::fillWithRop(const QRectF &device, quint32 rop)
{
    if (device.isEmpty())
        return;
    QPainter &painter = *m_painter;
    switch (rop) {
    case PatCopy: {
        QPainterPath path;
        path.addRect(device);
        fillPath(path);
        break;
    }
    case Blackness:
        painter.fillRect(device, Qt::black);
        break;
    case Whiteness:
        painter.fillRect(device, Qt::white);
        break;
    case DstInvert:
        if (m_rasterOps) {
            painter.setCompositionMode(QPainter::RasterOp_NotDestination);
            painter.fillRect(device, Qt::black);
            painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
        }
        break;
    case PatInvert:
        if (m_rasterOps && qbrush().style() != Qt::NoBrush) {
            painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
            painter.fillRect(device, qbrush());
            painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
        }
        break;
    default:
        break;
    }
}

void WmfPlayer::drawImage(QImage image, QRectF source, double x, double y, double w, double h,
                          quint32 rop)
{
    const QPointF p1 = map(x, y);
    const QPointF p2 = map(x + w, y + h);
    const QRectF dest = QRectF(p1, p2).normalized();
    if (dest.isEmpty())
        return;
    switch (rop) {
    case PatCopy:
    case Blackness:
    case Whiteness:
    case DstInvert:
    case PatInvert:
        fillWithRop(dest, rop);
        return;
    default:
        break;
    }
    bool mirrorX = p2.x() < p1.x();
    bool mirrorY = p2.y() < p1.y();
    if (source.width() < 0)
        mirrorX = !mirrorX;
    if (source.height() < 0)
        mirrorY = !mirrorY;
    source = source.normalized() & QRectF(image.rect());
    if (source.isEmpty())
        return;

    QPainter &painter = *m_painter;
    QPainter::CompositionMode mode = QPainter::CompositionMode_SourceOver;
    switch (rop) {
    case SrcAnd:
        mode = QPainter::RasterOp_SourceAndDestination;
        break;
    case SrcPaint:
        mode = QPainter::RasterOp_SourceOrDestination;
        break;
    case SrcInvert:
        mode = QPainter::RasterOp_SourceXorDestination;
        break;
    case NotSrcCopy:
        image.invertPixels();
        break;
    case SrcCopy:
    default:
        break;   // SRCCOPY, and any other operation approximated by it
    }
    if (mode != QPainter::CompositionMode_SourceOver) {
        if (!m_rasterOps)
            return;   // a mask operation drawn as a copy would paint its mask
        painter.setCompositionMode(mode);
    }
    QTransform mirror;
    if (mirrorX || mirrorY) {
        const QPointF c = dest.center();
        mirror.translate(c.x(), c.y());
        mirror.scale(mirrorX ? -1 : 1, mirrorY ? -1 : 1);
        mirror.translate(-c.x(), -c.y());
    }
    painter.setWorldTransform(mirror * m_base);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, m_state.stretchMode == StretchHalftone);
    painter.drawImage(dest, image, source);
    painter.setWorldTransform(m_base);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void WmfPlayer::drawDib(WmfBytes &params, quint16 colorUsage, QRectF source, bool sourceFromBottom,
                        double x, double y, double w, double h, quint32 rop)
{
    const qsizetype size = params.remaining();
    const uchar *data = params.bytes(size);
    const WmfDib::Decoded dib =
        WmfDib::decode(data, size, colorUsage, m_state.palette.colors, m_limits.maxBitmapPixels);
    if (dib.image.isNull() || !takePoints(4))
        return;
    if (sourceFromBottom && dib.bottomUp)
        source.moveTop(dib.image.height() - source.top() - source.height());
    drawImage(dib.image, source, x, y, w, h, rop);
}

void WmfPlayer::onPatBlt(WmfBytes &params, quint32, quint16)
{
    // RasterOperation, Height, Width, YLeft, XLeft.
    const quint32 rop = params.u32();
    const qint16 h = params.s16();
    const qint16 w = params.s16();
    const qint16 y = params.s16();
    const qint16 x = params.s16();
    if (!params.ok() || !takePoints(4))
        return;
    fillWithRop(mapRect(x, y, x + w, y + h), rop);
}

void WmfPlayer::onStretchDib(WmfBytes &params, quint32, quint16)
{
    // RasterOperation, ColorUsage, SrcHeight, SrcWidth, YSrc, XSrc, DestHeight, DestWidth,
    // yDst, xDst, DIB. The source rectangle of a bottom-up DIB starts at its lower left.
    const quint32 rop = params.u32();
    const quint16 usage = params.u16();
    const qint16 srcH = params.s16();
    const qint16 srcW = params.s16();
    const qint16 ySrc = params.s16();
    const qint16 xSrc = params.s16();
    const qint16 destH = params.s16();
    const qint16 destW = params.s16();
    const qint16 yDst = params.s16();
    const qint16 xDst = params.s16();
    if (!params.ok())
        return;
    drawDib(params, usage, QRectF(xSrc, ySrc, srcW, srcH), true, xDst, yDst, destW, destH, rop);
}

void WmfPlayer::onDibStretchBlt(WmfBytes &params, quint32 words, quint16 function)
{
    // RasterOperation, SrcHeight, SrcWidth, YSrc, XSrc, [Reserved without a bitmap],
    // DestHeight, DestWidth, YDest, XDest, [DIB]. A record of exactly (high byte + 3) words
    // has no bitmap and paints with the brush.
    const bool withBitmap = words != quint32(function >> 8) + 3;
    const quint32 rop = params.u32();
    const qint16 srcH = params.s16();
    const qint16 srcW = params.s16();
    const qint16 ySrc = params.s16();
    const qint16 xSrc = params.s16();
    if (!withBitmap)
        params.s16();
    const qint16 destH = params.s16();
    const qint16 destW = params.s16();
    const qint16 yDst = params.s16();
    const qint16 xDst = params.s16();
    if (!params.ok())
        return;
    if (!withBitmap) {
        if (takePoints(4))
            fillWithRop(mapRect(xDst, yDst, xDst + destW, yDst + destH), rop);
        return;
    }
    drawDib(params, WmfDib::RgbColors, QRectF(xSrc, ySrc, srcW, srcH), false, xDst, yDst, destW,
            destH, rop);
}

void WmfPlayer::onDibBitBlt(WmfBytes &params, quint32 words, quint16 function)
{
    // RasterOperation, YSrc, XSrc, [Reserved without a bitmap], Height, Width, YDest, XDest,
    // [DIB].
    const bool withBitmap = words != quint32(function >> 8) + 3;
    const quint32 rop = params.u32();
    const qint16 ySrc = params.s16();
    const qint16 xSrc = params.s16();
    if (!withBitmap)
        params.s16();
    const qint16 h = params.s16();
    const qint16 w = params.s16();
    const qint16 yDst = params.s16();
    const qint16 xDst = params.s16();
    if (!params.ok())
        return;
    if (!withBitmap) {
        if (takePoints(4))
            fillWithRop(mapRect(xDst, yDst, xDst + w, yDst + h), rop);
        return;
    }
    drawDib(params, WmfDib::RgbColors, QRectF(xSrc, ySrc, w, h), false, xDst, yDst, w, h, rop);
}

void WmfPlayer::drawBitmap16(WmfBytes &params, QRectF source, double x, double y, double w,
                             double h, quint32 rop)
{
    const qsizetype size = params.remaining();
    const uchar *data = params.bytes(size);
    // Some writers put a DIB where the Bitmap16 belongs; its header size gives it away.
    if (size >= 4) {
        const quint32 first = qFromLittleEndian<quint32>(data);
        if (first == 40 || first == 12 || first == 108 || first == 124) {
            WmfBytes dib(data, size);
            drawDib(dib, WmfDib::RgbColors, source, false, x, y, w, h, rop);
            return;
        }
    }
    const QImage image = WmfDib::decodeBitmap16(data, size, m_state.textColor, m_state.bkColor,
                                                m_limits.maxBitmapPixels);
    if (image.isNull() || !takePoints(4))
        return;
    drawImage(image, source, x, y, w, h, rop);
}

void WmfPlayer::onStretchBlt(WmfBytes &params, quint32 words, quint16 function)
{
    // As META_DIBSTRETCHBLT, with a Bitmap16 object.
    const bool withBitmap = words != quint32(function >> 8) + 3;
    const quint32 rop = params.u32();
    const qint16 srcH = params.s16();
    const qint16 srcW = params.s16();
    const qint16 ySrc = params.s16();
    const qint16 xSrc = params.s16();
    if (!withBitmap)
        params.s16();
    const qint16 destH = params.s16();
    const qint16 destW = params.s16();
    const qint16 yDst = params.s16();
    const qint16 xDst = params.s16();
    if (!params.ok())
        return;
    if (!withBitmap) {
        if (takePoints(4))
            fillWithRop(mapRect(xDst, yDst, xDst + destW, yDst + destH), rop);
        return;
    }
    drawBitmap16(params, QRectF(xSrc, ySrc, srcW, srcH), xDst, yDst, destW, destH, rop);
}

void WmfPlayer::onBitBlt(WmfBytes &params, quint32 words, quint16 function)
{
    // As META_DIBBITBLT, with a Bitmap16 object.
    const bool withBitmap = words != quint32(function >> 8) + 3;
    const quint32 rop = params.u32();
    const qint16 ySrc = params.s16();
    const qint16 xSrc = params.s16();
    if (!withBitmap)
        params.s16();
    const qint16 h = params.s16();
    const qint16 w = params.s16();
    const qint16 yDst = params.s16();
    const qint16 xDst = params.s16();
    if (!params.ok())
        return;
    if (!withBitmap) {
        if (takePoints(4))
            fillWithRop(mapRect(xDst, yDst, xDst + w, yDst + h), rop);
        return;
    }
    drawBitmap16(params, QRectF(xSrc, ySrc, w, h), xDst, yDst, w, h, rop);
}

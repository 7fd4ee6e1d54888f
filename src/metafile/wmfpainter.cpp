// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wmfpainter.h"

#include <QFontMetricsF>
#include <QPaintEngine>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

constexpr quint16 HalftoneStretch = 4;

bool has(quint16 flags, WmfTextOption option)
{
    return flags & wmfValue(option);
}

QPainter::CompositionMode rop2Mode(quint16 rop2)
{
    switch (WmfRop2(rop2)) {
    case WmfRop2::NotCopyPen: return QPainter::RasterOp_NotSource;
    case WmfRop2::Not: return QPainter::RasterOp_NotDestination;
    case WmfRop2::XorPen: return QPainter::RasterOp_SourceXorDestination;
    case WmfRop2::MaskPen: return QPainter::RasterOp_SourceAndDestination;
    case WmfRop2::MergePen: return QPainter::RasterOp_SourceOrDestination;
    default: return QPainter::CompositionMode_SourceOver;   // R2_COPYPEN and the rest
    }
}

// A user style's lengths, alternately dash and gap, in pen widths; an odd count repeats
// with the roles swapped, as GDI runs it. A style with no length draws solid.
void setUserDashes(QPen *pen, const QList<double> &lengths)
{
    QList<qreal> pattern;
    double total = 0;
    for (const double length : lengths) {
        pattern.append(std::clamp(length / pen->widthF(), 0.0, 1e4));
        total += pattern.last();
    }
    if (pattern.isEmpty() || total < 0.5)
        return;
    if (pattern.size() % 2)
        pattern += QList<qreal>(pattern);
    pen->setDashPattern(pattern);
}

Qt::BrushStyle hatchStyle(quint16 hatch)
{
    // HS_HORIZONTAL, HS_VERTICAL, HS_FDIAGONAL (down to the right, as Qt's forward
    // diagonal), HS_BDIAGONAL (up to the right), HS_CROSS, HS_DIAGCROSS.
    static const Qt::BrushStyle hatches[] = {Qt::HorPattern,   Qt::VerPattern,
                                             Qt::FDiagPattern, Qt::BDiagPattern,
                                             Qt::CrossPattern, Qt::DiagCrossPattern};
    return hatch < 6 ? hatches[hatch] : Qt::SolidPattern;
}

// Qt's raster engine walks a shape's whole outline however little of it shows: a rectangle
// a hundred million pixels tall took over a second. Geometry reaching further than this
// past the device is cut near it before it is drawn (device pixels).
constexpr double FarReach = 4096;
constexpr double CutMargin = 64;

// Liang-Barsky: shortens the segment a-b to its part inside area; false when none is.
bool clipSegment(QPointF &a, QPointF &b, const QRectF &area)
{
    const double dx = b.x() - a.x(), dy = b.y() - a.y();
    double enter = 0, leave = 1;
    const double p[] = {-dx, dx, -dy, dy};
    const double q[] = {a.x() - area.left(), area.right() - a.x(), a.y() - area.top(), area.bottom() - a.y()};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0)
                return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            enter = std::max(enter, t);
        else
            leave = std::min(leave, t);
        if (enter > leave)
            return false;
    }
    const QPointF start = a;
    a = start + enter * QPointF(dx, dy);
    b = start + leave * QPointF(dx, dy);
    return true;
}

// The runs of a flattened subpath inside area. A closed subpath that leaves the area is
// walked from a vertex outside it, so its joins inside keep their shape.
void addCutPolyline(QPainterPath &out, QPolygonF line, const QRectF &area)
{
    if (line.size() < 2)
        return;
    const bool closed = line.isClosed();
    const qsizetype outside = std::find_if(line.cbegin(), line.cend(), [&](const QPointF &point) {
                                  return !area.contains(point);
                              }) - line.cbegin();
    if (outside == line.size()) {
        out.addPolygon(line);
        if (closed)
            out.closeSubpath();
        return;
    }
    if (closed) {
        line.removeLast();
        std::rotate(line.begin(), line.begin() + std::min(outside, line.size() - 1), line.end());
        line.append(line.first());
    }
    bool running = false;
    for (qsizetype i = 1; i < line.size(); ++i) {
        QPointF a = line.at(i - 1), b = line.at(i);
        if (!clipSegment(a, b, area)) {
            running = false;
            continue;
        }
        if (!running || out.currentPosition() != a)
            out.moveTo(a);
        out.lineTo(b);
        running = b == line.at(i);
    }
}

} // namespace

struct WmfPainter::TextLayout
{
    QFont font;
    double ascent = 0;
    double descent = 0;
    double stretch = 1;     // horizontal scale for a font with its own character width
    double width = 0;       // unstretched
    double left = 0;        // where the text starts relative to the reference point
    double baseline = 0;
    QList<double> advances; // unstretched
};

WmfPainter::WmfPainter(QPainter &painter, const WmfMapping &mapping, const WmfState &state)
    : m_painter(painter), m_mapping(mapping), m_state(state)
{
    m_painter.save();
    m_base = m_painter.worldTransform();
    if (m_painter.hasClipping())
        m_baseClip = m_painter.clipRegion();
    m_rasterOps = m_painter.paintEngine() != nullptr
                  && m_painter.paintEngine()->hasFeature(QPaintEngine::RasterOpModes);
    m_painter.setRenderHint(QPainter::Antialiasing, true);
    m_painter.setRenderHint(QPainter::TextAntialiasing, true);
    m_painter.setBrush(Qt::NoBrush);
    m_painter.setPen(Qt::NoPen);
}

WmfPainter::~WmfPainter()
{
    m_painter.restore();
}

QRegion WmfPainter::everywhere()
{
    constexpr int Far = 1 << 24;
    return QRegion(-Far, -Far, 2 * Far, 2 * Far);
}

void WmfPainter::applyClip()
{
    if (m_state.clip) {
        QRegion region = *m_state.clip;
        if (m_baseClip)
            region &= *m_baseClip;
        m_painter.setClipRegion(region);
    } else if (m_baseClip) {
        m_painter.setClipRegion(*m_baseClip);
    } else {
        m_painter.setClipping(false);
    }
}

bool WmfPainter::beginDraw()
{
    if (m_state.rop2 == wmfValue(WmfRop2::Nop))
        return false;
    if (m_rasterOps)
        m_painter.setCompositionMode(rop2Mode(m_state.rop2));
    return true;
}

void WmfPainter::endDraw()
{
    m_painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

double WmfPainter::penWidth() const
{
    if (m_state.pen.width <= 0)
        return 1.0;
    const double width = std::clamp(m_mapping.mapWidth(m_state.pen.width), 1.0,
                                    4 * m_mapping.targetSize() + 16);
    // Below one and a half pixels a line is drawn one pixel wide, which the painter strokes
    // far faster than a wider one and which looks the same.
    return width < 1.5 ? 1.0 : width;
}

QPen WmfPainter::pen() const
{
    const WmfPen &pen = m_state.pen;
    if (pen.kind() == wmfValue(WmfPenStyle::Null))
        return Qt::NoPen;
    QPen out(QColor(pen.color), penWidth());
    // Dashes only for pens one unit wide; wider pens draw solid, as GDI's CreatePenIndirect,
    // unless the pen is geometric. Qt counts dashes in pen widths.
    if (pen.width <= 1 || pen.geometric) {
        switch (WmfPenStyle(pen.kind())) {
        case WmfPenStyle::Dash: out.setDashPattern({18, 6}); break;
        case WmfPenStyle::Dot:
        case WmfPenStyle::Alternate: out.setDashPattern({3, 3}); break;
        case WmfPenStyle::DashDot: out.setDashPattern({9, 6, 3, 6}); break;
        case WmfPenStyle::DashDotDot: out.setDashPattern({9, 3, 3, 3, 3, 3}); break;
        case WmfPenStyle::UserStyle: setUserDashes(&out, pen.dashes); break;
        default: break;
        }
        if (pen.geometric && pen.kind() != wmfValue(WmfPenStyle::UserStyle)
            && out.style() != Qt::SolidLine) {
            // Geometric dashes are a few widths long, not the cosmetic pixel pattern.
            QList<qreal> scaled = out.dashPattern();
            for (qreal &v : scaled)
                v = std::max<qreal>(v / 3, 1);
            out.setDashPattern(scaled);
        }
    }
    switch (WmfPenStyle(pen.style & wmfValue(WmfPenStyle::EndCapMask))) {
    case WmfPenStyle::EndCapSquare: out.setCapStyle(Qt::SquareCap); break;
    case WmfPenStyle::EndCapFlat: out.setCapStyle(Qt::FlatCap); break;
    default: out.setCapStyle(Qt::RoundCap); break;
    }
    switch (WmfPenStyle(pen.style & wmfValue(WmfPenStyle::JoinMask))) {
    case WmfPenStyle::JoinBevel: out.setJoinStyle(Qt::BevelJoin); break;
    case WmfPenStyle::JoinMiter: out.setJoinStyle(Qt::MiterJoin); break;
    default:
        // Round joins cost an arc at every vertex; on a line under three pixels wide a
        // bevel is indistinguishable from them.
        out.setJoinStyle(out.widthF() < 3 ? Qt::BevelJoin : Qt::RoundJoin);
        break;
    }
    return out;
}

QBrush WmfPainter::brush() const
{
    const WmfBrush &brush = m_state.brush;
    switch (WmfBrushStyle(brush.style)) {
    case WmfBrushStyle::Solid: return QBrush(QColor(brush.color));
    case WmfBrushStyle::Null: return Qt::NoBrush;
    case WmfBrushStyle::Hatched: return QBrush(QColor(brush.color), hatchStyle(brush.hatch));
    case WmfBrushStyle::Pattern:
    case WmfBrushStyle::DibPattern:
    case WmfBrushStyle::DibPatternPt:
        return brush.pattern.isNull() ? QBrush(Qt::black) : QBrush(brush.pattern);
    default: return QBrush(QColor(brush.color));
    }
}

std::optional<QPainterPath> WmfPainter::cutFar(const QPainterPath &path, double penReach) const
{
    const QPaintEngine *engine = m_painter.paintEngine();
    const QPaintDevice *device = m_painter.device();
    // Only the raster engine is slow; a recording (a picture, a PDF) keeps the shape whole.
    if (!engine || engine->type() != QPaintEngine::Raster || !device)
        return std::nullopt;
    const QTransform toDevice = m_painter.deviceTransform();
    const QRectF deviceRect(0, 0, device->width(), device->height());
    const double reach = FarReach + penReach;
    if (deviceRect.adjusted(-reach, -reach, reach, reach).contains(toDevice.mapRect(path.controlPointRect())))
        return std::nullopt;
    bool invertible = false;
    const QTransform back = toDevice.inverted(&invertible);
    if (!invertible)
        return std::nullopt;
    const double margin = CutMargin + penReach;
    const QRectF area = deviceRect.adjusted(-margin, -margin, margin, margin);
    QPainterPath cut;
    if (penReach > 0) {
        for (const QPolygonF &line : path.toSubpathPolygons(toDevice))
            addCutPolyline(cut, line, area);
    } else {
        QPainterPath box;
        box.addRect(area);
        cut = toDevice.map(path).intersected(box);
    }
    return back.map(cut);
}

void WmfPainter::fillPath(const QPainterPath &whole)
{
    const QBrush fill = brush();
    if (fill.style() == Qt::NoBrush)
        return;
    const std::optional<QPainterPath> cut = cutFar(whole, 0);
    const QPainterPath &path = cut ? *cut : whole;
    if (m_state.brush.style == wmfValue(WmfBrushStyle::Hatched) && m_state.bkOpaque)
        m_painter.fillPath(path, QColor(m_state.bkColor));
    m_painter.fillPath(path, fill);
}

void WmfPainter::strokePath(const QPainterPath &path)
{
    const QPen line = pen();
    if (line.style() == Qt::NoPen)
        return;
    // GDI puts a one-pixel line on the pixels whose centres the geometry passes through.
    QPainterPath centred = path.translated(0.5, 0.5);
    // Dashes of a cut shape may start at another phase; nothing else visible changes.
    const QTransform toDevice = m_painter.deviceTransform();
    const double deviceWidth = line.isCosmetic() ? std::max<qreal>(line.widthF(), 1)
                                                 : line.widthF() * std::sqrt(std::abs(toDevice.determinant()));
    if (std::optional<QPainterPath> cut = cutFar(centred, 4 * deviceWidth + 2))
        centred = std::move(*cut);
    if (line.style() != Qt::SolidLine && m_state.bkOpaque) {
        QPen gaps = line;
        gaps.setStyle(Qt::SolidLine);
        gaps.setColor(QColor(m_state.bkColor));
        m_painter.setPen(gaps);
        m_painter.drawPath(centred);
    }
    m_painter.setPen(line);
    m_painter.drawPath(centred);
    m_painter.setPen(Qt::NoPen);
}

void WmfPainter::fillAndStroke(const QPainterPath &path)
{
    if (!beginDraw())
        return;
    fillPath(path);
    strokePath(path);
    endDraw();
}

void WmfPainter::fill(const QPainterPath &path)
{
    if (!beginDraw())
        return;
    fillPath(path);
    endDraw();
}

void WmfPainter::stroke(const QPainterPath &path)
{
    if (!beginDraw())
        return;
    strokePath(path);
    endDraw();
}

QRectF WmfPainter::shapeRect(const QRectF &device) const
{
    QRectF rect = device;
    if (m_state.pen.kind() == wmfValue(WmfPenStyle::InsideFrame) && m_state.pen.width > 1) {
        const double inset = penWidth() / 2;
        if (rect.width() > 2 * inset && rect.height() > 2 * inset)
            rect.adjust(inset, inset, -inset, -inset);
    }
    return rect;
}

void WmfPainter::setPixel(const QPointF &device, QRgb color)
{
    m_painter.fillRect(QRectF(std::floor(device.x()), std::floor(device.y()), 1, 1), QColor(color));
}

void WmfPainter::fillWithRop(const QRectF &device, quint32 rop)
{
    if (device.isEmpty())
        return;
    switch (WmfRop(rop)) {
    case WmfRop::PatCopy: {
        QPainterPath path;
        path.addRect(device);
        fillPath(path);
        break;
    }
    case WmfRop::Blackness:
        m_painter.fillRect(device, Qt::black);
        break;
    case WmfRop::Whiteness:
        m_painter.fillRect(device, Qt::white);
        break;
    case WmfRop::DstInvert:
    case WmfRop::PatInvert:
        if (const bool invert = WmfRop(rop) == WmfRop::DstInvert;
            m_rasterOps && (invert || brush().style() != Qt::NoBrush)) {
            m_painter.setCompositionMode(invert ? QPainter::RasterOp_NotDestination
                                                : QPainter::RasterOp_SourceXorDestination);
            m_painter.fillRect(device, invert ? QBrush(Qt::black) : brush());
            m_painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
        }
        break;
    default:
        break;
    }
}

void WmfPainter::drawImage(QImage image, QRectF source, const QPointF &corner,
                           const QPointF &opposite, quint32 rop, double opacity)
{
    const QRectF dest = QRectF(corner, opposite).normalized();
    if (dest.isEmpty())
        return;
    QPainter::CompositionMode mode = QPainter::CompositionMode_SourceOver;
    switch (WmfRop(rop)) {
    case WmfRop::PatCopy:
    case WmfRop::Blackness:
    case WmfRop::Whiteness:
    case WmfRop::DstInvert:
    case WmfRop::PatInvert:
        fillWithRop(dest, rop);
        return;
    case WmfRop::SrcAnd: mode = QPainter::RasterOp_SourceAndDestination; break;
    case WmfRop::SrcPaint: mode = QPainter::RasterOp_SourceOrDestination; break;
    case WmfRop::SrcInvert: mode = QPainter::RasterOp_SourceXorDestination; break;
    case WmfRop::NotSrcCopy: image.invertPixels(); break;
    default: break;   // SRCCOPY, and any other operation approximated by it
    }
    // A mask operation drawn as a plain copy would paint its mask.
    if (mode != QPainter::CompositionMode_SourceOver && !m_rasterOps)
        return;
    const bool mirrorX = (opposite.x() < corner.x()) != (source.width() < 0);
    const bool mirrorY = (opposite.y() < corner.y()) != (source.height() < 0);
    source = source.normalized() & QRectF(image.rect());
    if (source.isEmpty())
        return;
    // The pixels are mirrored rather than the painter: Qt 6.4's raster engine writes out of
    // bounds when it draws an image through a mirroring transform partly off the device.
    if (mirrorX || mirrorY) {
        image = image.copy(source.toAlignedRect()).mirrored(mirrorX, mirrorY);
        source = QRectF(image.rect());
    }
    m_painter.setCompositionMode(mode);
    m_painter.setRenderHint(QPainter::SmoothPixmapTransform, m_state.stretchMode == HalftoneStretch);
    m_painter.setOpacity(std::clamp(opacity, 0.0, 1.0));
    m_painter.drawImage(dest, image, source);
    m_painter.setOpacity(1);
    m_painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

QFont WmfPainter::font() const
{
    const WmfFont &f = m_state.font;
    QFont font;
    if (!f.face.isEmpty())
        font.setFamily(f.face);
    font.setItalic(f.italic);
    font.setUnderline(f.underline);
    font.setStrikeOut(f.strikeOut);
    font.setWeight(QFont::Weight(f.weight <= 0 ? 400 : std::clamp(f.weight, 1, 1000)));
    double em = 12;
    if (f.height < 0) {
        em = m_mapping.mapHeight(f.height);
    } else if (f.height > 0) {
        // A positive height is the cell (ascent plus descent), not the em.
        QFont probe = font;
        probe.setPixelSize(100);
        const double cell = QFontMetricsF(probe, m_painter.device()).height();
        em = m_mapping.mapHeight(f.height) * (cell > 0 ? 100.0 / cell : 1.0);
    }
    const double limit = std::min(16384.0, 2 * m_mapping.targetSize() + 16);
    font.setPixelSize(int(std::clamp(std::round(em), 1.0, limit)));
    return font;
}

WmfPainter::TextLayout WmfPainter::layoutText(const Text &text) const
{
    TextLayout layout;
    layout.font = font();
    const QFontMetricsF metrics(layout.font, m_painter.device());
    layout.ascent = metrics.ascent();
    layout.descent = metrics.descent();
    if (m_state.font.width != 0 && metrics.averageCharWidth() > 0)
        layout.stretch = std::clamp(m_mapping.mapWidth(m_state.font.width)
                                        / metrics.averageCharWidth(), 0.01, 100.0);
    if (text.advances.size() >= text.text.size()) {
        for (qsizetype i = 0; i < text.text.size(); ++i) {
            layout.advances.append(text.advances.at(i) / layout.stretch);
            layout.width += layout.advances.last();
        }
    } else {
        layout.width = metrics.horizontalAdvance(text.text);
    }
    const quint16 align = m_state.textAlign;
    if (!(align & wmfValue(WmfTextAlign::UpdateCp))) {
        const quint16 horizontal = align & wmfValue(WmfTextAlign::HorizontalMask);
        if (horizontal == wmfValue(WmfTextAlign::Center))
            layout.left = -layout.width / 2;
        else if (horizontal == wmfValue(WmfTextAlign::Right))
            layout.left = -layout.width;
    }
    const quint16 vertical = align & wmfValue(WmfTextAlign::VerticalMask);
    layout.baseline = vertical == wmfValue(WmfTextAlign::Baseline) ? 0
                      : vertical == wmfValue(WmfTextAlign::Bottom) ? -layout.descent
                                                                   : layout.ascent;
    return layout;
}

void WmfPainter::paintText(const Text &text, const TextLayout &layout)
{
    QTransform frame;
    frame.translate(text.reference.x(), text.reference.y());
    frame.rotate(-m_state.font.escapement / 10.0);
    frame.scale(layout.stretch, 1);
    m_painter.setWorldTransform(frame * m_base);
    if (m_state.bkOpaque)
        m_painter.fillRect(QRectF(layout.left, layout.baseline - layout.ascent, layout.width,
                                  layout.ascent + layout.descent),
                           QColor(m_state.bkColor));
    m_painter.setFont(layout.font);
    m_painter.setPen(QColor(m_state.textColor));
    if (layout.advances.isEmpty()) {
        m_painter.drawText(QPointF(layout.left, layout.baseline), text.text);
    } else {
        double x = layout.left;
        for (qsizetype i = 0; i < text.text.size(); ++i) {
            m_painter.drawText(QPointF(x, layout.baseline), QString(text.text.at(i)));
            x += layout.advances.at(i);
        }
    }
    m_painter.setPen(Qt::NoPen);
    m_painter.setWorldTransform(m_base);
}

double WmfPainter::drawText(const Text &text)
{
    const bool clipped = text.rect && has(text.options, WmfTextOption::Clipped);
    if (clipped) {
        m_painter.save();
        m_painter.setClipRect(*text.rect, Qt::IntersectClip);
    }
    if (text.rect && has(text.options, WmfTextOption::Opaque))
        m_painter.fillRect(*text.rect, QColor(m_state.bkColor));
    double advance = 0;
    if (!text.text.isEmpty()) {
        const TextLayout layout = layoutText(text);
        paintText(text, layout);
        advance = layout.width * layout.stretch;
    }
    if (clipped)
        m_painter.restore();
    return advance;
}

// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The WmfPlayer's handlers of the records that draw: lines, shapes, text and bitmaps.
#include "wmfplayer.h"

#include "core/win1252.h"
#include "metafile/wmfbytes.h"
#include "metafile/wmfdib.h"
#include "metafile/wmfpainter.h"

#include <QPolygonF>

#include <algorithm>
#include <cmath>

namespace {

// The parametric angle of the point where the ray from the centre of rect through p meets
// the ellipse, in degrees counter-clockwise as QPainterPath::arcTo counts them.
double ellipseAngle(const QRectF &rect, const QPointF &p)
{
    const QPointF c = rect.center();
    return std::atan2(-(p.y() - c.y()) / (rect.height() / 2), (p.x() - c.x()) / (rect.width() / 2))
           * 180.0 / M_PI;
}

} // namespace

bool WmfPlayer::readPoints(WmfBytes &params, qint64 count, QPolygonF *points)
{
    if (count < 0 || !params.has(count * 4) || !takePoints(count))
        return false;
    points->reserve(count);
    for (qint64 i = 0; i < count; ++i) {
        const qint16 x = params.s16();
        const qint16 y = params.s16();
        points->append(m_mapping.map(x, y));
    }
    return params.ok();
}

bool WmfPlayer::readRect(WmfBytes &params, QRectF *device)
{
    // BottomRect, RightRect, TopRect, LeftRect, as every rectangle record has them.
    const qint16 bottom = params.s16();
    const qint16 right = params.s16();
    const qint16 top = params.s16();
    const qint16 left = params.s16();
    if (!params.ok() || !takePoints(4))
        return false;
    *device = m_mapping.mapRect(left, top, right, bottom);
    return true;
}

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
    QPainterPath path(m_mapping.map(m_state.position.x(), m_state.position.y()));
    path.lineTo(m_mapping.map(x, y));
    m_state.position = QPointF(x, y);
    m_painter->stroke(path);
}

void WmfPlayer::onPolyline(WmfBytes &params, quint32, quint16)
{
    const qint16 count = params.s16();
    QPolygonF points;
    if (!params.ok() || count < 2 || !readPoints(params, count, &points))
        return;
    QPainterPath path;
    path.addPolygon(points);
    m_painter->stroke(path);
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
    m_painter->fillAndStroke(path);
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
    if (!params.has(total * 4))
        return;
    QPainterPath path;
    path.setFillRule(m_state.fillRule);
    for (const quint16 count : counts) {
        QPolygonF points;
        if (!readPoints(params, count, &points))
            return;
        if (points.size() >= 2) {
            path.addPolygon(points);
            path.closeSubpath();
        }
    }
    m_painter->fillAndStroke(path);
}

void WmfPlayer::onRectangle(WmfBytes &params, quint32, quint16)
{
    QRectF device;
    if (!readRect(params, &device))
        return;
    QPainterPath path;
    path.addRect(m_painter->shapeRect(device));
    m_painter->fillAndStroke(path);
}

void WmfPlayer::onRoundRect(WmfBytes &params, quint32, quint16)
{
    // Height and Width of the corner ellipse, then the rectangle.
    const qint16 height = params.s16();
    const qint16 width = params.s16();
    QRectF device;
    if (!params.ok() || !readRect(params, &device))
        return;
    const QRectF rect = m_painter->shapeRect(device);
    QPainterPath path;
    path.addRoundedRect(rect, std::min(m_mapping.mapWidth(width) / 2, rect.width() / 2),
                        std::min(m_mapping.mapHeight(height) / 2, rect.height() / 2));
    m_painter->fillAndStroke(path);
}

void WmfPlayer::onEllipse(WmfBytes &params, quint32, quint16)
{
    QRectF device;
    if (!readRect(params, &device))
        return;
    QPainterPath path;
    path.addEllipse(m_painter->shapeRect(device));
    m_painter->fillAndStroke(path);
}

void WmfPlayer::arcRecord(WmfBytes &params, ArcKind kind)
{
    // The end radial's point, the start radial's point (y before x), then the rectangle.
    const qint16 yEnd = params.s16();
    const qint16 xEnd = params.s16();
    const qint16 yStart = params.s16();
    const qint16 xStart = params.s16();
    QRectF rect;
    if (!params.ok() || !readRect(params, &rect) || rect.width() <= 0 || rect.height() <= 0)
        return;
    // Counter-clockwise on the device from the start radial to the end radial; equal
    // radials make a whole ellipse.
    const double start = ellipseAngle(rect, m_mapping.map(xStart, yStart));
    double sweep = std::fmod(ellipseAngle(rect, m_mapping.map(xEnd, yEnd)) - start + 720, 360);
    if (!std::isfinite(start) || !std::isfinite(sweep))
        return;
    if (sweep <= 0)
        sweep += 360;
    QPainterPath path;
    if (kind == ArcKind::Pie)
        path.moveTo(rect.center());
    else
        path.arcMoveTo(rect, start);
    path.arcTo(rect, start, sweep);
    if (kind == ArcKind::Arc) {
        m_painter->stroke(path);
        return;
    }
    path.closeSubpath();
    m_painter->fillAndStroke(path);
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
    if (params.ok() && takePoints(1))
        m_painter->setPixel(m_mapping.map(x, y), color);
}

void WmfPlayer::onTextOut(WmfBytes &params, quint32, quint16)
{
    // StringLength, String (padded to a whole number of words), YStart, XStart.
    const qint16 length = params.s16();
    if (!params.ok() || length < 0)
        return;
    const uchar *string = params.bytes((qsizetype(length) + 1) & ~qsizetype(1));
    const qint16 y = params.s16();
    const qint16 x = params.s16();
    if (params.ok())
        text(QPointF(x, y), QByteArray(reinterpret_cast<const char *>(string), length), {}, 0,
             std::nullopt);
}

void WmfPlayer::onExtTextOut(WmfBytes &params, quint32, quint16)
{
    // Y, X, StringLength, fwOpts, Rectangle (with ETO_OPAQUE or ETO_CLIPPED), String
    // (padded to a whole number of words), Dx (optional, one a character).
    const qint16 y = params.s16();
    const qint16 x = params.s16();
    const qint16 length = params.s16();
    const quint16 options = params.u16();
    std::optional<QRectF> rect;
    if (options & (wmfValue(WmfTextOption::Opaque) | wmfValue(WmfTextOption::Clipped))) {
        const qint16 left = params.s16();
        const qint16 top = params.s16();
        const qint16 right = params.s16();
        const qint16 bottom = params.s16();
        rect = m_mapping.mapRect(left, top, right, bottom);
    }
    // Writers that leave the padding byte out of the last word still get their text.
    const qsizetype present = std::min((qsizetype(length) + 1) & ~qsizetype(1), params.remaining());
    if (!params.ok() || length < 0 || present < length)
        return;
    const uchar *string = params.bytes(present);
    QList<double> dx;
    if (params.has(qsizetype(length) * 2)) {
        for (int i = 0; i < length; ++i)
            dx.append(m_mapping.mapWidth(params.s16()));
    }
    text(QPointF(x, y), QByteArray(reinterpret_cast<const char *>(string), length), dx, options,
         rect);
}

void WmfPlayer::text(const QPointF &logical, const QByteArray &bytes, const QList<double> &dx,
                     quint16 options, const std::optional<QRectF> &rect)
{
    if (!takePoints(bytes.size() + 1))
        return;
    const bool updateCp = m_state.textAlign & wmfValue(WmfTextAlign::UpdateCp);
    const QPointF at = updateCp ? m_state.position : logical;
    WmfPainter::Text text;
    text.reference = m_mapping.map(at.x(), at.y());
    text.text = Win1252::toUnicode(bytes);
    text.advances = dx;
    text.options = options;
    text.rect = rect;
    const double advance = m_painter->drawText(text);
    if (updateCp)
        m_state.position.rx() += advance / m_mapping.scaleX();
}

void WmfPlayer::fillBlit(const Blit &blit)
{
    if (takePoints(4))
        m_painter->fillWithRop(m_mapping.mapRect(blit.x, blit.y, blit.x + blit.width,
                                                 blit.y + blit.height),
                               blit.rop);
}

void WmfPlayer::drawDib(WmfBytes &params, quint16 colorUsage, Blit blit, bool sourceFromBottom)
{
    const qsizetype size = params.remaining();
    const uchar *data = params.bytes(size);
    const WmfDib::Decoded dib =
        WmfDib::decode(data, size, colorUsage, m_state.palette.colors, m_limits.maxBitmapPixels);
    if (dib.image.isNull() || !takePoints(4))
        return;
    // StretchDIBits counts the source rectangle of a bottom-up DIB from its lower left.
    if (sourceFromBottom && dib.bottomUp)
        blit.source.moveTop(dib.image.height() - blit.source.top() - blit.source.height());
    m_painter->drawImage(dib.image, blit.source, m_mapping.map(blit.x, blit.y),
                         m_mapping.map(blit.x + blit.width, blit.y + blit.height), blit.rop);
}

void WmfPlayer::drawBitmap16(WmfBytes &params, const Blit &blit)
{
    // Some writers put a DIB where the Bitmap16 belongs; its header size gives it away.
    if (params.has(4)) {
        const quint32 first = qFromLittleEndian<quint32>(params.current());
        if (first == 12 || first == 40 || first == 108 || first == 124) {
            drawDib(params, WmfDib::RgbColors, blit, false);
            return;
        }
    }
    const qsizetype size = params.remaining();
    const uchar *data = params.bytes(size);
    const QImage image = WmfDib::decodeBitmap16(data, size, m_state.textColor, m_state.bkColor,
                                                m_limits.maxBitmapPixels);
    if (image.isNull() || !takePoints(4))
        return;
    m_painter->drawImage(image, blit.source, m_mapping.map(blit.x, blit.y),
                         m_mapping.map(blit.x + blit.width, blit.y + blit.height), blit.rop);
}

void WmfPlayer::blit(WmfBytes &params, quint32 words, quint16 function, bool stretch, bool dib)
{
    // RasterOperation, [SrcHeight, SrcWidth], YSrc, XSrc, [Reserved without a bitmap],
    // [Dest]Height, [Dest]Width, YDest, XDest, then the bitmap. A record of exactly (high
    // byte + 3) words carries no bitmap and paints with the brush.
    const bool withBitmap = words != quint32(function >> 8) + 3;
    Blit blit;
    blit.rop = params.u32();
    const qint16 srcHeight = stretch ? params.s16() : 0;
    const qint16 srcWidth = stretch ? params.s16() : 0;
    const qint16 ySrc = params.s16();
    const qint16 xSrc = params.s16();
    if (!withBitmap)
        params.s16();
    blit.height = params.s16();
    blit.width = params.s16();
    blit.y = params.s16();
    blit.x = params.s16();
    if (!params.ok())
        return;
    blit.source = stretch ? QRectF(xSrc, ySrc, srcWidth, srcHeight)
                          : QRectF(xSrc, ySrc, blit.width, blit.height);
    if (!withBitmap)
        fillBlit(blit);
    else if (dib)
        drawDib(params, WmfDib::RgbColors, blit, false);
    else
        drawBitmap16(params, blit);
}

void WmfPlayer::onPatBlt(WmfBytes &params, quint32, quint16)
{
    // RasterOperation, Height, Width, YLeft, XLeft.
    Blit blit;
    blit.rop = params.u32();
    blit.height = params.s16();
    blit.width = params.s16();
    blit.y = params.s16();
    blit.x = params.s16();
    if (params.ok())
        fillBlit(blit);
}

void WmfPlayer::onStretchDib(WmfBytes &params, quint32, quint16)
{
    // RasterOperation, ColorUsage, SrcHeight, SrcWidth, YSrc, XSrc, DestHeight, DestWidth,
    // yDst, xDst, DIB.
    Blit blit;
    blit.rop = params.u32();
    const quint16 usage = params.u16();
    const qint16 srcHeight = params.s16();
    const qint16 srcWidth = params.s16();
    const qint16 ySrc = params.s16();
    const qint16 xSrc = params.s16();
    blit.height = params.s16();
    blit.width = params.s16();
    blit.y = params.s16();
    blit.x = params.s16();
    blit.source = QRectF(xSrc, ySrc, srcWidth, srcHeight);
    if (params.ok())
        drawDib(params, usage, blit, true);
}

void WmfPlayer::onDibStretchBlt(WmfBytes &params, quint32 words, quint16 function)
{
    blit(params, words, function, true, true);
}

void WmfPlayer::onDibBitBlt(WmfBytes &params, quint32 words, quint16 function)
{
    blit(params, words, function, false, true);
}

void WmfPlayer::onStretchBlt(WmfBytes &params, quint32 words, quint16 function)
{
    blit(params, words, function, true, false);
}

void WmfPlayer::onBitBlt(WmfBytes &params, quint32 words, quint16 function)
{
    blit(params, words, function, false, false);
}

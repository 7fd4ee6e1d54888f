// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "emfwriter.h"

#include "wmfwriter.h"

#include <QtEndian>

#include <bit>

namespace {

void append32(QByteArray &out, quint32 value)
{
    uchar b[4];
    qToLittleEndian<quint32>(value, b);
    out.append(reinterpret_cast<const char *>(b), 4);
}

void append16(QByteArray &out, quint16 value)
{
    uchar b[2];
    qToLittleEndian<quint16>(value, b);
    out.append(reinterpret_cast<const char *>(b), 2);
}

QByteArray longs(std::initializer_list<qint32> values)
{
    QByteArray out;
    for (const qint32 v : values)
        append32(out, quint32(v));
    return out;
}

QByteArray colorRef(QRgb color)
{
    QByteArray out;
    out.append(char(qRed(color)));
    out.append(char(qGreen(color)));
    out.append(char(qBlue(color)));
    out.append('\0');
    return out;
}

QByteArray rectL(const QRect &r)
{
    return longs({r.left(), r.top(), r.right(), r.bottom()});
}

QByteArray xform(const QTransform &t)
{
    QByteArray out;
    for (const double v : {t.m11(), t.m12(), t.m21(), t.m22(), t.dx(), t.dy()})
        append32(out, std::bit_cast<quint32>(float(v)));
    return out;
}

QByteArray pointList(const QList<QPoint> &points, bool sixteen)
{
    QByteArray out;
    for (const QPoint &p : points) {
        if (sixteen) {
            append16(out, quint16(p.x()));
            append16(out, quint16(p.y()));
        } else {
            out += longs({p.x(), p.y()});
        }
    }
    return out;
}

constexpr quint32 Header = 1;
constexpr quint32 Eof = 14;
constexpr qsizetype HeaderSize = 108;

} // namespace

EmfWriter::EmfWriter(int width, int height, int left, int top)
    : m_bounds(left, top, width, height)
{
}

void EmfWriter::record(quint32 type, const QByteArray &params)
{
    QByteArray padded = params;
    while (padded.size() % 4)
        padded.append('\0');
    append32(m_records, type);
    append32(m_records, quint32(8 + padded.size()));
    m_records += padded;
    ++m_recordCount;
}

void EmfWriter::setMapMode(int mode) { record(17, longs({mode})); }
void EmfWriter::setWindowExt(int cx, int cy) { record(9, longs({cx, cy})); }
void EmfWriter::setWindowOrg(int x, int y) { record(10, longs({x, y})); }
void EmfWriter::setViewportExt(int cx, int cy) { record(11, longs({cx, cy})); }
void EmfWriter::setViewportOrg(int x, int y) { record(12, longs({x, y})); }
void EmfWriter::setWorldTransform(const QTransform &t) { record(35, xform(t)); }
void EmfWriter::modifyWorldTransform(const QTransform &t, int mode) { record(36, xform(t) + longs({mode})); }
void EmfWriter::saveDc() { record(33, {}); }
void EmfWriter::restoreDc(int which) { record(34, longs({which})); }

int EmfWriter::createPen(quint32 style, int width, QRgb color)
{
    const int index = newObject();
    record(38, longs({index, qint32(style), width, 0}) + colorRef(color));
    return index;
}

int EmfWriter::extCreatePen(quint32 style, int width, QRgb color, const QList<quint32> &dashes,
                            quint32 brushStyle)
{
    const int index = newObject();
    QByteArray params = longs({index, 0, 0, 0, 0});   // ihPen, no brush bitmap
    params += longs({qint32(style), width, qint32(brushStyle)}) + colorRef(color);
    params += longs({0, qint32(dashes.size())});       // hatch, style entries
    for (const quint32 d : dashes)
        append32(params, d);
    record(95, params);
    return index;
}

int EmfWriter::createBrush(quint32 style, QRgb color, quint32 hatch)
{
    const int index = newObject();
    record(39, longs({index, qint32(style)}) + colorRef(color) + longs({qint32(hatch)}));
    return index;
}

int EmfWriter::createDibPatternBrush(const QImage &tile)
{
    const int index = newObject();
    const QByteArray info = bitmapInfo(tile, 24);
    const QByteArray bits = bitmapBits(tile, 24);
    const qint32 offBmi = 8 + 24;
    QByteArray params = longs({index, 0, offBmi, qint32(info.size()), offBmi + qint32(info.size()),
                               qint32(bits.size())});
    record(94, params + info + bits);
    return index;
}

int EmfWriter::createFont(int height, const QString &face, int escapement, int weight)
{
    const int index = newObject();
    QByteArray params = longs({index, height, 0, escapement, escapement, weight});
    params.append(QByteArray(8, '\0'));   // italic, underline, strike out, charset, ...
    for (int i = 0; i < 32; ++i)
        append16(params, i < face.size() ? face.at(i).unicode() : 0);
    record(82, params);
    return index;
}

void EmfWriter::selectObject(quint32 index) { record(37, longs({qint32(index)})); }
void EmfWriter::deleteObject(quint32 index) { record(40, longs({qint32(index)})); }
void EmfWriter::setTextAlign(quint32 align) { record(22, longs({qint32(align)})); }
void EmfWriter::setTextColor(QRgb color) { record(24, colorRef(color)); }
void EmfWriter::setBkColor(QRgb color) { record(25, colorRef(color)); }
void EmfWriter::setBkMode(int mode) { record(18, longs({mode})); }
void EmfWriter::setPolyFillMode(int mode) { record(19, longs({mode})); }
void EmfWriter::setArcDirection(int direction) { record(57, longs({direction})); }
void EmfWriter::intersectClipRect(const QRect &rect) { record(30, rectL(rect)); }
void EmfWriter::excludeClipRect(const QRect &rect) { record(29, rectL(rect)); }
void EmfWriter::offsetClipRgn(int x, int y) { record(26, longs({x, y})); }

void EmfWriter::extSelectClipRgn(const QList<QRect> &rects, int mode)
{
    QRect bounds;
    QByteArray data = longs({32, 1, qint32(rects.size()), qint32(rects.size() * 16)});
    QByteArray list;
    for (const QRect &r : rects) {
        bounds |= r;
        list += longs({r.left(), r.top(), r.right() + 1, r.bottom() + 1});
    }
    data += longs({bounds.left(), bounds.top(), bounds.right() + 1, bounds.bottom() + 1}) + list;
    record(75, longs({qint32(rects.isEmpty() ? 0 : data.size()), mode}) + (rects.isEmpty() ? QByteArray() : data));
}

void EmfWriter::selectClipPath(int mode) { record(67, longs({mode})); }
void EmfWriter::beginPath() { record(59, {}); }
void EmfWriter::endPath() { record(60, {}); }
void EmfWriter::closeFigure() { record(61, {}); }
void EmfWriter::abortPath() { record(68, {}); }
void EmfWriter::fillPath() { record(62, rectL(m_bounds)); }
void EmfWriter::strokePath() { record(64, rectL(m_bounds)); }
void EmfWriter::strokeAndFillPath() { record(63, rectL(m_bounds)); }
void EmfWriter::moveTo(int x, int y) { record(27, longs({x, y})); }
void EmfWriter::lineTo(int x, int y) { record(54, longs({x, y})); }

void EmfWriter::poly(quint32 type, const QList<QPoint> &points, bool sixteen)
{
    record(sixteen ? type + 83 : type,
           rectL(m_bounds) + longs({qint32(points.size())}) + pointList(points, sixteen));
}

void EmfWriter::polyPoly(quint32 type, const QList<QList<QPoint>> &polygons, bool sixteen)
{
    QByteArray counts;
    QByteArray points;
    qint32 total = 0;
    for (const QList<QPoint> &polygon : polygons) {
        append32(counts, quint32(polygon.size()));
        points += pointList(polygon, sixteen);
        total += qint32(polygon.size());
    }
    record(sixteen ? type + 83 : type,
           rectL(m_bounds) + longs({qint32(polygons.size()), total}) + counts + points);
}

void EmfWriter::rectangle(const QRect &box)
{
    record(43, longs({box.left(), box.top(), box.right(), box.bottom()}));
}

void EmfWriter::roundRect(const QRect &box, int cornerWidth, int cornerHeight)
{
    record(44, longs({box.left(), box.top(), box.right(), box.bottom(), cornerWidth, cornerHeight}));
}

void EmfWriter::ellipse(const QRect &box)
{
    record(42, longs({box.left(), box.top(), box.right(), box.bottom()}));
}

void EmfWriter::arc(quint32 type, const QRect &box, QPoint start, QPoint end)
{
    record(type, longs({box.left(), box.top(), box.right(), box.bottom(), start.x(), start.y(),
                        end.x(), end.y()}));
}

void EmfWriter::setPixel(int x, int y, QRgb color)
{
    record(15, longs({x, y}) + colorRef(color));
}

void EmfWriter::extTextOut(int x, int y, const QString &text, quint32 options, const QRect &rect,
                           const QList<int> &dx)
{
    // Bounds, graphics mode, scales, then EmrText with the string and advances after it.
    constexpr qint32 fixedSize = 8 + 16 + 12 + 8 + 12 + 16 + 4;
    const qint32 stringBytes = qint32((text.size() * 2 + 3) / 4 * 4);
    QByteArray params = rectL(m_bounds) + longs({1}) + longs({0, 0});
    params += longs({x, y, qint32(text.size()), fixedSize, qint32(options)});
    params += rectL(rect.isNull() ? QRect(0, 0, 0, 0) : rect);
    params += longs({dx.isEmpty() ? 0 : fixedSize + stringBytes});
    QByteArray string;
    for (const QChar c : text)
        append16(string, c.unicode());
    while (string.size() % 4)
        string.append('\0');
    params += string;
    for (const int d : dx)
        append32(params, quint32(d));
    record(84, params);
}

QByteArray EmfWriter::bitmapInfo(const QImage &image, int bits)
{
    const QByteArray dib = WmfWriter::dib(image, bits);
    return dib.left(40 + (bits <= 8 ? 4 << bits : 0));
}

QByteArray EmfWriter::bitmapBits(const QImage &image, int bits)
{
    const QByteArray dib = WmfWriter::dib(image, bits);
    return dib.mid(40 + (bits <= 8 ? 4 << bits : 0));
}

void EmfWriter::stretchDiBits(const QRect &dest, const QRect &source, const QImage &image,
                              int bits, quint32 rop)
{
    const QByteArray info = bitmapInfo(image, bits);
    const QByteArray pixels = bitmapBits(image, bits);
    constexpr qint32 fixedSize = 8 + 16 + 4 * 14;
    QByteArray params = rectL(m_bounds);
    params += longs({dest.x(), dest.y(), source.x(), source.y(), source.width(), source.height()});
    params += longs({fixedSize, qint32(info.size()), fixedSize + qint32(info.size()),
                     qint32(pixels.size()), 0, qint32(rop), dest.width(), dest.height()});
    record(81, params + info + pixels);
}

void EmfWriter::patBlt(const QRect &dest, quint32 rop)
{
    QByteArray params = rectL(m_bounds);
    params += longs({dest.x(), dest.y(), dest.width(), dest.height(), qint32(rop), 0, 0});
    params += xform(QTransform()) + colorRef(0) + longs({0, 0, 0, 0, 0});
    record(76, params);
}

void EmfWriter::alphaBlend(const QRect &dest, const QImage &image, int constantAlpha,
                           bool sourceAlpha)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QByteArray info = bitmapInfo(argb, 32);
    QByteArray pixels;
    for (int y = argb.height() - 1; y >= 0; --y) {
        for (int x = 0; x < argb.width(); ++x) {
            const QRgb c = argb.pixel(x, y);
            const QRgb p = reinterpret_cast<const QRgb *>(argb.constScanLine(y))[x];
            pixels.append(char(qBlue(p)));
            pixels.append(char(qGreen(p)));
            pixels.append(char(qRed(p)));
            pixels.append(char(sourceAlpha ? qAlpha(c) : 0));
        }
    }
    constexpr qint32 fixedSize = 8 + 16 + 4 * 7 + 24 + 4 + 4 * 7;
    const quint32 blend = (quint32(constantAlpha) << 16) | (sourceAlpha ? 1u << 24 : 0);
    QByteArray params = rectL(m_bounds);
    params += longs({dest.x(), dest.y(), dest.width(), dest.height(), qint32(blend), 0, 0});
    params += xform(QTransform()) + colorRef(0);
    params += longs({0, fixedSize, qint32(info.size()), fixedSize + qint32(info.size()),
                     qint32(pixels.size()), argb.width(), argb.height()});
    record(114, params + info + pixels);
}

void EmfWriter::comment(const QByteArray &data)
{
    record(70, longs({qint32(data.size())}) + data);
}

QByteArray EmfWriter::finish() const
{
    QByteArray eof = longs({qint32(Eof), 20, 0, 16, 20});
    QByteArray out;
    append32(out, Header);                               // Type
    append32(out, quint32(HeaderSize));                  // Size
    out += longs({m_bounds.left(), m_bounds.top(), m_bounds.right(), m_bounds.bottom()});
    out += longs({m_bounds.left() * 100, m_bounds.top() * 100, (m_bounds.right() + 1) * 100,
                  (m_bounds.bottom() + 1) * 100});       // Frame, hundredths of a millimetre
    append32(out, 0x464D4520);                           // Signature " EMF"
    append32(out, 0x10000);                              // Version
    append32(out, quint32(HeaderSize + m_records.size() + eof.size()));   // Bytes
    append32(out, quint32(m_recordCount + 2));           // Records
    append16(out, quint16(m_handles));                   // Handles
    append16(out, 0);                                    // Reserved
    out += longs({0, 0, 0});                             // description, palette entries
    out += longs({1000, 1000, 1000, 1000});              // Device pixels, Millimeters
    out += longs({0, 0, 0});                             // pixel format, OpenGL
    out += longs({1'000'000, 1'000'000});                // Micrometers
    return out + m_records + eof;
}

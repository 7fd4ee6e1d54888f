// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wmfwriter.h"

#include <QHash>
#include <QRect>
#include <QtEndian>

#include <algorithm>
#include <stdexcept>

namespace {

void append16(QByteArray &out, int value)
{
    if (value < -32768 || value > 65535)
        throw std::out_of_range("metafile value does not fit 16 bits");
    uchar b[2];
    qToLittleEndian<quint16>(quint16(value), b);
    out.append(reinterpret_cast<const char *>(b), 2);
}

void append32(QByteArray &out, quint32 value)
{
    uchar b[4];
    qToLittleEndian<quint32>(value, b);
    out.append(reinterpret_cast<const char *>(b), 4);
}

} // namespace

QByteArray WmfWriter::words(std::initializer_list<int> values)
{
    QByteArray out;
    for (const int v : values)
        append16(out, v);
    return out;
}

QByteArray WmfWriter::colorRef(QRgb color)
{
    QByteArray out;
    out.append(char(qRed(color)));
    out.append(char(qGreen(color)));
    out.append(char(qBlue(color)));
    out.append('\0');
    return out;
}

QByteArray WmfWriter::points(const QList<QPoint> &points)
{
    QByteArray out;
    for (const QPoint &p : points) {
        append16(out, p.x());
        append16(out, p.y());
    }
    return out;
}

void WmfWriter::record(quint16 function, const QByteArray &params)
{
    QByteArray padded = params;
    if (padded.size() % 2)
        padded.append('\0');
    const quint32 size = quint32(3 + padded.size() / 2);
    append32(m_records, size);
    append16(m_records, function);
    m_records.append(padded);
    m_maxRecordWords = std::max(m_maxRecordWords, size);
}

int WmfWriter::createObject(quint16 function, const QByteArray &params)
{
    record(function, params);
    return newObject();
}

int WmfWriter::newObject()
{
    if (!m_free.empty()) {
        const int index = *m_free.begin();
        m_free.erase(m_free.begin());
        return index;
    }
    return m_tableSize++;
}

void WmfWriter::setPlaceable(int left, int top, int right, int bottom, int unitsPerInch)
{
    m_placeable = true;
    m_frame[0] = left;
    m_frame[1] = top;
    m_frame[2] = right;
    m_frame[3] = bottom;
    m_unitsPerInch = unitsPerInch;
}

void WmfWriter::setWindowOrg(int x, int y)
{
    record(0x020B, words({y, x}));
}

void WmfWriter::setWindowExt(int width, int height)
{
    record(0x020C, words({height, width}));
}

void WmfWriter::setViewportOrg(int x, int y)
{
    record(0x020D, words({y, x}));
}

void WmfWriter::setViewportExt(int width, int height)
{
    record(0x020E, words({height, width}));
}

void WmfWriter::setMapMode(int mode)
{
    record(0x0103, words({mode}));
}

void WmfWriter::saveDc()
{
    record(0x001E, {});
}

void WmfWriter::restoreDc(int which)
{
    record(0x0127, words({which}));
}

int WmfWriter::createPen(quint16 style, int width, QRgb color)
{
    record(0x02FA, words({style, width, 0}) + colorRef(color));
    return newObject();
}

int WmfWriter::createBrush(quint16 style, QRgb color, quint16 hatch)
{
    record(0x02FC, words({style}) + colorRef(color) + words({hatch}));
    return newObject();
}

int WmfWriter::createFont(const FontSpec &font)
{
    QByteArray params = words({font.height, font.width, font.escapement, font.escapement,
                               font.weight});
    params.append(char(font.italic ? 1 : 0));
    params.append(char(font.underline ? 1 : 0));
    params.append(char(font.strikeOut ? 1 : 0));
    params.append(char(font.charSet));
    params.append(QByteArray(4, '\0'));   // precisions, quality, pitch and family
    QByteArray face = font.face.left(31);
    face.append(QByteArray(32 - face.size(), '\0'));
    params.append(face);
    record(0x02FB, params);
    return newObject();
}

int WmfWriter::createPalette(const QList<QRgb> &colors)
{
    QByteArray params = words({0x0300, int(colors.size())});
    for (const QRgb c : colors)
        params += colorRef(c);
    record(0x00F7, params);
    return newObject();
}

void WmfWriter::selectObject(int index)
{
    record(0x012D, words({index}));
}

void WmfWriter::selectPalette(int index)
{
    record(0x0234, words({index}));
}

void WmfWriter::deleteObject(int index)
{
    record(0x01F0, words({index}));
    if (index >= 0 && index < m_tableSize)
        m_free.insert(index);
}

void WmfWriter::setTextColor(QRgb color)
{
    record(0x0209, colorRef(color));
}

void WmfWriter::setBkColor(QRgb color)
{
    record(0x0201, colorRef(color));
}

void WmfWriter::setBkMode(int mode)
{
    record(0x0102, words({mode}));
}

void WmfWriter::setPolyFillMode(int mode)
{
    record(0x0106, words({mode}));
}

void WmfWriter::setRop2(int mode)
{
    record(0x0104, words({mode}));
}

void WmfWriter::setTextAlign(int align)
{
    record(0x012E, words({align}));
}

void WmfWriter::setStretchBltMode(int mode)
{
    record(0x0107, words({mode}));
}

void WmfWriter::moveTo(int x, int y)
{
    record(0x0214, words({y, x}));
}

void WmfWriter::lineTo(int x, int y)
{
    record(0x0213, words({y, x}));
}

void WmfWriter::polyline(const QList<QPoint> &pts)
{
    record(0x0325, words({int(pts.size())}) + points(pts));
}

void WmfWriter::polygon(const QList<QPoint> &pts)
{
    record(0x0324, words({int(pts.size())}) + points(pts));
}

void WmfWriter::polyPolygon(const QList<QList<QPoint>> &polygons)
{
    QByteArray params = words({int(polygons.size())});
    for (const QList<QPoint> &p : polygons)
        append16(params, int(p.size()));
    for (const QList<QPoint> &p : polygons)
        params += points(p);
    record(0x0538, params);
}

void WmfWriter::rectRecord(quint16 function, int left, int top, int right, int bottom)
{
    record(function, words({bottom, right, top, left}));
}

void WmfWriter::rectangle(int left, int top, int right, int bottom)
{
    rectRecord(0x041B, left, top, right, bottom);
}

void WmfWriter::roundRect(int left, int top, int right, int bottom, int cornerWidth,
                          int cornerHeight)
{
    record(0x061C, words({cornerHeight, cornerWidth, bottom, right, top, left}));
}

void WmfWriter::ellipse(int left, int top, int right, int bottom)
{
    rectRecord(0x0418, left, top, right, bottom);
}

void WmfWriter::arcRecord(quint16 function, int left, int top, int right, int bottom,
                          QPoint start, QPoint end)
{
    record(function, words({end.y(), end.x(), start.y(), start.x(), bottom, right, top, left}));
}

void WmfWriter::arc(int left, int top, int right, int bottom, QPoint start, QPoint end)
{
    arcRecord(0x0817, left, top, right, bottom, start, end);
}

void WmfWriter::pie(int left, int top, int right, int bottom, QPoint start, QPoint end)
{
    arcRecord(0x081A, left, top, right, bottom, start, end);
}

void WmfWriter::chord(int left, int top, int right, int bottom, QPoint start, QPoint end)
{
    arcRecord(0x0830, left, top, right, bottom, start, end);
}

void WmfWriter::setPixel(int x, int y, QRgb color)
{
    record(0x041F, colorRef(color) + words({y, x}));
}

void WmfWriter::textOut(int x, int y, const QByteArray &text)
{
    QByteArray params = words({int(text.size())});
    params += text;
    if (params.size() % 2)
        params.append('\0');
    params += words({y, x});
    record(0x0521, params);
}

void WmfWriter::extTextOut(int x, int y, quint16 options, const QRect &rect,
                           const QByteArray &text, const QList<int> &dx)
{
    QByteArray params = words({y, x, int(text.size()), options});
    if (options & 0x0006)
        params += words({rect.left(), rect.top(), rect.left() + rect.width(),
                         rect.top() + rect.height()});
    params += text;
    if (params.size() % 2)
        params.append('\0');
    for (const int d : dx)
        append16(params, d);
    record(0x0A32, params);
}

void WmfWriter::intersectClipRect(int left, int top, int right, int bottom)
{
    rectRecord(0x0416, left, top, right, bottom);
}

void WmfWriter::excludeClipRect(int left, int top, int right, int bottom)
{
    rectRecord(0x0415, left, top, right, bottom);
}

int WmfWriter::createRegion(const QList<QRect> &rects)
{
    QRect bounds;
    QByteArray scans;
    int maxScan = 0;
    for (const QRect &r : rects) {
        bounds |= r;
        scans += words({2, r.top(), r.bottom() + 1, r.left(), r.right() + 1, 2});
        maxScan = std::max(maxScan, 2);
    }
    QByteArray params = words({0, 6});          // nextInChain, ObjectType: region
    append32(params, 0);                        // ObjectCount
    params += words({int(22 + scans.size()), int(rects.size()), maxScan});  // RegionSize, ScanCount, maxScan
    params += words({bounds.left(), bounds.top(), bounds.right() + 1, bounds.bottom() + 1});
    params += scans;
    record(0x06FF, params);
    return newObject();
}

void WmfWriter::selectClipRegion(int region)
{
    record(0x012C, words({region}));
}

void WmfWriter::offsetClipRgn(int x, int y)
{
    record(0x0220, words({y, x}));
}

void WmfWriter::fillRegion(int region, int brush)
{
    record(0x0228, words({region, brush}));
}

void WmfWriter::paintRegion(int region)
{
    record(0x012B, words({region}));
}

int WmfWriter::createDibPatternBrush(const QByteArray &dib)
{
    record(0x0142, words({5, 0}) + dib);        // Style: BS_DIBPATTERN, ColorUsage: RGB
    return newObject();
}

int WmfWriter::createMonochromePatternBrush(int width, int height, const QList<quint16> &rows)
{
    // Bitmap16 header with a placeholder for its Bits, 18 reserved bytes, then the rows.
    QByteArray params = words({0, width, height, 2});   // Type, Width, Height, WidthBytes
    params.append(char(1));                             // Planes
    params.append(char(1));                             // BitsPixel
    params.append(QByteArray(4 + 18, '\0'));
    for (const quint16 row : rows) {
        params.append(char(row >> 8));
        params.append(char(row & 0xFF));
    }
    record(0x01F9, params);
    return newObject();
}

void WmfWriter::stretchDib(int x, int y, int width, int height, int xSrc, int ySrc, int srcWidth,
                           int srcHeight, const QByteArray &dib, quint32 rop)
{
    QByteArray params;
    append32(params, rop);
    params += words({0, srcHeight, srcWidth, ySrc, xSrc, height, width, y, x});
    params += dib;
    record(0x0F43, params);
}

void WmfWriter::dibStretchBlt(int x, int y, int width, int height, int xSrc, int ySrc,
                              int srcWidth, int srcHeight, const QByteArray &dib, quint32 rop)
{
    QByteArray params;
    append32(params, rop);
    params += words({srcHeight, srcWidth, ySrc, xSrc, height, width, y, x});
    params += dib;
    record(0x0B41, params);
}

void WmfWriter::patBlt(int x, int y, int width, int height, quint32 rop)
{
    QByteArray params;
    append32(params, rop);
    params += words({height, width, y, x});
    record(0x061D, params);
}

QByteArray WmfWriter::placeableHeader() const
{
    QByteArray out;
    append32(out, 0x9AC6CDD7);          // Key
    append16(out, 0);                   // HWmf
    for (const int v : m_frame)         // BoundingBox: left, top, right, bottom
        append16(out, v);
    append16(out, m_unitsPerInch);      // Inch
    append32(out, 0);                   // Reserved
    quint16 checksum = 0;
    for (int i = 0; i < 10; ++i)
        checksum ^= qFromLittleEndian<quint16>(out.constData() + 2 * i);
    append16(out, checksum);            // Checksum: the XOR of the ten words before it
    return out;
}

QByteArray WmfWriter::finish() const
{
    QByteArray body = m_records;
    append32(body, 3);                  // META_EOF: RecordSize
    append16(body, 0);                  // RecordFunction
    QByteArray out = m_placeable ? placeableHeader() : QByteArray();
    append16(out, 1);                   // Type: in memory
    append16(out, 9);                   // HeaderSize in words
    append16(out, 0x0300);              // Version
    append32(out, quint32(9 + body.size() / 2));   // Size in words
    append16(out, m_tableSize);         // NumberOfObjects
    append32(out, m_maxRecordWords);    // MaxRecord
    append16(out, 0);                   // NumberOfMembers
    return out + body;
}

namespace {

// The first 2^bits colours of an image, padded with black, and each colour's index.
QList<QRgb> colorTable(const QImage &image, int bitsPerPixel, QHash<QRgb, int> *indexOf)
{
    QList<QRgb> table;
    if (bitsPerPixel > 8)
        return table;
    const int max = 1 << bitsPerPixel;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y) | 0xFF000000;
            if (!indexOf->contains(c) && table.size() < max) {
                indexOf->insert(c, int(table.size()));
                table.append(c);
            }
        }
    }
    while (table.size() < max)
        table.append(qRgb(0, 0, 0));
    return table;
}

// One row of pixels, padded to 32 bits.
QByteArray packRow(const QImage &image, int y, int bitsPerPixel, const QHash<QRgb, int> &indexOf)
{
    QByteArray row(((image.width() * bitsPerPixel + 31) / 32) * 4, '\0');
    for (int x = 0; x < image.width(); ++x) {
        const QRgb c = image.pixel(x, y) | 0xFF000000;
        const int index = indexOf.value(c);
        switch (bitsPerPixel) {
        case 1: row[x / 8] = char(row[x / 8] | (index << (7 - x % 8))); break;
        case 4: row[x / 2] = char(row[x / 2] | (index << (x % 2 ? 0 : 4))); break;
        case 8: row[x] = char(index); break;
        default: {
            const int bytes = bitsPerPixel / 8;
            row[bytes * x] = char(qBlue(c));
            row[bytes * x + 1] = char(qGreen(c));
            row[bytes * x + 2] = char(qRed(c));
            break;
        }
        }
    }
    return row;
}

} // namespace

QByteArray WmfWriter::dib(const QImage &source, int bitsPerPixel)
{
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    QHash<QRgb, int> indexOf;
    const QList<QRgb> table = colorTable(image, bitsPerPixel, &indexOf);
    QByteArray out;
    append32(out, 40);                          // biSize
    append32(out, quint32(image.width()));      // biWidth
    append32(out, quint32(image.height()));     // biHeight: bottom row first
    append16(out, 1);                           // biPlanes
    append16(out, bitsPerPixel);                // biBitCount
    append32(out, 0);                           // biCompression: BI_RGB
    append32(out, 0);                           // biSizeImage
    append32(out, 2835);                        // biXPelsPerMeter
    append32(out, 2835);                        // biYPelsPerMeter
    append32(out, quint32(table.size()));       // biClrUsed
    append32(out, 0);                           // biClrImportant
    for (const QRgb c : table) {
        out.append(char(qBlue(c)));
        out.append(char(qGreen(c)));
        out.append(char(qRed(c)));
        out.append('\0');
    }
    for (int y = image.height() - 1; y >= 0; --y)
        out += packRow(image, y, bitsPerPixel, indexOf);
    return out;
}

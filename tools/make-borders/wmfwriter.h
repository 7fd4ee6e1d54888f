// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QRgb>
#include <QtGlobal>

#include <set>

// Writes Windows metafiles ([MS-WMF]) record by record: the border generator's output and
// the test suite's input. Coordinates are logical units and must fit 16 bits. Objects get
// the lowest free index of the object table, as a player assigns them, and the creating
// call returns it.
class WmfWriter
{
public:
    // Raster operations and modes the callers use.
    static constexpr quint32 SrcCopy = 0x00CC0020;
    static constexpr quint32 PatCopy = 0x00F00021;

    struct FontSpec
    {
        int height = -12;      // negative: em height; positive: cell height
        int width = 0;
        int escapement = 0;    // tenths of a degree, counter-clockwise
        int weight = 400;
        bool italic = false;
        bool underline = false;
        bool strikeOut = false;
        quint8 charSet = 0;
        QByteArray face;       // Windows-1252, at most 31 bytes
    };

    // A placeable header (Aldus) with the frame in logical units.
    void setPlaceable(int left, int top, int right, int bottom, int unitsPerInch);

    void setWindowOrg(int x, int y);
    void setWindowExt(int width, int height);
    void setViewportOrg(int x, int y);
    void setViewportExt(int width, int height);
    void setMapMode(int mode);
    void saveDc();
    void restoreDc(int which);

    int createPen(quint16 style, int width, QRgb color);
    int createBrush(quint16 style, QRgb color, quint16 hatch = 0);
    int createFont(const FontSpec &font);
    int createPalette(const QList<QRgb> &colors);
    void selectObject(int index);
    void selectPalette(int index);
    void deleteObject(int index);

    void setTextColor(QRgb color);
    void setBkColor(QRgb color);
    void setBkMode(int mode);          // 1 transparent, 2 opaque
    void setPolyFillMode(int mode);    // 1 alternate, 2 winding
    void setRop2(int mode);
    void setTextAlign(int align);
    void setStretchBltMode(int mode);

    void moveTo(int x, int y);
    void lineTo(int x, int y);
    void polyline(const QList<QPoint> &points);
    void polygon(const QList<QPoint> &points);
    void polyPolygon(const QList<QList<QPoint>> &polygons);
    void rectangle(int left, int top, int right, int bottom);
    void roundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight);
    void ellipse(int left, int top, int right, int bottom);
    void arc(int left, int top, int right, int bottom, QPoint start, QPoint end);
    void pie(int left, int top, int right, int bottom, QPoint start, QPoint end);
    void chord(int left, int top, int right, int bottom, QPoint start, QPoint end);
    void setPixel(int x, int y, QRgb color);
    void textOut(int x, int y, const QByteArray &text);
    // rect is written when options hold ETO_OPAQUE (2) or ETO_CLIPPED (4); dx when given.
    void extTextOut(int x, int y, quint16 options, const QRect &rect, const QByteArray &text,
                    const QList<int> &dx = {});
    void intersectClipRect(int left, int top, int right, int bottom);
    void excludeClipRect(int left, int top, int right, int bottom);

    // A region of rectangles (right and bottom excluded), one scan each, which must not
    // overlap vertically; returns its object index.
    int createRegion(const QList<QRect> &rects);
    void selectClipRegion(int region);
    void offsetClipRgn(int x, int y);
    void fillRegion(int region, int brush);
    void paintRegion(int region);
    // META_DIBCREATEPATTERNBRUSH with a DIB, and META_CREATEPATTERNBRUSH with a monochrome
    // Bitmap16 made of rows of bits (one bit a pixel, set for the background colour).
    int createDibPatternBrush(const QByteArray &dib);
    int createMonochromePatternBrush(int width, int height, const QList<quint16> &rows);

    // META_STRETCHDIB with a DIB made by dib().
    void stretchDib(int x, int y, int width, int height, int xSrc, int ySrc, int srcWidth,
                    int srcHeight, const QByteArray &dib, quint32 rop = SrcCopy);
    // META_DIBSTRETCHBLT with a DIB.
    void dibStretchBlt(int x, int y, int width, int height, int xSrc, int ySrc, int srcWidth,
                       int srcHeight, const QByteArray &dib, quint32 rop = SrcCopy);
    void patBlt(int x, int y, int width, int height, quint32 rop = PatCopy);

    // Any record: its function word and parameter bytes (padded to whole words).
    void record(quint16 function, const QByteArray &params);
    // Any record that creates an object (whatever its bytes), returning the object's index.
    int createObject(quint16 function, const QByteArray &params);

    // The metafile: placeable header (when set), META_HEADER, the records, META_EOF.
    QByteArray finish() const;

    // A bottom-up BI_RGB DIB of an image at 1, 4, 8 (with a colour table of the image's
    // first colours), 24 or 32 bits per pixel.
    static QByteArray dib(const QImage &image, int bitsPerPixel);

private:
    int newObject();
    QByteArray placeableHeader() const;
    static QByteArray words(std::initializer_list<int> values);
    static QByteArray colorRef(QRgb color);
    static QByteArray points(const QList<QPoint> &points);
    void rectRecord(quint16 function, int left, int top, int right, int bottom);
    void arcRecord(quint16 function, int left, int top, int right, int bottom, QPoint start,
                   QPoint end);

    QByteArray m_records;
    quint32 m_maxRecordWords = 3;
    bool m_placeable = false;
    int m_frame[4] = {0, 0, 0, 0};
    int m_unitsPerInch = 1440;
    std::set<int> m_free;
    int m_tableSize = 0;
};

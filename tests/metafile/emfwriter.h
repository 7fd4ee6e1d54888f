// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QRgb>
#include <QString>
#include <QTransform>

// Writes enhanced metafiles ([MS-EMF]) record by record for the tests. The reference device
// has one pixel a millimetre, so a frame of w x h pixels is w*100 x h*100 hundredths of a
// millimetre. Objects get the next free handle from 1, which the creating call returns.
class EmfWriter
{
public:
    // A picture of width x height reference pixels starting at (left, top).
    explicit EmfWriter(int width = 100, int height = 100, int left = 0, int top = 0);

    void setMapMode(int mode);
    void setWindowExt(int cx, int cy);
    void setWindowOrg(int x, int y);
    void setViewportExt(int cx, int cy);
    void setViewportOrg(int x, int y);
    void setWorldTransform(const QTransform &t);
    // mode: 1 identity, 2 left multiply, 3 right multiply, 4 set.
    void modifyWorldTransform(const QTransform &t, int mode);
    void saveDc();
    void restoreDc(int which);

    int createPen(quint32 style, int width, QRgb color);
    int extCreatePen(quint32 style, int width, QRgb color, const QList<quint32> &dashes = {},
                     quint32 brushStyle = 0);
    int createBrush(quint32 style, QRgb color, quint32 hatch = 0);
    int createDibPatternBrush(const QImage &tile);
    int createFont(int height, const QString &face, int escapement = 0, int weight = 400);
    void selectObject(quint32 index);
    void deleteObject(quint32 index);

    void setTextAlign(quint32 align);
    void setTextColor(QRgb color);
    void setBkColor(QRgb color);
    void setBkMode(int mode);
    void setPolyFillMode(int mode);
    void setArcDirection(int direction);

    void intersectClipRect(const QRect &rect);
    void excludeClipRect(const QRect &rect);
    void offsetClipRgn(int x, int y);
    // Rectangles in reference pixels, right and bottom excluded.
    void extSelectClipRgn(const QList<QRect> &rects, int mode);
    void selectClipPath(int mode);

    void beginPath();
    void endPath();
    void closeFigure();
    void abortPath();
    void fillPath();
    void strokePath();
    void strokeAndFillPath();

    void moveTo(int x, int y);
    void lineTo(int x, int y);
    // type: EMR_POLYGON, EMR_POLYLINE, EMR_POLYBEZIER, their "To" forms; sixteen for the
    // 16-bit form (type + 83 for the five that have one).
    void poly(quint32 type, const QList<QPoint> &points, bool sixteen = false);
    void polyPoly(quint32 type, const QList<QList<QPoint>> &polygons, bool sixteen = false);
    void rectangle(const QRect &box);   // left, top, right, bottom as given
    void roundRect(const QRect &box, int cornerWidth, int cornerHeight);
    void ellipse(const QRect &box);
    void arc(quint32 type, const QRect &box, QPoint start, QPoint end);
    void setPixel(int x, int y, QRgb color);
    void extTextOut(int x, int y, const QString &text, quint32 options = 0,
                    const QRect &rect = {}, const QList<int> &dx = {});

    // The DIB of an image at 1, 4, 8, 24 or 32 bits per pixel, drawn by EMR_STRETCHDIBITS.
    void stretchDiBits(const QRect &dest, const QRect &source, const QImage &image, int bits,
                       quint32 rop = 0x00CC0020);
    // EMR_BITBLT without a source bitmap.
    void patBlt(const QRect &dest, quint32 rop);
    // EMR_ALPHABLEND of a 32-bit image, with a constant alpha and, with sourceAlpha, the
    // image's own (premultiplied) alpha.
    void alphaBlend(const QRect &dest, const QImage &image, int constantAlpha, bool sourceAlpha);
    void comment(const QByteArray &data);

    // Any record: its type and the bytes after its size (padded to whole 32-bit words).
    void record(quint32 type, const QByteArray &params);

    // Records written so far, the header and EMR_EOF not counted.
    int recordCount() const { return m_recordCount; }

    // The metafile: header, the records, EMR_EOF.
    QByteArray finish() const;

    // A BITMAPINFOHEADER with its colour table, and the pixels, of an image.
    static QByteArray bitmapInfo(const QImage &image, int bits);
    static QByteArray bitmapBits(const QImage &image, int bits);

private:
    int newObject() { return m_handles++; }

    QByteArray m_records;
    int m_recordCount = 0;
    int m_handles = 1;
    QRect m_bounds;
};

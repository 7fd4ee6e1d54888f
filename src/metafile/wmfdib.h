// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QList>
#include <QRgb>
#include <QtGlobal>

// Bitmaps embedded in metafile records. Every size is checked against the bytes there are,
// with 64-bit arithmetic, before anything is allocated; a bitmap that does not fit, that is
// larger than maxPixels or in a format not handled decodes to a null image.
namespace WmfDib {

// ColorUsage of [MS-WMF] 2.1.1.6: the colour table holds RGB quads or 16-bit indexes into
// the selected palette.
enum ColorUsage : quint16 { RgbColors = 0, PaletteColors = 1 };

struct Decoded
{
    QImage image;   // top row first, Format_RGB32 (or premultiplied ARGB, see below)
    bool bottomUp = true;   // the rows were stored bottom row first (positive height)
};

// A DeviceIndependentBitmap ([MS-WMF] 2.2.2.9): a BITMAPINFOHEADER (or a longer version of
// it) or a BITMAPCOREHEADER, the colour table and the pixels. Uncompressed (BI_RGB) 1, 4,
// 8, 16, 24 and 32 bits per pixel, BI_BITFIELDS at 16 and 32, BI_RLE8 and BI_RLE4.
Decoded decode(const uchar *data, qsizetype size, quint16 colorUsage, const QList<QRgb> &palette,
               qint64 maxPixels);
// The same with the header and colour table apart from the pixels, as enhanced metafiles
// keep them. With keepAlpha, a 32-bit BI_RGB bitmap whose fourth bytes are not all zero
// keeps them as premultiplied alpha (Format_ARGB32_Premultiplied).
Decoded decode(const uchar *info, qsizetype infoSize, const uchar *bits, qsizetype bitsSize,
               quint16 colorUsage, const QList<QRgb> &palette, qint64 maxPixels,
               bool keepAlpha = false);

// A device-dependent Bitmap16 object ([MS-WMF] 2.2.2.1) with one plane: 1 bit per pixel
// (0 bits in foreground, 1 bits in background, as a monochrome bitmap is copied to a colour
// device), 24 or 32 bits per pixel.
QImage decodeBitmap16(const uchar *data, qsizetype size, QRgb foreground, QRgb background,
                      qint64 maxPixels);

} // namespace WmfDib

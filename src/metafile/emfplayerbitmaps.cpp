// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The EmfPlayer's handlers of the records that copy bitmaps.
#include "emfplayer.h"

#include "metafile/wmfbytes.h"
#include "metafile/wmfdib.h"
#include "metafile/wmfpainter.h"

#include <algorithm>

namespace {

constexpr qsizetype BoundsSize = 16;
constexpr qsizetype TransformAndColorSize = 24 + 4;   // xformSrc, BkColorSrc
constexpr quint32 SrcCopy = 0x00CC0020;
constexpr quint32 SourceAlpha = 0x01;   // AC_SRC_ALPHA in a BLENDFUNCTION

// The pixels of a colour made transparent, as TransparentBlt copies them.
QImage keyedOut(const QImage &image, QRgb key)
{
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            if ((line[x] & 0x00FFFFFF) == (key & 0x00FFFFFF))
                line[x] = 0;
        }
    }
    return out;
}

} // namespace

QImage EmfPlayer::recordDib(quint32 usage, quint64 offBmi, quint64 cbBmi, quint64 offBits,
                            quint64 cbBits, qint64 maxPixels, bool keepAlpha, bool *bottomUp) const
{
    const uchar *info = recordSpan(offBmi, cbBmi);
    const uchar *bits = recordSpan(offBits, cbBits);
    if (!info || !bits || cbBmi == 0)
        return {};
    const WmfDib::Decoded dib = WmfDib::decode(info, qsizetype(cbBmi), bits, qsizetype(cbBits),
                                               quint16(usage), m_state.gdi.palette.colors,
                                               maxPixels, keepAlpha);
    *bottomUp = dib.bottomUp;
    return dib.image;
}

void EmfPlayer::drawBlit(const Blit &blit)
{
    const QPointF corner = toDevice(blit.dest.topLeft());
    const QPointF opposite = toDevice(blit.dest.bottomRight());
    if (blit.cbBmi == 0) {
        // No source bitmap: the operations that paint with the brush or a constant.
        if (takePoints(4))
            m_painter->fillWithRop(QRectF(corner, opposite).normalized(), blit.rop);
        return;
    }
    bool bottomUp = true;
    QImage image = recordDib(blit.usage, blit.offBmi, blit.cbBmi, blit.offBits, blit.cbBits,
                             m_limits.maxBitmapPixels, blit.keepAlpha, &bottomUp);
    if (image.isNull() || !takePoints(4))
        return;
    QRectF source = blit.source;
    // StretchDIBits counts the source rectangle of a bottom-up DIB from its lower left.
    if (blit.sourceFromBottom && bottomUp)
        source.moveTop(image.height() - source.top() - source.height());
    if (blit.transparent)
        image = keyedOut(image, *blit.transparent);
    m_painter->drawImage(image, source, corner, opposite, blit.rop, blit.opacity);
}

void EmfPlayer::blt(WmfBytes &params, bool stretch, bool alpha, bool transparent)
{
    // Bounds, xDest, yDest, cxDest, cyDest, the raster operation (a BLENDFUNCTION for
    // AlphaBlend, the transparent colour for TransparentBlt), xSrc, ySrc, xformSrc,
    // BkColorSrc, UsageSrc, offBmiSrc, cbBmiSrc, offBitsSrc, cbBitsSrc, and for the
    // stretching forms cxSrc and cySrc.
    params.skip(BoundsSize);
    const double x = params.s32();
    const double y = params.s32();
    const double cx = params.s32();
    const double cy = params.s32();
    const quint32 rop = params.u32();
    const double xSrc = params.s32();
    const double ySrc = params.s32();
    params.skip(TransformAndColorSize);
    Blit blit;
    blit.usage = params.u32();
    blit.offBmi = params.u32();
    blit.cbBmi = params.u32();
    blit.offBits = params.u32();
    blit.cbBits = params.u32();
    const double cxSrc = stretch ? params.s32() : cx;
    const double cySrc = stretch ? params.s32() : cy;
    if (!params.ok())
        return;
    blit.dest = QRectF(x, y, cx, cy);
    blit.source = QRectF(xSrc, ySrc, cxSrc, cySrc);
    blit.rop = rop;
    if (alpha) {
        blit.rop = SrcCopy;
        blit.opacity = ((rop >> 16) & 0xFF) / 255.0;
        blit.keepAlpha = ((rop >> 24) & 0xFF) & SourceAlpha;
    } else if (transparent) {
        blit.rop = SrcCopy;
        blit.transparent = qRgb(rop & 0xFF, (rop >> 8) & 0xFF, (rop >> 16) & 0xFF);
    }
    drawBlit(blit);
}

void EmfPlayer::onBitBlt(WmfBytes &params) { blt(params, false, false, false); }
void EmfPlayer::onStretchBlt(WmfBytes &params) { blt(params, true, false, false); }
void EmfPlayer::onAlphaBlend(WmfBytes &params) { blt(params, true, true, false); }
void EmfPlayer::onTransparentBlt(WmfBytes &params) { blt(params, true, false, true); }

EmfPlayer::Blit EmfPlayer::readDibBlit(WmfBytes &params)
{
    // Bounds, xDest, yDest, xSrc, ySrc, cxSrc, cySrc, offBmiSrc, cbBmiSrc, offBitsSrc,
    // cbBitsSrc, UsageSrc: what STRETCHDIBITS and SETDIBITSTODEVICE begin with. The
    // destination takes the source's size until a record says otherwise.
    params.skip(BoundsSize);
    const double x = params.s32();
    const double y = params.s32();
    const double xSrc = params.s32();
    const double ySrc = params.s32();
    const double cxSrc = params.s32();
    const double cySrc = params.s32();
    Blit blit;
    blit.offBmi = params.u32();
    blit.cbBmi = params.u32();
    blit.offBits = params.u32();
    blit.cbBits = params.u32();
    blit.usage = params.u32();
    blit.dest = QRectF(x, y, cxSrc, cySrc);
    blit.source = QRectF(xSrc, ySrc, cxSrc, cySrc);
    blit.sourceFromBottom = true;
    return blit;
}

void EmfPlayer::onStretchDiBits(WmfBytes &params)
{
    // The shared fields, then the raster operation, cxDest and cyDest.
    Blit blit = readDibBlit(params);
    blit.rop = params.u32();
    const double cx = params.s32();
    const double cy = params.s32();
    if (!params.ok())
        return;
    blit.dest.setSize(QSizeF(cx, cy));
    drawBlit(blit);
}

void EmfPlayer::onSetDiBitsToDevice(WmfBytes &params)
{
    // The shared fields, then iStartScan and cScans. A band of scans that is not the whole
    // bitmap does not decode and is skipped.
    Blit blit = readDibBlit(params);
    if (!params.ok() || blit.cbBmi == 0)
        return;
    blit.rop = SrcCopy;
    drawBlit(blit);
}

// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "bmpbitfields.h"

#include <QtEndian>

#include <algorithm>
#include <bit>

namespace {

// One channel: its bits shifted down, then scaled so that the largest value gives 255.
class Channel
{
public:
    explicit Channel(quint32 mask)
        : m_mask(mask), m_shift(mask ? std::countr_zero(mask) : 0), m_max(mask >> m_shift)
    {
    }

    bool present() const { return m_max != 0; }

    int value(quint32 pixel) const
    {
        if (m_max == 0)
            return 0;
        const quint64 bits = (pixel & m_mask) >> m_shift;
        return int((bits * 255 + m_max / 2) / m_max);
    }

private:
    quint32 m_mask;
    int m_shift;
    quint32 m_max;
};

struct Channels
{
    Channel red;
    Channel green;
    Channel blue;
    Channel alpha;

    QRgb colour(quint32 pixel) const
    {
        return qRgba(red.value(pixel), green.value(pixel), blue.value(pixel),
                     alpha.present() ? alpha.value(pixel) : 255);
    }
};

void decodeRow(const uchar *row, int bitCount, const Channels &channels, QRgb *out, int width)
{
    for (int x = 0; x < width; ++x) {
        const quint32 pixel = bitCount == 16 ? qFromLittleEndian<quint16>(row + 2 * qsizetype(x))
                                             : qFromLittleEndian<quint32>(row + 4 * qsizetype(x));
        out[x] = channels.colour(pixel);
    }
}

// Alpha that is zero everywhere was never meant, and alpha that is full everywhere changes
// nothing: such pictures are opaque.
void dropUnusedAlpha(QImage &image)
{
    bool visible = false;
    bool translucent = false;
    for (int y = 0; y < image.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            visible = visible || qAlpha(line[x]) != 0;
            translucent = translucent || qAlpha(line[x]) != 255;
        }
    }
    if (visible && translucent)
        return;
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        std::for_each(line, line + image.width(), [](QRgb &p) { p |= 0xFF000000u; });
    }
    image.reinterpretAsFormat(QImage::Format_RGB32);
}

} // namespace

QImage decodeBitFields(const uchar *pixels, QSize size, bool bottomUp, int bitCount,
                       const BitFieldMasks &masks)
{
    // Mask bits beyond a 16-bit pixel are never set, so they would only lower the scale.
    const quint32 usable = bitCount == 16 ? 0xFFFFu : 0xFFFFFFFFu;
    const Channels channels{Channel(masks.red & usable), Channel(masks.green & usable),
                            Channel(masks.blue & usable), Channel(masks.alpha & usable)};
    QImage image(size, channels.alpha.present() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    if (image.isNull())
        return {};
    const qsizetype stride = (qsizetype(size.width()) * bitCount + 31) / 32 * 4;
    for (int y = 0; y < size.height(); ++y) {
        const int stored = bottomUp ? size.height() - 1 - y : y;
        decodeRow(pixels + stride * stored, bitCount, channels,
                  reinterpret_cast<QRgb *>(image.scanLine(y)), size.width());
    }
    if (channels.alpha.present())
        dropUnusedAlpha(image);
    return image;
}

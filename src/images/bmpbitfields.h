// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

// The channels of a BMP's 16- or 32-bit pixels, each a mask of the pixel's bits; a zero
// mask is a channel the pixels do not have.
struct BitFieldMasks
{
    quint32 red = 0;
    quint32 green = 0;
    quint32 blue = 0;
    quint32 alpha = 0;
};

// The masks of 16-bit pixels stored without bit fields: five bits each, the top bit unused.
inline constexpr BitFieldMasks Rgb555Masks{0x7C00, 0x03E0, 0x001F, 0};

// Decodes size.height() rows of 16- or 32-bit pixels, each row padded to 32 bits; pixels
// must hold them all. Every channel is scaled to 0-255 whatever its width (all ones give
// 255, zero gives 0, values between are rounded). With an alpha mask the result is
// QImage::Format_ARGB32, unless alpha is zero everywhere, which is taken as opaque;
// otherwise it is Format_RGB32. A null image when there is not enough memory.
QImage decodeBitFields(const uchar *pixels, QSize size, bool bottomUp, int bitCount,
                       const BitFieldMasks &masks);

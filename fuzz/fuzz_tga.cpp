// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the TGA decoder with a pixel budget. A picture that was read must
// have the size its header declares and be plain RGB, with or without alpha; a failure must
// say why and give no picture; anything else is a failure of the decoder. Decoding needs no
// application object, so the leak checker runs too.
#include <QtEndian>

#include "images/decodebudget.h"
#include "images/tgadecoder.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    // Small enough that inputs declaring large pictures also run into the budget.
    DecodeBudget budget(1 << 20);
    const ImageResult result = decodeTga(bytes, &budget);
    if (!result.ok()) {
        if (!result.image.isNull())
            __builtin_trap();
        return 0;
    }
    const QSize declared(qFromLittleEndian<quint16>(data + 12), qFromLittleEndian<quint16>(data + 14));
    const QImage::Format format = result.image.format();
    if (result.image.size() != declared
        || (format != QImage::Format_RGB32 && format != QImage::Format_ARGB32))
        __builtin_trap();
    return 0;
}

// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "metafilesize.h"

#include "metafile/wmfbytes.h"

#include <QtEndian>

namespace {

constexpr quint32 PlaceableKey = 0x9AC6CDD7;
constexpr int PlaceableHeaderSize = 22;
constexpr int UnknownUnitsPerInch = 2540;
constexpr int HundredthsOfMillimetrePerInch = 2540;

constexpr qint64 MaxSize = 1'000'000;

enum class WmfFunction : quint16 { Eof = 0x0000, SetWindowExt = 0x020C };

int scaled(qint64 units, qint64 unitsPerInch)
{
    return unitsPerInch > 0 ? int(qBound<qint64>(0, (units * MetafilePixelsPerInch + unitsPerInch / 2) / unitsPerInch, MaxSize)) : 0;
}

// The last window extent the records of a plain metafile set, or an empty size.
QSize windowExtent(const QByteArray &bytes)
{
    WmfBytes reader(reinterpret_cast<const uchar *>(bytes.constData()), bytes.size());
    reader.skip(2);
    const quint16 headerWords = reader.u16();
    reader.skip(qsizetype(headerWords) * 2 - 4);
    QSize extent;
    while (reader.ok() && reader.remaining() >= 6) {
        const qsizetype start = reader.position();
        const quint32 words = reader.u32();
        const auto function = WmfFunction(reader.u16());
        if (function == WmfFunction::Eof || words < 3 || qint64(words) * 2 > reader.remaining() + 6)
            break;
        if (function == WmfFunction::SetWindowExt && words >= 5) {
            const int height = reader.s16();
            const int width = reader.s16();
            extent = QSize(qAbs(width), qAbs(height));
        }
        reader.skip(start + qsizetype(words) * 2 - reader.position());
    }
    return extent;
}

QSize enhancedSize(const QByteArray &bytes)
{
    // The header's frame: left, top, right, bottom in hundredths of a millimetre at byte 24.
    const auto *data = reinterpret_cast<const uchar *>(bytes.constData());
    const qint64 width = qint64(qFromLittleEndian<qint32>(data + 32)) - qFromLittleEndian<qint32>(data + 24);
    const qint64 height = qint64(qFromLittleEndian<qint32>(data + 36)) - qFromLittleEndian<qint32>(data + 28);
    return QSize(scaled(qAbs(width), HundredthsOfMillimetrePerInch),
                 scaled(qAbs(height), HundredthsOfMillimetrePerInch));
}

void appendU16(QByteArray &out, quint16 value)
{
    char buffer[2];
    qToLittleEndian(value, buffer);
    out.append(buffer, 2);
}

} // namespace

QSize metafilePixelSize(const MetafilePicture &metafile)
{
    if (metafile.isEmpty())
        return {};
    if (metafile.isEnhanced())
        return enhancedSize(metafile.bytes());
    if (metafile.unitsPerInch() > 0) {
        const QRect frame = metafile.frame();
        return QSize(scaled(qAbs(qint64(frame.width())), metafile.unitsPerInch()),
                     scaled(qAbs(qint64(frame.height())), metafile.unitsPerInch()));
    }
    return windowExtent(metafile.bytes());
}

QByteArray placeableMetafileBytes(const MetafilePicture &metafile)
{
    const QByteArray &bytes = metafile.bytes();
    if (metafile.isEnhanced() || bytes.isEmpty()
        || (bytes.size() >= 4 && qFromLittleEndian<quint32>(bytes.constData()) == PlaceableKey))
        return bytes;
    const QSize size = metafilePixelSize(metafile);
    const auto toUnits = [](int pixels) {
        return quint16(qMin<qint64>(0x7FFF, (qint64(pixels) * UnknownUnitsPerInch + MetafilePixelsPerInch / 2)
                                                / MetafilePixelsPerInch));
    };
    // Ten words, then their exclusive or as the checksum.
    const quint16 words[10] = {
        quint16(PlaceableKey & 0xFFFF), quint16(PlaceableKey >> 16), // key
        0,                                                           // handle
        0, 0, toUnits(size.width()), toUnits(size.height()),         // frame
        quint16(UnknownUnitsPerInch),                                // units per inch
        0, 0,                                                        // reserved
    };
    QByteArray out;
    out.reserve(PlaceableHeaderSize + bytes.size());
    quint16 checksum = 0;
    for (quint16 word : words) {
        appendU16(out, word);
        checksum ^= word;
    }
    appendU16(out, checksum);
    out.append(bytes);
    return out;
}

// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "pcxdecoder.h"

#include <QtEndian>

#include <optional>
#include <vector>

namespace {

constexpr int HeaderSize = 128;
constexpr int EgaPaletteOffset = 16;
constexpr int VgaPaletteSize = 768;
constexpr uchar VgaPaletteMarker = 0x0C;
constexpr uchar Manufacturer = 0x0A;

struct PcxHeader
{
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;
    int planes = 0;
    int bytesPerLine = 0;
    bool compressed = false;
};

enum class PcxLayout { Mono, Planar16, Palette256, TrueColour };

const uchar *at(const QByteArray &bytes, qsizetype offset)
{
    return reinterpret_cast<const uchar *>(bytes.constData()) + offset;
}

// Reads bytes one at a time, expanding runs (a byte with the two top bits set repeats the
// next byte that many times, up to 63). Runs may go on across scan lines.
class RunReader
{
public:
    RunReader(const uchar *data, qsizetype size, bool compressed)
        : m_data(data), m_size(size), m_compressed(compressed)
    {
    }

    // Fills line completely; false when the data ends first.
    bool readLine(uchar *line, qsizetype count)
    {
        for (qsizetype i = 0; i < count; ++i) {
            if (m_repeat == 0 && !startRun())
                return false;
            line[i] = m_value;
            --m_repeat;
        }
        return true;
    }

private:
    bool startRun()
    {
        if (m_pos >= m_size)
            return false;
        const uchar first = m_data[m_pos++];
        if (!m_compressed || (first & 0xC0) != 0xC0) {
            m_value = first;
            m_repeat = 1;
            return true;
        }
        if (m_pos >= m_size)
            return false;
        m_value = m_data[m_pos++];
        m_repeat = first & 0x3F;
        // A run of length 0 contributes nothing; the next run follows.
        return m_repeat > 0 || startRun();
    }

    const uchar *m_data;
    qsizetype m_size;
    qsizetype m_pos = 0;
    bool m_compressed;
    uchar m_value = 0;
    int m_repeat = 0;
};

ImageResult fail(const QString &why)
{
    return ImageResult::failed(QStringLiteral("Not a readable PCX picture: %1.").arg(why));
}

std::optional<PcxLayout> layoutOf(const PcxHeader &header)
{
    if (header.bitsPerPixel == 1 && header.planes == 1)
        return PcxLayout::Mono;
    if (header.bitsPerPixel == 1 && header.planes == 4)
        return PcxLayout::Planar16;
    if (header.bitsPerPixel == 8 && header.planes == 1)
        return PcxLayout::Palette256;
    if (header.bitsPerPixel == 8 && header.planes == 3)
        return PcxLayout::TrueColour;
    return std::nullopt;
}

QRgb paletteColour(const uchar *palette, int index)
{
    return qRgb(palette[index * 3], palette[index * 3 + 1], palette[index * 3 + 2]);
}

void convertLine(PcxLayout layout, const PcxHeader &header, const uchar *line,
                 const uchar *palette, QRgb *out)
{
    const int stride = header.bytesPerLine;
    for (int x = 0; x < header.width; ++x) {
        const int byte = x / 8;
        const int bit = 7 - x % 8;
        switch (layout) {
        case PcxLayout::Mono:
            out[x] = (line[byte] >> bit) & 1 ? qRgb(255, 255, 255) : qRgb(0, 0, 0);
            break;
        case PcxLayout::Planar16: {
            int index = 0;
            for (int plane = 0; plane < 4; ++plane)
                index |= ((line[plane * stride + byte] >> bit) & 1) << plane;
            out[x] = paletteColour(palette, index);
            break;
        }
        case PcxLayout::Palette256:
            out[x] = paletteColour(palette, line[x]);
            break;
        case PcxLayout::TrueColour:
            out[x] = qRgb(line[x], line[stride + x], line[2 * stride + x]);
            break;
        }
    }
}

} // namespace

ImageResult decodePcx(const QByteArray &bytes)
{
    if (bytes.size() < HeaderSize)
        return fail(QStringLiteral("the header is cut short"));
    const uchar *head = at(bytes, 0);
    if (head[0] != Manufacturer || head[2] > 1)
        return fail(QStringLiteral("the header is not a PCX header"));
    const auto word = [head](int offset) { return int(qFromLittleEndian<quint16>(head + offset)); };
    PcxHeader header;
    header.compressed = head[2] == 1;
    header.bitsPerPixel = head[3];
    header.planes = head[65];
    header.bytesPerLine = word(66);
    const int xMin = word(4), yMin = word(6), xMax = word(8), yMax = word(10);
    if (xMax < xMin || yMax < yMin)
        return fail(QStringLiteral("the picture has no size"));
    header.width = xMax - xMin + 1;
    header.height = yMax - yMin + 1;
    if (header.width > MaxPictureSide || header.height > MaxPictureSide)
        return fail(QStringLiteral("the picture is too large"));
    const std::optional<PcxLayout> layout = layoutOf(header);
    if (!layout)
        return fail(QStringLiteral("%1 bits in %2 planes are not supported")
                        .arg(header.bitsPerPixel).arg(header.planes));
    if (qint64(header.bytesPerLine) * 8 < qint64(header.width) * header.bitsPerPixel)
        return fail(QStringLiteral("the scan lines are shorter than the picture"));

    qsizetype dataEnd = bytes.size();
    const uchar *palette = head + EgaPaletteOffset;
    if (*layout == PcxLayout::Palette256) {
        dataEnd = bytes.size() - VgaPaletteSize - 1;
        if (dataEnd < HeaderSize || uchar(bytes.at(dataEnd)) != VgaPaletteMarker)
            return fail(QStringLiteral("the palette at the end is missing"));
        palette = at(bytes, dataEnd + 1);
    }
    const qint64 lineBytes = qint64(header.planes) * header.bytesPerLine;
    const qint64 dataBytes = dataEnd - HeaderSize;
    // A run of two bytes gives at most 63, so shorter data cannot fill the picture; this
    // refuses a truncated file before the picture is allocated.
    const qint64 maxExpansion = header.compressed ? 63 : 1;
    if (lineBytes * header.height > dataBytes * maxExpansion)
        return fail(QStringLiteral("the picture data is cut short"));

    QImage image(header.width, header.height, QImage::Format_RGB32);
    if (image.isNull())
        return fail(QStringLiteral("there is not enough memory for it"));
    std::vector<uchar> line(static_cast<size_t>(lineBytes));
    RunReader reader(at(bytes, HeaderSize), dataBytes, header.compressed);
    for (int y = 0; y < header.height; ++y) {
        if (!reader.readLine(line.data(), lineBytes))
            return fail(QStringLiteral("the picture data is cut short"));
        convertLine(*layout, header, line.data(), palette,
                    reinterpret_cast<QRgb *>(image.scanLine(y)));
    }
    return {image, {}};
}

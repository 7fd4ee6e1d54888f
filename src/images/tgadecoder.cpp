// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tgadecoder.h"

#include "images/decodebudget.h"

#include <QtEndian>

#include <algorithm>
#include <array>
#include <optional>

namespace {

constexpr int HeaderSize = 18;
constexpr int FooterSize = 26;
constexpr QByteArrayView FooterSignature("TRUEVISION-XFILE.\0", 18);
constexpr int ExtensionAreaSize = 495;
constexpr int AttributesTypeOffset = 494;
// A run-length packet gives at most this many pixels.
constexpr int MaxPacketPixels = 128;

enum class ImageType : quint8 {
    NoImage = 0,
    ColourMapped = 1,
    TrueColour = 2,
    Greyscale = 3,
    RunLengthColourMapped = 9,
    RunLengthTrueColour = 10,
    RunLengthGreyscale = 11,
};

// What the extension area says the fourth channel holds.
enum class AttributesType : quint8 {
    None = 0,
    Undefined = 1,
    Retained = 2,
    Alpha = 3,
    Premultiplied = 4,
};

enum class AlphaUse { None, Straight, Premultiplied };

struct TgaHeader
{
    int idLength = 0;
    int mapType = 0;
    ImageType imageType = ImageType::NoImage;
    int mapFirst = 0;
    int mapLength = 0;
    int mapEntryBits = 0;
    int width = 0;
    int height = 0;
    int pixelBits = 0;
    int descriptor = 0;

    bool runLength() const { return quint8(imageType) & 8; }
    ImageType plainType() const { return ImageType(quint8(imageType) & 7); }
    bool colourMapped() const { return plainType() == ImageType::ColourMapped; }
    int alphaBits() const { return descriptor & 0x0F; }
    bool rightToLeft() const { return descriptor & 0x10; }
    bool topDown() const { return descriptor & 0x20; }
    bool interleaved() const { return descriptor & 0xC0; }
    int mapEntryBytes() const { return (mapEntryBits + 7) / 8; }
    // The colour map's bytes; a map in a picture that has no use for it is skipped over.
    qsizetype mapBytes() const { return mapType == 1 ? qsizetype(mapLength) * mapEntryBytes() : 0; }
};

ImageResult fail(const QString &why)
{
    return ImageResult::failed(QStringLiteral("Not a readable TGA picture: %1.").arg(why));
}

const uchar *at(const QByteArray &bytes, qsizetype offset)
{
    return reinterpret_cast<const uchar *>(bytes.constData()) + offset;
}

TgaHeader readHeader(const uchar *head)
{
    const auto word = [head](int offset) { return int(qFromLittleEndian<quint16>(head + offset)); };
    TgaHeader header;
    header.idLength = head[0];
    header.mapType = head[1];
    header.imageType = ImageType(head[2]);
    header.mapFirst = word(3);
    header.mapLength = word(5);
    header.mapEntryBits = head[7];
    header.width = word(12);
    header.height = word(14);
    header.pixelBits = head[16];
    header.descriptor = head[17];
    return header;
}

bool knownImageType(ImageType type)
{
    switch (type) {
    case ImageType::ColourMapped:
    case ImageType::TrueColour:
    case ImageType::Greyscale:
    case ImageType::RunLengthColourMapped:
    case ImageType::RunLengthTrueColour:
    case ImageType::RunLengthGreyscale:
        return true;
    case ImageType::NoImage:
        break;
    }
    return false;
}

bool directColourBits(int bits)
{
    return bits == 15 || bits == 16 || bits == 24 || bits == 32;
}

QString unsupported(const char *what, int bits)
{
    return QStringLiteral("%1 of %2 bits are not supported").arg(QLatin1String(what)).arg(bits);
}

QString checkDepths(const TgaHeader &header)
{
    switch (header.plainType()) {
    case ImageType::ColourMapped:
        if (header.mapType != 1)
            return QStringLiteral("the colour map is missing");
        if (header.pixelBits != 8)
            return unsupported("colour-mapped pixels", header.pixelBits);
        if (!directColourBits(header.mapEntryBits))
            return unsupported("colour map entries", header.mapEntryBits);
        if (header.mapLength == 0)
            return QStringLiteral("the colour map is empty");
        return {};
    case ImageType::TrueColour:
        return directColourBits(header.pixelBits) ? QString()
                                                  : unsupported("true-colour pixels", header.pixelBits);
    default:
        return header.pixelBits == 8 ? QString() : unsupported("greyscale pixels", header.pixelBits);
    }
}

// Why the header cannot be decoded, or an empty string.
QString checkHeader(const TgaHeader &header)
{
    if (header.imageType == ImageType::NoImage)
        return QStringLiteral("the file holds no picture");
    if (!knownImageType(header.imageType))
        return QStringLiteral("image type %1 is not supported").arg(int(header.imageType));
    if (header.mapType > 1)
        return QStringLiteral("colour map type %1 is not supported").arg(header.mapType);
    if (const QString depth = checkDepths(header); !depth.isEmpty())
        return depth;
    if (header.interleaved())
        return QStringLiteral("interleaved rows are not supported");
    if (header.width == 0 || header.height == 0)
        return QStringLiteral("the picture has no size");
    if (header.width > MaxPictureSide || header.height > MaxPictureSide)
        return QStringLiteral("the picture is too large");
    return {};
}

// The footer of version 2 and what its extension area says of alpha, when there is one.
struct Footer
{
    qsizetype start = 0;
    std::optional<AttributesType> attributes;
};

Footer readFooter(const QByteArray &bytes)
{
    Footer footer{bytes.size(), std::nullopt};
    if (bytes.size() < HeaderSize + FooterSize || !QByteArrayView(bytes).endsWith(FooterSignature))
        return footer;
    footer.start = bytes.size() - FooterSize;
    // A damaged extension area leaves the picture readable; only its alpha note is lost.
    const qint64 extension = qFromLittleEndian<quint32>(at(bytes, footer.start));
    if (extension < HeaderSize || extension > footer.start - ExtensionAreaSize)
        return footer;
    if (qFromLittleEndian<quint16>(at(bytes, extension)) < ExtensionAreaSize)
        return footer;
    footer.attributes = AttributesType(*at(bytes, extension + AttributesTypeOffset));
    return footer;
}

AlphaUse alphaUse(const TgaHeader &header, std::optional<AttributesType> attributes)
{
    const int bits = header.colourMapped() ? header.mapEntryBits : header.pixelBits;
    if (bits != 16 && bits != 32)
        return AlphaUse::None;
    if (attributes == AttributesType::Alpha)
        return AlphaUse::Straight;
    if (attributes == AttributesType::Premultiplied)
        return AlphaUse::Premultiplied;
    if (attributes)
        return AlphaUse::None;
    // Many 16-bit pictures leave the attribute bit at zero, which would hide them.
    if (bits == 16 && header.alphaBits() == 0)
        return AlphaUse::None;
    return AlphaUse::Straight;
}

// Five bits widened to eight so that 31 gives 255.
int widen5(int value)
{
    return (value << 3) | (value >> 2);
}

// A stored colour: 8-bit grey, 15- or 16-bit (5-5-5 and the attribute bit), 24-bit BGR or
// 32-bit BGRA. Without alpha the colour is opaque.
QRgb storedColour(int bits, const uchar *p, bool alpha)
{
    switch (bits) {
    case 8:
        return qRgb(p[0], p[0], p[0]);
    case 15:
    case 16: {
        const int value = p[0] | p[1] << 8;
        const int opacity = !alpha || (value & 0x8000) ? 255 : 0;
        return qRgba(widen5(value >> 10 & 31), widen5(value >> 5 & 31), widen5(value & 31),
                     opacity);
    }
    case 24:
        return qRgb(p[2], p[1], p[0]);
    default:
        return qRgba(p[2], p[1], p[0], alpha ? p[3] : 255);
    }
}

// Turns stored pixels into colours: an index through the colour map, or the pixel's own
// colour.
class PixelConverter
{
public:
    PixelConverter(int bits, bool alpha) : m_bits(bits), m_alpha(alpha) {}

    // Entry k of the map is colour index first + k; indexes the map does not reach stay
    // unknown. Only the first 256 indexes can be used by 8-bit pixels.
    void setColourMap(const uchar *entries, const TgaHeader &header)
    {
        m_mapped = true;
        const int last = std::min(header.mapFirst + header.mapLength, int(m_known.size()));
        for (int index = header.mapFirst; index < last; ++index) {
            const qsizetype entry = qsizetype(index - header.mapFirst) * header.mapEntryBytes();
            m_map[index] = storedColour(header.mapEntryBits, entries + entry, m_alpha);
            m_known[index] = true;
        }
    }

    int bytesPerPixel() const { return m_mapped ? 1 : (m_bits + 7) / 8; }

    // False for an index outside the colour map.
    bool convert(const uchar *p, QRgb &colour) const
    {
        if (!m_mapped) {
            colour = storedColour(m_bits, p, m_alpha);
            return true;
        }
        colour = m_map[p[0]];
        return m_known[p[0]];
    }

private:
    int m_bits;
    bool m_alpha;
    bool m_mapped = false;
    std::array<QRgb, 256> m_map{};
    std::array<bool, 256> m_known{};
};

QString outsideMap(const uchar *p)
{
    return QStringLiteral("pixel value %1 lies outside the colour map").arg(p[0]);
}

// The pixels in their stored order; the data was checked to hold them all.
QString readPlain(const uchar *data, const PixelConverter &converter, QRgb *out, qint64 count)
{
    const int step = converter.bytesPerPixel();
    for (qint64 i = 0; i < count; ++i, data += step) {
        if (!converter.convert(data, out[i]))
            return outsideMap(data);
    }
    return {};
}

// Run-length packets: a head byte whose top bit marks a run of one stored pixel and whose
// low seven bits give the count less one. Packets may go on across rows, but not past the
// picture's last pixel.
QString readRunLength(const uchar *data, qsizetype size, const PixelConverter &converter,
                      QRgb *out, qint64 count)
{
    const int step = converter.bytesPerPixel();
    qsizetype pos = 0;
    for (qint64 done = 0; done < count;) {
        if (pos >= size)
            return QStringLiteral("the run-length data is cut short");
        const uchar head = data[pos++];
        const int pixels = (head & 0x7F) + 1;
        const bool run = head & 0x80;
        if (pixels > count - done)
            return QStringLiteral("a run-length packet runs past the end of the picture");
        if (qint64(run ? 1 : pixels) * step > size - pos)
            return QStringLiteral("the run-length data is cut short");
        if (run) {
            if (!converter.convert(data + pos, out[done]))
                return outsideMap(data + pos);
            std::fill_n(out + done + 1, pixels - 1, out[done]);
            pos += step;
        } else {
            const QString error = readPlain(data + pos, converter, out + done, pixels);
            if (!error.isEmpty())
                return error;
            pos += qsizetype(pixels) * step;
        }
        done += pixels;
    }
    return {};
}

// Whether size bytes can hold the pixels at all: plainly stored, every pixel's bytes; run-
// length encoded, one packet of a head byte and a pixel for every 128 pixels. This refuses
// truncated files before the picture is allocated.
bool dataCanHold(const TgaHeader &header, int bytesPerPixel, qsizetype size)
{
    const qint64 pixels = qint64(header.width) * header.height;
    if (!header.runLength())
        return pixels * bytesPerPixel <= size;
    const qint64 packets = (pixels + MaxPacketPixels - 1) / MaxPacketPixels;
    return packets * (1 + bytesPerPixel) <= size;
}

// Whether any pixel is seen through: alpha that is zero everywhere was never meant, and
// alpha that is full everywhere changes nothing.
bool someTranslucent(const QRgb *pixels, qint64 count)
{
    const bool visible = std::any_of(pixels, pixels + count, [](QRgb p) { return qAlpha(p) != 0; });
    return visible && std::any_of(pixels, pixels + count, [](QRgb p) { return qAlpha(p) != 255; });
}

QImage withFinalAlpha(QImage image, AlphaUse alpha)
{
    const qint64 count = qint64(image.width()) * image.height();
    auto *pixels = reinterpret_cast<QRgb *>(image.bits());
    if (alpha == AlphaUse::None || !someTranslucent(pixels, count)) {
        std::for_each(pixels, pixels + count, [](QRgb &p) { p |= 0xFF000000u; });
        image.reinterpretAsFormat(QImage::Format_RGB32);
        return image;
    }
    if (alpha == AlphaUse::Premultiplied) {
        // Damaged values above their alpha would overflow when the colour is divided out.
        std::for_each(pixels, pixels + count, [](QRgb &p) {
            const int a = qAlpha(p);
            p = qRgba(std::min(qRed(p), a), std::min(qGreen(p), a), std::min(qBlue(p), a), a);
        });
        image.reinterpretAsFormat(QImage::Format_ARGB32_Premultiplied);
        return image.convertToFormat(QImage::Format_ARGB32);
    }
    return image;
}

// The picture from its stored pixels, turned upright.
ImageResult readImage(const uchar *data, qsizetype size, const TgaHeader &header,
                      const PixelConverter &converter)
{
    QImage image(header.width, header.height, QImage::Format_ARGB32);
    if (image.isNull())
        return fail(QStringLiteral("there is not enough memory for it"));
    // 32-bit scan lines have no padding, so the pixels follow each other in stored order.
    auto *pixels = reinterpret_cast<QRgb *>(image.bits());
    const qint64 count = qint64(header.width) * header.height;
    const QString error = header.runLength() ? readRunLength(data, size, converter, pixels, count)
                                             : readPlain(data, converter, pixels, count);
    if (!error.isEmpty())
        return fail(error);
    // Stored rows run from the bottom up unless the descriptor says otherwise.
    return {std::move(image).mirrored(header.rightToLeft(), !header.topDown()), {}};
}

} // namespace

ImageResult decodeTga(const QByteArray &bytes, DecodeBudget *budget)
{
    if (bytes.size() < HeaderSize)
        return fail(QStringLiteral("the header is cut short"));
    const TgaHeader header = readHeader(at(bytes, 0));
    if (const QString error = checkHeader(header); !error.isEmpty())
        return fail(error);

    const Footer footer = readFooter(bytes);
    const qsizetype mapOffset = HeaderSize + header.idLength;
    if (mapOffset > footer.start)
        return fail(QStringLiteral("the image identification is cut short"));
    if (header.mapBytes() > footer.start - mapOffset)
        return fail(QStringLiteral("the colour map is cut short"));

    const AlphaUse alpha = alphaUse(header, footer.attributes);
    PixelConverter converter(header.pixelBits, alpha != AlphaUse::None);
    if (header.colourMapped())
        converter.setColourMap(at(bytes, mapOffset), header);
    const qsizetype dataOffset = mapOffset + header.mapBytes();
    const qsizetype dataBytes = footer.start - dataOffset;
    if (!dataCanHold(header, converter.bytesPerPixel(), dataBytes))
        return fail(QStringLiteral("the picture data is cut short"));
    if (budget && !budget->take(QSize(header.width, header.height)))
        return fail(budget->exceededMessage());

    ImageResult result = readImage(at(bytes, dataOffset), dataBytes, header, converter);
    if (result.ok())
        result.image = withFinalAlpha(std::move(result.image), alpha);
    return result;
}

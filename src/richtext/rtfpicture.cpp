// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "rtfpicture.h"

#include "core/pngchunks.h"
#include "metafile/metafilepicture.h"
#include "metafile/wmfdib.h"
#include "richtext/rtftokenizer.h"
#include "richtext/rtfunits.h"

#include <QBuffer>
#include <QImageReader>
#include <QPainter>
#include <QtEndian>

#include <bit>

namespace {

enum BitmapLayout : int {
    FileHeaderSize = 14,
    InfoHeaderMinimum = 12,
    CoreHeaderSize = 12,
    InfoHeaderSize = 40,
    MasksEnd = 52,
};

constexpr qreal HimetricPerInch = 2540;
// Pictures whose source size is in pixels are taken as made for a 96 PPI screen.
constexpr qreal SourcePixelsPerInch = 96;

enum class BitmapCompression : quint32 { BitFields = 3 };

quint32 readU32(const QByteArray &bytes, int offset)
{
    return qFromLittleEndian<quint32>(reinterpret_cast<const uchar *>(bytes.constData()) + offset);
}

quint16 readU16(const QByteArray &bytes, int offset)
{
    return qFromLittleEndian<quint16>(reinterpret_cast<const uchar *>(bytes.constData()) + offset);
}

// Bytes between the info header and the pixels: the colour table, and the three masks
// that follow a 40-byte header for bit-field bitmaps.
qint64 colourTableSize(const QByteArray &dib, quint32 headerSize)
{
    if (headerSize == CoreHeaderSize) {
        const int bits = readU16(dib, 10);
        return bits <= 8 ? qint64(3) << bits : 0;
    }
    const int bits = readU16(dib, 14);
    const quint32 compression = readU32(dib, 16);
    const quint32 used = readU32(dib, 32);
    qint64 size = used != 0 ? qint64(used) * 4 : (bits <= 8 ? qint64(4) << bits : 0);
    if (headerSize == InfoHeaderSize && compression == quint32(BitmapCompression::BitFields))
        size += 12;
    return size;
}

// 16-bit pixels, and 32-bit ones whose masks are not all eight bits wide, in a bitmap with
// an info header. Qt's reader widens narrow channels by shifting alone (white comes out 248,
// 248, 248) and loses wide ones; the metafile's bitmap decoder scales them to the full range.
// Eight-bit masks stay with Qt's reader, which keeps their alpha.
bool needsChannelScaling(const QByteArray &dib)
{
    if (readU16(dib, 14) == 16)
        return true;
    if (readU32(dib, 16) != quint32(BitmapCompression::BitFields) || dib.size() < MasksEnd)
        return false;
    // The masks follow a 40-byte header and lie inside longer ones, at the same place.
    for (int offset = InfoHeaderSize; offset < MasksEnd; offset += 4) {
        if (std::popcount(readU32(dib, offset)) != 8)
            return true;
    }
    return false;
}

// A source size brought within the decoded limit, proportions kept, no side below 1.
QSize keptSize(const QSize &source)
{
    const int side = RtfPicture::MaxDecodedSide;
    return source.scaled(side, side, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
}

} // namespace

bool RtfPicture::appendHex(QByteArrayView text)
{
    for (char c : text) {
        const int value = RtfTokenizer::hexDigitValue(c);
        if (value < 0)
            continue;
        if (m_pendingNibble < 0) {
            m_pendingNibble = value;
            continue;
        }
        if (m_data.size() >= MaxBytes)
            return false;
        m_data.append(char(m_pendingNibble * 16 + value));
        m_pendingNibble = -1;
    }
    return true;
}

bool RtfPicture::appendBinary(QByteArrayView bytes)
{
    if (bytes.size() > MaxBytes - m_data.size())
        return false;
    m_data.append(bytes);
    return true;
}

QImage RtfPicture::toImage()
{
    switch (m_format) {
    case Format::Png:
        return decodeRaster("png");
    case Format::Jpeg:
        return decodeRaster("jpeg");
    case Format::DeviceIndependentBitmap:
        return decodeBitmap();
    case Format::WindowsMetafile:
    case Format::EnhancedMetafile:
        return drawMetafile();
    case Format::Unknown:
        break;
    }
    return {};
}

QImage RtfPicture::decodeRaster(const char *format)
{
    // Whatever the picture claims to be, PNG data is found by its content.
    if (pngChunkRunsPastEnd(m_data))
        return {};
    QByteArray bytes = m_data;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return decode(buffer, format);
}

QImage RtfPicture::decode(QIODevice &device, const char *format)
{
    QImageReader reader(&device, format);
    const QSize size = reader.size();
    // The header's size is checked before anything is allocated for the pixels.
    if (!size.isValid() || size.width() > MaxSourceSide || size.height() > MaxSourceSide)
        return {};
    if (m_sourceWidth <= 0 || m_sourceHeight <= 0) {
        m_sourceWidth = size.width();
        m_sourceHeight = size.height();
    }
    // A cell shows pictures small; a large source is kept at a size that still looks sharp.
    if (size.width() > MaxDecodedSide || size.height() > MaxDecodedSide)
        reader.setScaledSize(keptSize(size));
    return reader.read();
}

QImage RtfPicture::decodeBitmap()
{
    if (m_data.size() < InfoHeaderMinimum)
        return {};
    const quint32 headerSize = readU32(m_data, 0);
    const bool known = headerSize == CoreHeaderSize || headerSize >= InfoHeaderSize;
    if (!known || headerSize > quint32(m_data.size()))
        return {};
    const qint64 pixelsOffset
            = FileHeaderSize + qint64(headerSize) + colourTableSize(m_data, headerSize);
    const qint64 fileSize = FileHeaderSize + qint64(m_data.size());
    if (pixelsOffset > fileSize)
        return {};
    if (headerSize >= InfoHeaderSize && needsChannelScaling(m_data))
        return decodeBitFieldBitmap();
    // The picture holds a bitmap without its file header; the BMP reader wants one.
    QByteArray file(FileHeaderSize, '\0');
    file[0] = 'B'; // signature
    file[1] = 'M';
    qToLittleEndian<quint32>(quint32(fileSize), file.data() + 2);      // file size
    qToLittleEndian<quint32>(quint32(pixelsOffset), file.data() + 10); // pixel offset
    file.append(m_data);
    QBuffer buffer(&file);
    buffer.open(QIODevice::ReadOnly);
    return decode(buffer, "bmp");
}

QImage RtfPicture::decodeBitFieldBitmap()
{
    const qint64 width = qint32(readU32(m_data, 4));
    const qint64 height = qAbs(qint64(qint32(readU32(m_data, 8))));
    if (width <= 0 || height == 0 || width > MaxSourceSide || height > MaxSourceSide)
        return {};
    // As many pixels as Qt's readers would allocate for the other pictures.
    const qint64 limitBytes = qint64(QImageReader::allocationLimit()) * 1024 * 1024;
    const qint64 maxPixels = limitBytes > 0 ? limitBytes / 4 : qint64(MaxSourceSide) * MaxSourceSide;
    const auto *data = reinterpret_cast<const uchar *>(m_data.constData());
    QImage image = WmfDib::decode(data, m_data.size(), WmfDib::RgbColors, {}, maxPixels).image;
    if (image.isNull())
        return {};
    if (m_sourceWidth <= 0 || m_sourceHeight <= 0) {
        m_sourceWidth = image.width();
        m_sourceHeight = image.height();
    }
    if (image.width() > MaxDecodedSide || image.height() > MaxDecodedSide)
        image = image.scaled(keptSize(image.size()), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return image;
}

QImage RtfPicture::drawMetafile() const
{
    MetafilePicture metafile;
    const bool read = m_format == Format::EnhancedMetafile ? metafile.setEnhancedBytes(m_data)
                                                           : metafile.setBytes(m_data);
    if (!read)
        return {};
    QSize size = displaySize(QImage()).toSize();
    if (size.isEmpty())
        return {};
    if (size.width() > MaxDecodedSide || size.height() > MaxDecodedSide)
        size = keptSize(size);
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    metafile.draw(painter, QRectF(QPointF(0, 0), image.size()));
    return image;
}

QSizeF RtfPicture::goalSize() const
{
    if (m_goalWidth > 0 && m_goalHeight > 0)
        return {RtfUnits::twipsToPixels(m_goalWidth), RtfUnits::twipsToPixels(m_goalHeight)};
    if (m_sourceWidth <= 0 || m_sourceHeight <= 0)
        return {};
    const qreal dpi = RtfUnits::layoutDpi();
    // A metafile gives its size in hundredths of a millimetre, the others in pixels.
    const bool metafile = m_format == Format::WindowsMetafile || m_format == Format::EnhancedMetafile;
    const qreal perUnit = metafile ? dpi / HimetricPerInch : dpi / SourcePixelsPerInch;
    return {m_sourceWidth * perUnit, m_sourceHeight * perUnit};
}

QSizeF RtfPicture::displaySize(const QImage &image) const
{
    QSizeF size = goalSize();
    if (size.isEmpty() && !image.isNull())
        size = QSizeF(image.size()) * (RtfUnits::layoutDpi() / SourcePixelsPerInch);
    const qreal scaleX = m_scaleX > 0 ? m_scaleX / 100.0 : 1.0;
    const qreal scaleY = m_scaleY > 0 ? m_scaleY / 100.0 : 1.0;
    return QSizeF(qBound<qreal>(0, size.width() * scaleX, MaxSide),
                  qBound<qreal>(0, size.height() * scaleY, MaxSide));
}

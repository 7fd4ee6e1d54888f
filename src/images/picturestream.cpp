// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The stored forms of a picture: the graphic's class name as a short name (one length byte
// and the characters), then the graphic's own data.
#include "picture.h"

#include "images/bmpfile.h"
#include "images/decodebudget.h"
#include "images/metafilesize.h"

#include <QtEndian>

namespace {

constexpr int MaxShortNameLength = 63;
constexpr char BitmapClass[] = "TBitmap";
constexpr char MetafileClass[] = "TMetafile";
constexpr char IconClass[] = "TIcon";

void appendU32(QByteArray &out, quint32 value)
{
    char buffer[4];
    qToLittleEndian(value, buffer);
    out.append(buffer, 4);
}

void appendShortName(QByteArray &out, const char *name)
{
    const QByteArray bytes(name);
    out.append(char(bytes.size()));
    out.append(bytes);
}

ImageStatus damaged(const QString &why)
{
    return ImageStatus::failed(QStringLiteral("The stored picture is damaged: %1.").arg(why));
}

// Reads a 32-bit length at offset; false when fewer than four bytes are left.
bool readU32(const QByteArray &data, qsizetype offset, quint32 &value)
{
    if (offset < 0 || data.size() - offset < 4)
        return false;
    value = qFromLittleEndian<quint32>(data.constData() + offset);
    return true;
}

// The BMP file of a bitmap's stored form at offset, checked but not decoded, or an error.
// N = 0 is an empty bitmap (an empty file and no size).
struct BitmapBlock
{
    QByteArray file;
    QSize size;
    QString error;
};

BitmapBlock readBitmapBlock(const QByteArray &data, qsizetype offset)
{
    quint32 length = 0;
    if (!readU32(data, offset, length))
        return {{}, {}, QStringLiteral("the bitmap's length is missing")};
    if (length > quint64(data.size() - offset - 4))
        return {{}, {}, QStringLiteral("the bitmap is cut short")};
    if (length == 0)
        return {};
    const QByteArray file = data.mid(offset + 4, length);
    const SizeResult checked = checkBmp(file);
    if (!checked.ok())
        return {{}, {}, checked.error};
    return {file, checked.size, {}};
}

QSize previewSize(QSize size)
{
    if (size.width() <= Picture::PreviewSide && size.height() <= Picture::PreviewSide)
        return size;
    return size.scaled(Picture::PreviewSide, Picture::PreviewSide, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
}

} // namespace

const char *Picture::sourceFormatName(SourceFormat format)
{
    switch (format) {
    case SourceFormat::Jpeg: return "jpeg";
    case SourceFormat::Svg: return "svg";
    case SourceFormat::None: break;
    }
    return "";
}

QByteArray Picture::storedBitmapFile() const
{
    if (m_kind != Kind::Bitmap && m_kind != Kind::Svg)
        return {};
    if (m_sourceFile.isEmpty())
        return m_bitmapFile.isEmpty() ? writeBmp(m_image) : m_bitmapFile;
    // Made once: a document's every undo step stores it again. A drawing's transparent
    // parts are white in it, as on paper.
    if (m_previewFile.isEmpty()) {
        const QSize preview = previewSize(m_bitmapSize);
        m_previewFile = writeBmp(m_kind == Kind::Svg
                                     ? m_svg.rendered(preview, Qt::white).convertToFormat(QImage::Format_RGB32)
                                     : decodeFile(preview));
    }
    return m_previewFile;
}

QByteArray Picture::bitmapData() const
{
    const QByteArray file = storedBitmapFile();
    QByteArray out;
    out.reserve(4 + file.size());
    appendU32(out, quint32(file.size())); // length of the BMP file, 0 when empty
    out.append(file);
    return out;
}

ImageStatus Picture::setStoredBitmap(const QByteArray &data, qsizetype offset)
{
    const BitmapBlock bitmap = readBitmapBlock(data, offset);
    if (!bitmap.error.isEmpty())
        return damaged(bitmap.error);
    DecodeBudget *budget = DecodeBudget::current();
    if (budget && !bitmap.file.isEmpty() && !budget->take(bitmap.size)) {
        ImageStatus status = ImageStatus::failed(budget->exceededMessage());
        status.overBudget = true;
        return status;
    }
    m_kind = Kind::Bitmap;
    m_image = {};
    m_bitmapFile = bitmap.file;
    m_bitmapSize = bitmap.size;
    m_metafile.clear();
    m_iconBytes.clear();
    changed();
    return {};
}

ImageStatus Picture::setBitmapData(const QByteArray &data)
{
    return setStoredBitmap(data, 0);
}

QByteArray Picture::pictureData() const
{
    QByteArray out;
    switch (m_kind) {
    case Kind::None:
        break;
    case Kind::Bitmap:
    case Kind::Svg:
        appendShortName(out, BitmapClass);
        out.append(bitmapData());
        break;
    case Kind::Metafile: {
        const QByteArray bytes = placeableMetafileBytes(m_metafile);
        appendShortName(out, MetafileClass);
        appendU32(out, quint32(bytes.size() + 4)); // length, counting itself
        out.append(bytes);
        break;
    }
    case Kind::Icon:
        appendShortName(out, IconClass);
        out.append(m_iconBytes);
        break;
    }
    return out;
}

ImageStatus Picture::setPictureData(const QByteArray &data)
{
    if (data.isEmpty())
        return damaged(QStringLiteral("the class name is missing"));
    const int nameLength = uchar(data.at(0));
    if (nameLength > MaxShortNameLength || data.size() - 1 < nameLength)
        return damaged(QStringLiteral("the class name is cut short"));
    const QByteArray name = data.mid(1, nameLength);
    const qsizetype offset = 1 + nameLength;

    if (name == BitmapClass)
        return setStoredBitmap(data, offset);
    if (name == MetafileClass) {
        quint32 length = 0;
        if (!readU32(data, offset, length) || length < 4 || length - 4 > quint64(data.size() - offset - 4))
            return damaged(QStringLiteral("the metafile's length does not fit the block"));
        const QByteArray bytes = data.mid(offset + 4, length - 4);
        MetafilePicture metafile;
        const bool read = MetafilePicture::looksLikeEnhanced(bytes) ? metafile.setEnhancedBytes(bytes)
                                                                    : metafile.setBytes(bytes);
        if (!read)
            return damaged(QStringLiteral("the metafile has no metafile header"));
        setMetafile(metafile);
        return {};
    }
    if (name == IconClass) {
        const ImageStatus status = setIcon(data.mid(offset));
        return status.ok() || status.overBudget ? status : damaged(status.error);
    }
    return damaged(QStringLiteral("unknown graphic class \"%1\"").arg(QString::fromLatin1(name)));
}

QByteArray Picture::sourceData() const
{
    QByteArray out;
    if (m_sourceFile.isEmpty())
        return out;
    appendShortName(out, sourceFormatName(m_sourceFormat));
    out.append(m_sourceFile);
    return out;
}

namespace {

struct SourceBlock
{
    Picture::SourceFormat format = Picture::SourceFormat::None;
    QByteArray name;
    qsizetype fileOffset = 0;
    QString error;
};

SourceBlock readSourceBlock(const QByteArray &data)
{
    SourceBlock block;
    const int nameLength = data.isEmpty() ? 0 : uchar(data.at(0));
    if (data.isEmpty() || nameLength > MaxShortNameLength || data.size() - 1 < nameLength) {
        block.error = QStringLiteral("the format's name is cut short");
        return block;
    }
    block.name = data.mid(1, nameLength);
    block.fileOffset = 1 + nameLength;
    for (Picture::SourceFormat format : {Picture::SourceFormat::Jpeg, Picture::SourceFormat::Svg}) {
        if (block.name == Picture::sourceFormatName(format))
            block.format = format;
    }
    if (block.format == Picture::SourceFormat::None)
        block.error = QStringLiteral("unknown picture format \"%1\"").arg(QString::fromLatin1(block.name));
    return block;
}

} // namespace

ImageStatus Picture::setSourceData(const QByteArray &data)
{
    const SourceBlock block = readSourceBlock(data);
    if (!block.error.isEmpty())
        return ImageStatus::failed(QStringLiteral("The picture file is damaged: %1.").arg(block.error));
    // The bitmap stored beside the source is its preview when it has the preview's size.
    const bool holdsPreview = m_kind == Kind::Bitmap && m_sourceFile.isEmpty() && !m_bitmapFile.isEmpty();
    const QByteArray preview = holdsPreview ? m_bitmapFile : QByteArray();
    const QSize previewDeclared = m_bitmapSize;
    ImageStatus status = setSourceFile(data.mid(block.fileOffset), block.format);
    if (!status.ok()) {
        if (!status.overBudget)
            status.error = QStringLiteral("The picture file is damaged: %1.").arg(status.error);
        return status;
    }
    if (!preview.isEmpty() && previewDeclared == previewSize(m_bitmapSize))
        m_previewFile = preview;
    return status;
}

QString Picture::sourceDataSummary(const QByteArray &data)
{
    const SourceBlock block = readSourceBlock(data);
    if (block.name.isEmpty() && !block.error.isEmpty())
        return QStringLiteral("a damaged picture file, %1 bytes").arg(data.size());
    return QStringLiteral("%1 file, %2 bytes")
        .arg(QString::fromLatin1(block.name))
        .arg(data.size() - block.fileOffset);
}

// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "picture.h"

#include "images/bmpfile.h"
#include "images/decodebudget.h"
#include "images/metafilesize.h"
#include "images/picturefile.h"
#include "images/rasterloader.h"

#include <QPaintDevice>
#include <QPainter>

#include <algorithm>

namespace {

// Devices that hold pixels: what is drawn there is shown at the device's own pixels, so a
// picture is decoded at those.
bool isRasterDevice(const QPaintDevice *device)
{
    switch (device ? device->devType() : QInternal::UnknownDevice) {
    case QInternal::Widget:
    case QInternal::Pixmap:
    case QInternal::Image:
    case QInternal::CustomRaster:
    case QInternal::FramebufferObject:
    case QInternal::OpenGL:
        return true;
    default:
        return false;
    }
}

// The pixels a bitmap is drawn with into target: on a raster device those it covers there;
// on any other (a printer, a PDF) Picture::PrintDpi an inch of its printed size.
QSize drawnSize(const QPainter &painter, const QRect &target)
{
    const QSizeF device = painter.transform().mapRect(QRectF(target)).size();
    const QPaintDevice *paintDevice = painter.device();
    if (!paintDevice || isRasterDevice(paintDevice))
        return device.toSize().expandedTo(QSize(1, 1));
    const double x = double(Picture::PrintDpi) / std::max(1, paintDevice->logicalDpiX());
    const double y = double(Picture::PrintDpi) / std::max(1, paintDevice->logicalDpiY());
    return QSize(qRound(device.width() * x), qRound(device.height() * y)).expandedTo(QSize(1, 1));
}

bool smallerThan(QSize size, QSize picture)
{
    return size.width() < picture.width() || size.height() < picture.height();
}

} // namespace

Picture::Picture(const Picture &other)
{
    setGraphicFrom(other);
}

Picture &Picture::operator=(const Picture &other)
{
    if (this != &other) {
        setGraphicFrom(other);
        changed();
    }
    return *this;
}

void Picture::setGraphicFrom(const Picture &other)
{
    m_kind = other.m_kind;
    m_image = other.m_image;
    m_bitmapFile = other.m_bitmapFile;
    m_bitmapSize = other.m_bitmapSize;
    m_sourceFile = other.m_sourceFile;
    m_sourceFormat = other.m_sourceFormat;
    m_previewFile = other.m_previewFile;
    m_drawn = other.m_drawn;
    m_drawnFor = other.m_drawnFor;
    m_metafile = other.m_metafile;
    m_iconBytes = other.m_iconBytes;
    m_svg = other.m_svg;
}

void Picture::clearGraphic()
{
    m_image = {};
    m_bitmapFile.clear();
    m_bitmapSize = {};
    m_sourceFile.clear();
    m_sourceFormat = SourceFormat::None;
    m_previewFile.clear();
    m_drawn = {};
    m_drawnFor = {};
    m_metafile.clear();
    m_iconBytes.clear();
    m_svg = {};
}

bool Picture::sameGraphic(const Picture &other) const
{
    if (m_kind != other.m_kind || !(m_metafile == other.m_metafile) || m_iconBytes != other.m_iconBytes
        || m_sourceFormat != other.m_sourceFormat || m_sourceFile != other.m_sourceFile)
        return false;
    // Equal files are equal pictures, with no need to decode them.
    if (!m_sourceFile.isEmpty())
        return true;
    if (!m_bitmapFile.isEmpty() && m_bitmapFile == other.m_bitmapFile)
        return true;
    return image() == other.image();
}

QImage Picture::decodeFile(QSize size) const
{
    // A drawing's file is never handed to Qt's image readers, whose SVG reader would follow
    // the references SvgDrawing leaves out.
    if (m_kind != Kind::Bitmap)
        return {};
    if (!m_sourceFile.isEmpty())
        return decodeWithReader(m_sourceFile, sourceFormatName(m_sourceFormat), size).image;
    if (!m_bitmapFile.isEmpty())
        return decodeBmp(m_bitmapFile, size).image;
    return {};
}

const QImage &Picture::image() const
{
    if (m_image.isNull() && m_kind == Kind::Bitmap)
        m_image = decodeFile({});
    return m_image;
}

QImage Picture::bitmapAt(QSize size) const
{
    if (m_kind != Kind::Bitmap || isEmpty() || size.isEmpty())
        return {};
    if (!m_image.isNull()) {
        return smallerThan(size, m_image.size())
                   ? m_image.scaled(size.boundedTo(m_image.size()), Qt::IgnoreAspectRatio,
                                    Qt::SmoothTransformation)
                   : m_image;
    }
    return decodeFile(size);
}

bool Picture::isEmpty() const
{
    switch (m_kind) {
    case Kind::None:
        return true;
    case Kind::Bitmap:
        return m_image.isNull() && m_bitmapFile.isEmpty() && m_sourceFile.isEmpty();
    case Kind::Icon:
        return m_image.isNull();
    case Kind::Metafile:
        return m_metafile.isEmpty();
    case Kind::Svg:
        return m_svg.isNull();
    }
    return true;
}

QSize Picture::size() const
{
    switch (m_kind) {
    case Kind::None:
        return {};
    case Kind::Bitmap:
        return m_bitmapFile.isEmpty() && m_sourceFile.isEmpty() ? m_image.size() : m_bitmapSize;
    case Kind::Icon:
        return m_image.size();
    case Kind::Metafile:
        return metafilePixelSize(m_metafile);
    case Kind::Svg:
        return m_svg.size();
    }
    return {};
}

void Picture::setBitmap(const QImage &image)
{
    clearGraphic();
    m_kind = Kind::Bitmap;
    m_image = image;
    changed();
}

void Picture::setMetafile(const MetafilePicture &metafile)
{
    clearGraphic();
    m_kind = Kind::Metafile;
    m_metafile = metafile;
    changed();
}

ImageStatus Picture::setIcon(const QByteArray &iconFile)
{
    DecodeBudget *budget = DecodeBudget::current();
    ImageResult decoded = decodeIcon(iconFile, budget);
    if (!decoded.ok()) {
        ImageStatus status = ImageStatus::failed(decoded.error);
        status.overBudget = budget && decoded.error.contains(budget->exceededMessage());
        return status;
    }
    clearGraphic();
    m_kind = Kind::Icon;
    m_image = decoded.image;
    m_iconBytes = iconFile;
    changed();
    return {};
}

ImageStatus Picture::setSourceFile(const QByteArray &file, SourceFormat format)
{
    if (format == SourceFormat::None)
        return ImageStatus::failed(QStringLiteral("the picture file has no known format"));
    if (format == SourceFormat::Svg)
        return setSvgFile(file);
    if (file.size() > MaxPictureFileBytes)
        return ImageStatus::failed(QStringLiteral("the picture file is larger than %1 bytes").arg(MaxPictureFileBytes));
    const SizeResult checked = checkWithReader(file, sourceFormatName(format));
    if (!checked.ok())
        return ImageStatus::failed(checked.error);
    DecodeBudget *budget = DecodeBudget::current();
    if (budget && !budget->take(checked.size)) {
        ImageStatus status = ImageStatus::failed(budget->exceededMessage());
        status.overBudget = true;
        return status;
    }
    clearGraphic();
    m_kind = Kind::Bitmap;
    m_bitmapSize = checked.size;
    m_sourceFile = file;
    m_sourceFormat = format;
    changed();
    return {};
}

ImageStatus Picture::setSvgFile(const QByteArray &file)
{
    const SvgDrawing::ReadResult read = SvgDrawing::read(file);
    if (!read.ok())
        return ImageStatus::failed(read.error);
    clearGraphic();
    m_kind = Kind::Svg;
    m_svg = read.drawing;
    m_bitmapSize = m_svg.size();
    m_sourceFile = file;
    m_sourceFormat = SourceFormat::Svg;
    changed();
    return {};
}

void Picture::clear()
{
    clearGraphic();
    m_kind = Kind::None;
    changed();
}

void Picture::changed()
{
    if (m_changed)
        m_changed();
}

void Picture::draw(QPainter &painter, const QRect &target) const
{
    if (isEmpty() || target.isEmpty())
        return;
    if (m_kind == Kind::Metafile) {
        m_metafile.draw(painter, QRectF(target));
        return;
    }
    if (m_kind == Kind::Svg) {
        m_svg.draw(painter, QRectF(target));
        return;
    }
    if (m_kind == Kind::Icon) {
        painter.drawImage(target, m_image);
        return;
    }
    // On a raster device a decoded bitmap is drawn as it is; a file is decoded at the size it
    // lands on the device, never larger than it is.
    if (!m_image.isNull() && isRasterDevice(painter.device())) {
        painter.drawImage(target, m_image);
        return;
    }
    const QSize drawn = drawnSize(painter, target);
    if (m_drawnFor != drawn) {
        m_drawn = bitmapAt(drawn);
        m_drawnFor = drawn;
    }
    painter.drawImage(target, m_drawn);
}

ImageStatus Picture::loadFromFile(const QString &path)
{
    const QString extension = pictureExtension(path);
    if (extension == QLatin1String("WMF") || extension == QLatin1String("EMF")) {
        const BytesResult file = readPictureFile(path);
        if (!file.ok())
            return ImageStatus::failed(file.error);
        MetafilePicture metafile;
        const bool enhanced = extension == QLatin1String("EMF");
        if (!(enhanced ? metafile.setEnhancedBytes(file.bytes) : metafile.setBytes(file.bytes)))
            return ImageStatus::failed(QStringLiteral("%1 is not a readable metafile.").arg(path));
        setMetafile(metafile);
        return {};
    }
    if (extension == QLatin1String("ICO")) {
        const BytesResult file = readPictureFile(path);
        if (!file.ok())
            return ImageStatus::failed(file.error);
        return setIcon(file.bytes);
    }
    if (extension == QLatin1String("SVG")) {
        const BytesResult file = readPictureFile(path, SvgDrawing::MaxFileBytes, QStringLiteral("an SVG drawing"));
        if (!file.ok())
            return ImageStatus::failed(file.error);
        return setSourceFile(file.bytes, SourceFormat::Svg);
    }
    const BytesResult file = readPictureFile(path);
    if (!file.ok())
        return ImageStatus::failed(file.error);
    const PictureKind kind = pictureKind(path);
    if (isJpegFile(file.bytes, kind)) {
        const ImageStatus status = setSourceFile(file.bytes, SourceFormat::Jpeg);
        if (!status.ok() && !status.overBudget)
            return ImageStatus::failed(QStringLiteral("Not a readable picture: %1.").arg(status.error));
        return status;
    }
    const ImageResult raster = decodeRaster(file.bytes, kind);
    if (!raster.ok())
        return ImageStatus::failed(raster.error);
    setBitmap(raster.image);
    return {};
}

ImageStatus loadBrowserPicture(const QString &path, Picture &picture)
{
    Picture loaded;
    const ImageStatus status = loaded.loadFromFile(path);
    if (!status.ok()) {
        picture.clear();
        return status;
    }
    if (loaded.kind() == Picture::Kind::Icon) {
        QImage bitmap = loaded.image().convertToFormat(QImage::Format_ARGB32_Premultiplied);
        loaded.setBitmap(bitmap);
    }
    picture = loaded;
    return {};
}

QImage pictureThumbnail(const QString &path, QSize box)
{
    Picture picture;
    if (!loadBrowserPicture(path, picture).ok() || picture.isEmpty() || box.isEmpty())
        return {};
    const QSize fitted = picture.size().scaled(box, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
    QImage thumbnail(box, QImage::Format_ARGB32_Premultiplied);
    if (thumbnail.isNull())
        return {};
    thumbnail.fill(Qt::transparent);
    QPainter painter(&thumbnail);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QPoint corner((box.width() - fitted.width()) / 2, (box.height() - fitted.height()) / 2);
    picture.draw(painter, QRect(corner, fitted));
    return thumbnail;
}

// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "picture.h"

#include "images/bmpfile.h"
#include "images/decodebudget.h"
#include "images/metafilesize.h"
#include "images/picturefile.h"
#include "images/rasterloader.h"

#include <QPainter>

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
    m_metafile = other.m_metafile;
    m_iconBytes = other.m_iconBytes;
}

bool Picture::sameGraphic(const Picture &other) const
{
    if (m_kind != other.m_kind || !(m_metafile == other.m_metafile) || m_iconBytes != other.m_iconBytes)
        return false;
    // Equal files are equal pictures, with no need to decode them.
    if (!m_bitmapFile.isEmpty() && m_bitmapFile == other.m_bitmapFile)
        return true;
    return image() == other.image();
}

const QImage &Picture::image() const
{
    if (m_image.isNull() && !m_bitmapFile.isEmpty())
        m_image = decodeBmp(m_bitmapFile).image;
    return m_image;
}

bool Picture::isEmpty() const
{
    switch (m_kind) {
    case Kind::None:
        return true;
    case Kind::Bitmap:
        return m_image.isNull() && m_bitmapFile.isEmpty();
    case Kind::Icon:
        return m_image.isNull();
    case Kind::Metafile:
        return m_metafile.isEmpty();
    }
    return true;
}

QSize Picture::size() const
{
    switch (m_kind) {
    case Kind::None:
        return {};
    case Kind::Bitmap:
        return m_bitmapFile.isEmpty() ? m_image.size() : m_bitmapSize;
    case Kind::Icon:
        return m_image.size();
    case Kind::Metafile:
        return metafilePixelSize(m_metafile);
    }
    return {};
}

void Picture::setBitmap(const QImage &image)
{
    m_kind = Kind::Bitmap;
    m_image = image;
    m_bitmapFile.clear();
    m_bitmapSize = {};
    m_metafile.clear();
    m_iconBytes.clear();
    changed();
}

void Picture::setMetafile(const MetafilePicture &metafile)
{
    m_kind = Kind::Metafile;
    m_image = {};
    m_bitmapFile.clear();
    m_bitmapSize = {};
    m_metafile = metafile;
    m_iconBytes.clear();
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
    m_kind = Kind::Icon;
    m_image = decoded.image;
    m_bitmapFile.clear();
    m_bitmapSize = {};
    m_metafile.clear();
    m_iconBytes = iconFile;
    changed();
    return {};
}

void Picture::clear()
{
    m_kind = Kind::None;
    m_image = {};
    m_bitmapFile.clear();
    m_bitmapSize = {};
    m_metafile.clear();
    m_iconBytes.clear();
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
    if (m_image.isNull() && !m_bitmapFile.isEmpty()) {
        // Decoded at the size it lands on the device, never larger than it is.
        const QSize device = painter.transform().mapRect(QRectF(target)).size().toSize();
        const QImage scaled = decodeBmp(m_bitmapFile, device.expandedTo(QSize(1, 1))).image;
        painter.drawImage(target, scaled);
        return;
    }
    painter.drawImage(target, m_image);
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
    const ImageResult raster = loadRasterFile(path);
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

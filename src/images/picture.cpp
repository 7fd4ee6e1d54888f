// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "picture.h"

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
    m_metafile = other.m_metafile;
    m_iconBytes = other.m_iconBytes;
}

bool Picture::isEmpty() const
{
    switch (m_kind) {
    case Kind::None:
        return true;
    case Kind::Bitmap:
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
    m_metafile.clear();
    m_iconBytes.clear();
    changed();
}

void Picture::setMetafile(const MetafilePicture &metafile)
{
    m_kind = Kind::Metafile;
    m_image = {};
    m_metafile = metafile;
    m_iconBytes.clear();
    changed();
}

ImageStatus Picture::setIcon(const QByteArray &iconFile)
{
    ImageResult decoded = decodeIcon(iconFile);
    if (!decoded.ok())
        return ImageStatus::failed(decoded.error);
    m_kind = Kind::Icon;
    m_image = decoded.image;
    m_metafile.clear();
    m_iconBytes = iconFile;
    changed();
    return {};
}

void Picture::clear()
{
    m_kind = Kind::None;
    m_image = {};
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

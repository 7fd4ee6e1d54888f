// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "picturefile.h"

#include "core/filebytes.h"

#include <algorithm>

#include <QFile>


QString pictureExtension(const QString &path)
{
    // Names from documents may use either separator, so both end the folder part.
    const qsizetype slash = std::max(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\'));
    const QString name = path.mid(slash + 1);
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot < 0 ? QString() : name.mid(dot + 1).toUpper();
}

PictureKind pictureKind(const QString &path)
{
    static const struct {
        const char *extension;
        PictureKind kind;
    } kinds[] = {
        {"JPG", PictureKind::Jpg}, {"GIF", PictureKind::Gif}, {"JIF", PictureKind::Jif},
        {"BMP", PictureKind::Bmp}, {"DIB", PictureKind::Dib}, {"RLE", PictureKind::Rle},
        {"TGA", PictureKind::Tga}, {"PCX", PictureKind::Pcx}, {"WEBP", PictureKind::Webp},
        {"TIF", PictureKind::Tiff}, {"TIFF", PictureKind::Tiff},
    };
    const QString extension = pictureExtension(path);
    for (const auto &entry : kinds) {
        if (extension == QLatin1String(entry.extension))
            return entry.kind;
    }
    return PictureKind::Other;
}

BytesResult readPictureFile(const QString &path, qint64 maxBytes, const QString &what)
{
    const FileBytes::ReadResult file = FileBytes::readRegularFile(path, maxBytes);
    switch (file.failure) {
    case FileBytes::Failure::None: return {file.bytes, {}};
    case FileBytes::Failure::Folder:
        return {{}, QStringLiteral("%1 is a folder, not %2.").arg(path, what)};
    case FileBytes::Failure::NotRegular:
        return {{}, QStringLiteral("%1 is not a regular file.").arg(path)};
    case FileBytes::Failure::TooLarge:
        return {{}, QStringLiteral("%1 is too large to be read as %2 (more than %3 bytes).")
                        .arg(path, what).arg(maxBytes)};
    default: break;
    }
    return {{}, QStringLiteral("Cannot open %1: %2").arg(path, file.reason)};
}

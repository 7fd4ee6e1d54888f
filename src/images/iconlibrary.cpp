// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "iconlibrary.h"

#include "images/picturefile.h"
#include "images/rasterloader.h"

// Reads .ico files only for now; module resources (NE and PE) are still to come.
namespace IconLibrary {

QSize desktopIconSize()
{
    return {32, 32};
}

int iconCountOfBytes(const QByteArray &bytes)
{
    return decodeIcon(bytes).ok() ? 1 : 0;
}

QImage iconOfBytes(const QByteArray &bytes, int index, QSize)
{
    if (index != 0)
        return {};
    const ImageResult result = decodeIcon(bytes);
    return result.ok() ? result.image.convertToFormat(QImage::Format_ARGB32) : QImage();
}

int iconCount(const QString &path)
{
    const BytesResult file = readPictureFile(path);
    return file.ok() ? iconCountOfBytes(file.bytes) : 0;
}

QImage icon(const QString &path, int index)
{
    const BytesResult file = readPictureFile(path);
    return file.ok() ? iconOfBytes(file.bytes, index) : QImage();
}

} // namespace IconLibrary

// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "iconlibrary.h"

#include "images/iconbytes.h"
#include "images/iconimage.h"
#include "images/iconmodule.h"
#include "images/picturefile.h"

namespace {

// The icons of a file, each as the entries of its directory that can be found. An icon
// group none of whose images exist is left out, so the numbering skips nothing readable.
QList<QList<IconEntry>> iconsOf(QByteArrayView file)
{
    QList<QList<IconEntry>> icons;
    if (looksLikeIconFile(file)) {
        QList<IconEntry> entries = readIconFileEntries(file);
        if (!entries.isEmpty())
            icons.append(entries);
        return icons;
    }
    const qint64 headerOffset = moduleHeaderOffset(file);
    if (headerOffset < 0)
        return icons;
    const IconResources resources = file.sliced(headerOffset).startsWith("NE")
                                        ? readNeIconResources(file, headerOffset)
                                        : readPeIconResources(file, headerOffset);
    for (const QByteArrayView &group : resources.groups) {
        QList<IconEntry> entries = iconGroupEntries(group, resources);
        if (!entries.isEmpty())
            icons.append(entries);
    }
    return icons;
}

} // namespace

namespace IconLibrary {

QSize desktopIconSize()
{
    return {32, 32};
}

int iconCountOfBytes(const QByteArray &bytes)
{
    return int(iconsOf(bytes).size());
}

QImage iconOfBytes(const QByteArray &bytes, int index, QSize desired)
{
    const QList<QList<IconEntry>> icons = iconsOf(bytes);
    if (index < 0 || index >= icons.size())
        return {};
    const QList<IconEntry> &entries = icons[index];
    const qsizetype chosen = chooseIconEntry(entries, desired);
    const ImageResult result = decodeIconImage(entries[chosen].data);
    return result.ok() ? result.image : QImage();
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

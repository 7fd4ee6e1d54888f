// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "iconmodule.h"

#include "images/iconbytes.h"

namespace {

constexpr qint64 NewHeaderPointerOffset = 0x3C; // e_lfanew in the MZ header
constexpr qint64 GroupHeaderSize = 6;
constexpr qint64 GroupEntrySize = 14;

} // namespace

qint64 moduleHeaderOffset(QByteArrayView file)
{
    if (!file.startsWith("MZ"))
        return -1;
    WmfBytes fields = IconBytes::fieldsAt(file, NewHeaderPointerOffset);
    const quint32 offset = fields.u32();
    if (!fields.ok() || offset >= quint64(file.size()))
        return -1;
    return offset;
}

QList<IconEntry> iconGroupEntries(QByteArrayView directory, const IconResources &resources)
{
    QList<IconEntry> entries;
    WmfBytes fields = IconBytes::fieldsAt(directory, 0);
    const quint16 reserved = fields.u16();
    const quint16 type = fields.u16();
    const quint16 count = fields.u16();
    if (!fields.ok() || reserved != 0 || type != 1)
        return entries;
    // A count larger than the directory holds is cut to the entries that are there.
    const qint64 fit = (directory.size() - GroupHeaderSize) / GroupEntrySize;
    for (qint64 index = 0; index < std::min<qint64>(count, fit); ++index) {
        IconEntry entry;
        entry.width = fields.u8();
        entry.height = fields.u8();
        entry.colorCount = fields.u8();
        fields.skip(3); // reserved, planes
        entry.bitCount = fields.u16();
        fields.skip(4); // size of the image resource, which has its own size
        const quint16 id = fields.u16();
        const auto image = resources.images.constFind(id);
        if (!fields.ok() || image == resources.images.constEnd())
            continue;
        entry.width = entry.width == 0 ? 256 : entry.width;
        entry.height = entry.height == 0 ? 256 : entry.height;
        entry.data = *image;
        entries.append(entry);
    }
    return entries;
}

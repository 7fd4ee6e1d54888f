// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "bytebuilder.h"

#include <QBuffer>
#include <QImage>
#include <QList>
#include <QRgb>
#include <QString>

#include <algorithm>
#include <functional>
#include <optional>

// Small writers of icon files and modules for the reader's tests, written independently of
// the shipped-data generator so that a shared mistake cannot hide.
namespace IconBuilders {

// An icon bitmap: pixel() gives a palette index for 1 to 8 bits, else 0xAARRGGBB (the alpha
// is written only at 32 bits); masked() gives the AND-mask bit.
struct Bitmap
{
    int width = 32;
    int height = 32;
    int bits = 32;
    QList<QRgb> palette;
    std::function<quint32(int x, int y)> pixel = [](int, int) { return 0xFF000000u; };
    std::function<bool(int x, int y)> masked = [](int, int) { return false; };
    bool withMask = true;
};

inline int rowBytes(int width, int bits)
{
    return (width * bits + 31) / 32 * 4;
}

inline QByteArray bitmapBytes(const Bitmap &bitmap)
{
    ByteBuilder out;
    out.u32(40).s32(bitmap.width).s32(bitmap.height * 2).u16(1).u16(bitmap.bits);
    out.u32(0).u32(0).s32(0).s32(0).u32(bitmap.bits <= 8 ? bitmap.palette.size() : 0).u32(0);
    if (bitmap.bits <= 8) {
        for (QRgb colour : bitmap.palette)
            out.u8(qBlue(colour)).u8(qGreen(colour)).u8(qRed(colour)).u8(0);
    }
    for (int y = bitmap.height - 1; y >= 0; --y) {
        QByteArray row(rowBytes(bitmap.width, bitmap.bits), '\0');
        auto *bytes = reinterpret_cast<uchar *>(row.data());
        for (int x = 0; x < bitmap.width; ++x) {
            const quint32 value = bitmap.pixel(x, y);
            switch (bitmap.bits) {
            case 1: bytes[x / 8] |= uchar((value & 1) << (7 - x % 8)); break;
            case 4: bytes[x / 2] |= uchar((value & 0xF) << (x % 2 ? 0 : 4)); break;
            case 8: bytes[x] = uchar(value); break;
            case 24:
            case 32: {
                const int size = bitmap.bits / 8;
                bytes[size * x] = uchar(qBlue(value));
                bytes[size * x + 1] = uchar(qGreen(value));
                bytes[size * x + 2] = uchar(qRed(value));
                if (size == 4)
                    bytes[size * x + 3] = uchar(qAlpha(value));
                break;
            }
            }
        }
        out.bytes(row);
    }
    if (!bitmap.withMask)
        return out.data();
    for (int y = bitmap.height - 1; y >= 0; --y) {
        QByteArray row(rowBytes(bitmap.width, 1), '\0');
        for (int x = 0; x < bitmap.width; ++x) {
            if (bitmap.masked(x, y))
                row[x / 8] = char(row[x / 8] | (1 << (7 - x % 8)));
        }
        out.bytes(row);
    }
    return out.data();
}

// A one-coloured 32-bit bitmap of the given size, opaque.
inline QByteArray solidBitmap(int size, QRgb colour, int bits = 32)
{
    Bitmap bitmap;
    bitmap.width = bitmap.height = size;
    bitmap.bits = bits;
    if (bits <= 8) {
        bitmap.palette = {qRgb(0, 0, 0), colour};
        bitmap.pixel = [](int, int) { return 1u; };
    } else {
        bitmap.pixel = [colour](int, int) { return colour | 0xFF000000u; };
    }
    return bitmapBytes(bitmap);
}

inline QByteArray pngBytes(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "png");
    return bytes;
}

// One image of an icon: its directory fields, its data, and its resource id in modules.
struct Image
{
    int width = 32;
    int height = 32;
    int bits = 32;
    QByteArray data;
    int id = 1;
};

inline QByteArray icoFile(const QList<Image> &images)
{
    ByteBuilder out;
    out.u16(0).u16(1).u16(images.size());
    qint64 offset = 6 + 16 * images.size();
    for (const Image &image : images) {
        out.u8(image.width & 0xFF).u8(image.height & 0xFF).u8(image.bits < 8 ? 1 << image.bits : 0)
            .u8(0).u16(1).u16(image.bits).u32(image.data.size()).u32(offset);
        offset += image.data.size();
    }
    for (const Image &image : images)
        out.bytes(image.data);
    return out.data();
}

inline QByteArray groupDirectory(const QList<Image> &images)
{
    ByteBuilder out;
    out.u16(0).u16(1).u16(images.size());
    for (const Image &image : images) {
        out.u8(image.width & 0xFF).u8(image.height & 0xFF).u8(image.bits < 8 ? 1 << image.bits : 0)
            .u8(0).u16(1).u16(image.bits).u32(image.data.size()).u16(image.id);
    }
    return out.data();
}

// A resource of a module: its type, a name or a number, and its bytes.
struct Resource
{
    int type = 0;
    std::optional<QString> name;
    int id = 0;
    QByteArray data;
};

// An icon group resource and the image resources it lists.
inline QList<Resource> iconResources(std::optional<QString> name, int id, const QList<Image> &images,
                                     int groupType, int iconType)
{
    QList<Resource> resources{{groupType, name, id, groupDirectory(images)}};
    for (const Image &image : images)
        resources.append({iconType, std::nullopt, image.id, image.data});
    return resources;
}

inline QByteArray mzStub(int newHeaderOffset)
{
    ByteBuilder out;
    out.u8('M').u8('Z').fill(0x3A).u32(newHeaderOffset);
    return out.data();
}

constexpr int NeGroupIcon = 0x800E;
constexpr int NeIcon = 0x8003;

// A 16-bit module with the resources in table order; types in the order they first appear.
inline QByteArray neModule(const QList<Resource> &resources, int shift = 4)
{
    QList<int> types;
    for (const Resource &resource : resources) {
        if (!types.contains(resource.type))
            types.append(resource.type);
    }
    QByteArray names;
    QList<int> nameOffsets;
    const int tableSize = 2 + types.size() * 8 + resources.size() * 12 + 2;
    for (const Resource &resource : resources) {
        nameOffsets.append(resource.name ? tableSize + names.size() : 0);
        if (resource.name)
            names.append(char(resource.name->size())).append(resource.name->toLatin1());
    }
    names.append('\0');
    const int tableStart = 0x40 + 0x40;
    const int residentNames = tableStart + tableSize + names.size();
    const int headerEnd = residentNames + 1;
    const int unit = 1 << shift;
    int dataOffset = (headerEnd + unit - 1) / unit * unit;

    ByteBuilder table;
    table.u16(shift);
    QByteArray blobs;
    for (int type : types) {
        QList<int> members;
        for (int index = 0; index < resources.size(); ++index) {
            if (resources[index].type == type)
                members.append(index);
        }
        table.u16(type).u16(members.size()).u32(0);
        for (int index : members) {
            const Resource &resource = resources[index];
            const int units = (resource.data.size() + unit - 1) / unit;
            const int id = resource.name ? nameOffsets[index] : (resource.id | 0x8000);
            table.u16((dataOffset + blobs.size()) / unit).u16(units).u16(0x30).u16(id).u16(0).u16(0);
            blobs.append(resource.data).append(units * unit - resource.data.size(), '\0');
        }
    }
    table.u16(0).bytes(names).u8(0);

    ByteBuilder out;
    out.bytes(mzStub(0x40));
    out.u8('N').u8('E').fill(0x22).u16(tableStart - 0x40).u16(residentNames - 0x40).fill(0x40 - 0x28);
    out.bytes(table.data());
    out.fill(dataOffset - int(out.size()));
    out.bytes(blobs);
    return out.data();
}

constexpr int PeGroupIcon = 14;
constexpr int PeIcon = 3;
constexpr int PeSectionOffset = 0x200;
constexpr int PeSectionAddress = 0x1000;

// A 32-bit (or 64-bit) module with one resource section; entries are written in the order
// given (named before numbered within each directory, as the format requires).
inline QByteArray peModule(const QList<Resource> &resources, bool wide = false)
{
    QList<int> types;
    for (const Resource &resource : resources) {
        if (!types.contains(resource.type))
            types.append(resource.type);
    }
    QList<QList<int>> members(types.size());
    for (int index = 0; index < resources.size(); ++index) {
        QList<int> &list = members[types.indexOf(resources[index].type)];
        list.append(index);
    }
    for (QList<int> &list : members) {
        std::stable_partition(list.begin(), list.end(), [&](int index) { return bool(resources[index].name); });
    }
    // Layout: root, one directory per type, one language directory per resource, data
    // entries, names, data.
    int offset = 16 + 8 * types.size();
    QList<int> typeDirectories;
    for (const QList<int> &list : members) {
        typeDirectories.append(offset);
        offset += 16 + 8 * list.size();
    }
    const int languageStart = offset;
    const int dataEntryStart = languageStart + 24 * resources.size();
    int stringOffset = dataEntryStart + 16 * resources.size();
    QList<int> nameOffsets;
    QByteArray strings;
    for (const Resource &resource : resources) {
        nameOffsets.append(stringOffset + strings.size());
        if (resource.name) {
            ByteBuilder name;
            name.u16(resource.name->size());
            for (QChar unit : *resource.name)
                name.u16(unit.unicode());
            strings.append(name.data());
        }
    }
    int blobStart = (stringOffset + strings.size() + 3) / 4 * 4;
    QList<int> blobOffsets;
    QByteArray blobs;
    for (const Resource &resource : resources) {
        blobOffsets.append(blobStart + blobs.size());
        blobs.append(resource.data).append((4 - resource.data.size() % 4) % 4, '\0');
    }

    ByteBuilder section;
    const auto directory = [&section](int named, int numbered) {
        section.u32(0).u32(0).u16(4).u16(0).u16(named).u16(numbered);
    };
    directory(0, types.size());
    for (int index = 0; index < types.size(); ++index)
        section.u32(types[index]).u32(0x80000000u | typeDirectories[index]);
    for (const QList<int> &list : members) {
        const auto named = std::count_if(list.begin(), list.end(), [&](int index) { return bool(resources[index].name); });
        directory(int(named), int(list.size() - named));
        for (int index : list) {
            section.u32(resources[index].name ? 0x80000000u | nameOffsets[index] : quint32(resources[index].id));
            section.u32(0x80000000u | (languageStart + 24 * index));
        }
    }
    for (int index = 0; index < resources.size(); ++index) {
        directory(0, 1);
        section.u32(1033).u32(dataEntryStart + 16 * index);
    }
    for (int index = 0; index < resources.size(); ++index)
        section.u32(PeSectionAddress + blobOffsets[index]).u32(resources[index].data.size()).u32(0).u32(0);
    section.bytes(strings);
    section.fill(blobStart - int(section.size()));
    section.bytes(blobs);
    const int rawSize = (int(section.size()) + 0x1FF) / 0x200 * 0x200;
    section.fill(rawSize - int(section.size()));

    const int optionalSize = (wide ? 112 : 96) + 16 * 8;
    ByteBuilder out;
    out.bytes(mzStub(0x40));
    out.u8('P').u8('E').u16(0).u16(wide ? 0x8664 : 0x14C).u16(1).u32(0).u32(0).u32(0).u16(optionalSize).u16(0x2102);
    ByteBuilder optional;
    optional.u16(wide ? 0x20B : 0x10B).fill(wide ? 106 : 90).u32(16);
    for (int index = 0; index < 16; ++index) {
        optional.u32(index == 2 ? PeSectionAddress : 0).u32(index == 2 ? int(section.size()) : 0);
    }
    out.bytes(optional.data());
    out.u8('.').u8('r').u8('s').u8('r').u8('c').fill(3);
    out.u32(section.size()).u32(PeSectionAddress).u32(section.size()).u32(PeSectionOffset).fill(16);
    out.fill(PeSectionOffset - int(out.size()));
    out.bytes(section.data());
    return out.data();
}

} // namespace IconBuilders

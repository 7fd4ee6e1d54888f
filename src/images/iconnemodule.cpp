// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Icon resources of 16-bit NE modules (.icl icon libraries, old .dll and .exe files).
#include "iconmodule.h"

#include "images/iconbytes.h"

namespace {

enum class NeResourceType : quint16 { Icon = 0x8003, GroupIcon = 0x800E };

constexpr quint16 NeIntegerId = 0x8000; // set on type and resource ids that are numbers
constexpr qint64 NeResourceTableField = 0x24;
constexpr qint64 NeNameInfoSize = 12;
// Larger shifts would put every resource far beyond any file we read.
constexpr int NeMaxAlignmentShift = 30;

struct NeResource
{
    quint16 offset = 0; // in alignment units
    quint16 length = 0; // in alignment units
    quint16 id = 0;     // with NeIntegerId, a number; else a name's offset in the table
};

// A resource's bytes. Lengths are rounded up to the alignment, so the last resource may
// reach past the end of a file that was not padded; it is cut at the end.
std::optional<QByteArrayView> resourceBytes(QByteArrayView file, const NeResource &resource, int shift)
{
    const qint64 offset = qint64(resource.offset) << shift;
    if (offset >= file.size())
        return std::nullopt;
    const qint64 length = std::min(qint64(resource.length) << shift, file.size() - offset);
    return IconBytes::slice(file, offset, length);
}

} // namespace

IconResources readNeIconResources(QByteArrayView file, qint64 headerOffset)
{
    IconResources resources;
    WmfBytes header = IconBytes::fieldsAt(file, headerOffset);
    const quint8 first = header.u8();
    const quint8 second = header.u8();
    const bool signature = first == 'N' && second == 'E';
    header.skip(NeResourceTableField - 2);
    const quint16 tableOffset = header.u16();
    const quint16 residentNamesOffset = header.u16();
    if (!header.ok() || !signature || tableOffset == residentNamesOffset)
        return resources;
    // The resident-name table follows the resource table and ends it.
    const qint64 tableStart = headerOffset + tableOffset;
    const qint64 tableEnd = residentNamesOffset > tableOffset ? headerOffset + residentNamesOffset
                                                              : file.size();
    const std::optional<QByteArrayView> table =
        IconBytes::slice(file, tableStart, std::min<qint64>(tableEnd, file.size()) - tableStart);
    if (!table)
        return resources;

    WmfBytes fields = IconBytes::fieldsAt(*table, 0);
    const int shift = fields.u16();
    if (!fields.ok() || shift > NeMaxAlignmentShift)
        return resources;
    // Every type takes table bytes, so the walk ends at the table's end at the latest.
    while (fields.ok()) {
        const quint16 type = fields.u16();
        if (type == 0)
            break;
        const quint16 count = fields.u16();
        fields.skip(4); // reserved
        if (!fields.ok() || !fields.has(qint64(count) * NeNameInfoSize))
            break;
        for (int index = 0; index < count; ++index) {
            NeResource resource;
            resource.offset = fields.u16();
            resource.length = fields.u16();
            fields.skip(2); // flags
            resource.id = fields.u16();
            fields.skip(4); // handle, usage
            const std::optional<QByteArrayView> bytes = resourceBytes(file, resource, shift);
            if (!bytes)
                continue;
            // Groups keep their table order, named or numbered, as the platform numbers them;
            // images are found by number only, since group directories refer to numbers.
            if (type == quint16(NeResourceType::GroupIcon))
                resources.groups.append(*bytes);
            else if (type == quint16(NeResourceType::Icon) && (resource.id & NeIntegerId)
                     && !resources.images.contains(resource.id & ~NeIntegerId))
                resources.images.insert(resource.id & ~NeIntegerId, *bytes);
        }
    }
    return resources;
}

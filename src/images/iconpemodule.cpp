// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Icon resources of 32-bit and 64-bit PE modules (.dll and .exe files).
#include "iconmodule.h"

#include "images/iconbytes.h"

#include <QString>

#include <algorithm>

namespace {

enum class PeResourceType : quint32 { Icon = 3, GroupIcon = 14 };
enum class PeOptionalHeaderMagic : quint16 { Pe32 = 0x10B, Pe32Plus = 0x20B };

constexpr quint32 PeSignature = 0x00004550; // "PE\0\0"
constexpr qint64 PeFileHeaderSize = 24;     // signature and COFF header
constexpr qint64 PeSectionHeaderSize = 40;
constexpr quint32 PeResourceDirectoryIndex = 2;
constexpr qint64 PeResourceDirectoryHeaderSize = 16;
constexpr qint64 PeResourceEntrySize = 8;
constexpr quint32 PeHighBit = 0x80000000; // a name (not an id); a subdirectory (not data)

struct PeSection
{
    quint32 virtualAddress = 0;
    quint32 rawSize = 0;
    quint32 rawOffset = 0;
};

// The sections of a module and the bytes behind a relative virtual address.
class PeModule
{
public:
    PeModule(QByteArrayView file, QList<PeSection> sections) : m_file(file), m_sections(std::move(sections)) {}

    // From rva to the end of its section's data in the file; nothing when rva has no
    // bytes in the file (outside every section, or in its zero-filled tail).
    std::optional<QByteArrayView> fromRva(quint32 rva) const
    {
        for (const PeSection &section : m_sections) {
            if (rva < section.virtualAddress || rva - section.virtualAddress >= section.rawSize)
                continue;
            const qint64 offset = qint64(section.rawOffset) + (rva - section.virtualAddress);
            if (offset >= m_file.size())
                return std::nullopt;
            const qint64 end = std::min(qint64(section.rawOffset) + section.rawSize, qint64(m_file.size()));
            return IconBytes::slice(m_file, offset, end - offset);
        }
        return std::nullopt;
    }

    std::optional<QByteArrayView> atRva(quint32 rva, quint32 length) const
    {
        const std::optional<QByteArrayView> rest = fromRva(rva);
        return rest ? IconBytes::slice(*rest, 0, length) : std::nullopt;
    }

private:
    QByteArrayView m_file;
    QList<PeSection> m_sections;
};

struct PeDirectoryEntry
{
    quint32 name = 0;   // with PeHighBit, the offset of a name; else an id
    quint32 target = 0; // with PeHighBit, the offset of a subdirectory; else of a data entry
};

// The entries of the resource directory at offset of the resource section; a count beyond
// the section is cut to the entries that are there.
QList<PeDirectoryEntry> directoryEntries(QByteArrayView resources, quint32 offset)
{
    QList<PeDirectoryEntry> entries;
    WmfBytes fields = IconBytes::fieldsAt(resources, offset);
    fields.skip(12); // characteristics, time stamp, version
    const qint64 count = qint64(fields.u16()) + fields.u16();
    if (!fields.ok())
        return entries;
    const qint64 fit = fields.remaining() / PeResourceEntrySize;
    entries.reserve(std::min(count, fit));
    for (qint64 index = 0; index < std::min(count, fit); ++index) {
        PeDirectoryEntry entry;
        entry.name = fields.u32();
        entry.target = fields.u32();
        entries.append(entry);
    }
    return entries;
}

// The data of a resource: the first language of its language directory. The tree has
// three fixed levels and no level is followed further, so a damaged tree that points back
// at itself cannot make the walk loop.
std::optional<QByteArrayView> resourceData(const PeModule &module, QByteArrayView resources,
                                           const PeDirectoryEntry &entry)
{
    if (!(entry.target & PeHighBit))
        return std::nullopt;
    WmfBytes directory = IconBytes::fieldsAt(resources, entry.target & ~PeHighBit);
    directory.skip(12);
    const qint64 count = qint64(directory.u16()) + directory.u16();
    directory.skip(4); // the first language's name
    const quint32 dataEntry = directory.u32();
    if (!directory.ok() || count == 0 || (dataEntry & PeHighBit))
        return std::nullopt;
    WmfBytes data = IconBytes::fieldsAt(resources, dataEntry);
    const quint32 rva = data.u32();
    const quint32 size = data.u32();
    if (!data.ok())
        return std::nullopt;
    return module.atRva(rva, size);
}

// The resource name at offset of the resource section: a count of UTF-16 units and the units.
std::optional<QString> resourceName(QByteArrayView resources, quint32 offset)
{
    WmfBytes fields = IconBytes::fieldsAt(resources, offset);
    const quint16 length = fields.u16();
    const uchar *units = fields.bytes(qint64(length) * 2);
    if (!units)
        return std::nullopt;
    QString name(length, Qt::Uninitialized);
    for (int index = 0; index < length; ++index)
        name[index] = QChar(qFromLittleEndian<quint16>(units + 2 * index));
    return name;
}

// The subdirectory of the root for a resource type: the first entry with that id.
std::optional<quint32> typeDirectory(const QList<PeDirectoryEntry> &root, PeResourceType type)
{
    for (const PeDirectoryEntry &entry : root) {
        if (entry.name == quint32(type) && (entry.target & PeHighBit))
            return entry.target & ~PeHighBit;
    }
    return std::nullopt;
}

struct NamedGroup
{
    std::optional<QString> name; // nothing for a numbered group
    quint32 id = 0;
    QByteArrayView data;
};

QList<QByteArrayView> readGroups(const PeModule &module, QByteArrayView resources, quint32 offset)
{
    QList<NamedGroup> groups;
    for (const PeDirectoryEntry &entry : directoryEntries(resources, offset)) {
        NamedGroup group;
        if (entry.name & PeHighBit) {
            group.name = resourceName(resources, entry.name & ~PeHighBit);
            if (!group.name)
                continue;
        }
        group.id = entry.name;
        const std::optional<QByteArrayView> data = resourceData(module, resources, entry);
        if (!data)
            continue;
        group.data = *data;
        groups.append(group);
    }
    // Well-formed modules store this order already; sorting keeps badly sorted ones in the
    // order the platform's lookup would give.
    std::stable_sort(groups.begin(), groups.end(), [](const NamedGroup &a, const NamedGroup &b) {
        if (a.name.has_value() != b.name.has_value())
            return a.name.has_value();
        if (a.name)
            return a.name->compare(*b.name, Qt::CaseInsensitive) < 0;
        return a.id < b.id;
    });
    QList<QByteArrayView> data;
    data.reserve(groups.size());
    for (const NamedGroup &group : std::as_const(groups))
        data.append(group.data);
    return data;
}

QHash<quint16, QByteArrayView> readImages(const PeModule &module, QByteArrayView resources, quint32 offset)
{
    QHash<quint16, QByteArrayView> images;
    for (const PeDirectoryEntry &entry : directoryEntries(resources, offset)) {
        // Group directories refer to their images by 16-bit numbers.
        if ((entry.name & PeHighBit) || entry.name > 0xFFFF || images.contains(quint16(entry.name)))
            continue;
        if (const std::optional<QByteArrayView> data = resourceData(module, resources, entry))
            images.insert(quint16(entry.name), *data);
    }
    return images;
}

// The module's sections and the address of its resource directory.
std::optional<std::pair<PeModule, quint32>> readHeaders(QByteArrayView file, qint64 headerOffset)
{
    WmfBytes header = IconBytes::fieldsAt(file, headerOffset);
    const quint32 signature = header.u32();
    header.skip(2); // machine
    const int sectionCount = header.u16();
    header.skip(12); // time stamp, symbol table
    const quint16 optionalSize = header.u16();
    if (!header.ok() || signature != PeSignature)
        return std::nullopt;
    const qint64 optionalStart = headerOffset + PeFileHeaderSize;
    const std::optional<QByteArrayView> optional = IconBytes::slice(file, optionalStart, optionalSize);
    if (!optional)
        return std::nullopt;
    WmfBytes magicField = IconBytes::fieldsAt(*optional, 0);
    const auto magic = PeOptionalHeaderMagic(magicField.u16());
    if (magic != PeOptionalHeaderMagic::Pe32 && magic != PeOptionalHeaderMagic::Pe32Plus)
        return std::nullopt;
    const qint64 countField = magic == PeOptionalHeaderMagic::Pe32 ? 92 : 108;
    WmfBytes directories = IconBytes::fieldsAt(*optional, countField);
    const quint32 directoryCount = directories.u32();
    directories.skip(PeResourceDirectoryIndex * 8);
    const quint32 resourceRva = directories.u32();
    if (!directories.ok() || directoryCount <= PeResourceDirectoryIndex || resourceRva == 0)
        return std::nullopt;

    QList<PeSection> sections;
    WmfBytes table = IconBytes::fieldsAt(file, optionalStart + optionalSize);
    for (int index = 0; index < sectionCount; ++index) {
        table.skip(8); // name
        table.skip(4); // virtual size; the bytes that count are those in the file
        PeSection section;
        section.virtualAddress = table.u32();
        section.rawSize = table.u32();
        section.rawOffset = table.u32();
        table.skip(PeSectionHeaderSize - 24);
        if (!table.ok())
            break;
        sections.append(section);
    }
    return std::pair(PeModule(file, std::move(sections)), resourceRva);
}

} // namespace

IconResources readPeIconResources(QByteArrayView file, qint64 headerOffset)
{
    IconResources result;
    const auto headers = readHeaders(file, headerOffset);
    if (!headers)
        return result;
    const PeModule &module = headers->first;
    const std::optional<QByteArrayView> resources = module.fromRva(headers->second);
    if (!resources || resources->size() < PeResourceDirectoryHeaderSize)
        return result;
    const QList<PeDirectoryEntry> root = directoryEntries(*resources, 0);
    if (const auto groups = typeDirectory(root, PeResourceType::GroupIcon))
        result.groups = readGroups(module, *resources, *groups);
    if (const auto images = typeDirectory(root, PeResourceType::Icon))
        result.images = readImages(module, *resources, *images);
    return result;
}

// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "iclwriter.h"

#include <QtEndian>

namespace {

enum class NeResourceType : quint16 { Icon = 0x8003, GroupIcon = 0x800E };

constexpr int NeHeaderOffset = 0x80;
constexpr int NeHeaderSize = 0x40;
// Eight bytes: every icon image (header, colours and mask) is a multiple of it, so the
// resource table states each icon's exact size, as icon tools expect.
constexpr int AlignmentShift = 3;
constexpr quint16 NeIntegerId = 0x8000;
constexpr quint16 ResourceFlags = 0x1030;  // moveable, pure, discardable
constexpr quint16 LibraryModuleFlag = 0x8000;
constexpr quint8 WindowsTarget = 2;
constexpr quint16 WindowsVersion = 0x030A; // 3.10
constexpr int GroupEntrySize = 14;

// Appends little-endian fields to a byte array.
class Fields
{
public:
    Fields &u8(int value) { m_bytes.append(char(value)); return *this; }
    Fields &u16(int value) { return raw<quint16>(quint16(value)); }
    Fields &u32(qint64 value) { return raw<quint32>(quint32(value)); }
    Fields &bytes(const QByteArray &value) { m_bytes.append(value); return *this; }
    Fields &zeros(qsizetype count) { m_bytes.append(count, '\0'); return *this; }
    // A length-prefixed name as the NE name tables hold them.
    Fields &name(const QByteArray &text) { return u8(int(text.size())).bytes(text); }
    qsizetype size() const { return m_bytes.size(); }
    const QByteArray &data() const { return m_bytes; }

private:
    template<typename T>
    Fields &raw(T value)
    {
        char buffer[sizeof(T)];
        qToLittleEndian(value, buffer);
        m_bytes.append(buffer, sizeof(T));
        return *this;
    }

    QByteArray m_bytes;
};

// A DOS program that says what the file is and ends, so the file is a valid executable.
QByteArray dosStub()
{
    Fields stub;
    const QByteArray message = "This file is an icon library.\r\n$";
    const int messageOffset = 14; // after the code
    stub.u8(0x0E).u8(0x1F);                        // push cs; pop ds
    stub.u8(0xBA).u16(messageOffset);              // mov dx, message
    stub.u8(0xB4).u8(0x09).u8(0xCD).u8(0x21);      // print the string
    stub.u8(0xB8).u16(0x4C01).u8(0xCD).u8(0x21);   // end with code 1
    stub.bytes(message);
    return stub.data();
}

QByteArray mzHeader(qint64 fileSize)
{
    Fields header;
    header.u8('M').u8('Z');
    header.u16(int(fileSize % 512));              // bytes on the last page
    header.u16(int((fileSize + 511) / 512));      // pages
    header.u16(0);                                // relocations
    header.u16(4);                                // header size in paragraphs
    header.u16(0).u16(0xFFFF);                    // minimum and maximum allocation
    header.u16(0).u16(0xB8);                      // initial SS:SP
    header.u16(0);                                // checksum
    header.u16(0).u16(0);                         // initial CS:IP
    header.u16(0x40);                             // relocation table offset
    header.u16(0);                                // overlay
    header.zeros(0x3C - header.size());
    header.u32(NeHeaderOffset);                   // e_lfanew
    return header.data();
}

QByteArray groupDirectory(const LibraryIcon &icon, int firstId, const QList<QByteArray> &bitmaps)
{
    Fields group;
    group.u16(0).u16(1).u16(int(icon.images.size())); // reserved, icon type, count
    for (qsizetype index = 0; index < icon.images.size(); ++index) {
        const QImage &image = icon.images[index];
        group.u8(image.width() & 0xFF).u8(image.height() & 0xFF); // 256 is written as 0
        group.u8(0).u8(0);                        // colours (none: true colour), reserved
        group.u16(1).u16(32);                     // planes, bits per pixel
        group.u32(bitmaps[index].size());         // bytes of the image resource
        group.u16(firstId + int(index));          // its resource id
    }
    return group.data();
}

// A resource's data padded to the alignment, and its table entry.
struct Resource
{
    quint16 id = 0;
    QByteArray data;
};

qsizetype alignedSize(qsizetype size)
{
    const qsizetype unit = qsizetype(1) << AlignmentShift;
    return (size + unit - 1) / unit * unit;
}

} // namespace

QByteArray iconBitmap(const QImage &source)
{
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    const int width = image.width();
    const int height = image.height();
    const int maskStride = (width + 31) / 32 * 4;
    Fields bitmap;
    bitmap.u32(40).u32(width).u32(2 * height);     // header size, width, doubled height
    bitmap.u16(1).u16(32);                         // planes, bits per pixel
    bitmap.u32(0);                                 // uncompressed
    bitmap.u32(width * height * 4 + maskStride * height);
    bitmap.u32(0).u32(0).u32(0).u32(0);            // resolution, colours used and important
    for (int y = height - 1; y >= 0; --y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            const QRgb pixel = qAlpha(line[x]) == 0 ? 0 : line[x];
            bitmap.u8(qBlue(pixel)).u8(qGreen(pixel)).u8(qRed(pixel)).u8(qAlpha(pixel));
        }
    }
    for (int y = height - 1; y >= 0; --y) {
        QByteArray row(maskStride, '\0');
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            if (qAlpha(line[x]) < 128)
                row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
        }
        bitmap.bytes(row);
    }
    return bitmap.data();
}

QByteArray writeIconLibrary(const QList<LibraryIcon> &icons, const QString &moduleName,
                            const QString &description)
{
    QList<Resource> groups;
    QList<Resource> images;
    for (const LibraryIcon &icon : icons) {
        QList<QByteArray> bitmaps;
        for (const QImage &image : icon.images)
            bitmaps.append(iconBitmap(image));
        const int firstId = int(images.size()) + 1;
        groups.append({quint16(groups.size() + 1), groupDirectory(icon, firstId, bitmaps)});
        for (const QByteArray &bitmap : std::as_const(bitmaps))
            images.append({quint16(images.size() + 1), bitmap});
    }
    if (images.size() >= NeIntegerId)
        return {};

    // The tables follow the header in the order the format lists them: segments (none),
    // resources, resident names, module references (none), imported names, entries.
    const int resourceTableSize = 2 + 2 * 8 + int(images.size() + groups.size()) * 12 + 2 + 1;
    const QByteArray residentName = moduleName.toLatin1().toUpper();
    const int residentTable = NeHeaderSize + resourceTableSize;
    const int importedNames = residentTable + 1 + int(residentName.size()) + 2 + 1;
    const int entryTable = importedNames + 1;
    const int entryTableSize = 2;
    const QByteArray descriptionText = description.toLatin1();
    const qint64 nonResidentNames = NeHeaderOffset + entryTable + entryTableSize;
    const int nonResidentSize = 1 + int(descriptionText.size()) + 2 + 1;
    qint64 dataOffset = alignedSize(nonResidentNames + nonResidentSize);

    Fields table;
    table.u16(AlignmentShift);
    for (const auto &[type, resources] : {std::pair(NeResourceType::Icon, &images),
                                          std::pair(NeResourceType::GroupIcon, &groups)}) {
        table.u16(int(type)).u16(int(resources->size())).u32(0);
        for (const Resource &resource : *resources) {
            const qsizetype units = alignedSize(resource.data.size()) >> AlignmentShift;
            if ((dataOffset >> AlignmentShift) > 0xFFFF || units > 0xFFFF)
                return {};
            table.u16(int(dataOffset >> AlignmentShift)).u16(int(units));
            table.u16(ResourceFlags).u16(NeIntegerId | resource.id).u16(0).u16(0);
            dataOffset += units << AlignmentShift;
        }
    }
    table.u16(0);                                  // end of the types
    table.u8(0);                                   // no resource names

    Fields header;
    header.u8('N').u8('E');
    header.u8(5).u8(10);                           // linker version
    header.u16(entryTable).u16(entryTableSize);    // entry table
    header.u32(0);                                 // checksum
    header.u16(LibraryModuleFlag);                 // a library without code or data
    header.u16(0).u16(0).u16(0);                   // automatic data segment, heap, stack
    header.u32(0).u32(0);                          // CS:IP, SS:SP
    header.u16(0).u16(0);                          // segments, module references
    header.u16(nonResidentSize);                   // non-resident name table size
    header.u16(NeHeaderSize);                      // segment table (empty)
    header.u16(NeHeaderSize);                      // resource table
    header.u16(residentTable);                     // resident-name table
    header.u16(importedNames);                     // module-reference table (empty)
    header.u16(importedNames);                     // imported-name table
    header.u32(nonResidentNames);                  // non-resident name table, from the file's start
    header.u16(0);                                 // movable entry points
    header.u16(AlignmentShift);                    // segment alignment
    header.u16(0);                                 // resource segments
    header.u8(WindowsTarget).u8(0);                // target system, other flags
    header.u16(0).u16(0);                          // fast-load area
    header.u16(0);                                 // code swap area
    header.u16(WindowsVersion);                    // expected system version
    header.bytes(table.data());
    header.name(residentName).u16(0).u8(0);        // module name, ordinal 0, end
    header.u8(0);                                  // imported names: the empty first name
    header.u8(0).u8(0);                            // entry table: no bundles
    header.name(descriptionText).u16(0).u8(0);     // description, ordinal 0, end

    Fields file;
    file.zeros(0x40);                              // the MZ header, once the size is known
    file.bytes(dosStub());
    file.zeros(NeHeaderOffset - file.size());
    file.bytes(header.data());
    for (const QList<Resource> *resources : {&images, &groups}) {
        for (const Resource &resource : *resources) {
            file.zeros(alignedSize(file.size()) - file.size());
            file.bytes(resource.data);
        }
    }
    file.zeros(alignedSize(file.size()) - file.size());
    QByteArray bytes = file.data();
    bytes.replace(0, 0x40, mzHeader(bytes.size()));
    return bytes;
}

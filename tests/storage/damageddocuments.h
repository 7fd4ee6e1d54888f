// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Documents with damage of one kind each, built from a document the program writes. Shared
// by the storage tests and the renderer's tests.

#include "images/picture.h"
#include "objects/tgimage.h"
#include "objects/tgplabel.h"
#include "page/calpanel32.h"
#include "storage/calendarfile.h"
#include "storage/objectrecords.h"

#include <QtEndian>

namespace DamagedDocuments {

inline QByteArray u32(quint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    return QByteArray(bytes, 4);
}

inline QByteArray documentOf(std::vector<std::unique_ptr<TGGraphicControl>> objects)
{
    TCalendarPanel32 page;
    page.ResetToDefaults(QDate(2027, 1, 1));
    // A document as older versions wrote it: new pages now carry the locale-dates option.
    page.setOptions({});
    const ObjectRecords::RecordList records(objects);
    return CalendarFile::documentBytes(page.document(), records.components());
}

// Fifteen labels "Label1" .. "Label15"; label n lies at Left = 10 * n.
inline QByteArray fifteenLabels()
{
    std::vector<std::unique_ptr<TGGraphicControl>> labels;
    for (int n = 1; n <= 15; ++n) {
        auto label = std::make_unique<TGPLabel>();
        label->setName(QStringLiteral("Label%1").arg(n));
        label->setBounds(10 * n, 20, 100, 30);
        label->SetCaption(QStringLiteral("label %1").arg(n));
        labels.push_back(std::move(label));
    }
    return documentOf(std::move(labels));
}

// Where the properties of label n begin: just behind its class and name.
inline qsizetype propertiesOfLabel(const QByteArray &document, int n)
{
    const QByteArray name = QStringLiteral("Label%1").arg(n).toLatin1();
    const QByteArray header = QByteArray("\x08TGPLabel") + char(name.size()) + name;
    const qsizetype at = document.indexOf(header);
    return at < 0 ? -1 : at + header.size();
}

// Label n's "Left" spelled "Lefz", as a newer or older program might name a property.
inline QByteArray withRenamedLeft(QByteArray document, int n)
{
    const qsizetype left = document.indexOf("\x04Left", propertiesOfLabel(document, n));
    document.replace(left, 5, "\x04Lefz");
    return document;
}

// Label n with one more property, unknown here, whose value is given with its tags.
inline QByteArray withUnknownProperty(QByteArray document, int n, const QByteArray &name,
                                      const QByteArray &value)
{
    document.insert(propertiesOfLabel(document, n), char(name.size()) + name + value);
    return document;
}

// A nested list: [1, "hi", [0x1234]].
inline QByteArray nestedListValue()
{
    return QByteArray::fromHex("01" "0201" "06026869" "01033412" "00" "00");
}

// A binary value of 300 bytes.
inline QByteArray binaryValue()
{
    return QByteArray("\x0a", 1) + u32(300) + QByteArray(300, '\x5a');
}

// The tag of label n's Left value made one no reader knows, so its length is unknown.
inline QByteArray withUnskippableLeft(QByteArray document, int n)
{
    const qsizetype left = document.indexOf("\x04Left", propertiesOfLabel(document, n));
    document[left + 5] = char(0x3f);
    return document;
}

// A BMP file of 64 bytes that declares 5,600 x 5,600 pixels of run-length data: one colour,
// then "end of bitmap" at once.
inline QByteArray runLengthBomb()
{
    QByteArray bmp("BM");
    bmp += u32(64) + u32(0) + u32(58);                          // file size, reserved, offset
    bmp += u32(40) + u32(5600) + u32(5600);                     // info header, width, height
    bmp += QByteArray::fromHex("0100" "0800") + u32(1) + u32(6); // planes, bits, RLE8, size
    bmp += u32(0) + u32(0) + u32(1) + u32(0);                   // resolution, colours used
    bmp += QByteArray::fromHex("0000ff00");                    // the one colour
    bmp += QByteArray::fromHex("0001" "0000" "0000");           // end of bitmap, padding
    return bmp;
}

// A document of 'count' images, each holding runLengthBomb() and shown at 40 x 40 pixels,
// ten in a row: image n at (20 + 50 * ((n - 1) % 10), 100 + 60 * ((n - 1) / 10)).
inline QByteArray pictureBombs(int count)
{
    const QByteArray bmp = runLengthBomb();
    Picture bomb;
    if (!bomb.setPictureData(QByteArray("\x07TBitmap") + u32(bmp.size()) + bmp).ok())
        return {};
    std::vector<std::unique_ptr<TGGraphicControl>> images;
    for (int n = 1; n <= count; ++n) {
        auto image = std::make_unique<TGImage>();
        image->setName(QStringLiteral("Image%1").arg(n));
        image->setBounds(20 + 50 * ((n - 1) % 10), 100 + 60 * ((n - 1) / 10), 40, 40);
        image->SetStretch(true);
        image->SetPicture(bomb);
        images.push_back(std::move(image));
    }
    return documentOf(std::move(images));
}

} // namespace DamagedDocuments

// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Photos in clip art keep their JPEG files in documents and on the object clipboard.
#include <gtest/gtest.h>

#include "images/bmpfile.h"
#include "objects/tgimage.h"
#include "objects/tgplabel.h"
#include "photofiles.h"
#include "svgfiles.h"
#include "storage/calendarfile.h"
#include "storage/objectrecords.h"
#include "storage/optionslist.h"
#include "storage/streamdump.h"
#include "storage/reader.h"
#include "storage/streamerror.h"
#include "storage/writer.h"

#include <QBuffer>

namespace {

using Objects = std::vector<std::unique_ptr<TGGraphicControl>>;

struct Read {
    CalendarFile::LoadOutcome outcome;
    PageDocument doc;
    Objects objects;
};

Read load(const QByteArray &bytes)
{
    Read read;
    read.outcome = CalendarFile::loadDocumentBytes(read.doc, bytes, nullptr,
                                                   ObjectRecords::collectObjects(read.objects));
    return read;
}

// A document whose settings read back: its fonts have sizes.
PageDocument plainDocument()
{
    PageDocument doc;
    for (MonthStyle *style : {&doc.settings.main, &doc.settings.mini}) {
        for (TFont *font : {&style->titleFont, &style->headersFont, &style->cellFont})
            font->setSize(10);
    }
    return doc;
}

QByteArray documentOf(const Objects &objects, const PageDocument &doc = plainDocument())
{
    const ObjectRecords::RecordList records(objects);
    return CalendarFile::documentBytes(doc, records.components());
}

// A label, then clip art holding picture, as the program's objects are named.
Objects labelAndClipArt(const Picture &picture)
{
    Objects objects;
    auto label = std::make_unique<TGPLabel>();
    label->setName(QStringLiteral("Component0"));
    label->setBounds(10, 10, 120, 30);
    objects.push_back(std::move(label));
    auto image = std::make_unique<TGImage>();
    image->setName(QStringLiteral("Component1"));
    image->setBounds(40, 60, 384, 288);
    image->SetPicture(picture);
    objects.push_back(std::move(image));
    return objects;
}

Picture photo(const QByteArray &jpeg)
{
    Picture picture;
    EXPECT_TRUE(picture.setSourceFile(jpeg, Picture::SourceFormat::Jpeg).ok());
    return picture;
}

const Picture &pictureOf(const Objects &objects, size_t place)
{
    return dynamic_cast<const TGImage &>(*objects.at(place)).picture();
}

// Where the options list after the document's last list starts.
qsizetype optionsStart(const QByteArray &document)
{
    return document.lastIndexOf(QByteArray("\x01\x06\x0eOrvane options"));
}

} // namespace

TEST(PictureSources, APhotoComesBackAsItsOwnFileInADocumentFarSmallerThanItsBitmap)
{
    const QByteArray jpeg = PhotoFiles::photoJpeg({3000, 2000});
    const Objects objects = labelAndClipArt(photo(jpeg));
    const QByteArray document = documentOf(objects);
    Picture bitmap;
    bitmap.setBitmap(PhotoFiles::photoImage({3000, 2000}));
    const QByteArray bitmapDocument = documentOf(labelAndClipArt(bitmap));
    // The file, and a preview of 1024 x 683 for readers that know only bitmaps.
    EXPECT_LT(document.size(), jpeg.size() + 1024 * 683 * 3 + 64 * 1024);
    EXPECT_LT(document.size() * 3, bitmapDocument.size());

    Read read = load(document);
    ASSERT_TRUE(read.outcome.ok);
    EXPECT_TRUE(read.outcome.dropped.isEmpty()) << qPrintable(read.outcome.dropped.join(u'\n'));
    ASSERT_EQ(read.objects.size(), 2u);
    EXPECT_EQ(pictureOf(read.objects, 1).sourceFile(), jpeg);
    EXPECT_EQ(pictureOf(read.objects, 1).size(), QSize(3000, 2000));
    EXPECT_FALSE(read.doc.options.contains(QStringLiteral("PictureSource:1")))
        << "the page keeps no copy to write twice";
    EXPECT_EQ(documentOf(read.objects, read.doc), document) << "saved again, the file is the same";

    const StreamDump dump = dumpCalendarFile(document);
    EXPECT_TRUE(dump.complete);
    EXPECT_TRUE(dump.text.contains(
        QStringLiteral("'PictureSource:1' = {jpeg file, %1 bytes}\n").arg(jpeg.size())));
}

TEST(PictureSources, ReadersThatStopAtTheEndMarkerSeeThePreview)
{
    const QByteArray document = documentOf(labelAndClipArt(photo(PhotoFiles::photoJpeg({1600, 1200}))));
    const qsizetype start = optionsStart(document);
    ASSERT_GT(start, 0);
    const Read classic = load(document.left(start));
    ASSERT_TRUE(classic.outcome.ok);
    EXPECT_TRUE(classic.outcome.dropped.isEmpty());
    const Picture &preview = pictureOf(classic.objects, 1);
    EXPECT_EQ(preview.kind(), Picture::Kind::Bitmap);
    EXPECT_EQ(preview.size(), QSize(1024, 768));
    EXPECT_TRUE(preview.sourceFile().isEmpty());
    const QImage shown = preview.image();
    EXPECT_GT(qRed(shown.pixel(100, 384)), qBlue(shown.pixel(100, 384))) << "the photo, reduced";
    EXPECT_LT(qRed(shown.pixel(900, 384)), qBlue(shown.pixel(900, 384)));
}

TEST(PictureSources, SourcesThatCannotBeUsedAreNamedAndThePreviewStays)
{
    const QByteArray jpeg = PhotoFiles::photoJpeg({1200, 900});
    const Objects objects = labelAndClipArt(photo(jpeg));
    const QByteArray written = documentOf(objects);
    const qsizetype start = optionsStart(written);
    ASSERT_GT(start, 0);
    // Hand-made lists after the same document: a page option, then one source entry.
    const auto withEntry = [&](const QString &name, const QVariant &value) {
        DocumentOptions options;
        options.setValue(QStringLiteral("WeekNumbers"), QStringLiteral("iso"));
        options.setValue(name, value);
        QByteArray list;
        QBuffer buffer(&list);
        buffer.open(QIODevice::WriteOnly);
        TWriter writer(&buffer);
        OptionsList::write(writer, options);
        writer.flush();
        return written.left(start) + list;
    };
    QByteArray damagedJpeg = jpeg;
    damagedJpeg.replace(0, 2, "XX");
    const struct {
        QString name;
        QVariant value;
        QString dropped;
    } cases[] = {
        {QStringLiteral("PictureSource:1"), QByteArray("\x04jpeg") + damagedJpeg,
         QStringLiteral("the picture file kept for object 2: The picture file is damaged: the data is not a jpeg picture.")},
        {QStringLiteral("PictureSource:1"), QStringLiteral("a text"),
         QStringLiteral("the picture file kept for object 2: the value is not a file")},
        {QStringLiteral("PictureSource:0"), QByteArray("\x04jpeg") + jpeg,
         QStringLiteral("the picture file kept for object 1: the object is not clip art")},
        {QStringLiteral("PictureSource:2"), QByteArray("\x04jpeg") + jpeg,
         QStringLiteral("the picture file kept for object 3: the document has no such object")},
    };
    for (const auto &entry : cases) {
        const Read read = load(withEntry(entry.name, entry.value));
        ASSERT_TRUE(read.outcome.ok);
        EXPECT_EQ(read.outcome.dropped, QStringList{entry.dropped});
        EXPECT_TRUE(read.outcome.readInPart()) << "the window says what was left out";
        ASSERT_EQ(read.objects.size(), 2u);
        EXPECT_EQ(pictureOf(read.objects, 1).size(), QSize(1024, 768)) << "the preview stays";
        EXPECT_TRUE(pictureOf(read.objects, 1).sourceFile().isEmpty());
        EXPECT_EQ(read.doc.options.value(QStringLiteral("WeekNumbers")), QVariant(QStringLiteral("iso")));
        EXPECT_FALSE(read.doc.options.contains(entry.name));
    }
    // The good entry, written by hand the same way, is taken.
    const Read good = load(withEntry(QStringLiteral("PictureSource:1"), QByteArray("\x04jpeg") + jpeg));
    EXPECT_TRUE(good.outcome.dropped.isEmpty());
    EXPECT_EQ(pictureOf(good.objects, 1).sourceFile(), jpeg);
}

TEST(PictureSources, DocumentsWithoutPhotosAreWrittenAsBefore)
{
    Picture bitmap;
    bitmap.setBitmap(PhotoFiles::photoImage({64, 48}));
    // A source entry the page's options carry from elsewhere is never written.
    PageDocument doc = plainDocument();
    doc.options.setValue(QStringLiteral("PictureSource:1"), QByteArray("\x04jpeg") + PhotoFiles::photoJpeg({8, 8}));
    const QByteArray document = documentOf(labelAndClipArt(bitmap), doc);
    EXPECT_FALSE(document.contains("Orvane options")) << "no list is written for nothing";
    EXPECT_EQ(document.back(), '\0') << "the file ends at the object list's end marker";
}

TEST(PictureSources, TheOptionsListCarriesFilesOfMegabytesAndRefusesCutOnes)
{
    // Values are bounded by what is left of the file, itself at most CalendarFile::kMaxFileSize.
    QByteArray large(24 * 1024 * 1024, '\0');
    for (qsizetype i = 0; i < large.size(); i += 4096)
        large[i] = char(i / 4096);
    DocumentOptions options;
    options.setValue(QStringLiteral("PictureSource:3"), large);
    options.setValue(QStringLiteral("Caption"), QStringLiteral("after it"));
    QByteArray list;
    QBuffer out(&list);
    out.open(QIODevice::WriteOnly);
    TWriter writer(&out);
    OptionsList::write(writer, options);
    writer.flush();
    const auto read = [](QByteArray bytes) {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        TReader reader(&buffer);
        return OptionsList::read(reader);
    };
    EXPECT_EQ(read(list), options);
    // Cut short, or with a length past the end or negative: refused before any allocation.
    const qsizetype lengthAt = list.indexOf(QByteArray("PictureSource:3")) + 15 + 1;
    QByteArray past = list, negative = list;
    past.replace(lengthAt, 4, QByteArray("\xff\xff\xff\x7f", 4));
    negative.replace(lengthAt, 4, QByteArray("\x00\x00\x00\x80", 4));
    for (const QByteArray &damaged : {list.left(40), list.left(list.size() / 2), past, negative})
        EXPECT_THROW(read(damaged), StreamError);
}

TEST(PictureSources, TheObjectClipboardAndClonesKeepThem)
{
    const QByteArray jpeg = PhotoFiles::photoJpeg({1200, 900});
    const Objects objects = labelAndClipArt(photo(jpeg));
    const QByteArray clipboard = ObjectRecords::objectListBytes({objects[0].get(), objects[1].get()});
    ObjectRecords::ReadResult pasted = ObjectRecords::readObjectList(clipboard, {}, 15);
    EXPECT_TRUE(pasted.error.isEmpty()) << qPrintable(pasted.error);
    ASSERT_EQ(pasted.objects.size(), 2u);
    EXPECT_EQ(pictureOf(pasted.objects, 1).sourceFile(), jpeg);
    EXPECT_EQ(pasted.objects[1]->boundsRect(), QRect(55, 75, 384, 288));

    // Without photos the clipboard is the list alone, as it always was.
    Picture bitmap;
    bitmap.setBitmap(PhotoFiles::photoImage({64, 48}));
    const Objects plain = labelAndClipArt(bitmap);
    const QByteArray plainClipboard = ObjectRecords::objectListBytes({plain[0].get(), plain[1].get()});
    EXPECT_FALSE(plainClipboard.contains("Orvane options"));
    EXPECT_EQ(plainClipboard.back(), '\0');

    // A damaged file is named; the object keeps its preview.
    QByteArray damaged = clipboard;
    damaged.replace(damaged.lastIndexOf(jpeg.left(64)), 2, "XX");
    pasted = ObjectRecords::readObjectList(damaged, {});
    ASSERT_EQ(pasted.objects.size(), 2u);
    EXPECT_TRUE(pasted.error.startsWith(QStringLiteral("the picture file kept for object 2")))
        << qPrintable(pasted.error);
    EXPECT_EQ(pictureOf(pasted.objects, 1).size(), QSize(1024, 768));
}

TEST(PictureSources, AnSvgDrawingComesBackByteForByteAndOldReadersSeeItAsABitmap)
{
    const QByteArray svg = SvgFiles::halves();
    Picture drawing;
    ASSERT_TRUE(drawing.setSourceFile(svg, Picture::SourceFormat::Svg).ok());
    const QByteArray document = documentOf(labelAndClipArt(drawing));

    Read read = load(document);
    ASSERT_TRUE(read.outcome.ok);
    EXPECT_TRUE(read.outcome.dropped.isEmpty()) << qPrintable(read.outcome.dropped.join(u'\n'));
    const Picture &back = pictureOf(read.objects, 1);
    EXPECT_EQ(back.kind(), Picture::Kind::Svg);
    EXPECT_EQ(back.sourceFile(), svg);
    EXPECT_EQ(documentOf(read.objects, read.doc), document) << "saved again, the file is the same";
    EXPECT_TRUE(dumpCalendarFile(document).text.contains(
        QStringLiteral("'PictureSource:1' = {svg file, %1 bytes}\n").arg(svg.size())));

    // A reader that stops at the end marker finds the drawing as a bitmap of its size.
    const Read classic = load(document.left(optionsStart(document)));
    ASSERT_TRUE(classic.outcome.ok);
    const Picture &preview = pictureOf(classic.objects, 1);
    EXPECT_EQ(preview.kind(), Picture::Kind::Bitmap);
    ASSERT_EQ(preview.size(), QSize(200, 100));
    EXPECT_EQ(preview.image().pixel(20, 50), SvgFiles::kLeft.rgb());
    EXPECT_EQ(preview.image().pixel(180, 50), SvgFiles::kRight.rgb());
}

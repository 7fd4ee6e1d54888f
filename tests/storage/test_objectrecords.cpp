// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "objects/tgflatcalendar.h"
#include "objects/tgimage.h"
#include "objects/tgprichbaselabel.h"
#include "objects/tgplabel.h"
#include "storage/calendarfile.h"
#include "storage/cellrecord.h"
#include "storage/objectrecords.h"
#include "storage/streamdump.h"

#include <QRegularExpression>

namespace {

using ObjectRecords::objectListBytes;
using ObjectRecords::readObjectList;

// The property names of the first drawing object in a document's dump, in file order.
QStringList recordedProperties(const TGGraphicControl &object)
{
    ObjectRecord record(object);
    const QString dump =
        dumpCalendarFile(CalendarFile::documentBytes(PageDocument{}, {&record})).text;
    const QString objects = dump.mid(dump.indexOf(QStringLiteral("drawing object 1")));
    QStringList names;
    static const QRegularExpression property(QStringLiteral("^    (\\S+) = "),
                                             QRegularExpression::MultilineOption);
    for (auto it = property.globalMatch(objects); it.hasNext();)
        names << it.next().captured(1);
    return names;
}

std::unique_ptr<TGPLabel> label(const QString &name, const QRect &bounds)
{
    auto made = std::make_unique<TGPLabel>();
    made->setName(name);
    made->setBounds(bounds.x(), bounds.y(), bounds.width(), bounds.height());
    return made;
}

} // namespace

TEST(ObjectRecords, AFreshLabelWritesOnlyWhatHasNoDefault)
{
    auto hi = label(QStringLiteral("Special1"), QRect(10, 20, 142, 33));
    hi->SetCaption(QStringLiteral("Hi"));
    EXPECT_EQ(recordedProperties(*hi),
              QStringList({"Left", "Top", "Width", "Height", "Locked", "Unselectable", "Caption",
                           "Font.Color", "Font.Height", "Font.Name", "Font.Style", "Transparent",
                           "BackColor", "BorderStyle"}));
}

TEST(ObjectRecords, LabelsAndCalendarsComeBackAsTheyWereWritten)
{
    auto written = label(QStringLiteral("Special1"), QRect(7, 9, 120, 40));
    written->SetCaption(QStringLiteral("Fête"));
    written->SetDepthShadow(3);
    written->SetDirectionShadow(sdLeft);
    written->SetDepthHighlight(2);
    written->SetDirectionHighlight(hdright);
    written->SetcolorShadow(0x0000FF);
    written->SetcolorHighlight(0x123456);
    written->SetAlignment(taCenter);
    TFont font(QStringLiteral("Liberation Serif"), 14, TFont::Style::Bold | TFont::Style::Italic, 0x00FF00);
    font.setPitch(TFont::Pitch::Fixed);
    written->SetFont(font);
    written->SetTransparent(false);
    written->SetBackColor(0x808000);
    written->SetBorderStyle(bsSingle);
    written->SetLocked(true);
    written->setTag(5);
    written->setHint(QStringLiteral("a hint"));

    TGFlatCalendar calendar(QDate(2026, 12, 7));
    calendar.setBounds(30, 40, 210, 160);
    calendar.SetStartOfWeek(2);
    calendar.SetMonth(2);
    calendar.SetYear(2028);
    calendar.SetShowYear(true);
    calendar.SetLanguage(fclGerman);
    calendar.SetDayNameStyle(fdsWhole);
    calendar.SetCellBorderStyle(fcbTopBottom);
    calendar.SetShadowDepth(4);
    calendar.SetShadowPosition(fcpUpperLeft);
    calendar.SetCalTransparent(true);
    calendar.SetTitleFont(TFont(QStringLiteral("Liberation Sans"), 12, TFont::Style::Underline));

    const auto read = readObjectList(objectListBytes({written.get(), &calendar}), {});
    ASSERT_TRUE(read.error.isEmpty()) << qPrintable(read.error);
    ASSERT_EQ(read.objects.size(), 2u);
    const auto &back = dynamic_cast<const TGPLabel &>(*read.objects[0]);
    EXPECT_EQ(back.boundsRect(), written->boundsRect());
    EXPECT_EQ(back.Caption(), QStringLiteral("Fête"));
    EXPECT_EQ(back.DepthShadow(), 3);
    EXPECT_EQ(back.DirectionShadow(), sdLeft);
    EXPECT_EQ(back.DepthHighlight(), 2);
    EXPECT_EQ(back.DirectionHighlight(), hdright);
    EXPECT_EQ(back.colorShadow(), 0x0000FF);
    EXPECT_EQ(back.colorHighlight(), 0x123456);
    EXPECT_EQ(back.Alignment(), taCenter);
    EXPECT_EQ(back.Font().name(), QStringLiteral("Liberation Serif"));
    EXPECT_EQ(back.Font().height(96), written->Font().height(96));
    EXPECT_EQ(back.Font().style(), TFont::Style::Bold | TFont::Style::Italic);
    EXPECT_EQ(back.Font().pitch(), TFont::Pitch::Fixed);
    EXPECT_EQ(back.Font().color(), 0x00FF00);
    EXPECT_FALSE(back.Transparent());
    EXPECT_EQ(back.BackColor(), 0x808000);
    EXPECT_EQ(back.BorderStyle(), bsSingle);
    EXPECT_TRUE(back.Locked());
    EXPECT_EQ(back.Tag(), 5);
    EXPECT_EQ(back.Hint(), QStringLiteral("a hint"));

    const auto &cal = dynamic_cast<const TGFlatCalendar &>(*read.objects[1]);
    EXPECT_EQ(cal.boundsRect(), QRect(30, 40, 210, 160));
    EXPECT_EQ(cal.StartOfWeek(), 2);
    EXPECT_EQ(cal.Month(), 2);
    EXPECT_EQ(cal.Year(), 2028);
    EXPECT_TRUE(cal.ShowYear());
    EXPECT_EQ(cal.Language(), fclGerman);
    EXPECT_EQ(cal.DayNameStyle(), fdsWhole);
    EXPECT_EQ(cal.CellBorderStyle(), fcbTopBottom);
    EXPECT_EQ(cal.ShadowDepth(), 4);
    EXPECT_EQ(cal.ShadowPosition(), fcpUpperLeft);
    EXPECT_TRUE(cal.CalTransparent());
    EXPECT_EQ(cal.TitleFont().style(), TFont::Style::Underline);
    EXPECT_EQ(cal.TitleFont().height(96), calendar.TitleFont().height(96));
}

TEST(ObjectRecords, ObjectsReadAreNamedComponentWithTheFirstFreeNumbers)
{
    auto first = label(QStringLiteral("Component0"), QRect(0, 0, 50, 20));
    auto second = label(QStringLiteral("Special1"), QRect(0, 30, 50, 20));
    const QByteArray bytes = objectListBytes({first.get(), second.get()});

    auto read = readObjectList(bytes, {});
    ASSERT_EQ(read.objects.size(), 2u);
    EXPECT_EQ(read.objects[0]->Name(), QStringLiteral("Component0"));
    EXPECT_EQ(read.objects[1]->Name(), QStringLiteral("Component1"));

    read = readObjectList(bytes, [](const QString &name) { return name == QLatin1String("Component0"); });
    ASSERT_EQ(read.objects.size(), 2u);
    EXPECT_EQ(read.objects[0]->Name(), QStringLiteral("Component1"));
    EXPECT_EQ(read.objects[1]->Name(), QStringLiteral("Component2"));

    // With every name taken the name from the file stays.
    read = readObjectList(bytes, [](const QString &) { return true; });
    ASSERT_EQ(read.objects.size(), 2u);
    EXPECT_EQ(read.objects[1]->Name(), QStringLiteral("Special1"));
}

TEST(ObjectRecords, PastedObjectsAreOffsetAndTheirFirstMoveCounts)
{
    auto written = label(QStringLiteral("Special1"), QRect(10, 20, 100, 40));
    const auto read = readObjectList(objectListBytes({written.get()}), {}, 15);
    ASSERT_EQ(read.objects.size(), 1u);
    EXPECT_EQ(read.objects[0]->boundsRect(), written->boundsRect().translated(15, 15));
    EXPECT_FALSE(read.objects[0]->reading());
    // The bounds of the read object are recorded, so a later move is a change.
    EXPECT_FALSE(read.objects[0]->LastBounds().isNull());
    EXPECT_FALSE(read.objects[0]->popupMenu().empty());
}

TEST(ObjectRecords, ADamagedListKeepsTheObjectsBeforeTheDamage)
{
    auto one = label(QStringLiteral("Special1"), QRect(0, 0, 50, 20));
    auto two = label(QStringLiteral("Special2"), QRect(0, 30, 50, 20));
    QByteArray bytes = objectListBytes({one.get(), two.get()});
    const qsizetype second = bytes.indexOf("TGPLabel", bytes.indexOf("TGPLabel") + 1);
    ASSERT_GT(second, 0);
    bytes.replace(second, 8, "TGMystry");
    auto read = readObjectList(bytes, {});
    EXPECT_EQ(read.objects.size(), 1u);
    EXPECT_EQ(read.error, QStringLiteral("Class TGMystry not found"));

    const QByteArray whole = objectListBytes({one.get(), two.get()});
    read = readObjectList(whole.left(3), {});
    EXPECT_FALSE(read.error.isEmpty());
    EXPECT_TRUE(read.objects.empty());
    // Cut inside the second record: the first one stays.
    read = readObjectList(whole.left(whole.size() - 10), {});
    EXPECT_FALSE(read.error.isEmpty());
    EXPECT_EQ(read.objects.size(), 1u);
    // Only the list's end is missing: both objects were read whole.
    read = readObjectList(whole.left(whole.size() - 1), {});
    EXPECT_FALSE(read.error.isEmpty());
    EXPECT_EQ(read.objects.size(), 2u);
}

TEST(ObjectRecords, ADocumentReadWithoutOwnerNamesEveryObjectApart)
{
    auto first = label(QStringLiteral("Component0"), QRect(0, 0, 50, 20));
    auto second = label(QStringLiteral("Special1"), QRect(0, 30, 50, 20));
    ObjectRecord one(*first);
    ObjectRecord two(*second);
    PageDocument written;
    for (MonthStyle *style : {&written.settings.main, &written.settings.mini})
        style->titleFont = style->headersFont = style->cellFont = TFont(QStringLiteral("Arial"), 10);
    const QByteArray bytes = CalendarFile::documentBytes(written, {&one, &two});
    PageDocument doc;
    std::vector<std::unique_ptr<TGGraphicControl>> read;
    // Each record is dropped as soon as its object is taken, as the program does.
    const CalendarFile::LoadOutcome outcome = CalendarFile::loadDocumentBytes(
        doc, bytes, nullptr, [&read](std::unique_ptr<TComponent> component) {
            if (auto object = ObjectRecords::takeObject(std::move(component)))
                read.push_back(std::move(object));
        });
    ASSERT_TRUE(outcome.ok) << qPrintable(outcome.message);
    EXPECT_TRUE(outcome.objectsError.isEmpty()) << qPrintable(outcome.objectsError);
    ASSERT_EQ(read.size(), 2u);
    EXPECT_EQ(read[0]->Name(), QStringLiteral("Component0"));
    EXPECT_EQ(read[1]->Name(), QStringLiteral("Component1"));
}

namespace {

std::unique_ptr<TGImage> clipArt(const Picture &picture)
{
    auto image = std::make_unique<TGImage>();
    image->setName(QStringLiteral("Special3"));
    image->setBounds(12, 14, 105, 105);
    image->SetPicture(picture);
    return image;
}

// A placeable metafile drawing nothing, with an odd checksum-free tail that a rewrite
// would not keep: the bytes must come back as they were.
QByteArray placeableMetafile()
{
    QByteArray bytes = QByteArray::fromHex("d7cdc69a000000000000c800c800a00500000000");
    quint16 checksum = 0;
    for (int i = 0; i < 20; i += 2)
        checksum ^= quint16(quint8(bytes[i]) | quint8(bytes[i + 1]) << 8);
    bytes.append(char(checksum & 0xFF)).append(char(checksum >> 8));
    bytes += QByteArray::fromHex("010009000003140000000000000000000000"); // header, 20 words
    bytes += QByteArray::fromHex("050000000c02c800c800");                 // SETWINDOWEXT
    bytes += QByteArray::fromHex("030000000000");                         // EOF
    return bytes;
}

} // namespace

TEST(ObjectRecords, ClipArtStoresOnlyWhatDiffersAndItsPictureBlock)
{
    auto empty = clipArt(Picture());
    EXPECT_EQ(recordedProperties(*empty).mid(6),
              QStringList({"BorderStyle", "Reverse", "Flip"}));

    QImage pixels(4, 3, QImage::Format_RGB32);
    pixels.fill(Qt::red);
    Picture bitmap;
    bitmap.setBitmap(pixels);
    auto image = clipArt(bitmap);
    image->setSizingFlags(false, true);
    EXPECT_EQ(recordedProperties(*image).mid(6),
              QStringList({"AutoSize", "BorderStyle", "Picture.Data", "Stretch", "Reverse", "Flip"}));
    const QByteArray bytes = objectListBytes({image.get()});
    const qsizetype block = bytes.indexOf("TBitmap");
    ASSERT_GT(block, 0);
    EXPECT_EQ(bytes[block - 1], char(7));
    EXPECT_EQ(bytes.mid(block + 7 + 4, 2), QByteArray("BM"));
}

TEST(ObjectRecords, ClipArtComesBackWithItsPictureByteForByte)
{
    MetafilePicture metafile;
    ASSERT_TRUE(metafile.setBytes(placeableMetafile()));
    Picture picture;
    picture.setMetafile(metafile);
    auto written = clipArt(picture);
    written->SetFlip(true);
    written->SetBorderStyle(bsSingle);

    QImage pixels(5, 7, QImage::Format_RGB32);
    pixels.fill(qRgb(10, 200, 30));
    Picture bitmap;
    bitmap.setBitmap(pixels);
    auto second = clipArt(bitmap);
    second->setSizingFlags(false, true);

    const auto read = readObjectList(objectListBytes({written.get(), second.get()}), {});
    ASSERT_TRUE(read.error.isEmpty()) << qPrintable(read.error);
    ASSERT_EQ(read.objects.size(), 2u);
    const auto &back = dynamic_cast<const TGImage &>(*read.objects[0]);
    EXPECT_EQ(back.picture().kind(), Picture::Kind::Metafile);
    EXPECT_EQ(back.picture().pictureData(), picture.pictureData());
    EXPECT_TRUE(back.Flip());
    EXPECT_FALSE(back.Reverse());
    EXPECT_EQ(back.BorderStyle(), bsSingle);
    EXPECT_TRUE(back.Stretch());
    EXPECT_EQ(back.boundsRect(), QRect(12, 14, 105, 105));

    const auto &sized = dynamic_cast<const TGImage &>(*read.objects[1]);
    EXPECT_TRUE(sized.AutoSize());
    EXPECT_FALSE(sized.Stretch());
    EXPECT_EQ(sized.picture().image().pixel(4, 6), qRgb(10, 200, 30));
    EXPECT_EQ(sized.boundsRect(), QRect(12, 14, 5, 7));
}

TEST(ObjectRecords, ADamagedPictureLeavesAnEmptyImageAndTheObjectsAfterIt)
{
    QImage pixels(4, 4, QImage::Format_RGB32);
    pixels.fill(Qt::blue);
    Picture bitmap;
    bitmap.setBitmap(pixels);
    auto image = clipArt(bitmap);
    auto after = label(QStringLiteral("Special4"), QRect(0, 0, 50, 20));
    QByteArray bytes = objectListBytes({image.get(), after.get()});
    const qsizetype bm = bytes.indexOf("BM");
    ASSERT_GT(bm, 0);
    bytes[bm] = 'X';
    const auto read = readObjectList(bytes, {});
    ASSERT_EQ(read.objects.size(), 2u);
    EXPECT_TRUE(dynamic_cast<const TGImage &>(*read.objects[0]).picture().isEmpty());
    EXPECT_EQ(read.objects[1]->className(), QStringLiteral("TGPLabel"));
}

TEST(ObjectRecords, RichLabelsStoreTheirTextAsRtfWithFourZeroBytes)
{
    TGPRichBaseLabel empty;
    empty.setName(QStringLiteral("Special5"));
    EXPECT_EQ(recordedProperties(empty).mid(6),
              QStringList({"BorderStyle", "Transparent", "BGColor"}));

    const QByteArray rtf("{\\rtf1\\ansi\\f0\\fs20 Hello \\b world\\b0\\par}");
    TGPRichBaseLabel written;
    written.setName(QStringLiteral("Special6"));
    written.setBounds(5, 6, 190, 33);
    written.SetRTFText(TWPRtfStorage(rtf));
    written.SetTransparent(false);
    written.SetBGColor(0x00FFFF);
    EXPECT_EQ(recordedProperties(written).mid(6),
              QStringList({"RTFText.Data", "BorderStyle", "Transparent", "BGColor"}));
    const QByteArray bytes = objectListBytes({&written});
    EXPECT_TRUE(bytes.contains(rtf + QByteArray(4, '\0')));

    const auto read = readObjectList(bytes, {});
    ASSERT_EQ(read.objects.size(), 1u);
    const auto &back = dynamic_cast<const TGPRichBaseLabel &>(*read.objects[0]);
    EXPECT_EQ(back.RTFText().rtf(), rtf);
    EXPECT_FALSE(back.Transparent());
    EXPECT_EQ(back.BGColor(), 0x00FFFF);
    EXPECT_EQ(back.BorderStyle(), bsSingle);
    EXPECT_TRUE(back.EditAction);
}

TEST(ObjectRecords, AStoredTextBlockMayStartWithBlanksOrBePlainText)
{
    EXPECT_EQ(CellTextRecord::rtfFromBlock(QByteArray("\b\r\n {\\rtf1 x}") + QByteArray(4, '\0')),
              QByteArray("{\\rtf1 x}"));
    const QByteArray plain = CellTextRecord::rtfFromBlock("plain {text}");
    EXPECT_TRUE(plain.startsWith("{\\rtf1"));
    EXPECT_TRUE(plain.contains("plain \\{text\\}"));
}

// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Documents with damaged or unknown object properties: what can be read is kept, and what
// could not is named.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "damageddocuments.h"
#include "images/decodebudget.h"
#include "storage/calendarfile.h"
#include "storage/objectrecords.h"

using namespace DamagedDocuments;

namespace {

struct Read {
    CalendarFile::LoadOutcome outcome;
    std::vector<std::unique_ptr<TGGraphicControl>> objects;

    // The Left of every object read, in file order.
    QList<int> lefts() const
    {
        QList<int> values;
        for (const auto &object : objects)
            values << object->Left();
        return values;
    }
};

Read load(const QByteArray &bytes)
{
    Read read;
    PageDocument doc;
    read.outcome = CalendarFile::loadDocumentBytes(doc, bytes, nullptr,
                                                   ObjectRecords::collectObjects(read.objects));
    return read;
}

QList<int> leftsWithout(int missing)
{
    QList<int> values;
    for (int n = 1; n <= 15; ++n) {
        if (n != missing)
            values << 10 * n;
    }
    return values;
}

} // namespace

TEST(ReadInPart, AWholeDocumentIsNotReadInPart)
{
    const Read read = load(fifteenLabels());
    ASSERT_TRUE(read.outcome.ok);
    EXPECT_FALSE(read.outcome.readInPart());
    EXPECT_TRUE(read.outcome.dropped.isEmpty());
    EXPECT_EQ(read.lefts(), leftsWithout(0));
}

TEST(ReadInPart, AnUnknownPropertyIsLeftOutAndEveryObjectStays)
{
    const Read read = load(withRenamedLeft(fifteenLabels(), 4));
    ASSERT_TRUE(read.outcome.ok) << qPrintable(read.outcome.message);
    ASSERT_EQ(read.objects.size(), 15u);
    EXPECT_TRUE(read.outcome.readInPart());
    EXPECT_EQ(read.outcome.dropped,
              QStringList(QStringLiteral("property Lefz of Component3 (TGPLabel): Property does not exist")));
    EXPECT_TRUE(read.outcome.objectsError.isEmpty()) << "no object was lost";
    // Label 4 keeps everything but the property it could not use.
    QList<int> expected = leftsWithout(0);
    expected[3] = 0;
    EXPECT_EQ(read.lefts(), expected);
    EXPECT_EQ(read.objects[3]->Top(), 20);
    EXPECT_EQ(read.objects[14]->Name(), QStringLiteral("Component14"));
}

TEST(ReadInPart, UnknownPropertiesWithListAndBinaryValuesAreSteppedOver)
{
    QByteArray bytes = withUnknownProperty(fifteenLabels(), 5, "Extra", nestedListValue());
    bytes = withUnknownProperty(bytes, 9, "Future.Data", binaryValue());
    const Read read = load(bytes);
    ASSERT_TRUE(read.outcome.ok);
    EXPECT_EQ(read.lefts(), leftsWithout(0));
    EXPECT_EQ(read.outcome.dropped,
              QStringList({QStringLiteral("property Extra of Component4 (TGPLabel): Property does not exist"),
                           QStringLiteral("property Future.Data of Component8 (TGPLabel): Property does not exist")}));
}

TEST(ReadInPart, AValueThatCannotBeSkippedCostsOnlyItsObject)
{
    const Read read = load(withUnskippableLeft(fifteenLabels(), 7));
    ASSERT_TRUE(read.outcome.ok);
    EXPECT_EQ(read.lefts(), leftsWithout(7));
    ASSERT_EQ(read.outcome.dropped.size(), 1);
    EXPECT_EQ(read.outcome.dropped[0],
              QStringLiteral("object 7 (TGPLabel): Error reading Component6.Left: Invalid property value"));
    EXPECT_EQ(read.outcome.objectsError, QStringLiteral("Error reading Component6.Left: Invalid property value"));
}

TEST(ReadInPart, AnObjectOfAnUnknownKindIsDroppedAndTheRestRead)
{
    QByteArray bytes = fifteenLabels();
    const qsizetype ninth = propertiesOfLabel(bytes, 9) - 16; // "\x08TGPLabel\x06Label9"
    ASSERT_EQ(bytes.mid(ninth, 9), QByteArray("\x08TGPLabel"));
    bytes.replace(ninth + 1, 8, "TGFuture");
    const Read read = load(bytes);
    ASSERT_TRUE(read.outcome.ok);
    EXPECT_EQ(read.lefts(), leftsWithout(9));
    EXPECT_EQ(read.outcome.dropped,
              QStringList(QStringLiteral("object 9 (TGFuture): Class TGFuture not found")));
}

TEST(ReadInPart, AListCutShortAfterItsLastObjectSaysSo)
{
    const QByteArray whole = fifteenLabels();
    const Read read = load(whole.left(whole.size() - 1));
    ASSERT_TRUE(read.outcome.ok);
    EXPECT_EQ(read.objects.size(), 15u);
    EXPECT_EQ(read.outcome.dropped,
              QStringList(QStringLiteral("the objects after object 15: Stream read error")));
}

TEST(ReadInPart, ThePicturesOfADocumentShareOneBudgetOfPixels)
{
    // Twenty pictures of 5,600 x 5,600 pixels need 627 megapixels; 12 fit in 400.
    const Read read = load(pictureBombs(20));
    ASSERT_TRUE(read.outcome.ok) << qPrintable(read.outcome.message);
    ASSERT_EQ(read.objects.size(), 20u);
    int shown = 0;
    for (const auto &object : read.objects)
        shown += dynamic_cast<const TGImage &>(*object).picture().isEmpty() ? 0 : 1;
    EXPECT_EQ(shown, 12);
    ASSERT_EQ(read.outcome.dropped.size(), 8);
    EXPECT_EQ(read.outcome.dropped[0],
              QStringLiteral("property Picture.Data of Component12 (TGImage): the pictures of this "
                             "document need more than 400 megapixels"));
    // Each document has its own budget.
    EXPECT_EQ(load(pictureBombs(12)).outcome.dropped.size(), 0);
    EXPECT_EQ(DecodeBudget::current(), nullptr);
}

TEST(ReadInPart, TheRegressionDocumentsAreReadInPart)
{
    const QDir folder(QStringLiteral(ORVANE_SOURCE_DIR "/fuzz/regressions/fuzz_documents"));
    const QStringList names = folder.entryList({QStringLiteral("*.OVF")}, QDir::Files);
    ASSERT_GE(names.size(), 4);
    for (const QString &name : names) {
        QFile file(folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const Read read = load(file.readAll());
        EXPECT_TRUE(read.outcome.readInPart()) << qPrintable(name);
        EXPECT_GE(read.objects.size(), 14u) << qPrintable(name);
    }
}

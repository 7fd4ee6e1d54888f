// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QRandomGenerator>

#include "storage/reader.h"
#include "storage/streamerror.h"
#include "storage/writer.h"
#include "sampleobjects.h"
#include "streamtesting.h"

using StreamTesting::rootRecordError;

namespace {

class Hostile : public ::testing::Test
{
protected:
    static QByteArray sampleRecord()
    {
        SampleShape shape;
        shape.setName(QStringLiteral("S"));
        shape.caption = QString(300, QLatin1Char('c'));
        shape.items.items = {SampleItem(QStringLiteral("one"), 1), SampleItem(QStringLiteral("two"), 2)};
        shape.data = QByteArray(40, 'd');
        shape.angle = 2.5;
        shape.options = 5;
        shape.adoptChild(std::make_unique<SampleShape>());
        return StreamTesting::rootRecord(shape);
    }

    SampleShapeRegistration m_registration;
};

} // namespace

TEST_F(Hostile, EveryTruncationFailsWithAMessage)
{
    const QByteArray full = sampleRecord();
    ASSERT_TRUE(rootRecordError(full).isEmpty());
    for (int size = 0; size < full.size(); ++size) {
        const QString message = rootRecordError(full.left(size));
        EXPECT_FALSE(message.isEmpty()) << size;
    }
}

TEST_F(Hostile, RandomDamageIsReadAsTheNamedClassOrRefusedWithAMessage)
{
    const QByteArray full = sampleRecord();
    QRandomGenerator random(1234);
    int refused = 0;
    for (int round = 0; round < 3000; ++round) {
        QByteArray damaged = full;
        const int flips = 1 + random.bounded(4);
        for (int i = 0; i < flips; ++i)
            damaged[random.bounded(int(damaged.size()))] = char(random.bounded(256));
        try {
            const std::unique_ptr<TComponent> object = StreamTesting::readRoot(damaged);
            // Only the sample class is registered, so whatever is read is one.
            EXPECT_NE(dynamic_cast<SampleShape *>(object.get()), nullptr) << round;
        } catch (const StreamError &error) {
            ++refused;
            EXPECT_FALSE(error.message().isEmpty()) << round;
        }
    }
    EXPECT_GT(refused, 0) << "the damage never reached the reader's checks";
    EXPECT_TRUE(rootRecordError(full).isEmpty()) << "a refused read leaves nothing behind";
}

TEST_F(Hostile, HugeLengthsAreCheckedBeforeAllocating)
{
    QByteArray longString = QByteArray("TPF0\x0cTSampleShape\x00", 18) + "\x07" "Caption"
                            + QByteArray("\x0c\xff\xff\xff\x7f", 5) + "abc";
    EXPECT_EQ(rootRecordError(longString), QStringLiteral("Error reading TSampleShape.Caption: Stream read error"));
    QByteArray negative = QByteArray("TPF0\x0cTSampleShape\x00", 18) + "\x04" "Data"
                          + QByteArray("\x0a\xff\xff\xff\xff", 5);
    EXPECT_EQ(rootRecordError(negative), QStringLiteral("Error reading TSampleShape.Data: Stream read error"));
    QByteArray farIndex = QByteArray("TPF0\x0cTSampleShape\x00", 18) + "\x05" "Items"
                          + QByteArray("\x0e\x04\xff\xff\xff\x7f\x01\x00\x00\x00\x00", 11);
    EXPECT_EQ(rootRecordError(farIndex), QStringLiteral("Error reading TSampleShape.Items: Invalid property value"));
}

TEST_F(Hostile, DeepNestingIsRefusedNotRecursedInto)
{
    QByteArray lists = QByteArray("TPF0\x0cTSampleShape\x00", 18) + "\x05" "Bogus"
                       + QByteArray(100000, '\x01');
    EXPECT_FALSE(rootRecordError(lists).isEmpty());

    QByteArray children = QByteArray("TPF0");
    for (int i = 0; i < 5000; ++i)
        children += QByteArray("\x0cTSampleShape\x00\x00", 15);
    EXPECT_EQ(rootRecordError(children), QStringLiteral("Invalid stream format"));
}

TEST_F(Hostile, UndefinedTagsAreInvalidValues)
{
    QByteArray bytes = QByteArray("TPF0\x0cTSampleShape\x00", 18) + "\x05" "Bogus" + "\x20";
    EXPECT_EQ(rootRecordError(bytes), QStringLiteral("Error reading TSampleShape.Bogus: Invalid property value"));
}

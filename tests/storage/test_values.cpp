// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "storage/reader.h"
#include "storage/streamerror.h"
#include "storage/typeinfo.h"
#include "storage/writer.h"
#include "sampleobjects.h"
#include "streamtesting.h"

using StreamTesting::readBack;
using StreamTesting::readError;
using StreamTesting::written;

TEST(ValueStream, IntegersTakeTheNarrowestTag)
{
    const struct {
        qint32 value;
        quint8 tag;
        int payload;
    } cases[] = {{0, 2, 1},      {127, 2, 1},     {128, 3, 2},      {-128, 2, 1},
                 {-129, 3, 2},   {32767, 3, 2},   {32768, 4, 4},    {-32768, 3, 2},
                 {-32769, 4, 4}, {INT32_MIN, 4, 4}, {INT32_MAX, 4, 4}};
    for (const auto &c : cases) {
        const QByteArray bytes = written([&](TWriter &w) { w.PutInteger(c.value); });
        ASSERT_EQ(bytes.size(), 1 + c.payload) << c.value;
        EXPECT_EQ(quint8(bytes[0]), c.tag) << c.value;
        EXPECT_EQ(readBack(bytes, [](TReader &r) { return r.GetInteger(); }), c.value);
    }
    EXPECT_EQ(written([](TWriter &w) { w.PutInteger(-2); }), QByteArray("\x02\xfe", 2));
    EXPECT_EQ(written([](TWriter &w) { w.PutInteger(0x12345678); }),
              QByteArray("\x04\x78\x56\x34\x12", 5));
}

TEST(ValueStream, IntegersAreSignExtendedWhateverTheirTag)
{
    EXPECT_EQ(readBack(QByteArray("\x03\x05\x00", 3), [](TReader &r) { return r.GetInteger(); }), 5);
    EXPECT_EQ(readBack(QByteArray("\x04\xff\xff\xff\xff", 5), [](TReader &r) { return r.GetInteger(); }), -1);
    EXPECT_EQ(readBack(QByteArray("\x03\x00\x80", 3), [](TReader &r) { return r.GetInteger(); }), -32768);
}

TEST(ValueStream, StringsSwitchToLongFormAt256Characters)
{
    const QString s255(255, QLatin1Char('x'));
    const QByteArray short255 = written([&](TWriter &w) { w.PutString(s255); });
    ASSERT_EQ(short255.size(), 2 + 255);
    EXPECT_EQ(quint8(short255[0]), 6);
    EXPECT_EQ(quint8(short255[1]), 255);

    const QString s256(256, QLatin1Char('y'));
    const QByteArray long256 = written([&](TWriter &w) { w.PutString(s256); });
    ASSERT_EQ(long256.size(), 5 + 256);
    EXPECT_EQ(long256.left(5), QByteArray("\x0c\x00\x01\x00\x00", 5));
    EXPECT_EQ(readBack(long256, [](TReader &r) { return r.GetString(); }), s256);
    EXPECT_EQ(readBack(short255, [](TReader &r) { return r.GetString(); }), s255);

    EXPECT_EQ(written([](TWriter &w) { w.PutString(QStringLiteral("M\u00e4rz")); }),
              QByteArray("\x06\x04M\xe4rz"));
}

TEST(ValueStream, ShortNamesKeepTheirFirst255Characters)
{
    const QByteArray bytes = written([](TWriter &w) { w.PutShortName(QString(300, QLatin1Char('n'))); });
    ASSERT_EQ(bytes.size(), 256);
    EXPECT_EQ(quint8(bytes[0]), 255);
}

TEST(ValueStream, IdentifiersTrueFalseNilBecomeTheirTags)
{
    EXPECT_EQ(written([](TWriter &w) { w.PutIdent(QStringLiteral("tRuE")); }), QByteArray("\x09"));
    EXPECT_EQ(written([](TWriter &w) { w.PutIdent(QStringLiteral("FALSE")); }), QByteArray("\x08"));
    EXPECT_EQ(written([](TWriter &w) { w.PutIdent(QStringLiteral("Nil")); }), QByteArray("\x0d"));
    EXPECT_EQ(written([](TWriter &w) { w.PutIdent(QStringLiteral("clRed")); }),
              QByteArray("\x07\x05" "clRed"));
    EXPECT_EQ(readBack(QByteArray("\x0d"), [](TReader &r) { return r.GetIdent(); }), QStringLiteral("nil"));
    EXPECT_EQ(readBack(QByteArray("\x09"), [](TReader &r) { return r.GetIdent(); }), QStringLiteral("True"));
}

TEST(ValueStream, FloatsAre80BitExtended)
{
    EXPECT_EQ(written([](TWriter &w) { w.PutFloat(1.0); }),
              QByteArray("\x05\x00\x00\x00\x00\x00\x00\x00\x80\xff\x3f", 11));
    EXPECT_EQ(written([](TWriter &w) { w.PutFloat(-2.5); }),
              QByteArray("\x05\x00\x00\x00\x00\x00\x00\x00\xa0\x00\xc0", 11));
    for (double v : {0.0, 0.29, -1e300, 4.9e-324, 123456.789, 0.1f + 0.0}) {
        const QByteArray bytes = written([&](TWriter &w) { w.PutFloat(v); });
        EXPECT_EQ(readBack(bytes, [](TReader &r) { return r.GetFloat(); }), v);
    }
    // An integer form is accepted where a float is expected.
    EXPECT_EQ(readBack(QByteArray("\x02\x07"), [](TReader &r) { return r.GetFloat(); }), 7.0);
}

TEST(ValueStream, BooleansReadTrueOnlyFromTagTrue)
{
    // tagInt8 as a boolean: only the tag byte is consumed and the value is false.
    readBack(QByteArray("\x02\x09", 2), [](TReader &r) {
        EXPECT_FALSE(r.GetBoolean());
        EXPECT_TRUE(r.GetBoolean());
        return 0;
    });
}

TEST(ValueStream, CharactersAreOneCharacterStrings)
{
    EXPECT_EQ(written([](TWriter &w) { w.PutChar(QLatin1Char('Q')); }), QByteArray("\x06\x01Q"));
    EXPECT_EQ(readBack(QByteArray("\x06\x01Q"), [](TReader &r) { return r.GetChar(); }), QLatin1Char('Q'));
    EXPECT_EQ(readError(QByteArray("\x06\x02QR"), [](TReader &r) { r.GetChar(); }),
              QStringLiteral("Invalid property value"));
}

TEST(ValueStream, SetsListMembersInOrdinalOrder)
{
    const QByteArray bytes = written([](TWriter &w) { w.PutSet(0b101, alignmentType()); });
    EXPECT_EQ(bytes, QByteArray("\x0b\x0dtaLeftJustify\x08taCenter\x00", 25));
    EXPECT_EQ(readBack(bytes, [](TReader &r) { return r.GetSet(alignmentType()); }), 0b101u);
    EXPECT_EQ(readBack(QByteArray("\x0b\x08TACENTER\x00", 11),
                       [](TReader &r) { return r.GetSet(alignmentType()); }),
              0b100u);
    EXPECT_EQ(readError(QByteArray("\x0b\x03odd\x00", 6), [](TReader &r) { r.GetSet(alignmentType()); }),
              QStringLiteral("Invalid property value"));
}

TEST(ValueStream, WrongTagsAndShortStreamsGiveTheFixedMessages)
{
    EXPECT_EQ(readError(QByteArray("\x06\x01x"), [](TReader &r) { r.GetInteger(); }),
              QStringLiteral("Invalid property value"));
    EXPECT_EQ(readError(QByteArray("\x04\x01\x02", 3), [](TReader &r) { r.GetInteger(); }),
              QStringLiteral("Stream read error"));
    EXPECT_EQ(readError(QByteArray(), [](TReader &r) { r.GetTag(); }), QStringLiteral("Stream read error"));
    EXPECT_EQ(readError(QByteArray("TPF1"), [](TReader &r) { r.GetSignature(); }),
              QStringLiteral("Invalid stream format"));
    EXPECT_EQ(readError(QByteArray("\x02\x05", 2), [](TReader &r) { r.GetListStart(); }),
              QStringLiteral("Invalid property value"));
}

TEST(ValueStream, WrongListTagIsSkippedBeforeTheError)
{
    readBack(QByteArray("\x06\x02hi\x02\x2a", 6), [](TReader &r) {
        EXPECT_THROW(r.GetListStart(), StreamError);
        EXPECT_EQ(r.GetInteger(), 42);
        return 0;
    });
}

TEST(ValueStream, SkipConsumesEachWholeValue)
{
    const QByteArray bytes = written([](TWriter &w) {
        w.PutListStart();
        w.PutInteger(100000);
        w.PutString(QString(300, QLatin1Char('s')));
        w.PutFloat(3.5);
        w.PutSet(3, alignmentType());
        w.PutBinary([](QByteArray &b) { b = QByteArray(700, 'b'); });
        w.PutIdent(QStringLiteral("clNavy"));
        w.PutListEnd();
        w.PutInteger(7);
    });
    readBack(bytes, [](TReader &r) {
        r.SkipOneValue();
        EXPECT_EQ(r.GetInteger(), 7);
        EXPECT_EQ(r.remaining(), 0);
        return 0;
    });
}

TEST(ValueStream, ReaderLeavesTheStreamBehindTheLastByteRead)
{
    QByteArray bytes("\x02\x01\x02\x02", 4);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    {
        TReader reader(&buffer);
        EXPECT_EQ(reader.GetInteger(), 1);
    }
    EXPECT_EQ(buffer.pos(), 2);
}

TEST(ValueStream, WriterReportsAFailingStream)
{
    QBuffer closed;
    TWriter writer(&closed);
    writer.PutInteger(1);
    EXPECT_THROW(writer.flush(), StreamError);
}

// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QBuffer>

#include "storage/reader.h"
#include "storage/streamerror.h"
#include "storage/writer.h"
#include "sampleobjects.h"
#include "streamtesting.h"

using StreamTesting::readRoot;
using StreamTesting::rootRecord;
using StreamTesting::rootRecordError;

namespace {

// Property record bytes: the short name, then the value bytes.
QByteArray prop(const char *name, const QByteArray &value)
{
    return char(qstrlen(name)) + QByteArray(name) + value;
}

class Records : public ::testing::Test
{
protected:
    SampleShapeRegistration m_registration;
};

} // namespace

TEST_F(Records, DefaultsProduceNoRecords)
{
    SampleShape shape;
    shape.setName(QStringLiteral("Shape1"));
    shape.color = 0xFFFF00; // its declared default
    const QByteArray expected = QByteArray("TPF0\x0cTSampleShape\x06Shape1")
                                + prop("Left", QByteArray("\x02\x00", 2))
                                + prop("Width", QByteArray("\x02\x00", 2))
                                + prop("Locked", "\x08") + prop("Font.Color", "\x07\x07" "clBlack")
                                + prop("Font.Height", "\x02\xf3") + prop("Font.Name", "\x06\x05" "Arial")
                                + prop("Items", QByteArray("\x0e\x00", 2)) + QByteArray("\x00\x00", 2);
    EXPECT_EQ(rootRecord(shape).toHex(' ').toStdString(), expected.toHex(' ').toStdString());
}

TEST_F(Records, PropertiesAreWrittenByKindWithPaths)
{
    SampleShape shape;
    shape.tag = 5;
    shape.cursor = -12;
    shape.color = 0xFFFFFF;
    shape.locked = true;
    shape.visible = false;
    shape.alignment = 2;
    shape.options = 0b011;
    shape.angle = 1.0;
    shape.caption = QStringLiteral("Hi");
    shape.font.style = 0b1001;
    const QByteArray bytes = rootRecord(shape);
    const QByteArray expected =
        QByteArray("TPF0\x0cTSampleShape\x00", 18) + prop("Tag", "\x02\x05")
        + prop("Left", QByteArray("\x02\x00", 2)) + prop("Width", QByteArray("\x02\x00", 2))
        + prop("Cursor", "\x07\x06" "crDrag") + prop("Color", "\x07\x07" "clWhite")
        + prop("Locked", "\x09") + prop("Visible", "\x08") + prop("Alignment", "\x07\x08taCenter")
        + prop("Options", QByteArray("\x0b\x0dtaLeftJustify\x0etaRightJustify\x00", 31))
        + prop("Angle", QByteArray("\x05\x00\x00\x00\x00\x00\x00\x00\x80\xff\x3f", 11))
        + prop("Caption", "\x06\x02Hi") + prop("Font.Color", "\x07\x07" "clBlack")
        + prop("Font.Height", "\x02\xf3") + prop("Font.Name", "\x06\x05" "Arial")
        + prop("Font.Style", QByteArray("\x0b\x06" "fsBold\x0b" "fsStrikeOut\x00", 21))
        + prop("Items", QByteArray("\x0e\x00", 2)) + QByteArray("\x00\x00", 2);
    EXPECT_EQ(bytes.toHex(' ').toStdString(), expected.toHex(' ').toStdString());
}

TEST_F(Records, ColoursWithoutANameAreIntegers)
{
    SampleShape shape;
    shape.color = 0x123456;
    EXPECT_TRUE(rootRecord(shape).contains(prop("Color", "\x04\x56\x34\x12\x00")));
    shape.color = 0x80000018;
    EXPECT_TRUE(rootRecord(shape).contains(prop("Color", "\x07\x08" "clInfoBk")));
}

TEST_F(Records, RoundTripThroughTheRegistry)
{
    SampleShape shape;
    shape.setName(QStringLiteral("Special3"));
    shape.left = -300;
    shape.width = 70000;
    shape.color = 0x80000005;
    shape.accel = QLatin1Char('z');
    shape.angle = -12.25;
    shape.caption = QString(400, QLatin1Char('c'));
    shape.font.name = QStringLiteral("Times New Roman");
    shape.font.height = -27;
    shape.items.items = {SampleItem(QStringLiteral("one"), 1), SampleItem(QStringLiteral("two"), 0)};
    shape.data = QByteArray("{\\rtf1 x}\0\0\0\0", 14);

    std::unique_ptr<TComponent> read = readRoot(rootRecord(shape));
    auto *copy = dynamic_cast<SampleShape *>(read.get());
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->name(), QStringLiteral("Special3"));
    EXPECT_EQ(copy->left, -300);
    EXPECT_EQ(copy->width, 70000);
    EXPECT_EQ(copy->color, qint32(0x80000005));
    EXPECT_EQ(copy->accel, QLatin1Char('z'));
    EXPECT_EQ(copy->angle, -12.25);
    EXPECT_EQ(copy->caption, shape.caption);
    EXPECT_EQ(copy->font.name, QStringLiteral("Times New Roman"));
    EXPECT_EQ(copy->font.height, -27);
    ASSERT_EQ(copy->items.items.size(), 2u);
    EXPECT_EQ(copy->items.items[1].text, QStringLiteral("two"));
    EXPECT_EQ(copy->data, shape.data);
    EXPECT_EQ(copy->loadedCount, 1);
    EXPECT_FALSE(copy->isLoading());
}

TEST_F(Records, ReadingIntoAnExistingObjectIgnoresTheClassName)
{
    SampleShape source;
    source.left = 12;
    QByteArray bytes = rootRecord(source);
    bytes.replace("TSampleShape", "TSomethingEl");
    SampleShape target;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    TReader reader(&buffer);
    EXPECT_EQ(reader.GetRootRecord(&target), nullptr);
    EXPECT_EQ(target.left, 12);
    EXPECT_EQ(target.loadedCount, 1);
}

TEST_F(Records, ErrorsNameTheObjectAndProperty)
{
    EXPECT_EQ(rootRecordError(QByteArray("TPF0\x06TNope1\x00\x00\x00", 14)),
              QStringLiteral("Class TNope1 not found"));
    const QByteArray unknown = QByteArray("TPF0\x0cTSampleShape\x02S1") + prop("Bogus", "\x02\x01")
                               + QByteArray("\x00\x00", 2);
    EXPECT_EQ(rootRecordError(unknown), QStringLiteral("Error reading S1.Bogus: Property does not exist"));
    const QByteArray badEnum = QByteArray("TPF0\x0cTSampleShape\x00", 18)
                               + prop("Alignment", "\x07\x04taUp") + QByteArray("\x00\x00", 2);
    EXPECT_EQ(rootRecordError(badEnum),
              QStringLiteral("Error reading TSampleShape.Alignment: Invalid property value"));
    const QByteArray badPath = QByteArray("TPF0\x0cTSampleShape\x00", 18)
                               + prop("Left.Name", "\x06\x01x") + QByteArray("\x00\x00", 2);
    EXPECT_EQ(rootRecordError(badPath),
              QStringLiteral("Error reading TSampleShape.Left.Name: Invalid property path"));
    const QByteArray badColour = QByteArray("TPF0\x0cTSampleShape\x00", 18)
                                 + prop("Color", "\x07\x06" "clPink") + QByteArray("\x00\x00", 2);
    EXPECT_EQ(rootRecordError(badColour),
              QStringLiteral("Error reading TSampleShape.Color: Invalid property value"));
}

TEST_F(Records, AnErrorHookCanSkipABadProperty)
{
    const QByteArray bytes = QByteArray("TPF0\x0cTSampleShape\x00", 18) + prop("Bogus", "\x06\x01x")
                             + prop("Left", "\x02\x09") + QByteArray("\x00\x00", 2);
    QStringList seen;
    auto object = readRoot(bytes, [&](TReader &, const QString &message) {
        seen << message;
        return true;
    });
    ASSERT_NE(object, nullptr);
    EXPECT_EQ(static_cast<SampleShape *>(object.get())->left, 9);
    EXPECT_EQ(seen, QStringList{QStringLiteral("Error reading TSampleShape.Bogus: Property does not exist")});
}

TEST_F(Records, ComponentRecordsUseTheNamingHookAndTheRootsFieldClasses)
{
    ClassRegistry::unregisterClass(QStringLiteral("TSampleShape"));
    SampleForm form;
    form.setName(QStringLiteral("Form1"));
    SampleShape a(&form);
    a.setName(QStringLiteral("Component1"));
    a.onClick = QStringLiteral("ShapeClick");
    SampleShape b(&form);
    b.setName(QStringLiteral("Component2"));
    b.buddy = &a;

    QByteArray bytes;
    QBuffer out(&bytes);
    out.open(QIODevice::WriteOnly);
    {
        TWriter writer(&out);
        writer.PutListStart();
        writer.PutRootRecord(a);
        writer.PutRootRecord(b);
        writer.PutListEnd();
    }
    // Objects are their own roots when written, so the form's method isn't published to
    // them and the handler is left out; the reference names the owner.
    EXPECT_FALSE(bytes.contains("ShapeClick"));
    EXPECT_TRUE(bytes.contains(prop("Buddy", "\x07\x10" "Form1.Component1")));

    SampleForm target;
    SampleShape existing(&target);
    existing.setName(QStringLiteral("Component1"));
    std::vector<std::unique_ptr<TComponent>> read;
    QBuffer in(&bytes);
    in.open(QIODevice::ReadOnly);
    TReader reader(&in);
    int counter = 1;
    reader.setNamingHook([&](TReader &, TComponent &, QString &name) {
        name = QStringLiteral("Component%1").arg(++counter);
    });
    reader.GetListStart();
    reader.GetComponentRecords(&target, nullptr, [&](std::unique_ptr<TComponent> c) {
        read.push_back(std::move(c));
    });
    ASSERT_EQ(read.size(), 2u);
    EXPECT_EQ(read[0]->name(), QStringLiteral("Component2"));
    EXPECT_EQ(read[1]->name(), QStringLiteral("Component3"));
    EXPECT_EQ(read[0]->owner(), &target);
}

TEST_F(Records, DuplicateNamesAndClassesAreRefused)
{
    SampleForm form;
    SampleShape a(&form);
    a.setName(QStringLiteral("X"));
    SampleShape b(&form);
    EXPECT_THROW(b.setName(QStringLiteral("x")), StreamError);
    const TClassInfo other(QStringLiteral("TSampleShape"), nullptr, {});
    try {
        ClassRegistry::registerClass(other);
        FAIL();
    } catch (const StreamError &e) {
        EXPECT_EQ(e.message(), QStringLiteral("A class named TSampleShape already exists"));
    }
    EXPECT_NO_THROW(ClassRegistry::registerClass(SampleShape::staticClassInfo()));
}

TEST_F(Records, ChildrenAndPrefixFlags)
{
    SampleShape parent;
    auto child = std::make_unique<SampleShape>();
    child->left = 4;
    parent.adoptChild(std::move(child));
    const QByteArray bytes = rootRecord(parent);
    auto read = readRoot(bytes);
    ASSERT_EQ(read->children().size(), 1u);
    EXPECT_EQ(static_cast<SampleShape *>(read->children()[0])->left, 4);

    // A child with the position flag moves in front of its elder sibling.
    const QByteArray child1 = QByteArray("\x0cTSampleShape\x01" "a\x00\x00", 17);
    const QByteArray child2 = QByteArray("\xf2\x02\x00\x0cTSampleShape\x01" "b\x00\x00", 20);
    const QByteArray withFlags = QByteArray("TPF0\x0cTSampleShape\x00\x00", 19) + child1 + child2
                                 + QByteArray("\x00", 1);
    auto flagged = readRoot(withFlags);
    ASSERT_EQ(flagged->children().size(), 2u);
    EXPECT_EQ(flagged->children()[0]->name(), QStringLiteral("b"));
    const QByteArray inherited = QByteArray("TPF0\x0cTSampleShape\x00\x00", 19)
                                 + QByteArray("\xf1\x0cTSampleShape\x04gone\x00\x00", 21) + QByteArray("\x00", 1);
    EXPECT_EQ(rootRecordError(inherited), QStringLiteral("Ancestor for 'gone' not found"));
}

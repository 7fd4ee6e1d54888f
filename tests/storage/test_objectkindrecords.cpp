// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Every registered kind of object has stored properties and comes back from a document as
// it was written; documents never take one kind for another.
#include <gtest/gtest.h>

#include "objects/objectkinds.h"
#include "objects/tgflatcalendar.h"
#include "objects/tggraphiccontrol.h"
#include "storage/calendarfile.h"
#include "storage/objectrecords.h"
#include "storage/streamerror.h"
#include "storage/typeinfo.h"
#include "graphics/tfont.h"

#include <QFile>
#include <QTemporaryDir>

namespace {

struct Read {
    CalendarFile::LoadOutcome outcome;
    std::vector<std::unique_ptr<TGGraphicControl>> objects;
};

Read load(const QByteArray &bytes)
{
    Read read;
    PageDocument doc;
    read.outcome = CalendarFile::loadDocumentBytes(doc, bytes, nullptr,
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

QByteArray documentOf(const std::vector<std::unique_ptr<TGGraphicControl>> &objects)
{
    const ObjectRecords::RecordList records(objects);
    return CalendarFile::documentBytes(plainDocument(), records.components());
}

// A tool's object with the properties every kind shares set away from their defaults.
std::unique_ptr<TGGraphicControl> madeWithTool(const ObjectKind &kind)
{
    std::unique_ptr<TGGraphicControl> object =
        kind.createForTool({TFont(QStringLiteral("Liberation Sans"), 14, TFont::Style::Bold),
                            QDate(2027, 5, 9)});
    object->setName(QStringLiteral("Component0"));
    object->setBounds(31, 42, 213, 97);
    object->setTag(7);
    object->setHint(QStringLiteral("a hint"));
    object->SetLocked(true);
    return object;
}

// A component that names a class in a document without being an object of it.
class NamedRecord : public TComponent
{
public:
    explicit NamedRecord(const QString &className)
        : m_info(className, nullptr, {})
    {
        setName(QStringLiteral("Odd"));
    }
    const TClassInfo &classInfo() const override { return m_info; }

private:
    TClassInfo m_info;
};

// An object of a kind that is registered nowhere.
class UnregisteredObject : public TGGraphicControl
{
public:
    QString className() const override { return QStringLiteral("TGMystery"); }
};

} // namespace

TEST(ObjectKindRecords, EveryKindHasItsStoredPropertiesAndReaderFactory)
{
    ObjectRecords::registerObjectClasses();
    for (const ObjectKind &kind : ObjectKinds::all()) {
        const QString name = QString::fromLatin1(kind.className);
        SCOPED_TRACE(kind.className);
        const TClassInfo *stored = ObjectRecords::storedClass(name);
        ASSERT_NE(stored, nullptr) << "a kind without a stored-property table";
        EXPECT_EQ(stored->name(), name);
        EXPECT_EQ(ClassRegistry::find(name), stored);
        ASSERT_TRUE(stored->factory());
        std::unique_ptr<TGGraphicControl> made =
            ObjectRecords::takeObject(stored->factory()(nullptr));
        ASSERT_TRUE(made);
        EXPECT_EQ(made->className(), name);
    }
    EXPECT_EQ(ObjectRecords::storedClass(QStringLiteral("TGMystery")), nullptr);
    EXPECT_EQ(ObjectRecords::storedClass(QStringLiteral("TGBaseLabel")), nullptr)
        << "an ancestor is no kind of its own";
}

TEST(ObjectKindRecords, EveryKindComesBackFromADocumentAsItWasWritten)
{
    for (const ObjectKind &kind : ObjectKinds::all()) {
        SCOPED_TRACE(kind.className);
        std::vector<std::unique_ptr<TGGraphicControl>> written;
        written.push_back(madeWithTool(kind));
        const QByteArray bytes = documentOf(written);

        const Read read = load(bytes);
        ASSERT_TRUE(read.outcome.ok) << qPrintable(read.outcome.message);
        EXPECT_TRUE(read.outcome.dropped.isEmpty()) << qPrintable(read.outcome.dropped.join(u'\n'));
        ASSERT_EQ(read.objects.size(), 1u);
        const TGGraphicControl &back = *read.objects.front();
        EXPECT_EQ(back.className(), QLatin1String(kind.className));
        // Kinds that follow their text have fitted the height given to them.
        EXPECT_EQ(back.boundsRect(), written.front()->boundsRect());
        EXPECT_EQ(back.Tag(), 7);
        EXPECT_TRUE(back.Locked());
        // Every stored property, the kind's own ones too, is written back as it was read.
        EXPECT_EQ(documentOf(read.objects), bytes);
    }
}

TEST(ObjectKindRecords, AnObjectOfAClassThatIsNoKindIsDroppedAndNamed)
{
    // An unknown class, and an ancestor that documents name but that makes no objects.
    for (const QString &className : {QStringLiteral("TGFuture"), QStringLiteral("TGBaseLabel"),
                                     QStringLiteral("TGGraphicControl")}) {
        SCOPED_TRACE(className.toStdString());
        std::vector<std::unique_ptr<TGGraphicControl>> labels;
        for (int n = 0; n < 2; ++n) {
            labels.push_back(ObjectKinds::find(QStringLiteral("TGPLabel"))->create());
            labels.back()->setName(QStringLiteral("Label%1").arg(n));
            labels.back()->setBounds(10 + n, 20, 100, 30);
        }
        ObjectRecord first(*labels[0]);
        NamedRecord odd(className);
        ObjectRecord second(*labels[1]);
        const Read read = load(CalendarFile::documentBytes(plainDocument(), {&first, &odd, &second}));
        ASSERT_TRUE(read.outcome.ok);
        ASSERT_EQ(read.objects.size(), 2u);
        EXPECT_EQ(read.objects[0]->Left(), 10);
        EXPECT_EQ(read.objects[1]->Left(), 11);
        EXPECT_EQ(read.objects[1]->className(), QStringLiteral("TGPLabel"));
        EXPECT_EQ(read.outcome.dropped,
                  QStringList(QStringLiteral("object 2 (%1): Class %1 not found").arg(className)));
    }
}

TEST(ObjectKindRecords, SavingAnObjectOfAnUnregisteredKindFailsAndKeepsTheFile)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("kept.OVF"));
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("the old document");
    }
    std::vector<std::unique_ptr<TGGraphicControl>> objects;
    objects.push_back(ObjectKinds::find(QStringLiteral("TGPLabel"))->create());
    objects.push_back(std::make_unique<UnregisteredObject>());
    objects.back()->setName(QStringLiteral("Special2"));
    const ObjectRecords::RecordList records(objects);

    const CalendarFile::FileResult saved = CalendarFile::SaveDocument(plainDocument(), path, records.components());
    EXPECT_FALSE(saved.ok);
    EXPECT_EQ(saved.message, QStringLiteral("The object Special2 is of a kind (TGMystery) that cannot be saved"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("the old document"));

    // The object clipboard refuses it the same way.
    EXPECT_THROW(ObjectRecords::objectListBytes({objects.back().get()}), StreamError);
}

TEST(FlatCalendarWeekNumbers, TravelInTheOptionsListByTheCalendarsPlaces)
{
    std::vector<std::unique_ptr<TGGraphicControl>> objects;
    for (const char *className : {"TGPLabel", "TGFlatCalendar", "TGFlatCalendar"}) {
        objects.push_back(madeWithTool(*ObjectKinds::find(QLatin1String(className))));
        objects.back()->setName(QStringLiteral("Component%1").arg(objects.size()));
    }
    const QByteArray plain = documentOf(objects);
    EXPECT_FALSE(plain.contains("FlatCalendarWeekNumbers")) << "calendars without numbers add nothing";

    static_cast<TGFlatCalendar &>(*objects[2]).setWeekNumbers(PageOptions::WeekNumbers::FirstJanuary);
    const QByteArray numbered = documentOf(objects);
    EXPECT_TRUE(numbered.contains("2:us"));
    EXPECT_TRUE(numbered.startsWith(plain.left(plain.size() - 1))) << "only the options list is added";

    PageDocument doc;
    std::vector<std::unique_ptr<TGGraphicControl>> read;
    ASSERT_TRUE(CalendarFile::loadDocumentBytes(doc, numbered, nullptr, ObjectRecords::collectObjects(read)).ok);
    ASSERT_EQ(read.size(), 3u);
    EXPECT_EQ(static_cast<TGFlatCalendar &>(*read[1]).weekNumbers(), PageOptions::WeekNumbers::None);
    EXPECT_EQ(static_cast<TGFlatCalendar &>(*read[2]).weekNumbers(), PageOptions::WeekNumbers::FirstJanuary);
    EXPECT_FALSE(doc.options.contains("FlatCalendarWeekNumbers")) << "the page keeps no copy to write twice";
    // Written again, the file is the same.
    const ObjectRecords::RecordList records(read);
    EXPECT_EQ(CalendarFile::documentBytes(doc, records.components()).contains("2:us"), true);
}

TEST(FlatCalendarWeekNumbers, EntriesThatNameNoFloatingCalendarAreLeftOut)
{
    std::vector<std::unique_ptr<TGGraphicControl>> objects;
    objects.push_back(madeWithTool(*ObjectKinds::find(QStringLiteral("TGPLabel"))));
    objects.push_back(madeWithTool(*ObjectKinds::find(QStringLiteral("TGFlatCalendar"))));
    objects[1]->setName(QStringLiteral("Component1"));
    // What is written comes from the objects, not from an entry the page carries.
    PageDocument doc = plainDocument();
    doc.options.setValue(QStringLiteral("FlatCalendarWeekNumbers"), QStringLiteral("1:iso"));
    const ObjectRecords::RecordList records(objects);
    EXPECT_FALSE(CalendarFile::documentBytes(doc, records.components()).contains("1:iso"));

    // A hand-made entry (same length name, so the list stays whole) naming the label, a place
    // past the end, bad places and values: only the calendar's own valid part is taken.
    doc.options.remove(QStringLiteral("FlatCalendarWeekNumbers"));
    doc.options.setValue(QStringLiteral("FlatCalendarWeekNumberZ"), QStringLiteral("0:iso,7:iso,x:us,1,1:us"));
    QByteArray edited = CalendarFile::documentBytes(doc, records.components());
    edited.replace("FlatCalendarWeekNumberZ", "FlatCalendarWeekNumbers");
    PageDocument reread;
    std::vector<std::unique_ptr<TGGraphicControl>> read;
    ASSERT_TRUE(CalendarFile::loadDocumentBytes(reread, edited, nullptr, ObjectRecords::collectObjects(read)).ok);
    ASSERT_EQ(read.size(), 2u);
    EXPECT_EQ(static_cast<TGFlatCalendar &>(*read[1]).weekNumbers(), PageOptions::WeekNumbers::FirstJanuary);
    EXPECT_TRUE(reread.options.isEmpty());
}

// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "englishnames.h"
#include "recurring/holidaylist.h"
#include "recurring/recurringentry.h"
#include "recurring/recurringreport.h"
#include "recurring/recurringstore.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

namespace {

QJsonArray parse(const QByteArray &json)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << json.toStdString();
    return document.array();
}

QList<int> days(const QJsonObject &entry)
{
    QList<int> result;
    for (const QJsonValue &value : entry.value(QStringLiteral("days")).toArray())
        result.append(value.toInt());
    return result;
}

} // namespace

TEST(RecurringReport, EntriesOfTheMonthInFileOrder)
{
    const QStringList lines = {entryLine("Xmas", "@1225"),        entryLine("Thanks", "$3 4 11"),
                               entryLine("Weekend", "%17"),       QStringLiteral("a note"),
                               entryLine("Broken", "@x"),         entryLine("Rent", "@0001")};
    const QJsonArray entries = parse(recurringReportJson(lines, 11, 2024));
    ASSERT_EQ(entries.size(), 5);
    const QJsonObject thanks = entries.at(0).toObject();
    EXPECT_EQ(thanks.value(QStringLiteral("line")).toInt(), 2);
    EXPECT_EQ(thanks.value(QStringLiteral("description")).toString(), DescribeRecurringEntry(lines.at(1)));
    EXPECT_EQ(days(thanks), QList<int>{28});
    const QJsonObject weekend = entries.at(1).toObject();
    EXPECT_EQ(weekend.value(QStringLiteral("line")).toInt(), 3);
    EXPECT_EQ(days(weekend), (QList<int>{2, 3, 9, 10, 16, 17, 23, 24, 30}));
    const QJsonObject note = entries.at(2).toObject();
    EXPECT_EQ(note.value(QStringLiteral("line")).toInt(), 4);
    EXPECT_EQ(note.value(QStringLiteral("description")).toString(), QStringLiteral("a note"));
    EXPECT_TRUE(days(note).isEmpty());
    EXPECT_EQ(entries.at(3).toObject().value(QStringLiteral("line")).toInt(), 5);
    EXPECT_TRUE(entries.at(3).toObject().value(QStringLiteral("invalid")).toBool());
    EXPECT_EQ(entries.at(4).toObject().value(QStringLiteral("line")).toInt(), 6);
}

TEST(RecurringReport, DatesThatCannotExistAreListedAsInvalidInEveryMonth)
{
    const QStringList lines = {entryLine("Leap fool", "@0230"),  entryLine("Day zero", "@0100"),
                               entryLine("Month 13", "@1305"),   entryLine("Sixth", "$6 1 2"),
                               entryLine("Nobody", "#PENTECOST"), entryLine("Leap day", "@0229"),
                               entryLine("Monthly", "@0031")};
    const QJsonArray entries = parse(recurringReportJson(lines, 2, 2027));
    ASSERT_EQ(entries.size(), 7);
    for (int i = 0; i < 5; ++i) {
        const QJsonObject entry = entries.at(i).toObject();
        EXPECT_TRUE(entry.value(QStringLiteral("invalid")).toBool()) << i;
        EXPECT_TRUE(days(entry).isEmpty()) << i;
    }
    EXPECT_EQ(entries.at(0).toObject().value(QStringLiteral("description")).toString(),
              QStringLiteral("Leap fool (invalid formula \"@0230\")"));
    // A real date that 2027's February lacks is no error, and falls on no day.
    for (int i = 5; i < 7; ++i) {
        EXPECT_FALSE(entries.at(i).toObject().contains(QStringLiteral("invalid"))) << i;
        EXPECT_TRUE(days(entries.at(i).toObject()).isEmpty()) << i;
    }
}

TEST(RecurringReport, HolidaysOfMarch2018)
{
    const QJsonArray entries = parse(recurringReportJson(holidayLines(), 3, 2018));
    QList<int> lineNumbers;
    QList<QList<int>> allDays;
    for (const QJsonValue &value : entries) {
        lineNumbers.append(value.toObject().value(QStringLiteral("line")).toInt());
        allDays.append(days(value.toObject()));
    }
    // The clock change, Good Friday, Palm Sunday and St. Patrick's Day are lines 4, 9, 19
    // and 21 of the list.
    EXPECT_EQ(lineNumbers, (QList<int>{4, 9, 19, 21}));
    EXPECT_EQ(allDays, (QList<QList<int>>{{11}, {30}, {25}, {17}}));
}

TEST(RecurringReport, FilesAndArguments)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("dates.dax"));
    QString error;
    EXPECT_TRUE(loadRecurringReportFile(path, &error).isEmpty());
    EXPECT_FALSE(error.isEmpty());

    ASSERT_EQ(RecurringStore::save(path, {entryLine("Xmas", "@1225")}), QString());
    EXPECT_EQ(loadRecurringReportFile(path, &error).size(), 1);
    EXPECT_TRUE(error.isEmpty());

    EXPECT_TRUE(recurringReportMonthError(12, 2024).isEmpty());
    EXPECT_FALSE(recurringReportMonthError(0, 2024).isEmpty());
    EXPECT_FALSE(recurringReportMonthError(13, 2024).isEmpty());
    EXPECT_FALSE(recurringReportMonthError(1, 0).isEmpty());
    EXPECT_FALSE(recurringReportMonthError(1, 10000).isEmpty());
    // Even unchecked arguments give valid JSON.
    EXPECT_EQ(parse(recurringReportJson(holidayLines(), 13, -5)).size(), 0);
}

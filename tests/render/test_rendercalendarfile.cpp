// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QTemporaryDir>

#include "renderprocess.h"

namespace {

QString writeCalendar(const QTemporaryDir &dir)
{
    const QString path = dir.filePath(QStringLiteral("family.ics"));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write("BEGIN:VCALENDAR\r\nVERSION:2.0\r\n"
               "BEGIN:VEVENT\r\nUID:a\r\nDTSTART:20261204T180000Z\r\nSUMMARY:Club night\r\nEND:VEVENT\r\n"
               "BEGIN:VEVENT\r\nUID:b\r\nDTSTART;VALUE=DATE:20261224\r\nSUMMARY:Eve\r\nEND:VEVENT\r\n"
               "END:VCALENDAR\r\n");
    return path;
}

QStringList monthOf(const QString &path, const char *month)
{
    return {QStringLiteral("--ics"), path, QStringLiteral("--month"), QLatin1String(month),
            QStringLiteral("--year"), QStringLiteral("2026")};
}

} // namespace

TEST(RenderCalendarFile, EventsOfAMonthAsJsonInLocalTime)
{
    qputenv("TZ", "Europe/Berlin");
    QTemporaryDir dir;
    const RunResult run = render(monthOf(writeCalendar(dir), "12"));
    qunsetenv("TZ");
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    const QJsonArray events = QJsonDocument::fromJson(run.out).array();
    ASSERT_EQ(events.size(), 2);
    const QJsonObject club = events.at(0).toObject();
    EXPECT_EQ(club.value(QStringLiteral("day")).toInt(), 4);
    EXPECT_EQ(club.value(QStringLiteral("summary")).toString(), QStringLiteral("Club night"));
    EXPECT_FALSE(club.value(QStringLiteral("allDay")).toBool());
    EXPECT_EQ(club.value(QStringLiteral("start")).toString(), QStringLiteral("19:00"));
    const QJsonObject eve = events.at(1).toObject();
    EXPECT_EQ(eve.value(QStringLiteral("day")).toInt(), 24);
    EXPECT_TRUE(eve.value(QStringLiteral("allDay")).toBool());
    EXPECT_TRUE(eve.value(QStringLiteral("start")).isNull());

    const RunResult empty = render(monthOf(writeCalendar(dir), "11"));
    EXPECT_EQ(empty.exitCode, 0);
    EXPECT_EQ(empty.out, QByteArray("[]\n"));
}

TEST(RenderCalendarFile, UnreadableFilesAndMissingMonthsFail)
{
    QTemporaryDir dir;
    const RunResult missing = render(monthOf(dir.filePath(QStringLiteral("none.ics")), "12"));
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.out.isEmpty());
    EXPECT_TRUE(missing.err.contains("the file does not exist")) << missing.err.constData();
    const RunResult noMonth = render({QStringLiteral("--ics"), writeCalendar(dir)});
    EXPECT_EQ(noMonth.exitCode, 2);
    EXPECT_TRUE(noMonth.err.contains("--month")) << noMonth.err.constData();
}

TEST(RenderCalendarFile, EventsCutShortAreSaidAndMarkTheListingIncomplete)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("long.ics"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("BEGIN:VCALENDAR\r\nVERSION:2.0\r\n"
               "BEGIN:VEVENT\r\nUID:c\r\nDTSTART:19000101T090000\r\nRRULE:FREQ=DAILY;COUNT=100000\r\n"
               "SUMMARY:Counted\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n");
    file.close();
    const RunResult run = render(monthOf(path, "12"));
    EXPECT_EQ(run.exitCode, 3);
    EXPECT_TRUE(run.err.contains("One of the file's events")) << run.err.constData();
    EXPECT_EQ(run.out, QByteArray("[]\n"));
}

TEST(RenderCalendarFile, FillingADocumentTwicePlacesEachEventOnce)
{
    QTemporaryDir dir;
    const QString ics = writeCalendar(dir);
    const QString blank = dir.filePath(QStringLiteral("blank.OVF"));
    const QString once = dir.filePath(QStringLiteral("once.OVF"));
    const QString twice = dir.filePath(QStringLiteral("twice.OVF"));
    ASSERT_EQ(render({QStringLiteral("--layout"), QStringLiteral("0"), QStringLiteral("--month"), QStringLiteral("12"),
                      QStringLiteral("--year"), QStringLiteral("2026"), QStringLiteral("--save"), blank})
                  .exitCode, 0);
    const RunResult first = render({blank, QStringLiteral("--fill-ics"), ics, QStringLiteral("--save"), once});
    ASSERT_EQ(first.exitCode, 0) << first.err.constData();
    ASSERT_EQ(render({once, QStringLiteral("--fill-ics"), ics, QStringLiteral("--save"), twice}).exitCode, 0);
    const RunResult dump = render({QStringLiteral("--dump"), twice});
    ASSERT_EQ(dump.exitCode, 0) << dump.err.constData();
    EXPECT_EQ(dump.out.count("Club night"), 1) << dump.out.constData();
    EXPECT_EQ(dump.out.count("Eve"), 1);

    const RunResult broken = render({blank, QStringLiteral("--fill-ics"), dir.filePath(QStringLiteral("none.ics")),
                                     QStringLiteral("--save"), dir.filePath(QStringLiteral("never.OVF"))});
    EXPECT_EQ(broken.exitCode, 1);
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("never.OVF"))));
}

namespace {

// The text of each painted cell by its date, from --geometry.
QMap<QString, QString> textsByDate(const QByteArray &geometry)
{
    QMap<QString, QString> texts;
    for (const QJsonValue &cell : QJsonDocument::fromJson(geometry).object().value(QStringLiteral("cells")).toArray()) {
        const QJsonObject object = cell.toObject();
        if (object.contains(QStringLiteral("date")) && !object.value(QStringLiteral("text")).toString().isEmpty())
            texts[object.value(QStringLiteral("date")).toString()] += object.value(QStringLiteral("text")).toString() + "|";
    }
    return texts;
}

} // namespace

TEST(RenderCalendarFile, RecurringAndICalendarFillsPlaceADateInTheSameCell)
{
    QTemporaryDir dir;
    const QString list = dir.filePath(QStringLiteral("dates.dax"));
    QFile listFile(list);
    ASSERT_TRUE(listFile.open(QIODevice::WriteOnly));
    listFile.write(QByteArray("Party").leftJustified(120, ' ') + QByteArray("@0101").leftJustified(10, ' ') + "\r\n"
                   + QByteArray("Mondays").leftJustified(120, ' ') + QByteArray("%2").leftJustified(10, ' ') + "\r\n");
    listFile.close();
    const QString ics = dir.filePath(QStringLiteral("party.ics"));
    QFile icsFile(ics);
    ASSERT_TRUE(icsFile.open(QIODevice::WriteOnly));
    icsFile.write("BEGIN:VCALENDAR\r\nVERSION:2.0\r\nBEGIN:VEVENT\r\nUID:p\r\nDTSTART;VALUE=DATE:20260101\r\n"
                  "SUMMARY:Fireworks\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n");
    icsFile.close();
    // A two-week planner across the year's end, a month page and a day planner.
    for (const QStringList &page : {QStringList{"--layout", "19", "--month", "12", "--year", "2025", "--day", "22"},
                                    QStringList{"--layout", "0", "--month", "1", "--year", "2026"},
                                    QStringList{"--layout", "20", "--month", "1", "--year", "2026", "--day", "1"}}) {
        const RunResult run = render(page + QStringList{"--fill-recurring", list, "--holidays-too", "--fill-ics", ics, "--geometry"});
        ASSERT_EQ(run.exitCode, 0) << run.err.constData();
        const QMap<QString, QString> texts = textsByDate(run.out);
        const QString newYear = texts.value(QStringLiteral("2026-01-01"));
        EXPECT_EQ(newYear, QStringLiteral("Fireworks\nParty\nNew Year's Day|"))
            << qPrintable(page.join(' ')) << ": " << qPrintable(newYear);
        if (page.at(1) == QStringLiteral("19")) {
            EXPECT_EQ(texts.value(QStringLiteral("2025-12-22")), QStringLiteral("Mondays|"));
            EXPECT_EQ(texts.value(QStringLiteral("2025-12-25")), QStringLiteral("Christmas Day|"));
        }
    }
    const RunResult alone = render({QStringLiteral("--holidays-too")});
    EXPECT_EQ(alone.exitCode, 2);
}

// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "recurring/moonphases.h"

#include <QFile>
#include <QTimeZone>

#include <cstdlib>
#include <ctime>
#include <optional>

using MoonPhases::Event;
using MoonPhases::Phase;

namespace {

std::optional<Phase> phaseFromName(const QString &name)
{
    for (Phase phase : {Phase::New, Phase::FirstQuarter, Phase::Full, Phase::LastQuarter}) {
        if (MoonPhases::phaseName(phase) == name)
            return phase;
    }
    return std::nullopt;
}

QList<Event> referenceTable()
{
    QFile file(qEnvironmentVariable("ORVANE_TEST_DATA") + QStringLiteral("/moonphases.ref"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<Event> events;
    for (const QByteArray &line : file.readAll().split('\n')) {
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        const QList<QByteArray> fields = line.split(' ');
        const std::optional<Phase> phase
            = fields.size() == 2 ? phaseFromName(QString::fromLatin1(fields[1])) : std::nullopt;
        QDateTime utc = QDateTime::fromString(QString::fromLatin1(fields[0]), Qt::ISODate);
        if (!phase || !utc.isValid()) {
            ADD_FAILURE() << "bad reference line: " << line.constData();
            continue;
        }
        events.append({*phase, utc.toUTC()});
    }
    return events;
}

QDateTime utc(int y, int mo, int d, int h, int mi)
{
    return QDateTime(QDate(y, mo, d), QTime(h, mi), Qt::UTC);
}

// Sets the process's time zone for one test and puts the old one back.
class TimeZoneScope
{
public:
    explicit TimeZoneScope(const char *zone) : m_old(qgetenv("TZ")), m_had(qEnvironmentVariableIsSet("TZ"))
    {
        qputenv("TZ", zone);
        tzset();
    }
    ~TimeZoneScope()
    {
        if (m_had)
            qputenv("TZ", m_old);
        else
            qunsetenv("TZ");
        tzset();
    }

private:
    QByteArray m_old;
    bool m_had;
};

} // namespace

// Every phase of every fourth year 1900-2100 in an independently computed table is found
// within two minutes, and no phase is found that the table lacks.
TEST(MoonPhases, WithinTwoMinutesOfTheReferenceTable)
{
    const QList<Event> reference = referenceTable();
    ASSERT_GT(reference.size(), 2400);
    QHash<int, QList<Event>> byYear;
    for (const Event &event : reference)
        byYear[event.utc.date().year()].append(event);
    qint64 worst = 0;
    for (auto it = byYear.cbegin(); it != byYear.cend(); ++it) {
        const QList<Event> computed = MoonPhases::ofYear(it.key());
        const QList<Event> &expected = it.value();
        ASSERT_EQ(computed.size(), expected.size()) << it.key();
        for (qsizetype i = 0; i < computed.size(); ++i) {
            const qint64 off = std::abs(computed[i].utc.secsTo(expected[i].utc));
            worst = std::max(worst, off);
            EXPECT_EQ(computed[i].phase, expected[i].phase) << expected[i].utc.toString(Qt::ISODate).toStdString();
            EXPECT_LE(off, 120) << MoonPhases::phaseName(expected[i].phase).toStdString() << " "
                                << expected[i].utc.toString(Qt::ISODate).toStdString();
        }
    }
    RecordProperty("worst_seconds", int(worst));
}

// Published times (the U.S. Naval Observatory's and a DE430-based almanac's, given to the
// minute): a check of the reference table's own source.
TEST(MoonPhases, PublishedTimes)
{
    const struct {
        QDateTime utc;
        Phase phase;
    } published[] = {
        {utc(2000, 1, 6, 18, 14), Phase::New},          {utc(2024, 1, 4, 3, 30), Phase::LastQuarter},
        {utc(2024, 1, 11, 11, 57), Phase::New},         {utc(2024, 1, 18, 3, 53), Phase::FirstQuarter},
        {utc(2024, 1, 25, 17, 54), Phase::Full},        {utc(2024, 12, 15, 9, 2), Phase::Full},
        {utc(2025, 1, 13, 22, 27), Phase::Full},        {utc(2025, 1, 21, 20, 31), Phase::LastQuarter},
    };
    for (const auto &entry : published) {
        const QList<Event> found
            = MoonPhases::between(entry.utc.addSecs(-3600), entry.utc.addSecs(3600));
        ASSERT_EQ(found.size(), 1) << entry.utc.toString(Qt::ISODate).toStdString();
        EXPECT_EQ(found[0].phase, entry.phase);
        EXPECT_LE(std::abs(found[0].utc.secsTo(entry.utc)), 120);
    }
}

TEST(MoonPhases, YearsRunInOrderThroughTheCycle)
{
    for (int year : {1900, 1999, 2000, 2037, 2100}) {
        const QList<Event> events = MoonPhases::ofYear(year);
        ASSERT_GE(events.size(), 48) << year;
        ASSERT_LE(events.size(), 51) << year;
        for (qsizetype i = 0; i < events.size(); ++i) {
            EXPECT_EQ(events[i].utc.date().year(), year);
            EXPECT_EQ(events[i].utc.timeSpec(), Qt::UTC);
            if (i == 0)
                continue;
            const qint64 gap = events[i - 1].utc.secsTo(events[i].utc);
            // Quarter lunations last between about 6.5 and 8.2 days.
            EXPECT_GT(gap, 6 * 86400) << year << " " << i;
            EXPECT_LT(gap, 9 * 86400) << year << " " << i;
            EXPECT_EQ(int(events[i].phase), (int(events[i - 1].phase) + 1) % 4);
        }
    }
}

TEST(MoonPhases, EmptyAndBackwardRangesHaveNoPhases)
{
    EXPECT_TRUE(MoonPhases::between(utc(2024, 2, 1, 0, 0), utc(2024, 1, 1, 0, 0)).isEmpty());
    EXPECT_TRUE(MoonPhases::between(QDateTime(), utc(2024, 1, 1, 0, 0)).isEmpty());
    EXPECT_TRUE(MoonPhases::localDates(QDate(2024, 2, 1), QDate(2024, 1, 1)).isEmpty());
    // A range from the start of time ends after a thousand years, not never.
    EXPECT_LE(MoonPhases::between(utc(1, 1, 1, 0, 0), utc(9999, 1, 1, 0, 0)).size(), 4 * 12400);
}

TEST(MoonPhases, DeltaTFollowsTheObservedValues)
{
    // Observed: about -2.7 s in 1900, 29 s in 1950, 63.8 s in 2000.
    EXPECT_NEAR(MoonPhases::deltaTSeconds(1900.0), -2.8, 1.0);
    EXPECT_NEAR(MoonPhases::deltaTSeconds(1950.0), 29.1, 1.0);
    EXPECT_NEAR(MoonPhases::deltaTSeconds(2000.0), 63.9, 1.0);
}

// A phase belongs to the date it falls on in the system's time zone.
TEST(MoonPhases, LocalDateFollowsTheTimeZone)
{
    // Last quarter 2024-01-04 03:30 UTC; new moon 2022-11-23 22:57 UTC.
    {
        const TimeZoneScope zone("America/New_York");
        const auto dates = MoonPhases::localDates(QDate(2024, 1, 1), QDate(2024, 1, 31));
        EXPECT_EQ(dates.value(QDate(2024, 1, 3), Phase::New), Phase::LastQuarter);
        EXPECT_FALSE(dates.contains(QDate(2024, 1, 4)));
    }
    {
        const TimeZoneScope zone("UTC");
        const auto dates = MoonPhases::localDates(QDate(2022, 11, 1), QDate(2022, 11, 30));
        EXPECT_EQ(dates.value(QDate(2022, 11, 23), Phase::Full), Phase::New);
        const auto january = MoonPhases::localDates(QDate(2024, 1, 1), QDate(2024, 1, 31));
        EXPECT_TRUE(january.contains(QDate(2024, 1, 4)));
    }
    {
        const TimeZoneScope zone("Asia/Tokyo");
        const auto dates = MoonPhases::localDates(QDate(2022, 11, 1), QDate(2022, 11, 30));
        EXPECT_EQ(dates.value(QDate(2022, 11, 24), Phase::Full), Phase::New);
        EXPECT_FALSE(dates.contains(QDate(2022, 11, 23)));
        // A phase whose local date is just past the range is left out.
        const auto onlyThe23rd = MoonPhases::localDates(QDate(2022, 11, 23), QDate(2022, 11, 23));
        EXPECT_TRUE(onlyThe23rd.isEmpty());
    }
}

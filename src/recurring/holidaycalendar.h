// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDate>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <vector>

// The public holidays of one country and its regions, read from a shipped holiday file
// (data/Holidays/<code>.holidays, described in data/README.md). The file is checked as a
// whole when it is read: anything the format does not allow fails with the line and the
// reason, so a damaged or foreign file is never half used.

enum class HolidayKind : quint8 { Public, Bank, Optional, School, Observance };

// "public", "bank", "optional", "school", "observance".
QString holidayKindName(HolidayKind kind);

struct HolidayRegion
{
    QString code;      // as the file writes it: "BY", "ENG", "TX"
    QString name;      // in English
    QString localName; // in the country's language
};

struct Holiday
{
    QDate date;
    QString name;      // in English
    QString localName; // in the country's language
    HolidayKind kind = HolidayKind::Public;
};

class HolidayCalendar
{
public:
    static constexpr int kFormatVersion = 1;
    // The largest shipped file is a quarter of this.
    static constexpr qint64 kMaxFileSize = 4 * 1024 * 1024;

    // Header: the country, its years and regions only, for lists of countries.
    enum class Scope { Header, Everything };

    // Reads a holiday file; on failure the calendar is empty and error says why (without
    // the file's name).
    bool load(const QString &path, QString *error, Scope scope = Scope::Everything);
    bool parse(const QByteArray &bytes, QString *error, Scope scope = Scope::Everything);

    bool isEmpty() const { return m_code.isEmpty(); }
    QString countryCode() const { return m_code; }
    QString countryName() const { return m_name; }
    QString localCountryName() const { return m_localName; }
    // ISO 639-1 code of the local names.
    QString language() const { return m_language; }
    int firstYear() const { return m_firstYear; }
    int lastYear() const { return m_lastYear; }
    const QList<HolidayRegion> &regions() const { return m_regions; }
    // An empty code is the country as a whole, which every calendar has.
    bool hasRegion(const QString &code) const;

    // The holidays of the year in the region (empty: the country as a whole), by date;
    // nothing for a year outside firstYear()..lastYear() or a region the country lacks.
    QList<Holiday> holidays(int year, const QString &region = QString()) const;

private:
    struct Entry
    {
        quint8 month;
        quint8 day;
        HolidayKind kind;
        quint32 name;
        quint32 where; // index into m_places
    };

    void clear();

    QString m_code;
    QString m_name;
    QString m_localName;
    QString m_language;
    int m_firstYear = 0;
    int m_lastYear = -1;
    QList<HolidayRegion> m_regions;
    QHash<QString, int> m_regionIndex; // code -> 1-based place; the country is place 0
    QList<QString> m_names;
    QList<QString> m_localNames;
    // Each distinct "where" field once: for each place (country, regions), whether it is in.
    std::vector<std::vector<bool>> m_places;
    std::vector<Entry> m_entries;
    std::vector<quint32> m_yearStart; // first entry of each year, and the end after the last
};

// The shipped holiday files, in the data folder beside the program.
namespace HolidayFiles {

struct Country
{
    QString code;
    QString name;
    QString localName;
    QList<HolidayRegion> regions;
};

QString folder();
QString fileOf(const QString &countryCode);

// The countries of every holiday file in the folder that reads, by code; the files that do
// not read are named with their reason in problems.
QList<Country> countries(QStringList *problems = nullptr);

// "DE" or "DE-BY" (case does not matter) as the country's and the region's code; false
// when it is neither.
bool splitPlace(const QString &place, QString *country, QString *region);
// The place of a country and one of its regions ("DE-BY"), or of the country alone when the
// region or the country is empty.
QString joinPlace(const QString &country, const QString &region);

} // namespace HolidayFiles

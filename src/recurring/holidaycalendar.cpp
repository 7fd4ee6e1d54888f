// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "holidaycalendar.h"

#include "core/apppaths.h"
#include "core/filebytes.h"

#include <QByteArrayView>

#include <algorithm>
#include <array>
#include <optional>

namespace {

constexpr QByteArrayView kMagic = "ORVANE-HOLIDAYS";
// Far above what a country needs, low enough that a damaged count cannot make the reader
// allocate much: a file is at most 4 MB anyway.
constexpr int kMaxRegions = 1000;
constexpr int kMaxNames = 100000;
constexpr int kMaxYears = 1000;
constexpr qsizetype kMaxTextBytes = 400;
constexpr qsizetype kMaxCodeBytes = 8;
constexpr int kMaxFields = 6;

struct Fields
{
    std::array<QByteArrayView, kMaxFields> at;
    int count = 0; // more than kMaxFields counts as kMaxFields + 1
};

Fields splitFields(QByteArrayView line)
{
    Fields fields;
    qsizetype start = 0;
    while (true) {
        const qsizetype tab = line.indexOf('\t', start);
        const QByteArrayView field = line.sliced(start, (tab < 0 ? line.size() : tab) - start);
        if (fields.count == kMaxFields) {
            fields.count = kMaxFields + 1;
            return fields;
        }
        fields.at[size_t(fields.count++)] = field;
        if (tab < 0)
            return fields;
        start = tab + 1;
    }
}

// A number of at most maxDigits decimal digits, without sign or spaces; -1 when it is not.
int number(QByteArrayView text, int maxDigits)
{
    if (text.isEmpty() || text.size() > maxDigits)
        return -1;
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}

bool isCode(QByteArrayView text)
{
    if (text.isEmpty() || text.size() > kMaxCodeBytes)
        return false;
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'); });
}

bool isCountryCode(QByteArrayView text)
{
    return text.size() == 2 && isCode(text) && text[0] >= 'A' && text[1] >= 'A';
}

// Names are shown and printed: they may hold any character but the control characters.
bool isText(QByteArrayView text)
{
    if (text.isEmpty() || text.size() > kMaxTextBytes)
        return false;
    return std::none_of(text.begin(), text.end(),
                        [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7f; });
}

std::optional<HolidayKind> kindOf(QByteArrayView letter)
{
    if (letter.size() != 1)
        return std::nullopt;
    switch (letter[0]) {
    case 'p': return HolidayKind::Public;
    case 'b': return HolidayKind::Bank;
    case 'o': return HolidayKind::Optional;
    case 's': return HolidayKind::School;
    case 'v': return HolidayKind::Observance;
    default: return std::nullopt;
    }
}

QString text(QByteArrayView bytes)
{
    return QString::fromUtf8(bytes);
}

// The line (from 1) where the first byte that is not UTF-8 lies.
int lineOfBadUtf8(QByteArrayView bytes)
{
    int line = 1;
    qsizetype start = 0;
    while (start <= bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        if (end < 0)
            end = bytes.size();
        if (!bytes.sliced(start, end - start).isValidUtf8())
            return line;
        start = end + 1;
        ++line;
    }
    return line;
}

} // namespace

QString holidayKindName(HolidayKind kind)
{
    switch (kind) {
    case HolidayKind::Public: return QStringLiteral("public");
    case HolidayKind::Bank: return QStringLiteral("bank");
    case HolidayKind::Optional: return QStringLiteral("optional");
    case HolidayKind::School: return QStringLiteral("school");
    case HolidayKind::Observance: return QStringLiteral("observance");
    }
    return QString();
}

void HolidayCalendar::clear()
{
    *this = HolidayCalendar();
}

bool HolidayCalendar::load(const QString &path, QString *error, Scope scope)
{
    clear();
    const FileBytes::ReadResult file = FileBytes::readRegularFile(path, kMaxFileSize);
    if (file.failure == FileBytes::Failure::TooLarge) {
        *error = QStringLiteral("it is larger than %1 MB, too large for a holiday file")
                     .arg(kMaxFileSize / (1024 * 1024));
        return false;
    }
    if (!file.ok()) {
        *error = file.reason;
        return false;
    }
    return parse(file.bytes, error, scope);
}

bool HolidayCalendar::parse(const QByteArray &bytes, QString *error, Scope scope)
{
    clear();
    if (bytes.size() > kMaxFileSize) {
        *error = QStringLiteral("it is larger than %1 MB, too large for a holiday file")
                     .arg(kMaxFileSize / (1024 * 1024));
        return false;
    }
    if (!QByteArrayView(bytes).startsWith(kMagic)) {
        *error = QStringLiteral("it is not a holiday file");
        return false;
    }
    if (!QByteArrayView(bytes).isValidUtf8()) {
        *error = QStringLiteral("line %1: the text is not UTF-8").arg(lineOfBadUtf8(bytes));
        return false;
    }

    enum class Stage { Magic, Country, Years, Regions, Names, Body, Ended };
    Stage stage = Stage::Magic;
    int lineNumber = 0;
    int year = 0;
    int lastDate = 0; // month * 100 + day of the holiday line before, in this year
    qsizetype holidayLines = 0;
    QHash<QByteArray, quint32> placeIndex;
    QByteArray countryCode;
    HolidayCalendar result;

    const auto fail = [&](const QString &reason) {
        *error = QStringLiteral("line %1: %2").arg(lineNumber).arg(reason);
        clear();
        return false;
    };

    // The "where" field of a holiday line as the places it holds; empty with the reason set
    // when it names what the file does not have.
    const auto places = [&](QByteArrayView field, QString *reason) -> std::vector<bool> {
        const size_t count = size_t(result.m_regions.size()) + 1;
        std::vector<bool> in(count, false);
        QByteArrayView list = field;
        if (field.startsWith('*')) {
            in.assign(count, true);
            if (field.size() == 1)
                return in;
            if (field.size() < 3 || field[1] != '-') {
                *reason = QStringLiteral("'%1' is no list of regions").arg(text(field));
                return {};
            }
            list = field.sliced(2);
        }
        const bool except = list.data() != field.data();
        qsizetype start = 0;
        while (start <= list.size()) {
            qsizetype comma = list.indexOf(',', start);
            if (comma < 0)
                comma = list.size();
            const QByteArrayView code = list.sliced(start, comma - start);
            int place = -1;
            if (!except && code == QByteArrayView(countryCode))
                place = 0;
            else if (isCode(code))
                place = result.m_regionIndex.value(QString::fromLatin1(code), -1);
            if (place < 0) {
                *reason = code.isEmpty() ? QStringLiteral("'%1' is no list of regions").arg(text(field))
                                         : QStringLiteral("the file has no region '%1'").arg(text(code));
                return {};
            }
            in[size_t(place)] = !except;
            start = comma + 1;
        }
        return in;
    };

    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        if (end < 0)
            end = bytes.size();
        const QByteArrayView line = QByteArrayView(bytes).sliced(start, end - start);
        start = end + 1;
        ++lineNumber;
        if (stage == Stage::Ended)
            return fail(QStringLiteral("there is more after the end line"));
        if (line.isEmpty())
            return fail(QStringLiteral("an empty line"));
        const Fields f = splitFields(line);
        const QByteArrayView key = f.at[0];

        if (stage == Stage::Magic) {
            const int version = f.count == 2 && key == kMagic ? number(f.at[1], 4) : -1;
            if (version < 0)
                return fail(QStringLiteral("it is not a holiday file"));
            if (version != kFormatVersion)
                return fail(QStringLiteral("it is a holiday file of version %1; this program reads version %2")
                                .arg(version)
                                .arg(kFormatVersion));
            stage = Stage::Country;
            continue;
        }
        if (stage == Stage::Country) {
            if (key != "country" || f.count != 5)
                return fail(QStringLiteral("the country line is missing"));
            if (!isCountryCode(f.at[1]) || !isText(f.at[2]) || !isText(f.at[3])
                || f.at[4].size() != 2 || !std::all_of(f.at[4].begin(), f.at[4].end(), [](char c) {
                       return c >= 'a' && c <= 'z';
                   }))
                return fail(QStringLiteral("the country line is not a code, two names and a language"));
            countryCode = f.at[1].toByteArray();
            result.m_code = QString::fromLatin1(countryCode);
            result.m_name = text(f.at[2]);
            result.m_localName = text(f.at[3]);
            result.m_language = QString::fromLatin1(f.at[4]);
            stage = Stage::Years;
            continue;
        }
        if (stage == Stage::Years) {
            const int first = f.count == 3 && key == "years" ? number(f.at[1], 4) : -1;
            const int last = f.count == 3 && key == "years" ? number(f.at[2], 4) : -1;
            if (first < 1 || last < first || last - first >= kMaxYears)
                return fail(QStringLiteral("the years line is missing or its years are out of order "
                                           "(at most %1 years from 1 to 9999)")
                                .arg(kMaxYears));
            result.m_firstYear = first;
            result.m_lastYear = last;
            stage = Stage::Regions;
            continue;
        }
        if (key == "region") {
            if (stage != Stage::Regions)
                return fail(QStringLiteral("a region comes after the names"));
            if (f.count < 3 || f.count > 4 || !isCode(f.at[1]) || !isText(f.at[2])
                || (f.count == 4 && !isText(f.at[3])))
                return fail(QStringLiteral("a region line is not a code and one or two names"));
            const QString code = QString::fromLatin1(f.at[1]);
            if (code == result.m_code || result.m_regionIndex.contains(code))
                return fail(QStringLiteral("the region code '%1' is used twice").arg(code));
            if (result.m_regions.size() >= kMaxRegions)
                return fail(QStringLiteral("more than %1 regions").arg(kMaxRegions));
            const QString name = text(f.at[2]);
            result.m_regions.append({code, name, f.count == 4 ? text(f.at[3]) : name});
            result.m_regionIndex.insert(code, int(result.m_regions.size()));
            continue;
        }
        if (scope == Scope::Header && (key == "name" || key == "year" || key == "end")) {
            *this = std::move(result);
            return true;
        }
        if (key == "name") {
            if (stage != Stage::Regions && stage != Stage::Names)
                return fail(QStringLiteral("a name comes after the first year"));
            if (f.count < 2 || f.count > 3 || !isText(f.at[1]) || (f.count == 3 && !isText(f.at[2])))
                return fail(QStringLiteral("a name line is not one or two names"));
            if (result.m_names.size() >= kMaxNames)
                return fail(QStringLiteral("more than %1 names").arg(kMaxNames));
            result.m_names.append(text(f.at[1]));
            result.m_localNames.append(f.count == 3 ? text(f.at[2]) : result.m_names.last());
            stage = Stage::Names;
            continue;
        }
        if (key == "year") {
            const int expected = stage == Stage::Body ? year + 1 : result.m_firstYear;
            const int next = f.count == 2 ? number(f.at[1], 4) : -1;
            if (next != expected || next > result.m_lastYear)
                return fail(next > result.m_lastYear
                                ? QStringLiteral("year %1 is past the last year, %2").arg(next).arg(result.m_lastYear)
                                : QStringLiteral("year %1 should be here").arg(expected));
            year = next;
            lastDate = 0;
            result.m_yearStart.push_back(quint32(result.m_entries.size()));
            stage = Stage::Body;
            continue;
        }
        if (key == "end") {
            const int count = f.count == 2 ? number(f.at[1], 9) : -1;
            if (count < 0)
                return fail(QStringLiteral("the end line holds no count"));
            if (stage != Stage::Body || year != result.m_lastYear)
                return fail(QStringLiteral("the file ends before year %1")
                                .arg(stage == Stage::Body ? year + 1 : result.m_firstYear));
            if (count != holidayLines)
                return fail(QStringLiteral("the end line counts %1 holidays, the file holds %2")
                                .arg(count)
                                .arg(holidayLines));
            stage = Stage::Ended;
            continue;
        }
        if (stage != Stage::Body)
            return fail(QStringLiteral("'%1' is no line of a holiday file")
                            .arg(text(key.first(std::min<qsizetype>(key.size(), 40)))));
        // A holiday: MMDD, kind, name number, where.
        if (f.count != 4)
            return fail(QStringLiteral("a holiday line is not a date, a kind, a name and the regions"));
        const int date = f.at[0].size() == 4 ? number(f.at[0], 4) : -1;
        const int month = date / 100;
        const int day = date % 100;
        if (date < 0 || !QDate::isValid(year, month, day))
            return fail(QStringLiteral("'%1' is no date of %2").arg(text(f.at[0])).arg(year));
        if (date < lastDate)
            return fail(QStringLiteral("%1 comes after a later date").arg(text(f.at[0])));
        const std::optional<HolidayKind> kind = kindOf(f.at[1]);
        if (!kind)
            return fail(QStringLiteral("'%1' is no kind of holiday").arg(text(f.at[1])));
        const int name = number(f.at[2], 6);
        if (name < 0 || name >= result.m_names.size())
            return fail(QStringLiteral("'%1' is no number of a name").arg(text(f.at[2])));
        const QByteArray where = f.at[3].toByteArray();
        auto found = placeIndex.constFind(where);
        if (found == placeIndex.cend()) {
            QString reason;
            std::vector<bool> in = places(where, &reason);
            if (in.empty())
                return fail(reason);
            result.m_places.push_back(std::move(in));
            found = placeIndex.insert(where, quint32(result.m_places.size() - 1));
        }
        result.m_entries.push_back({quint8(month), quint8(day), *kind, quint32(name), *found});
        lastDate = date;
        ++holidayLines;
    }
    if (stage != Stage::Ended) {
        *error = stage == Stage::Magic ? QStringLiteral("it is not a holiday file")
                                       : QStringLiteral("it ends before its end line: it was cut short");
        clear();
        return false;
    }
    result.m_yearStart.push_back(quint32(result.m_entries.size()));
    *this = std::move(result);
    return true;
}

bool HolidayCalendar::hasRegion(const QString &code) const
{
    return code.isEmpty() ? !isEmpty() : m_regionIndex.contains(code);
}

QList<Holiday> HolidayCalendar::holidays(int year, const QString &region) const
{
    QList<Holiday> list;
    if (year < m_firstYear || year > m_lastYear || size_t(year - m_firstYear) + 1 >= m_yearStart.size())
        return list;
    const int place = region.isEmpty() ? 0 : m_regionIndex.value(region, -1);
    if (place < 0)
        return list;
    const size_t first = m_yearStart[size_t(year - m_firstYear)];
    const size_t last = m_yearStart[size_t(year - m_firstYear) + 1];
    for (size_t i = first; i < last; ++i) {
        const Entry &e = m_entries[i];
        if (!m_places[e.where][size_t(place)])
            continue;
        list.append({QDate(year, e.month, e.day), m_names[e.name], m_localNames[e.name], e.kind});
    }
    return list;
}

namespace HolidayFiles {

QString folder()
{
    return AppPaths::dataFolder() + QStringLiteral("Holidays/");
}

QString fileOf(const QString &countryCode)
{
    return folder() + countryCode.toUpper() + QStringLiteral(".holidays");
}

QList<Country> countries(QStringList *problems)
{
    QList<Country> list;
    const FileBytes::FolderListing listing = FileBytes::listFolder(folder());
    if (!listing.ok()) {
        if (problems)
            problems->append(QStringLiteral("%1: %2").arg(folder(), listing.reason));
        return list;
    }
    for (const FileBytes::FolderEntry &entry : listing.entries) {
        if (entry.folder || !entry.name.endsWith(QLatin1String(".holidays")))
            continue;
        HolidayCalendar calendar;
        QString error;
        const QString code = entry.name.chopped(9);
        if (!calendar.load(folder() + entry.name, &error, HolidayCalendar::Scope::Header)
            || calendar.countryCode() != code) {
            if (problems)
                problems->append(QStringLiteral("%1: %2").arg(
                    FileBytes::displayName(entry.name),
                    error.isEmpty() ? QStringLiteral("it holds the holidays of %1").arg(calendar.countryCode())
                                    : error));
            continue;
        }
        list.append({calendar.countryCode(), calendar.countryName(), calendar.localCountryName(),
                     calendar.regions()});
    }
    std::sort(list.begin(), list.end(), [](const Country &a, const Country &b) { return a.code < b.code; });
    return list;
}

bool splitPlace(const QString &place, QString *country, QString *region)
{
    const QString upper = place.toUpper();
    const qsizetype dash = upper.indexOf(QLatin1Char('-'));
    const QByteArray code = upper.left(dash < 0 ? upper.size() : dash).toLatin1();
    const QByteArray regionCode = dash < 0 ? QByteArray() : upper.mid(dash + 1).toLatin1();
    if (!isCountryCode(code) || (dash >= 0 && !isCode(regionCode)))
        return false;
    *country = QString::fromLatin1(code);
    *region = QString::fromLatin1(regionCode);
    return true;
}

QString joinPlace(const QString &country, const QString &region)
{
    return country.isEmpty() || region.isEmpty() ? country : country + QLatin1Char('-') + region;
}

} // namespace HolidayFiles

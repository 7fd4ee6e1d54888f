// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendarproject.h"

#include "core/filebytes.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

namespace {

const QString kFormatName = QStringLiteral("orvane-project");
// A hand-written list can repeat lines, but not without end.
constexpr qsizetype kMaxListEntries = 5000;

QString kindName(ProjectPage::Kind kind)
{
    switch (kind) {
    case ProjectPage::Kind::Cover: return QStringLiteral("cover");
    case ProjectPage::Kind::Back: return QStringLiteral("back");
    case ProjectPage::Kind::Month: break;
    }
    return QStringLiteral("month");
}

std::optional<ProjectPage::Kind> kindOfName(const QString &name)
{
    if (name == QLatin1String("cover"))
        return ProjectPage::Kind::Cover;
    if (name == QLatin1String("month"))
        return ProjectPage::Kind::Month;
    if (name == QLatin1String("back"))
        return ProjectPage::Kind::Back;
    return std::nullopt;
}

QString monthText(const MonthOfYear &month)
{
    return QStringLiteral("%1-%2").arg(month.year, 4, 10, QLatin1Char('0')).arg(month.month, 2, 10, QLatin1Char('0'));
}

// "YYYY-MM" with a month 1..12 and a year 1..9999.
std::optional<MonthOfYear> monthOfText(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char('-'));
    if (parts.size() != 2 || parts[0].size() != 4 || parts[1].size() != 2)
        return std::nullopt;
    bool yearOk = false;
    bool monthOk = false;
    const int year = parts[0].toInt(&yearOk);
    const int month = parts[1].toInt(&monthOk);
    if (!yearOk || !monthOk || year < 1 || month < 1 || month > 12)
        return std::nullopt;
    return MonthOfYear{month, year};
}

QJsonArray stringArray(const QStringList &list)
{
    QJsonArray array;
    for (const QString &item : list)
        array.append(item);
    return array;
}

// Every fault found while reading, the first one kept: later checks need not stop early.
struct Faults
{
    QString first;
    void add(const QString &fault)
    {
        if (first.isEmpty())
            first = fault;
    }
};

QStringList stringList(const QJsonValue &value, const QString &key, Faults &faults)
{
    if (value.isUndefined())
        return {};
    if (!value.isArray()) {
        faults.add(QStringLiteral("\"%1\" is not a list").arg(key));
        return {};
    }
    const QJsonArray array = value.toArray();
    if (array.size() > kMaxListEntries) {
        faults.add(QStringLiteral("\"%1\" lists more than %2 entries").arg(key).arg(kMaxListEntries));
        return {};
    }
    QStringList list;
    for (const QJsonValue &item : array) {
        if (!item.isString()) {
            faults.add(QStringLiteral("\"%1\" holds something that is not a text").arg(key));
            return {};
        }
        list.append(item.toString());
    }
    return list;
}

QString optionalString(const QJsonObject &object, const QString &key, Faults &faults)
{
    const QJsonValue value = object.value(key);
    if (value.isUndefined())
        return {};
    if (!value.isString())
        faults.add(QStringLiteral("\"%1\" is not a text").arg(key));
    return value.toString();
}

std::optional<ProjectPage> readPage(const QJsonValue &value, int index, Faults &faults)
{
    const QString where = QStringLiteral("page %1").arg(index + 1);
    if (!value.isObject()) {
        faults.add(where + QStringLiteral(" is not an object"));
        return std::nullopt;
    }
    const QJsonObject object = value.toObject();
    ProjectPage page;
    const auto kind = kindOfName(object.value(QStringLiteral("kind")).toString());
    if (!kind) {
        faults.add(where + QStringLiteral(" has no kind (cover, month or back)"));
        return std::nullopt;
    }
    page.kind = *kind;
    page.file = object.value(QStringLiteral("file")).toString();
    if (!ProjectFile::isPlainFileName(page.file)) {
        faults.add(where + QStringLiteral(" is not a file in the project's folder"));
        return std::nullopt;
    }
    if (page.kind == ProjectPage::Kind::Month) {
        page.month = monthOfText(object.value(QStringLiteral("month")).toString());
        if (!page.month) {
            faults.add(where + QStringLiteral(" has no month (YYYY-MM)"));
            return std::nullopt;
        }
    }
    return page;
}

// Cover first, back last, the months in order from the first month, each file once.
void checkPageOrder(const CalendarProject &project, Faults &faults)
{
    QSet<QString> files;
    int month = 0;
    for (size_t i = 0; i < project.pages.size(); ++i) {
        const ProjectPage &page = project.pages[i];
        if (files.contains(page.file.toLower()))
            faults.add(QStringLiteral("the file %1 is listed twice").arg(page.file));
        files.insert(page.file.toLower());
        if (page.kind == ProjectPage::Kind::Cover && i != 0)
            faults.add(QStringLiteral("the cover is not the first page"));
        if (page.kind == ProjectPage::Kind::Back && i + 1 != project.pages.size())
            faults.add(QStringLiteral("the back page is not the last page"));
        if (page.kind != ProjectPage::Kind::Month)
            continue;
        if (!(*page.month == AddMonths(project.first.month, project.first.year, month)))
            faults.add(QStringLiteral("page %1 does not show the month after the page before it").arg(i + 1));
        ++month;
    }
    if (month != project.months)
        faults.add(QStringLiteral("it lists %1 month pages for %2 months").arg(month).arg(project.months));
}

void readPhotoFrame(const QJsonObject &root, CalendarProject &project, Faults &faults)
{
    const QJsonValue value = root.value(QStringLiteral("photoFrame"));
    if (value.isUndefined())
        return;
    const QJsonObject frame = value.toObject();
    const QJsonValue index = frame.value(QStringLiteral("object"));
    if (!value.isObject() || !index.isDouble() || index.toDouble() < 0 || index.toDouble() > 100000
        || index.toDouble() != double(index.toInt())) {
        faults.add(QStringLiteral("\"photoFrame\" does not name an object"));
        return;
    }
    project.photoFrame.objectIndex = index.toInt();
    project.photoFrame.objectName = optionalString(frame, QStringLiteral("name"), faults);
}

void readFills(const QJsonObject &root, CalendarProject &project, Faults &faults)
{
    const QJsonValue value = root.value(QStringLiteral("fill"));
    if (value.isUndefined())
        return;
    if (!value.isObject()) {
        faults.add(QStringLiteral("\"fill\" is not an object"));
        return;
    }
    const QJsonObject fill = value.toObject();
    ProjectFills &fills = project.fills;
    fills.recurringSource = optionalString(fill, QStringLiteral("recurringSource"), faults);
    fills.recurringLines = stringList(fill.value(QStringLiteral("recurring")), QStringLiteral("recurring"), faults);
    fills.holidayPlace = optionalString(fill, QStringLiteral("holidays"), faults);
    fills.holidayLocalNames = fill.value(QStringLiteral("holidayLocalNames")).toBool();
    fills.icsFiles = stringList(fill.value(QStringLiteral("ics")), QStringLiteral("ics"), faults);
}

} // namespace

int CalendarProject::monthPageIndex(int offset) const
{
    int month = 0;
    for (size_t i = 0; i < pages.size(); ++i) {
        if (pages[i].kind != ProjectPage::Kind::Month)
            continue;
        if (month == offset)
            return int(i);
        ++month;
    }
    return -1;
}

int CalendarProject::coverIndex() const
{
    return !pages.empty() && pages.front().kind == ProjectPage::Kind::Cover ? 0 : -1;
}

namespace ProjectFile {

QByteArray serialize(const CalendarProject &project)
{
    QJsonArray pages;
    for (const ProjectPage &page : project.pages) {
        QJsonObject object{{QStringLiteral("kind"), kindName(page.kind)}, {QStringLiteral("file"), page.file}};
        if (page.month)
            object.insert(QStringLiteral("month"), monthText(*page.month));
        pages.append(object);
    }
    QJsonObject root{{QStringLiteral("format"), kFormatName},
                     {QStringLiteral("version"), CalendarProject::kFormatVersion},
                     {QStringLiteral("first"), monthText(project.first)},
                     {QStringLiteral("months"), project.months},
                     {QStringLiteral("pages"), pages}};
    if (project.photoFrame.isSet())
        root.insert(QStringLiteral("photoFrame"),
                    QJsonObject{{QStringLiteral("object"), project.photoFrame.objectIndex},
                                {QStringLiteral("name"), project.photoFrame.objectName}});
    if (!project.photosFolder.isEmpty())
        root.insert(QStringLiteral("photos"), project.photosFolder);
    const ProjectFills &fills = project.fills;
    QJsonObject fill;
    if (!fills.recurringLines.isEmpty()) {
        fill.insert(QStringLiteral("recurringSource"), fills.recurringSource);
        fill.insert(QStringLiteral("recurring"), stringArray(fills.recurringLines));
    }
    if (!fills.holidayPlace.isEmpty()) {
        fill.insert(QStringLiteral("holidays"), fills.holidayPlace);
        fill.insert(QStringLiteral("holidayLocalNames"), fills.holidayLocalNames);
    }
    if (!fills.icsFiles.isEmpty())
        fill.insert(QStringLiteral("ics"), stringArray(fills.icsFiles));
    if (!fill.isEmpty())
        root.insert(QStringLiteral("fill"), fill);
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

ReadResult parse(const QByteArray &bytes)
{
    ReadResult result;
    QJsonParseError jsonError;
    const QJsonDocument json = QJsonDocument::fromJson(bytes, &jsonError);
    if (jsonError.error != QJsonParseError::NoError || !json.isObject()) {
        result.error = QStringLiteral("it is not a project file (%1)")
                           .arg(json.isNull() ? jsonError.errorString() : QStringLiteral("no object"));
        return result;
    }
    const QJsonObject root = json.object();
    if (root.value(QStringLiteral("format")).toString() != kFormatName) {
        result.error = QStringLiteral("it is not a project file");
        return result;
    }
    const int version = root.value(QStringLiteral("version")).toInt(0);
    if (version < 1 || version > CalendarProject::kFormatVersion) {
        result.error = QStringLiteral("its version (%1) is not one this program reads")
                           .arg(root.value(QStringLiteral("version")).toVariant().toString());
        return result;
    }
    Faults faults;
    CalendarProject &project = result.project;
    const auto first = monthOfText(root.value(QStringLiteral("first")).toString());
    if (!first)
        faults.add(QStringLiteral("it has no first month (YYYY-MM)"));
    else
        project.first = *first;
    project.months = root.value(QStringLiteral("months")).toInt(0);
    if (project.months < 1 || project.months > CalendarProject::kMaxMonths)
        faults.add(QStringLiteral("its number of months is not 1 to %1").arg(CalendarProject::kMaxMonths));
    const QJsonArray pages = root.value(QStringLiteral("pages")).toArray();
    if (pages.size() > CalendarProject::kMaxMonths + 2)
        faults.add(QStringLiteral("it lists more pages than a project has"));
    for (int i = 0; i < pages.size() && faults.first.isEmpty(); ++i) {
        if (auto page = readPage(pages[i], i, faults))
            project.pages.push_back(*page);
    }
    if (faults.first.isEmpty())
        checkPageOrder(project, faults);
    readPhotoFrame(root, project, faults);
    project.photosFolder = optionalString(root, QStringLiteral("photos"), faults);
    readFills(root, project, faults);
    if (!faults.first.isEmpty()) {
        result.error = faults.first;
        result.project = CalendarProject();
    }
    return result;
}

ReadResult read(const QString &path)
{
    const FileBytes::ReadResult file = FileBytes::readRegularFile(path, CalendarProject::kMaxFileSize);
    if (!file.ok()) {
        ReadResult result;
        result.error = file.reason;
        return result;
    }
    ReadResult result = parse(file.bytes);
    if (!result.ok())
        return result;
    for (const ProjectPage &page : result.project.pages) {
        if (!FileBytes::exists(pagePath(path, page)))
            result.missingPages.append(page.file);
    }
    return result;
}

QString write(const CalendarProject &project, const QString &path)
{
    return FileBytes::replaceFile(path, serialize(project));
}

QString folderOf(const QString &projectPath)
{
    return QFileInfo(projectPath).absolutePath();
}

QString pagePath(const QString &projectPath, const ProjectPage &page)
{
    return folderOf(projectPath) + QLatin1Char('/') + page.file;
}

bool isPlainFileName(const QString &name)
{
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..")
           && !name.contains(QLatin1Char('/')) && !name.contains(QChar(0));
}

} // namespace ProjectFile

// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "templates.h"

#include "pagemodel/pagemodel.h"
#include "project/projectpages.h"
#include "storage/calendarfile.h"
#include "storage/streamerror.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace Templates {

namespace {

const QString kName = QStringLiteral("TemplateName");
const QString kCategory = QStringLiteral("TemplateCategory");
const QString kFolder = QStringLiteral("Templates");

bool fail(QString *error, const QString &reason)
{
    if (error)
        *error = reason;
    return false;
}

} // namespace

QString userCategory()
{
    return QStringLiteral("Your templates");
}

QString nameOf(const DocumentOptions &options)
{
    return options.value(kName).toString();
}

QString categoryOf(const DocumentOptions &options)
{
    return options.value(kCategory).toString();
}

void setInfo(DocumentOptions &options, const QString &name, const QString &category)
{
    options.setValue(kName, name);
    options.setValue(kCategory, category);
}

void removeInfo(DocumentOptions &options)
{
    options.remove(kName);
    options.remove(kCategory);
}

QList<Info> list(QStringList *problems)
{
    QList<Info> templates;
    for (const DataFolders::File &file : DataFolders::files(kFolder, {QStringLiteral("*.ovf")})) {
        if (file.replaced)
            continue;
        PageModel page;
        const CalendarFile::LoadOutcome loaded = ProjectPages::load(page, file.path);
        if (!loaded.ok) {
            if (problems)
                *problems << QStringLiteral("%1: %2").arg(file.path, loaded.message);
            continue;
        }
        Info info{nameOf(page.options()), categoryOf(page.options()), file.path, file.origin};
        if (info.name.isEmpty())
            info.name = QFileInfo(file.name).completeBaseName();
        if (info.category.isEmpty())
            info.category = file.origin == DataFolders::Origin::User ? userCategory() : QStringLiteral("Other");
        templates << info;
    }
    std::stable_sort(templates.begin(), templates.end(), [](const Info &a, const Info &b) {
        const int category = a.category.compare(b.category, Qt::CaseInsensitive);
        return category != 0 ? category < 0 : a.name.compare(b.name, Qt::CaseInsensitive) < 0;
    });
    return templates;
}

std::optional<Info> find(const QString &name)
{
    const QList<Info> templates = list();
    for (const Info &info : templates) {
        if (info.name.compare(name, Qt::CaseInsensitive) == 0)
            return info;
    }
    for (const Info &info : templates) {
        const QFileInfo file(info.path);
        if (file.fileName().compare(name, Qt::CaseInsensitive) == 0
            || file.completeBaseName().compare(name, Qt::CaseInsensitive) == 0)
            return info;
    }
    return std::nullopt;
}

bool instantiate(const QString &path, int month, int year, PageModel &page, QString *error)
{
    const CalendarFile::LoadOutcome loaded = ProjectPages::load(page, path);
    if (!loaded.ok)
        return fail(error, QStringLiteral("Cannot read %1: %2").arg(path, loaded.message));
    DocumentOptions options = page.options();
    removeInfo(options);
    page.setOptions(options);
    // Texts belong to the days of the template's own month.
    if (page.MainCalMonth() != month || page.MainCalYear() != year)
        page.ClearAllCells();
    page.SetMainCalYear(year);
    page.SetMainCalMonth(month);
    if (page.PlannerSpanDays() > 0)
        page.SetMainCalDay(1);
    return true;
}

QString userTemplatePath(const QString &name)
{
    QString file;
    for (const QChar c : name.simplified()) {
        if (c.isLetterOrNumber())
            file += c;
        else if (c == QLatin1Char(' ') || c == QLatin1Char('-') || c == QLatin1Char('_'))
            file += QLatin1Char('-');
    }
    if (file.isEmpty())
        file = QStringLiteral("Template");
    return DataFolders::userFolder(kFolder) + file.left(80) + QStringLiteral(".OVF");
}

bool saveAsTemplate(const PageModel &page, const QString &name, const QString &category, QString *error)
{
    if (name.trimmed().isEmpty())
        return fail(error, QStringLiteral("A template needs a name."));
    const QString path = userTemplatePath(name);
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return fail(error, QStringLiteral("Cannot make the folder %1.").arg(QFileInfo(path).absolutePath()));
    PageModel copy;
    QByteArray bytes;
    try {
        bytes = ProjectPages::documentBytes(page);
    } catch (const StreamError &problem) {
        return fail(error, problem.message());
    }
    if (!ProjectPages::loadBytes(copy, bytes).ok)
        return fail(error, QStringLiteral("The page cannot be copied."));
    DocumentOptions options = copy.options();
    setInfo(options, name.trimmed(), category.trimmed().isEmpty() ? userCategory() : category.trimmed());
    copy.setOptions(options);
    const CalendarFile::FileResult saved = ProjectPages::save(copy, path);
    if (!saved.ok)
        return fail(error, QStringLiteral("Cannot write %1: %2").arg(path, saved.message));
    return true;
}

} // namespace Templates

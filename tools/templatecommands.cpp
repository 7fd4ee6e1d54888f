// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "templatecommands.h"

#include "renderoptions.h"
#include "terminaltext.h"

#include "pagemodel/pagemodel.h"
#include "templates/templates.h"

#include <QDate>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>

namespace {

QString originName(DataFolders::Origin origin)
{
    switch (origin) {
    case DataFolders::Origin::User: return QStringLiteral("user");
    case DataFolders::Origin::System: return QStringLiteral("system");
    case DataFolders::Origin::Program: break;
    }
    return QStringLiteral("program");
}

} // namespace

int runTemplates()
{
    QStringList problems;
    QJsonArray list;
    for (const Templates::Info &info : Templates::list(&problems))
        list.append(QJsonObject{{QStringLiteral("name"), info.name},
                                {QStringLiteral("category"), info.category},
                                {QStringLiteral("file"), info.path},
                                {QStringLiteral("origin"), originName(info.origin)}});
    for (const QString &problem : problems)
        printProblem(problem);
    const QByteArray json = QJsonDocument(list).toJson(QJsonDocument::Indented);
    std::fwrite(json.constData(), 1, size_t(json.size()), stdout);
    return problems.isEmpty() ? 0 : 3;
}

bool startFromTemplate(const RenderOptions &options, PageModel &page)
{
    const std::optional<Templates::Info> found = Templates::find(options.templateName);
    if (!found) {
        printProblem(QStringLiteral("there is no template named %1 (--templates lists them)").arg(options.templateName));
        return false;
    }
    const QDate next = QDate::currentDate().addMonths(1);
    QString error;
    if (!Templates::instantiate(found->path, options.month.value_or(next.month()), options.year.value_or(next.year()),
                                page, &error)) {
        printProblem(error);
        return false;
    }
    return true;
}

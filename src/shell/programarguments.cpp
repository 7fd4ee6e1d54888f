// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "programarguments.h"

#include "core/filebytes.h"

#include <QCommandLineParser>
#include <QDir>

#include <climits>
#include <unistd.h>

namespace {

const QString kProgram = QStringLiteral("orvane");

// QFileInfo makes a name absolute through Qt's own encoding of names, which replaces the
// bytes of a name that are not UTF-8; this keeps them, in the working folder's name too.
QString absoluteName(const QString &name)
{
    if (QDir::isAbsolutePath(name))
        return QDir::cleanPath(name);
    char folder[PATH_MAX];
    if (!::getcwd(folder, sizeof folder))
        return QDir::cleanPath(QDir::currentPath() + QLatin1Char('/') + name);
    return QDir::cleanPath(FileBytes::decodeName(folder) + QLatin1Char('/') + name);
}

QString helpText()
{
    return QStringLiteral("Usage: orvane [options] [calendar.ovf]\n"
                          "Designs and prints calendar pages.\n\n"
                          "Options:\n"
                          "  -h, --help     Show this help and end.\n"
                          "  -v, --version  Show the version and end.\n\n"
                          "Arguments:\n"
                          "  calendar.ovf   A calendar to open instead of the one used last. When\n"
                          "                 Orvane runs already, that window opens it.\n");
}

QString versionText()
{
    return kProgram + QLatin1Char(' ') + QStringLiteral(ORVANE_VERSION) + QLatin1Char('\n');
}

} // namespace

ProgramArguments earlyProgramArguments(const QStringList &arguments)
{
    ProgramArguments result;
    // Only the first of them counts, as it would after full parsing; "--" ends options.
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (argument == QLatin1String("--"))
            break;
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            result.output = helpText();
            break;
        }
        if (argument == QLatin1String("--version") || argument == QLatin1String("-v")) {
            result.output = versionText();
            break;
        }
    }
    return result;
}

ProgramArguments parseProgramArguments(const QStringList &arguments)
{
    ProgramArguments result = earlyProgramArguments(arguments);
    if (!result.output.isEmpty())
        return result;
    QCommandLineParser parser;
    parser.addOption(QCommandLineOption(QStringList{QStringLiteral("h"), QStringLiteral("help")}));
    parser.addOption(QCommandLineOption(QStringList{QStringLiteral("v"), QStringLiteral("version")}));
    if (!parser.parse(arguments)) {
        result.error = parser.errorText();
        return result;
    }
    const QStringList documents = parser.positionalArguments();
    if (documents.size() > 1) {
        result.error = QStringLiteral("Only one calendar can be opened: '%1'").arg(documents.at(1));
        return result;
    }
    if (!documents.isEmpty())
        result.documentPath = absoluteName(documents.first());
    return result;
}

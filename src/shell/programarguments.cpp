// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "programarguments.h"

#include <QCommandLineParser>
#include <QFileInfo>

namespace {

const QString kProgram = QStringLiteral("orvane");

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
        result.documentPath = QFileInfo(documents.first()).absoluteFilePath();
    return result;
}

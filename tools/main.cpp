// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometryjson.h"
#include "clipartcommands.h"
#include "documentcommands.h"
#include "holidaycommands.h"
#include "iconcommands.h"
#include "mooncommands.h"
#include "icalcommands.h"
#include "picturecommands.h"
#include "projectcommands.h"
#include "templatecommands.h"
#include "rtfcommands.h"
#include "renderoptions.h"
#include "terminaltext.h"
#include "reportcommands.h"

#include "calendar/pageoptions.h"
#include "pagemodel/pagemodel.h"
#include "core/filebytes.h"
#include "graphics/tfont.h"

#include <QGuiApplication>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QLoggingCategory>

#include <cstdio>

#include <unistd.h>

int main(int argc, char *argv[])
{
    // Options are checked before Qt starts so a bad option gives one line and nothing else.
    // File names are kept as the file system holds them, even where they are not UTF-8.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(FileBytes::decodeName(argv[i]));
    const RenderOptionsResult parsed = parseRenderOptions(arguments);
    if (!parsed.help.isEmpty()) {
        std::fputs(parsed.help.toLocal8Bit().constData(), stdout);
        return 0;
    }
    if (!parsed.error.isEmpty()) {
        printProblem(parsed.error);
        return 2;
    }
    // The renderer never shows a window, and needs no session: give Qt a private runtime
    // folder so it has nothing to warn about on standard error.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        const QString runtime = QDir::tempPath() + QStringLiteral("/orvane-runtime-%1").arg(getuid());
        QDir().mkpath(runtime);
        QFile::setPermissions(runtime, QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                           | QFileDevice::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", runtime.toLocal8Bit());
    }
    // Qt sees only the program's name: our options (--style among them) are ours, not its.
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("orvane-render"));
    // Clip-art drawings use much that Qt's SVG reader only warns about; what matters to a
    // picture is reported by our own messages.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.svg.warning=false"));
    if (const QString problem = checkRenderData(parsed.options); !problem.isEmpty()) {
        printProblem(problem);
        return 2;
    }
    if (!parsed.options.holidaysOf.isEmpty())
        return runHolidaysOf(parsed.options);
    if (parsed.options.moon)
        return runMoon(parsed.options);
    if (parsed.options.holidays || !parsed.options.recurringFile.isEmpty())
        return runRecurringReport(parsed.options);
    if (!parsed.options.dumpFile.isEmpty())
        return runDump(parsed.options);
    if (!parsed.options.pictureFile.isEmpty())
        return runPicture(parsed.options);
    if (!parsed.options.iconsFile.isEmpty())
        return runIconList(parsed.options);
    if (!parsed.options.iconFile.isEmpty())
        return runIcon(parsed.options);
    if (!parsed.options.rtfFile.isEmpty())
        return runRichText(parsed.options);
    if (!parsed.options.icsFile.isEmpty())
        return runCalendarEvents(parsed.options);
    if (!parsed.options.projectFile.isEmpty())
        return runProject(parsed.options);
    if (parsed.options.listTemplates)
        return runTemplates();
    PageModel page;
    page.ResetToDefaults();
    // Pages made here keep the classic texts unless --locale-dates on asks for the language's,
    // so the same command line draws the same page as earlier versions did.
    DocumentOptions classicTexts = page.options();
    PageOptions::setLocaleDates(classicTexts, false);
    page.setOptions(classicTexts);
    bool readInPart = false;
    if (!parsed.options.templateName.isEmpty() && !startFromTemplate(parsed.options, page))
        return 1;
    if (!loadRenderInputs(parsed.options, page, readInPart))
        return 1;
    applyRenderOptions(parsed.options, page);
    if (!addRenderPictures(parsed.options, page))
        return 1;
    // The fill options fill the project's months, not its design.
    if (!parsed.options.newProjectFile.isEmpty())
        return runNewProject(parsed.options, page);
    if (!fillFromCalendarFile(parsed.options, page) || !fillFromRecurringFile(parsed.options, page))
        return 1;
    if (const int status = saveRenderOutput(parsed.options, page, readInPart); status != 0)
        return status;
    if (!parsed.options.outFile.isEmpty()) {
        if (const int status = runOutput(parsed.options, page); status != 0)
            return status;
    }
    if (parsed.options.geometry) {
        const QByteArray json
            = QJsonDocument(pageGeometryJson(page)).toJson(QJsonDocument::Indented);
        std::fwrite(json.constData(), 1, size_t(json.size()), stdout);
    }
    return readInPart ? kExitReadInPart : 0;
}

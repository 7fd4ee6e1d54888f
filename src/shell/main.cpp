// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/singleinstance.h"
#include "core/filebytes.h"
#include "graphics/tfont.h"
#include "shell/camain.h"
#include "shell/cellwiring.h"
#include "shell/documentwiring.h"
#include "shell/hintstyle.h"
#include "shell/iconwiring.h"
#include "shell/programarguments.h"
#include "shell/toolicons.h"

#include <QApplication>
#include <QCursor>

#include <cstdio>

namespace {

// Tool tips appear after this long.
constexpr int kHintDelayMs = 1200;

void bringForward(QWidget &window)
{
    if (window.isMinimized())
        window.showNormal();
    window.show();
    window.raise();
    window.activateWindow();
}

QStringList argumentList(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(FileBytes::decodeName(argv[i]));
    return arguments;
}

} // namespace

int main(int argc, char *argv[])
{
    if (const ProgramArguments early = earlyProgramArguments(argumentList(argc, argv));
        !early.output.isEmpty()) {
        std::fputs(early.output.toLocal8Bit().constData(), stdout);
        return 0;
    }
    QApplication app(argc, argv);
    // Qt has taken its own options out of argc and argv by now.
    const ProgramArguments arguments = parseProgramArguments(argumentList(argc, argv));
    if (!arguments.error.isEmpty()) {
        std::fprintf(stderr, "orvane: %s\n", arguments.error.toLocal8Bit().constData());
        return 2;
    }
    QApplication::setApplicationName(QStringLiteral("Orvane"));
    // No display name of its own: Qt adds it to every window title, and the captions begin
    // with the program's name already. applicationDisplayName() still gives "Orvane".
    QApplication::setApplicationVersion(QStringLiteral(ORVANE_VERSION));
    // The desktop entry's name: docks and window lists match the window to it.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.orvane.Orvane"));

    SingleInstance instance;
    if (!instance.start(arguments.documentPath))
        return 0;

    QApplication::setStyle(new HintDelayStyle(kHintDelayMs));
    QApplication::setWindowIcon(QIcon(ToolIcons::programPicture(64)));

    TCalendarMain window;
    connectDocuments(window);
    CellEditing *editing = connectCellEditing(window);
    connectIconPalette(window, *editing);
    // Queued: opening runs dialogs and events, which the socket's reading should not wait on.
    QObject::connect(&instance, &SingleInstance::activationRequested, &window,
                     [&window] { bringForward(window); }, Qt::QueuedConnection);
    QObject::connect(&instance, &SingleInstance::openRequested, &window,
                     [&window](const QString &path) {
                         bringForward(window);
                         window.openRequested(path);
                     }, Qt::QueuedConnection);
    window.setStartDocument(arguments.documentPath);
    window.FormActivate();
    return app.exec();
}

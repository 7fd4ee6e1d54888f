// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/singleinstance.h"
#include "graphics/tfont.h"
#include "shell/camain.h"
#include "shell/cellwiring.h"
#include "shell/documentwiring.h"
#include "shell/hintstyle.h"
#include "shell/iconwiring.h"
#include "shell/toolicons.h"

#include <QApplication>
#include <QCursor>

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

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orvane"));
    // No display name of its own: Qt adds it to every window title, and the captions begin
    // with the program's name already. applicationDisplayName() still gives "Orvane".
    QApplication::setApplicationVersion(QStringLiteral(ORVANE_VERSION));

    SingleInstance instance;
    if (!instance.start())
        return 0;

    installFontSubstitutes();
    QApplication::setStyle(new HintDelayStyle(kHintDelayMs));
    QApplication::setWindowIcon(QIcon(ToolIcons::programPicture(64)));

    TCalendarMain window;
    connectDocuments(window);
    CellEditing *editing = connectCellEditing(window);
    connectIconPalette(window, *editing);
    QObject::connect(&instance, &SingleInstance::activationRequested, &window,
                     [&window] { bringForward(window); });
    window.FormActivate();
    return app.exec();
}

// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QMainWindow>

#include "platform/tfont.h"

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orvane"));
    installFontSubstitutes();
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Orvane"));
    window.resize(900, 700);
    window.show();
    return app.exec();
}

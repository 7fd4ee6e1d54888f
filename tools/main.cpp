// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometryjson.h"
#include "renderoptions.h"

#include "page/calpanel32.h"
#include "platform/tfont.h"

#include <QApplication>
#include <QJsonDocument>

#include <cstdio>

int main(int argc, char *argv[])
{
    // Options are checked before the GUI starts so a bad option gives one line and nothing else.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const RenderOptionsResult parsed = parseRenderOptions(arguments);
    if (!parsed.error.isEmpty()) {
        std::fprintf(stderr, "orvane-render: %s\n", parsed.error.toLocal8Bit().constData());
        return 2;
    }
    // The renderer never shows a window.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("orvane-render"));
    installFontSubstitutes();
    TCalendarPanel32 page;
    page.ResetToDefaults();
    applyRenderOptions(parsed.options, page);
    if (parsed.options.geometry) {
        const QByteArray json = QJsonDocument(pageGeometryJson(page)).toJson(QJsonDocument::Indented);
        std::fwrite(json.constData(), 1, size_t(json.size()), stdout);
    }
    return 0;
}

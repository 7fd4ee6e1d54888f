// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "mooncommands.h"

#include "renderoptions.h"

#include "recurring/moonphases.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>

int runMoon(const RenderOptions &options)
{
    QJsonArray list;
    for (const MoonPhases::Event &event : MoonPhases::ofYear(*options.year))
        list.append(QJsonObject{{QStringLiteral("phase"), MoonPhases::phaseName(event.phase)},
                                {QStringLiteral("utc"), event.utc.toString(Qt::ISODate)}});
    const QByteArray json = QJsonDocument(list).toJson(QJsonDocument::Indented);
    std::fwrite(json.constData(), 1, size_t(json.size()), stdout);
    return 0;
}

// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "preferences.h"

#include "core/apppaths.h"
#include "core/inifile.h"

namespace {

const QString kZooming = QStringLiteral("Zooming");
const QString kFont = QStringLiteral("Default Font");
const QString kIcons = QStringLiteral("Icons");
const QString kHints = QStringLiteral("Hints");

} // namespace

QString Preferences::defaultIconFile()
{
    return AppPaths::dataFolder() + QStringLiteral("MISC1.ICL");
}

Preferences Preferences::load(const IniFile &ini)
{
    Preferences p;
    p.mainZoomPercent = ini.readInteger(kZooming, QStringLiteral("Main"), 60);
    p.propZoomPercent = ini.readInteger(kZooming, QStringLiteral("Prop"), 30);
    DefaultFontSetting &f = p.defaultFont;
    f.name = ini.readString(kFont, QStringLiteral("Name"), QStringLiteral("Arial"));
    f.size = ini.readInteger(kFont, QStringLiteral("Size"), 10);
    f.bold = ini.readBool(kFont, QStringLiteral("Bold"), false);
    f.italic = ini.readBool(kFont, QStringLiteral("Italic"), false);
    f.underline = ini.readBool(kFont, QStringLiteral("Underline"), false);
    f.strikeout = ini.readBool(kFont, QStringLiteral("Strikeout"), false);
    f.color = ini.readInteger(kFont, QStringLiteral("Color"), 0);
    p.iconFile = ini.readString(kIcons, QStringLiteral("File"), defaultIconFile());
    p.iconsVisible = ini.readBool(kIcons, QStringLiteral("Visible"), true);
    p.hintsOn = ini.readBool(kHints, QStringLiteral("On"), true);
    return p;
}

bool Preferences::save(IniFile &ini) const
{
    const DefaultFontSetting &f = defaultFont;
    bool ok = ini.writeInteger(kZooming, QStringLiteral("Main"), mainZoomPercent);
    ok = ini.writeInteger(kZooming, QStringLiteral("Prop"), propZoomPercent) && ok;
    ok = ini.writeString(kFont, QStringLiteral("Name"), f.name) && ok;
    ok = ini.writeInteger(kFont, QStringLiteral("Size"), f.size) && ok;
    ok = ini.writeBool(kFont, QStringLiteral("Bold"), f.bold) && ok;
    ok = ini.writeBool(kFont, QStringLiteral("Italic"), f.italic) && ok;
    ok = ini.writeBool(kFont, QStringLiteral("Underline"), f.underline) && ok;
    ok = ini.writeBool(kFont, QStringLiteral("Strikeout"), f.strikeout) && ok;
    ok = ini.writeInteger(kFont, QStringLiteral("Color"), f.color) && ok;
    ok = ini.writeString(kIcons, QStringLiteral("File"),
                         iconFile.isEmpty() ? defaultIconFile() : iconFile) && ok;
    ok = ini.writeBool(kIcons, QStringLiteral("Visible"), iconsVisible) && ok;
    ok = ini.writeBool(kHints, QStringLiteral("On"), hintsOn) && ok;
    return ok;
}

float zoomFactorFromPercent(int percent)
{
    if (percent < 30)
        return 0.201f;
    if (percent >= 100)
        return 1.001f;
    static const float factors[] = {0.301f, 0.401f, 0.501f, 0.601f, 0.701f, 0.801f, 0.901f};
    return factors[percent / 10 - 3];
}

int percentFromZoomFactor(float factor)
{
    static const float thresholds[] = {0.3f, 0.4f, 0.5f, 0.6f, 0.7f, 0.8f, 0.9f, 1.0f};
    for (int i = 0; i < 8; ++i) {
        if (factor < thresholds[i])
            return 20 + 10 * i;
    }
    return 100;
}

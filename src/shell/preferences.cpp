// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "preferences.h"

#include "core/apppaths.h"
#include "core/inifile.h"

#include <iterator>

namespace {

const QString kZooming = QStringLiteral("Zooming");
const QString kFont = QStringLiteral("Default Font");
const QString kIcons = QStringLiteral("Icons");
const QString kHints = QStringLiteral("Hints");
const QString kHolidays = QStringLiteral("Holidays");

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
    p.holidayPlace = ini.readString(kHolidays, QStringLiteral("Place"), QString());
    p.holidayLocalNames = ini.readBool(kHolidays, QStringLiteral("LocalNames"), true);
    p.galleryAtStart = ini.readBool(QStringLiteral("Templates"), QStringLiteral("GalleryAtStart"), true);
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
    // Written once there is something to remember, so older OV.INI files stay as they were.
    if (!holidayPlace.isEmpty()) {
        ok = ini.writeString(kHolidays, QStringLiteral("Place"), holidayPlace) && ok;
        ok = ini.writeBool(kHolidays, QStringLiteral("LocalNames"), holidayLocalNames) && ok;
    }
    if (!galleryAtStart)
        ok = ini.writeBool(QStringLiteral("Templates"), QStringLiteral("GalleryAtStart"), false) && ok;
    return ok;
}

namespace {

struct ZoomStep {
    int percent;
    float factor;
};

constexpr ZoomStep kZoomSteps[] = {
    {20, 0.201f},  {30, 0.301f},  {40, 0.401f},  {50, 0.501f},  {60, 0.601f},
    {70, 0.701f},  {80, 0.801f},  {90, 0.901f},  {100, 1.001f}, {125, 1.251f},
    {150, 1.501f}, {200, 2.001f}, {300, 3.001f}, {400, 4.001f},
};

// The index of the highest step at or below the factor; the lowest step below them all.
int stepIndexOf(float factor)
{
    int index = 0;
    for (int i = 0; i < int(std::size(kZoomSteps)); ++i) {
        if (factor >= float(kZoomSteps[i].percent) / 100.0f)
            index = i;
    }
    return index;
}

} // namespace

float zoomFactorFromPercent(int percent)
{
    float factor = kZoomSteps[0].factor;
    for (const ZoomStep &step : kZoomSteps) {
        if (percent >= step.percent)
            factor = step.factor;
    }
    return factor;
}

int percentFromZoomFactor(float factor)
{
    return kZoomSteps[stepIndexOf(factor)].percent;
}

float nextZoomIn(float factor)
{
    const int next = stepIndexOf(factor) + 1;
    return next < int(std::size(kZoomSteps)) ? kZoomSteps[next].factor : factor;
}

float nextZoomOut(float factor, float lowestOut)
{
    const int index = stepIndexOf(factor);
    // A factor above its step (one the grid does not hold) goes to that step first.
    const int previous = factor > kZoomSteps[index].factor ? index : index - 1;
    if (previous < 0 || kZoomSteps[previous].factor < lowestOut)
        return factor;
    return kZoomSteps[previous].factor;
}

// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class IniFile;

// The default editor font kept in "Default Font".
struct DefaultFontSetting {
    QString name = QStringLiteral("Arial");
    int size = 10;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeout = false;
    qint32 color = 0; // TColor, 0 = black
};

// The main window's settings in OV.INI (placement and recent files have their own
// sections and code).
struct Preferences {
    int mainZoomPercent = 60;
    int propZoomPercent = 30;
    DefaultFontSetting defaultFont;
    QString iconFile; // empty: the default library in the data folder
    bool iconsVisible = true;
    bool hintsOn = true;
    // The place "Fill Calendar with Holidays..." last used ("DE-BY"), and its names' language.
    QString holidayPlace;
    bool holidayLocalNames = true;
    // Whether a start with no document to open shows the template gallery.
    bool galleryAtStart = true;

    // Missing keys, or a missing file, give the defaults.
    static Preferences load(const IniFile &ini);
    // False when the file could not be written.
    bool save(IniFile &ini) const;

    static QString defaultIconFile();
};

// The stored whole percentage and the zoom factor it stands for: a percentage between two
// steps of the zoom grid takes the lower one. The factors carry an extra 0.001 so they stay
// clear of the thresholds and survive a round trip.
float zoomFactorFromPercent(int percent);
int percentFromZoomFactor(float factor);

// The main window's zoom steps: 20 % to 100 % in tens, then 125, 150, 200, 300 and 400 %.
// The step after or before a factor, or the factor itself at either end of the grid;
// zooming out goes no lower than lowestOut.
float nextZoomIn(float factor);
float nextZoomOut(float factor, float lowestOut = 0.5f);

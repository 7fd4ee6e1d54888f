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

    // Missing keys, or a missing file, give the defaults.
    static Preferences load(const IniFile &ini);
    // False when the file could not be written.
    bool save(IniFile &ini) const;

    static QString defaultIconFile();
};

// The stored whole percentage and the zoom factor it stands for. The factors carry an
// extra 0.001 so they stay clear of the thresholds and survive a round trip.
float zoomFactorFromPercent(int percent);
int percentFromZoomFactor(float factor);

// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/preferences.h"

#include <QDate>
#include <QHash>
#include <QStringList>

// The text of Help > Configuration Information: what a support request needs to know
// about the program, the system it runs on and the preferences in use.
namespace ConfigurationReport {

struct Settings {
    Preferences preferences; // iconsVisible and hintsOn as they are now
};

// Facts about this system: environment lines, then the printers, screens and regional
// formats, then the display and input devices.
QStringList environmentLines();
QString build(const QString &version, const Settings &settings, const QStringList &environment,
              const QDate &today = QDate::currentDate());

// The fields of /proc/meminfo, in kB.
QHash<QString, qint64> parseMeminfo(const QByteArray &text);
// The line for a screen resolution, as a system reports its font size setting.
QString fontSizeText(int dpi);

} // namespace ConfigurationReport

// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the OV.INI parser and looks up what it found: every section's
// lines and the value of each of their keys, as the preferences and the program's other
// settings read them. Any outcome but a crash, a hang or a huge allocation is fine.
#include "core/inifile.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QStringList lines = IniFile::parse(bytes);
    // A few sections are enough to reach every path; each lookup walks all lines.
    int sections = 0;
    for (const QString &line : lines) {
        const QString trimmed = line.trimmed();
        if (!trimmed.startsWith(QLatin1Char('[')) || !trimmed.endsWith(QLatin1Char(']')))
            continue;
        if (++sections > 16)
            break;
        const QString section = trimmed.mid(1, trimmed.size() - 2);
        for (const QString &entry : IniFile::sectionIn(lines, section)) {
            const QString key = entry.left(entry.indexOf(QLatin1Char('='))).trimmed();
            const std::optional<QString> value = IniFile::find(lines, section, key);
            // A line sectionIn lists has a key that find must see.
            if (!value)
                __builtin_trap();
        }
    }
    return 0;
}

// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

// One icon of a shipped set: what it shows, and the emoji sequence drawn for it.
struct IconGlyph
{
    const char *name;
    const char *text; // UTF-8
};

// A shipped icon library: its file name below the data folder, its module name, and its
// icons in the order the palette numbers them.
struct IconSet
{
    QString path;
    QString moduleName;
    QString description;
    QList<IconGlyph> glyphs;
};

QList<IconSet> iconSets();

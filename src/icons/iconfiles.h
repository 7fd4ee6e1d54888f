// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// File names around the icons window. Icon file names compare without regard to letter
// case, and are found that way too: the libraries ship with lower-case names while stored
// preferences and older habits write them in capitals.
namespace IconFiles {

// The existing file whose path equals 'path' but for letter case (each folder and the
// name); 'path' itself when there is none or it exists as written.
QString resolve(const QString &path);
// A file of the data folder, its name found without regard to case.
QString dataFile(const QString &name);
bool sameFile(const QString &a, const QString &b);

// The name a menu item of the icons window would carry for a file: its name without folder
// and extension, in capitals, with the shipped libraries' short names spelled out.
QString menuName(const QString &file);

struct BonusSet {
    QString caption;
    QString path;
};
// The icon libraries (*.icl) of a folder, sorted by caption: each file's name, at most 64
// characters, cut at its first '.'.
QList<BonusSet> bonusSets(const QString &folder);

// "All Files|*.ICL;*.DLL|ICL Files|*.ICL" as the file dialog takes it, one entry per pair.
QStringList nameFilters(const QString &filter);

} // namespace IconFiles

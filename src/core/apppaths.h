// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Where the program reads its shipped data and writes its own files.
// Every returned folder ends with a '/' so file names can be appended directly.
namespace AppPaths {

// Read-only shipped data: "data" beside the program, else <prefix>/share/orvane.
QString dataFolder();
// Everything the program writes (OV.INI, OVRECUR.DAX, Clipbrd.tmp): the program's own
// folder when OV.INI lies there and is writable (portable use), else
// $XDG_CONFIG_HOME/orvane. The folder is created on first use.
QString userFolder();

// Why nothing can be kept in the user folder (it cannot be created, or a file cannot be
// written there); empty when it is usable. Found by writing and removing a small file, so
// read-only disks and permissions count as they really are.
QString userFolderProblem();

// Full path of a file in the user folder.
QString userFile(const QString &name);
QString dataFile(const QString &name);

// Tests and tools point the folders elsewhere; an empty string restores the default.
void setDataFolderOverride(const QString &folder);
void setUserFolderOverride(const QString &folder);

} // namespace AppPaths

// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Shared data of a kind ("Borders", "BonusIcons", "Textures", "ClipArt", "Templates") comes
// from the program's own data folder, from the user's ($XDG_DATA_HOME/orvane/<kind>, normally
// ~/.local/share/orvane/<kind>) and from each $XDG_DATA_DIRS entry's orvane/<kind>, so users
// and administrators add their own without touching the program's. Folders are read anew on
// every call: a file dropped there shows the next time a list is made.
namespace DataFolders {

enum class Origin { Program, User, System };

struct Folder
{
    QString path; // ends with '/'
    Origin origin = Origin::Program;
};

// The folders of a kind that exist, each once, in the order lists show them: the
// program's, the user's, then the system's. The program's subfolder is found without regard
// to case, as shipped data has always been.
QList<Folder> folders(const QString &kind);
// Where the user's own items of a kind go, whether it exists yet or not.
QString userFolder(const QString &kind);

struct File
{
    QString name;   // as the folder holds it
    QString path;
    Origin origin = Origin::Program;
    // Another folder holds a file of the same name (without regard to case) that is used
    // instead: the user's before the system's before the program's.
    bool replaced = false;
};

// The regular files of a kind whose names match the filters ("*.wls"; without regard to
// case), from every folder, sorted by name without regard to case with the file used first.
QList<File> files(const QString &kind, const QStringList &nameFilters);
// The file of that name (without regard to case) that is used; empty when none holds it.
QString find(const QString &kind, const QString &fileName);

} // namespace DataFolders

// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// Reading and replacing whole files safely. Every reader of outside data goes through
// readRegularFile, so devices, pipes and folders named like documents are refused before
// anything is read, and no file is read past its limit whatever its size claims.
namespace FileBytes {

enum class Failure { None, NotFound, NoPermission, Folder, NotRegular, TooLarge, ReadError };

struct ReadResult
{
    QByteArray bytes;
    Failure failure = Failure::None;
    // Why, in words a user understands: "the file does not exist", "it is a folder", ...
    QString reason;

    bool ok() const { return failure == Failure::None; }
};

// Reads a whole regular file (or a link to one) of at most maxBytes. The file is opened
// without blocking, so a FIFO cannot stall the program, and checked on the open
// descriptor, so it cannot be swapped between the check and the read.
ReadResult readRegularFile(const QString &path, qint64 maxBytes);

// Whether something exists at path (a link is followed), by the name's own bytes: Qt's
// QFileInfo::exists cannot find names that are not UTF-8.
bool exists(const QString &path);
// Whether path is a folder (or a link to one), by the name's own bytes.
bool isFolder(const QString &path);

// Why path cannot be replaced by a save; empty when it can: it does not exist yet, or it
// is a regular file (or a link to one). Devices, pipes, folders and links that lead
// nowhere (or in a loop) are never replaced.
QString unsafeSaveTarget(const QString &path);

// The reason for an errno value, in the words above.
QString reasonOfErrno(int error);

// Writes bytes over path atomically: into a new file beside it that then replaces it, so a
// failed write (a full disk among others) leaves the old file as it was. A link to a
// regular file is written through and stays a link; an existing file keeps its
// permissions. Returns why it failed, or an empty string.
QString replaceFile(const QString &path, const QByteArray &bytes);

// A new, empty file beside path for a save to write into, named so that it is recognised
// as ours and locked (flock) for as long as the descriptor stays open. Returns the
// descriptor, or -1 with errno set; the name goes into temporary.
int createSaveTemporary(const QString &path, QString *temporary);

// Removes from folder the temporary files of saves that ended without finishing (a killed
// program): ours, of this user, and held by no running save. Returns how many went.
int removeStaleTemporaries(const QString &folder);

// File names as the file system holds them (bytes) and as the program holds them. Names
// in UTF-8 decode as Qt decodes them; a byte that is not part of valid UTF-8 becomes the
// lone surrogate U+DC00 + byte, which encodeName turns back into that byte, so a name
// the file system holds survives the round trip even where it is not UTF-8.
QString decodeName(const QByteArray &name);
QByteArray encodeName(const QString &name);
// The name as people read it: each byte that is not UTF-8 shows as U+FFFD.
QString displayName(const QString &name);

struct FolderEntry
{
    QString name; // as decodeName gives it
    bool folder = false;
    qint64 size = 0;
    qint64 modified = 0; // seconds since the epoch
};

struct FolderListing
{
    QList<FolderEntry> entries;
    QString reason; // why the folder could not be read; empty when it could

    bool ok() const { return reason.isEmpty(); }
};

// The entries of a folder read by their bytes (without "." and ".."), so names that are
// not UTF-8 are listed too; a link counts as what it leads to.
FolderListing listFolder(const QString &folder);

} // namespace FileBytes

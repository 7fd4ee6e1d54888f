// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The user's recurring-date list, OVRECUR.DAX in the user folder: one entry line a text line,
// Windows-1252, lines ending in CR LF (LF alone is accepted when reading). Lines are kept
// exactly as stored, however malformed, so nothing the user had is lost by a save.
// OVRECUR.DAT is the older list, converted once at start-up.
namespace RecurringStore {

// Larger files are refused rather than loaded into a list box: a list of dates by hand
// holds some hundreds of lines, and every line becomes an entry of the list dialog.
inline constexpr qint64 MaxFileSize = 4 * 1024 * 1024;
inline constexpr qsizetype MaxLines = 50000;

QString datesFilePath();
QString oldDatesFilePath();

QStringList parseLines(const QByteArray &bytes);
QByteArray serializeLines(const QStringList &lines);

struct LoadResult
{
    QStringList lines;
    QString error; // empty on success

    bool ok() const { return error.isEmpty(); }
};

// A missing file is an empty list.
LoadResult load(const QString &path);
// A missing file is an error, for callers that were given the file by name.
LoadResult loadExisting(const QString &path);

// Writes through a temporary file that replaces the old one only when complete.
// Returns an error message, empty on success.
QString save(const QString &path, const QStringList &lines);

// An older line "MMDD name" as an entry line: the name from character 5 (at most 150
// characters) padded or cut to 120, then "@" and the four characters padded to 10.
QString convertOldLine(const QString &oldLine);

struct ConversionResult
{
    bool converted = false;
    QString error; // empty on success; the older file is then kept
};

// Converts oldPath into newPath and removes oldPath. Lines that newPath already holds
// (compared without regard to case) are not added again, so an existing list survives and a
// conversion interrupted before the removal can run again. Nothing happens without oldPath.
ConversionResult convertOldFile(const QString &oldPath, const QString &newPath);
ConversionResult convertOldFile();

// List order: whole lines compared without regard to case.
bool lessIgnoringCase(const QString &a, const QString &b);
// Where a line goes in a list kept in that order (after equal lines).
qsizetype sortedPosition(const QStringList &sorted, const QString &line);
bool containsIgnoringCase(const QStringList &lines, const QString &line);

} // namespace RecurringStore

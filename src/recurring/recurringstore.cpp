// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "recurringstore.h"

#include "core/filebytes.h"

#include "core/apppaths.h"
#include "core/win1252.h"
#include "recurringentry.h"

#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>

#include <algorithm>

Q_LOGGING_CATEGORY(lcRecurring, "orvane.recurring")

namespace RecurringStore {

namespace {

LoadResult readFile(const QString &path)
{
    const FileBytes::ReadResult file = FileBytes::readRegularFile(path, MaxFileSize);
    if (file.failure == FileBytes::Failure::TooLarge)
        return {{}, QStringLiteral("\"%1\" is too large for a list of recurring dates.").arg(path)};
    if (!file.ok())
        return {{}, QStringLiteral("Cannot read \"%1\": %2").arg(path, file.reason)};
    if (file.bytes.count('\n') >= MaxLines)
        return {{}, QStringLiteral("\"%1\" has more than %2 lines, too many for a list of recurring dates.")
                        .arg(path)
                        .arg(MaxLines)};
    return {parseLines(file.bytes), QString()};
}

} // namespace

QString datesFilePath()
{
    return AppPaths::userFile(QStringLiteral("OVRECUR.DAX"));
}

QString oldDatesFilePath()
{
    return AppPaths::userFile(QStringLiteral("OVRECUR.DAT"));
}

QStringList parseLines(const QByteArray &bytes)
{
    QStringList lines;
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        const qsizetype next = end < 0 ? bytes.size() : end + 1;
        if (end < 0)
            end = bytes.size();
        // Only the CR of a CR LF pair ends a line; any other CR is part of the text.
        const bool crlf = end < bytes.size() && end > start && bytes.at(end - 1) == '\r';
        lines.append(Win1252::toUnicode(bytes.mid(start, end - start - (crlf ? 1 : 0))));
        start = next;
    }
    return lines;
}

QByteArray serializeLines(const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines) {
        bytes += Win1252::fromUnicode(line);
        bytes += "\r\n";
    }
    return bytes;
}

LoadResult load(const QString &path)
{
    if (!QFileInfo::exists(path))
        return {};
    return readFile(path);
}

LoadResult loadExisting(const QString &path)
{
    if (!QFileInfo::exists(path))
        return {{}, QStringLiteral("\"%1\" does not exist.").arg(path)};
    return readFile(path);
}

QString save(const QString &path, const QStringList &lines)
{
    const QString reason = FileBytes::replaceFile(path, serializeLines(lines));
    if (!reason.isEmpty()) {
        qCWarning(lcRecurring) << "Saving" << path << "failed:" << reason;
        return QStringLiteral("Cannot write \"%1\": %2").arg(path, reason);
    }
    return QString();
}

QString convertOldLine(const QString &oldLine)
{
    return RecurringEntry::padField(oldLine.mid(4, 150), RecurringEntry::NameWidth)
           + QLatin1Char('@')
           + RecurringEntry::padField(oldLine.left(4), RecurringEntry::FormulaWidth);
}

ConversionResult convertOldFile(const QString &oldPath, const QString &newPath)
{
    if (!QFileInfo::exists(oldPath))
        return {};
    const LoadResult old = readFile(oldPath);
    const LoadResult current = load(newPath);
    if (!old.ok() || !current.ok())
        return {false, old.ok() ? current.error : old.error};
    QStringList lines = current.lines;
    for (const QString &oldLine : old.lines) {
        const QString line = convertOldLine(oldLine);
        if (!containsIgnoringCase(current.lines, line))
            lines.append(line);
    }
    if (const QString error = save(newPath, lines); !error.isEmpty())
        return {false, error};
    QFile oldFile(oldPath);
    if (!oldFile.remove())
        return {true, QStringLiteral("Cannot remove \"%1\": %2").arg(oldPath, oldFile.errorString())};
    qCInfo(lcRecurring) << "Converted" << old.lines.size() << "lines of" << oldPath << "into" << newPath;
    return {true, QString()};
}

ConversionResult convertOldFile()
{
    return convertOldFile(oldDatesFilePath(), datesFilePath());
}

bool lessIgnoringCase(const QString &a, const QString &b)
{
    return QString::compare(a, b, Qt::CaseInsensitive) < 0;
}

qsizetype sortedPosition(const QStringList &sorted, const QString &line)
{
    return std::upper_bound(sorted.begin(), sorted.end(), line, lessIgnoringCase) - sorted.begin();
}

bool containsIgnoringCase(const QStringList &lines, const QString &line)
{
    return std::any_of(lines.begin(), lines.end(), [&line](const QString &other) {
        return QString::compare(other, line, Qt::CaseInsensitive) == 0;
    });
}

} // namespace RecurringStore

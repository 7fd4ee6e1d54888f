// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The texts users see when documents and style sheets cannot be read or written; the
// program and the command-line renderer show the same words. "\r" breaks the line.
namespace DocumentMessages {

// The reader's reason, when there is one, follows on a line of its own.
inline QString withReason(const QString &message, const QString &reason)
{
    return reason.isEmpty() ? message : message + QStringLiteral("\r(") + reason + QLatin1Char(')');
}

inline QString openFailed(const QString &path, const QString &reason = {})
{
    return withReason(QStringLiteral("Unable to open ") + path + QStringLiteral(". Possibly \r")
                          + QStringLiteral("corrupted, possibly not a Calendar file"),
                      reason);
}

inline QString styleOpenFailed(const QString &path, const QString &reason = {})
{
    return withReason(QStringLiteral("Unable to open ") + path + QStringLiteral(". Possibly \r")
                          + QStringLiteral("corrupted, possibly not a Calendar Style file"),
                      reason);
}

// The drawing objects of a document were cut short; what came before the damage is shown.
inline QString objectsDamaged(const QString &path, const QString &reason)
{
    return QStringLiteral("Part of ") + path
           + QStringLiteral(" could not be read: some drawing objects are missing.\r(")
           + reason + QLatin1Char(')');
}

inline QString saveFailed(const QString &path, const QString &reason)
{
    return QStringLiteral("Unable to save ") + path + QStringLiteral(".\r") + reason;
}

} // namespace DocumentMessages

// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

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

// A document read with damage: names what was left out, the first few items one a line.
inline QString readInPart(const QString &path, const QStringList &dropped)
{
    constexpr int kShown = 8;
    QString text = QStringLiteral("Part of ") + path
                   + QStringLiteral(" could not be read and was left out:");
    for (int i = 0; i < dropped.size() && i < kShown; ++i)
        text += QStringLiteral("\r- ") + dropped.at(i);
    if (dropped.size() > kShown)
        text += QStringLiteral("\r- and %1 more").arg(dropped.size() - kShown);
    return text;
}

// Asked before a document that was read only in part is saved over its own file.
inline QString overwriteReadInPart(const QString &path)
{
    return path + QStringLiteral(" was read only in part. Saving over it loses for good what "
                                 "could not be read.\rSave over it anyway?");
}

inline QString outOfMemory()
{
    return QStringLiteral("There is not enough memory");
}

// An object of a kind that has no stored form: writing it fails rather than writing it as
// another kind.
inline QString unstorableObject(const QString &name, const QString &className)
{
    return QStringLiteral("The object %1 is of a kind (%2) that cannot be saved").arg(name, className);
}

inline QString saveFailed(const QString &path, const QString &reason)
{
    return QStringLiteral("Unable to save ") + path + QStringLiteral(".\r") + reason;
}

} // namespace DocumentMessages

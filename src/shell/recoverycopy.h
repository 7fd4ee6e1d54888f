// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The copy of a document with unsaved changes that the program keeps in the user folder,
// so a crash loses at most the changes since the last copy. It holds the document's file
// name (empty for an untitled one) and the page as the undo history records it.
class RecoveryCopy
{
public:
    struct Contents
    {
        QString documentName;
        QByteArray state;
    };

    explicit RecoveryCopy(QString path = defaultPath());
    static QString defaultPath();
    const QString &path() const { return m_path; }

    // Replaces the copy atomically; false when it could not be written (the old copy stays).
    bool write(const Contents &contents);
    // The copy left by a run that did not end normally; nothing when there is none or it
    // is not one of ours.
    std::optional<Contents> read() const;
    void remove();

private:
    QString m_path;
};

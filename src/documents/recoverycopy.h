// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <map>
#include <memory>
#include <optional>

// The copies of documents with unsaved changes that the program keeps in the user folder,
// so a crash loses at most the changes since the last copy. Each holds the document's file
// name (empty for an untitled one) and the page as the undo history records it.
//
// Every running program has copies of its own: a copy is named by its owner (the process
// id with a random part, so a later process that gets the same id never takes it over) and
// a hash of the document's name, and the owner holds a lock on "<owner>.lock" beside it for
// as long as it runs. The kernel frees such a lock when the process ends, however it ends,
// so a copy whose owner's lock is free was left by a program that did not close normally:
// only those are offered back, and a program deletes only its own copies and those the
// user discarded.
class RecoveryCopy
{
public:
    struct Contents
    {
        QString documentName;
        QByteArray state;
    };
    // A copy left by a program that has ended; it stays claimed by this object (no other
    // running program offers it meanwhile) until it is discarded or the claims are released.
    struct Orphan
    {
        QString path;
        QString owner;
        Contents contents;
        QDateTime written;
    };

    explicit RecoveryCopy(QString folder = defaultFolder(), QString owner = processOwner(),
                          QString legacyPath = defaultLegacyPath());
    ~RecoveryCopy();
    RecoveryCopy(RecoveryCopy &&other) noexcept;
    RecoveryCopy &operator=(RecoveryCopy &&other) noexcept;

    static QString defaultFolder();
    // The single copy that earlier versions kept for every program of the user; it is
    // offered as a copy whose owner is gone.
    static QString defaultLegacyPath();
    static QString processOwner();

    const QString &folder() const { return m_folder; }
    const QString &owner() const { return m_owner; }
    // Where this program's copy of a document goes.
    QString pathFor(const QString &documentName) const;
    // This program's copy written last; empty when there is none.
    const QString &path() const { return m_written; }

    // Replaces this program's copy atomically; false when it could not be written (the old
    // copy stays). A copy kept under an earlier name of the document goes.
    bool write(const Contents &contents);
    void remove();
    // Copies of further documents this program holds at once (a project's pages while
    // another is shown), by their names, beside the one write() keeps.
    bool writeExtra(const Contents &contents);
    void removeExtra(const QString &documentName);
    void removeExtras();

    // The copies whose owner has ended, newest first, each claimed for this object. Copies
    // that cannot be read (damaged, not ours) are left alone and not offered.
    QList<Orphan> claimOrphans();
    void discardOrphan(const Orphan &orphan);
    void releaseOrphans();

    static std::optional<Contents> readFile(const QString &path);

private:
    class HeldLock;

    QString lockPath(const QString &owner) const;
    bool writeCopy(const Contents &contents);
    bool isExtraPath(const QString &path) const;
    bool ownerHasCopies(const QString &owner) const;
    std::optional<Orphan> readOrphan(const QString &path, const QString &owner);
    bool claim(const QString &owner);

    QString m_folder;
    QString m_owner;
    QString m_legacyPath;
    QString m_written;
    QStringList m_extras;
    std::unique_ptr<HeldLock> m_ownLock;
    std::map<QString, std::unique_ptr<HeldLock>> m_claims;
};

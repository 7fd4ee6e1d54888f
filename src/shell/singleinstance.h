// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

#include <sys/types.h>

class QSocketNotifier;

// Makes the program run once per user: the first start listens on a local socket, a later
// start finds it, asks it to bring its window forward (and to open the document the later
// start was given) and then ends.
//
// The socket lives in a folder only the user can write to (the session's runtime folder,
// else a private folder of our own), only its owner may use it, and a later start talks
// only to a socket that belongs to its own user: the document paths it hands over reach
// nobody else. When no such socket can be had the program runs on its own.
//
// A request is one line: "activate", or "open " and the document's path in Base64.
// The socket is a plain Unix-domain one: a network library only for this would cost the
// start its loading.
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    // A name without a folder lies in the temporary folder.
    explicit SingleInstance(QString serverName = defaultServerName(), QObject *parent = nullptr);
    // Stops listening and removes the socket, unless another program has replaced it.
    ~SingleInstance() override;

    // The socket's full path; empty when there is no private folder for it.
    static QString defaultServerName();
    // <base>/orvane-<uid>, created with mode 0700; empty when it cannot be made or what is
    // there is not a private folder of that user.
    static QString fallbackFolder(const QString &base, uid_t uid);
    // A folder (not a link) owned by uid that nobody else may enter or change.
    static bool isPrivateFolder(const QString &path, uid_t uid);
    // A socket owned by uid, in a folder where nobody else can replace it: one that only
    // uid can write to, or a sticky one (like /tmp) owned by uid or the system.
    static bool socketBelongsTo(const QString &path, uid_t uid);

    const QString &serverName() const { return m_serverName; }
    // The user whose socket a later start may talk to; the program's own unless a test says.
    void setExpectedOwner(uid_t uid) { m_owner = uid; }

    // True when this program goes on: it is the first instance (it now listens), or it runs
    // on its own because the socket is not usable. False when another instance of the user
    // runs, which has then been asked to come forward and to open documentPath (an absolute
    // path) unless it is empty.
    bool start(const QString &documentPath = QString());
    bool isPrimary() const { return m_listener >= 0; }

signals:
    // A later start asked this instance to bring its window forward.
    void activationRequested();
    // A later start was given this document.
    void openRequested(const QString &path);

private:
    class Connection;

    QString socketPath() const;
    bool listen();
    void stopListening();
    bool notifyRunningInstance(const QString &documentPath) const;
    void acceptConnections();
    void readConnection(Connection &connection);
    void handleRequest(const QByteArray &line);

    QString m_serverName;
    uid_t m_owner;
    int m_listener = -1;
    QSocketNotifier *m_listenerNotifier = nullptr;
    // The socket file this instance made, told apart from one a later program put there.
    dev_t m_socketDevice = 0;
    ino_t m_socketInode = 0;
};

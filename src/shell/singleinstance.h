// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

class QLocalServer;
class QLocalSocket;

// Makes the program run once per user: the first start listens on a local socket, a later
// start finds it, asks it to bring its window forward (and to open the document the later
// start was given) and then ends.
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    // The default server name is made of the program's and the user's names.
    explicit SingleInstance(QString serverName = defaultServerName(), QObject *parent = nullptr);
    ~SingleInstance() override;

    static QString defaultServerName();
    const QString &serverName() const { return m_serverName; }

    // True when this is the first instance (it now listens); false when another instance
    // runs, which has then been asked to come forward and to open documentPath (an
    // absolute path) unless it is empty.
    bool start(const QString &documentPath = QString());
    bool isPrimary() const { return m_server != nullptr; }

signals:
    // A later start asked this instance to bring its window forward.
    void activationRequested();
    // A later start was given this document.
    void openRequested(const QString &path);

private:
    bool listen();
    bool notifyRunningInstance(const QString &documentPath);
    void readRequest();
    void readLines(QLocalSocket &socket);

    QString m_serverName;
    QLocalServer *m_server = nullptr;
};

// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

class QLocalServer;
class QLocalSocket;

// Makes the program run once per user: the first start listens on a local socket, a later
// start finds it, asks it to bring its window forward and then ends.
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
    // runs, which has then been asked to come forward.
    bool start();
    bool isPrimary() const { return m_server != nullptr; }

signals:
    // A later start asked this instance to bring its window forward.
    void activationRequested();

private:
    bool listen();
    bool notifyRunningInstance();
    void readRequest();
    void readLines(QLocalSocket &socket);

    QString m_serverName;
    QLocalServer *m_server = nullptr;
};

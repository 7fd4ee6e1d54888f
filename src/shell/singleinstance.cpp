// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "singleinstance.h"

#include <QCoreApplication>
#include <QLocalServer>
#include <QLocalSocket>

namespace {

const QByteArray kActivate = QByteArrayLiteral("activate\n");
constexpr int kTimeoutMs = 1000;

QString userName()
{
    QString name = qEnvironmentVariable("USER");
    if (name.isEmpty())
        name = qEnvironmentVariable("LOGNAME");
    return name.isEmpty() ? QStringLiteral("user") : name;
}

} // namespace

SingleInstance::SingleInstance(QString serverName, QObject *parent)
    : QObject(parent), m_serverName(std::move(serverName))
{
}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::defaultServerName()
{
    return QStringLiteral("orvane-%1").arg(userName());
}

bool SingleInstance::start()
{
    if (m_server)
        return true;
    if (notifyRunningInstance())
        return false;
    if (listen())
        return true;
    // A socket file left behind by a program that ended abnormally blocks listening;
    // nobody answered on it above, so it is stale.
    QLocalServer::removeServer(m_serverName);
    return listen();
}

bool SingleInstance::listen()
{
    auto *server = new QLocalServer(this);
    server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server->listen(m_serverName)) {
        delete server;
        return false;
    }
    m_server = server;
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::readRequest);
    return true;
}

bool SingleInstance::notifyRunningInstance()
{
    QLocalSocket socket;
    socket.connectToServer(m_serverName);
    if (!socket.waitForConnected(kTimeoutMs))
        return false;
    socket.write(kActivate);
    socket.waitForBytesWritten(kTimeoutMs);
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState)
        socket.waitForDisconnected(kTimeoutMs);
    return true;
}

void SingleInstance::readRequest()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readLines(*socket); });
        readLines(*socket);
    }
}

void SingleInstance::readLines(QLocalSocket &socket)
{
    // Only whole, known requests count; anything else from the socket is ignored.
    while (socket.canReadLine()) {
        if (socket.readLine(64) == kActivate)
            emit activationRequested();
    }
}

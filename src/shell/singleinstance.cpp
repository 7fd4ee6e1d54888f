// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "singleinstance.h"

#include "core/filebytes.h"

#include <QCoreApplication>
#include <QLocalServer>
#include <QLocalSocket>
#include <QPointer>

namespace {

const QByteArray kActivate = QByteArrayLiteral("activate\n");
// Followed by the path's bytes in Base64 (any byte a file name holds survives) and a line feed.
const QByteArray kOpen = QByteArrayLiteral("open ");
constexpr int kTimeoutMs = 1000;
// Longer than any path the system accepts, in Base64, with the request's word.
constexpr qint64 kMaxLine = 8192;

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

bool SingleInstance::start(const QString &documentPath)
{
    if (m_server)
        return true;
    if (notifyRunningInstance(documentPath))
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

bool SingleInstance::notifyRunningInstance(const QString &documentPath)
{
    QLocalSocket socket;
    socket.connectToServer(m_serverName);
    if (!socket.waitForConnected(kTimeoutMs))
        return false;
    if (documentPath.isEmpty())
        socket.write(kActivate);
    else
        socket.write(kOpen + FileBytes::encodeName(documentPath).toBase64() + '\n');
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
    // Only whole, known requests count; anything else from the socket is ignored, and a
    // line longer than any request ends the connection. Whoever handles a request may run
    // events, in which the finished connection is deleted: nothing touches it after that.
    const QPointer<QLocalSocket> alive(&socket);
    while (alive && socket.canReadLine()) {
        const QByteArray line = socket.readLine(kMaxLine);
        if (!line.endsWith('\n')) {
            socket.abort();
            return;
        }
        if (line == kActivate) {
            emit activationRequested();
        } else if (line.startsWith(kOpen)) {
            const auto decoded = QByteArray::fromBase64Encoding(
                line.mid(kOpen.size()).chopped(1), QByteArray::AbortOnBase64DecodingErrors);
            if (decoded && !decoded.decoded.isEmpty())
                emit openRequested(FileBytes::decodeName(decoded.decoded));
        }
    }
    // A line that never ends is not allowed to grow without bound either.
    if (alive && socket.bytesAvailable() > kMaxLine)
        socket.abort();
}

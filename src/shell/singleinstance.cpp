// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "singleinstance.h"

#include "core/filebytes.h"

#include <QCoreApplication>
#include <QLocalServer>
#include <QLocalSocket>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPointer>

#include <cerrno>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QByteArray kActivate = QByteArrayLiteral("activate\n");
// Followed by the path's bytes in Base64 (any byte a file name holds survives) and a line feed.
const QByteArray kOpen = QByteArrayLiteral("open ");
constexpr int kTimeoutMs = 1000;
// Longer than any path the system accepts, in Base64, with the request's word.
constexpr qint64 kMaxLine = 8192;

const QString kSocketName = QStringLiteral("orvane.socket");

bool lstatPath(const QString &path, struct stat &info)
{
    return ::lstat(FileBytes::encodeName(path).constData(), &info) == 0;
}

} // namespace

SingleInstance::SingleInstance(QString serverName, QObject *parent)
    : QObject(parent), m_serverName(std::move(serverName)), m_owner(::getuid())
{
}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::defaultServerName()
{
    const uid_t uid = ::getuid();
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (QDir::isAbsolutePath(runtime) && isPrivateFolder(runtime, uid))
        return QDir(runtime).filePath(kSocketName);
    const QString folder = fallbackFolder(QDir::tempPath(), uid);
    return folder.isEmpty() ? QString() : QDir(folder).filePath(kSocketName);
}

QString SingleInstance::fallbackFolder(const QString &base, uid_t uid)
{
    const QString folder = QDir(base).filePath(QStringLiteral("orvane-%1").arg(uid));
    // An existing folder is used only when it is ours and private: another user may have
    // made it first.
    if (::mkdir(QFile::encodeName(folder).constData(), 0700) != 0 && errno != EEXIST)
        return QString();
    return isPrivateFolder(folder, uid) ? folder : QString();
}

bool SingleInstance::isPrivateFolder(const QString &path, uid_t uid)
{
    struct stat info{};
    return lstatPath(path, info) && S_ISDIR(info.st_mode) && info.st_uid == uid
           && (info.st_mode & (S_IRWXG | S_IRWXO)) == 0;
}

bool SingleInstance::socketBelongsTo(const QString &path, uid_t uid)
{
    struct stat socket{};
    struct stat folder{};
    if (!lstatPath(path, socket) || !S_ISSOCK(socket.st_mode) || socket.st_uid != uid)
        return false;
    if (!lstatPath(QFileInfo(path).path(), folder) || !S_ISDIR(folder.st_mode))
        return false;
    if (folder.st_uid != uid && folder.st_uid != 0)
        return false;
    const bool othersWrite = (folder.st_mode & (S_IWGRP | S_IWOTH)) != 0;
    return !othersWrite || (folder.st_mode & S_ISVTX) != 0;
}

QString SingleInstance::socketPath() const
{
    return QDir::isAbsolutePath(m_serverName) ? m_serverName
                                              : QDir(QDir::tempPath()).filePath(m_serverName);
}

bool SingleInstance::start(const QString &documentPath)
{
    if (m_server)
        return true;
    if (m_serverName.isEmpty()) {
        qWarning("orvane: no private folder for the single-instance socket; running on its own");
        return true;
    }
    struct stat info{};
    const QString path = socketPath();
    if (lstatPath(path, info)) {
        // Whatever is there is left alone when it is not ours: nothing is sent to it and it
        // is not removed.
        if (!socketBelongsTo(path, m_owner)) {
            qWarning("orvane: %s does not belong to this user; running on its own",
                     QFile::encodeName(path).constData());
            return true;
        }
        if (notifyRunningInstance(documentPath))
            return false;
        // A socket file left behind by a program that ended abnormally blocks listening;
        // nobody answered on it above, so it is stale.
        QLocalServer::removeServer(path);
    }
    if (!listen())
        qWarning("orvane: cannot listen on %s; running on its own", QFile::encodeName(path).constData());
    return true;
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

bool SingleInstance::peerIsOwner(const QLocalSocket &socket) const
{
    // The file's owner was checked before connecting; the listening process's own user
    // settles it, whatever happened to the file in between.
    struct ucred peer{};
    socklen_t size = sizeof peer;
    return ::getsockopt(int(socket.socketDescriptor()), SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0
           && peer.uid == m_owner;
}

bool SingleInstance::notifyRunningInstance(const QString &documentPath)
{
    QLocalSocket socket;
    socket.connectToServer(m_serverName);
    if (!socket.waitForConnected(kTimeoutMs))
        return false;
    if (!peerIsOwner(socket)) {
        socket.abort();
        return false;
    }
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

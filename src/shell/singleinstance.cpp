// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "singleinstance.h"

#include "core/filebytes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QPointer>
#include <QSocketNotifier>

#include <cerrno>
#include <cstring>
#include <optional>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <sys/un.h>
#include <unistd.h>

#include <utility>

namespace {

const QByteArray kActivate = QByteArrayLiteral("activate\n");
// Followed by the path's bytes in Base64 (any byte a file name holds survives) and a line feed.
const QByteArray kOpen = QByteArrayLiteral("open ");
constexpr int kTimeoutMs = 1000;
// Longer than any path the system accepts, in Base64, with the request's word.
constexpr qsizetype kMaxLine = 8192;
constexpr int kBacklog = 8;

const QString kSocketName = QStringLiteral("orvane.socket");

bool lstatPath(const QString &path, struct stat &info)
{
    return ::lstat(FileBytes::encodeName(path).constData(), &info) == 0;
}

// False when the path does not fit into an address (about 100 bytes).
bool socketAddress(const QByteArray &path, sockaddr_un &address)
{
    address = {};
    address.sun_family = AF_UNIX;
    if (path.isEmpty() || std::size_t(path.size()) >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path, path.constData(), std::size_t(path.size()));
    return true;
}

const sockaddr *asAddress(const sockaddr_un &address)
{
    return reinterpret_cast<const sockaddr *>(&address);
}

std::optional<uid_t> peerUser(int fd)
{
    struct ucred peer{};
    socklen_t size = sizeof peer;
    if (::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &size) != 0)
        return std::nullopt;
    return peer.uid;
}

bool sendAll(int fd, QByteArrayView bytes)
{
    while (!bytes.isEmpty()) {
        // No SIGPIPE when the other end has gone: that is a failed send, not the program's end.
        const ssize_t sent = ::send(fd, bytes.data(), std::size_t(bytes.size()), MSG_NOSIGNAL);
        if (sent < 0 && errno == EINTR)
            continue;
        if (sent <= 0)
            return false;
        bytes = bytes.sliced(sent);
    }
    return true;
}

// Closes a descriptor when it goes out of scope.
class Descriptor
{
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    int get() const { return m_fd; }
    int release() { return std::exchange(m_fd, -1); }

private:
    int m_fd;
};

} // namespace

// One accepted connection: its descriptor, the notifier that tells when it can be read, and
// the start of a line that has not fully arrived. A child of its SingleInstance.
class SingleInstance::Connection : public QObject
{
public:
    Connection(int fd, SingleInstance &owner)
        : QObject(&owner), m_fd(fd), m_notifier(qintptr(fd), QSocketNotifier::Read)
    {
    }
    ~Connection() override { close(); }

    const QSocketNotifier &notifier() const { return m_notifier; }
    void setReading(bool reading) { m_notifier.setEnabled(reading); }

    // Appends the whole lines that have arrived to lines. False when the connection is over:
    // the other end hung up, reading failed, or a line grew longer than any request.
    bool receive(QList<QByteArray> &lines)
    {
        char chunk[4096];
        for (;;) {
            const ssize_t got = ::recv(m_fd, chunk, sizeof chunk, MSG_DONTWAIT);
            if (got > 0) {
                m_pending.append(chunk, got);
                if (!takeLines(lines))
                    return false;
            } else if (got == 0) {
                return false;
            } else if (errno != EINTR) {
                return errno == EAGAIN || errno == EWOULDBLOCK;
            }
        }
    }

    void close()
    {
        if (m_fd < 0)
            return;
        m_notifier.setEnabled(false);
        ::close(m_fd);
        m_fd = -1;
    }

private:
    bool takeLines(QList<QByteArray> &lines)
    {
        qsizetype start = 0;
        for (qsizetype end; (end = m_pending.indexOf('\n', start)) >= 0; start = end + 1) {
            if (end + 1 - start > kMaxLine)
                return false;
            lines.append(m_pending.sliced(start, end + 1 - start));
        }
        m_pending.remove(0, start);
        // A line that never ends is not allowed to grow without bound either.
        return m_pending.size() <= kMaxLine;
    }

    int m_fd;
    QSocketNotifier m_notifier;
    QByteArray m_pending;
};

SingleInstance::SingleInstance(QString serverName, QObject *parent)
    : QObject(parent), m_serverName(std::move(serverName)), m_owner(::getuid())
{
}

SingleInstance::~SingleInstance()
{
    stopListening();
}

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
    if (isPrimary())
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
        ::unlink(FileBytes::encodeName(path).constData());
    }
    if (!listen())
        qWarning("orvane: cannot listen on %s; running on its own", QFile::encodeName(path).constData());
    return true;
}

bool SingleInstance::listen()
{
    const QByteArray path = FileBytes::encodeName(socketPath());
    sockaddr_un address;
    if (!socketAddress(path, address))
        return false;
    Descriptor listener(::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
    if (listener.get() < 0)
        return false;
    // The file is made with the socket's permissions, so it is never open to others, not
    // even for a moment.
    if (::fchmod(listener.get(), S_IRUSR | S_IWUSR) != 0
        || ::bind(listener.get(), asAddress(address), sizeof address) != 0)
        return false;
    struct stat made{};
    if (::listen(listener.get(), kBacklog) != 0 || ::lstat(path.constData(), &made) != 0) {
        ::unlink(path.constData());
        return false;
    }
    m_socketDevice = made.st_dev;
    m_socketInode = made.st_ino;
    m_listener = listener.release();
    m_listenerNotifier = new QSocketNotifier(qintptr(m_listener), QSocketNotifier::Read, this);
    connect(m_listenerNotifier, &QSocketNotifier::activated, this, &SingleInstance::acceptConnections);
    return true;
}

void SingleInstance::stopListening()
{
    if (m_listener < 0)
        return;
    delete m_listenerNotifier;
    m_listenerNotifier = nullptr;
    ::close(m_listener);
    m_listener = -1;
    const QByteArray path = FileBytes::encodeName(socketPath());
    struct stat now{};
    if (::lstat(path.constData(), &now) == 0 && now.st_dev == m_socketDevice && now.st_ino == m_socketInode)
        ::unlink(path.constData());
}

bool SingleInstance::notifyRunningInstance(const QString &documentPath) const
{
    sockaddr_un address;
    if (!socketAddress(FileBytes::encodeName(socketPath()), address))
        return false;
    const Descriptor socket(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
    if (socket.get() < 0)
        return false;
    // Connecting and sending give up on a program that does not take them in this time.
    const timeval timeout{kTimeoutMs / 1000, (kTimeoutMs % 1000) * 1000};
    ::setsockopt(socket.get(), SOL_SOCKET, SO_SNDTIMEO, &timeout, sizeof timeout);
    if (::connect(socket.get(), asAddress(address), sizeof address) != 0)
        return false;
    // The file's owner was checked before connecting; the listening process's own user
    // settles it, whatever happened to the file in between.
    if (peerUser(socket.get()) != m_owner)
        return false;
    const QByteArray request = documentPath.isEmpty()
                                   ? kActivate
                                   : kOpen + FileBytes::encodeName(documentPath).toBase64() + '\n';
    // What was sent waits for the running program in the socket after this end closes.
    return sendAll(socket.get(), request);
}

void SingleInstance::acceptConnections()
{
    for (;;) {
        const int fd = ::accept4(m_listener, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (fd < 0 && errno == EINTR)
            continue;
        if (fd < 0)
            return;
        // The file's permissions keep others out; the peer's user is checked as well, as
        // the administrator passes any permission.
        if (peerUser(fd) != ::getuid()) {
            ::close(fd);
            continue;
        }
        auto *connection = new Connection(fd, *this);
        connect(&connection->notifier(), &QSocketNotifier::activated, this,
                [this, connection] { readConnection(*connection); });
        readConnection(*connection);
    }
}

void SingleInstance::readConnection(Connection &connection)
{
    // Only whole, known requests count. Whoever handles a request may run events: the
    // connection is not read meanwhile, so requests are handled in order, and one that
    // ended is closed first and deleted later, nothing touches it after.
    QList<QByteArray> lines;
    const bool open = connection.receive(lines);
    const QPointer<Connection> alive(&connection);
    if (open) {
        connection.setReading(false);
    } else {
        connection.close();
        connection.deleteLater();
    }
    for (const QByteArray &line : std::as_const(lines))
        handleRequest(line);
    if (open && alive)
        alive->setReading(true);
}

void SingleInstance::handleRequest(const QByteArray &line)
{
    if (line == kActivate) {
        emit activationRequested();
    } else if (line.startsWith(kOpen)) {
        const auto decoded = QByteArray::fromBase64Encoding(
            line.mid(kOpen.size()).chopped(1), QByteArray::AbortOnBase64DecodingErrors);
        if (decoded && !decoded.decoded.isEmpty())
            emit openRequested(FileBytes::decodeName(decoded.decoded));
    }
}

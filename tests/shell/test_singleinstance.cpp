// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QUuid>

#include "core/filebytes.h"
#include "shell/singleinstance.h"

#include <cstring>
#include <optional>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Waits end as soon as what they wait for happens; this only bounds a hang.
constexpr int kPatience = 30000;

// Puts an environment variable back as it was, set or not.
void restoreVariable(const char *name, const std::optional<QByteArray> &value)
{
    if (value)
        qputenv(name, *value);
    else
        qunsetenv(name);
}

std::optional<QByteArray> savedVariable(const char *name)
{
    return qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt;
}

QString uniqueName()
{
    return QStringLiteral("orvane-test-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
}

} // namespace

TEST(SingleInstance, ASecondStartAsksTheFirstToComeForwardAndEnds)
{
    const QString name = uniqueName();
    SingleInstance first(name);
    ASSERT_TRUE(first.start());
    EXPECT_TRUE(first.isPrimary());
    QSignalSpy raised(&first, &SingleInstance::activationRequested);

    SingleInstance second(name);
    EXPECT_FALSE(second.start());
    EXPECT_FALSE(second.isPrimary());
    EXPECT_TRUE(raised.wait(kPatience));
    EXPECT_EQ(raised.count(), 1);
}

TEST(SingleInstance, DifferentNamesDoNotMeet)
{
    SingleInstance a(uniqueName());
    SingleInstance b(uniqueName());
    EXPECT_TRUE(a.start());
    EXPECT_TRUE(b.start());
}

TEST(SingleInstance, AStaleSocketLeftByACrashDoesNotBlockTheStart)
{
    const QString name = uniqueName();
    QString socketPath;
    {
        QLocalServer probe;
        ASSERT_TRUE(probe.listen(name));
        socketPath = probe.fullServerName();
    }
    // A socket file nobody listens on is what an abnormal end leaves behind.
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray path = QFile::encodeName(socketPath);
    ASSERT_LT(size_t(path.size()), sizeof(address.sun_path));
    std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof(address)), 0);
    ::close(fd);
    ASSERT_TRUE(QFile::exists(socketPath));

    SingleInstance instance(name);
    EXPECT_TRUE(instance.start());
    EXPECT_TRUE(instance.isPrimary());
}

TEST(SingleInstance, UnknownRequestsAreIgnored)
{
    const QString name = uniqueName();
    SingleInstance first(name);
    ASSERT_TRUE(first.start());
    QSignalSpy raised(&first, &SingleInstance::activationRequested);
    QLocalSocket socket;
    socket.connectToServer(name);
    ASSERT_TRUE(socket.waitForConnected(kPatience));
    // A known request after the unknown ones: lines are handled in order, so its activation
    // arrives after the others were read, and it must be the only one.
    socket.write("please\nactivate now\nactivate\n");
    socket.waitForBytesWritten(kPatience);
    ASSERT_TRUE(raised.wait(kPatience));
    EXPECT_EQ(raised.count(), 1);
}

TEST(SingleInstance, ASecondStartHandsItsDocumentToTheFirst)
{
    const QString name = uniqueName();
    SingleInstance first(name);
    ASSERT_TRUE(first.start());
    QSignalSpy opened(&first, &SingleInstance::openRequested);
    QSignalSpy raised(&first, &SingleInstance::activationRequested);
    // Any byte a file name may hold, a line feed and bytes that are not UTF-8 among them,
    // arrives unchanged.
    const QString path = FileBytes::decodeName("/home/me/Year plan\n\xc3\xa9 \xff\xfe 2027.OVF");
    SingleInstance second(name);
    EXPECT_FALSE(second.start(path));
    ASSERT_TRUE(opened.wait(kPatience));
    EXPECT_EQ(FileBytes::encodeName(opened.takeFirst().value(0).toString()),
              QByteArray("/home/me/Year plan\n\xc3\xa9 \xff\xfe 2027.OVF"));
    EXPECT_EQ(raised.count(), 0);
}

TEST(SingleInstance, DamagedOrOverlongRequestsAreDropped)
{
    const QString name = uniqueName();
    SingleInstance first(name);
    ASSERT_TRUE(first.start());
    QSignalSpy opened(&first, &SingleInstance::openRequested);
    QSignalSpy raised(&first, &SingleInstance::activationRequested);
    {
        QLocalSocket flood;
        flood.connectToServer(name);
        ASSERT_TRUE(flood.waitForConnected(kPatience));
        // A line without end is cut off rather than kept growing.
        QSignalSpy cut(&flood, &QLocalSocket::disconnected);
        flood.write(QByteArray(64 * 1024, 'a'));
        // Both ends live in this thread: the server reads while the spy runs the events.
        EXPECT_TRUE(cut.wait(kPatience));
    }
    QLocalSocket socket;
    socket.connectToServer(name);
    ASSERT_TRUE(socket.waitForConnected(kPatience));
    socket.write("open !!not base64!!\nopen \nactivate\n");
    socket.waitForBytesWritten(kPatience);
    ASSERT_TRUE(raised.wait(kPatience));
    EXPECT_EQ(opened.count(), 0);
}

TEST(SingleInstance, AHandlerThatRunsEventsOutlivesTheFinishedConnection)
{
    const QString name = uniqueName();
    SingleInstance first(name);
    ASSERT_TRUE(first.start());
    int handled = 0;
    // Opening a document runs events (dialogs, painting); the later start has hung up by
    // then, and its connection is deleted inside them.
    QObject::connect(&first, &SingleInstance::openRequested, &first, [&handled] {
        QTest::qWait(300);
        ++handled;
    });
    SingleInstance second(name);
    EXPECT_FALSE(second.start(QStringLiteral("/docs/a.OVF")));
    for (int waited = 0; handled == 0 && waited < kPatience; waited += 50)
        QTest::qWait(50);
    EXPECT_EQ(handled, 1);
}

TEST(SingleInstance, TheSocketLivesInAFolderOnlyTheUserCanEnter)
{
    QTemporaryDir runtime;
    QTemporaryDir temporary;
    ASSERT_EQ(::chmod(QFile::encodeName(runtime.path()).constData(), 0700), 0);
    const auto savedRuntime = savedVariable("XDG_RUNTIME_DIR");
    const auto savedUser = savedVariable("USER");
    const auto savedTemporary = savedVariable("TMPDIR");
    qunsetenv("USER");
    qputenv("TMPDIR", QFile::encodeName(temporary.path()));
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    const QString inRuntime = SingleInstance::defaultServerName();
    // A runtime folder others may write to is not used.
    ASSERT_EQ(::chmod(QFile::encodeName(runtime.path()).constData(), 0777), 0);
    const QString openRuntime = SingleInstance::defaultServerName();
    qunsetenv("XDG_RUNTIME_DIR");
    const QString withoutRuntime = SingleInstance::defaultServerName();
    restoreVariable("XDG_RUNTIME_DIR", savedRuntime);
    restoreVariable("USER", savedUser);
    restoreVariable("TMPDIR", savedTemporary);

    EXPECT_EQ(inRuntime, runtime.filePath(QStringLiteral("orvane.socket")));
    for (const QString &name : {openRuntime, withoutRuntime}) {
        ASSERT_FALSE(name.isEmpty());
        EXPECT_FALSE(name.startsWith(runtime.path()));
        EXPECT_TRUE(SingleInstance::isPrivateFolder(QFileInfo(name).path(), ::getuid())) << qPrintable(name);
        EXPECT_EQ(QFileInfo(name).path(), temporary.filePath(QStringLiteral("orvane-%1").arg(::getuid())));
    }
}

TEST(SingleInstance, TheFallbackFolderMustBeMadeByTheUserAndPrivate)
{
    QTemporaryDir base;
    const QString made = SingleInstance::fallbackFolder(base.path(), ::getuid());
    ASSERT_EQ(made, base.filePath(QStringLiteral("orvane-%1").arg(::getuid())));
    struct stat info{};
    ASSERT_EQ(::lstat(QFile::encodeName(made).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0700u);
    EXPECT_EQ(SingleInstance::fallbackFolder(base.path(), ::getuid()), made) << "found again";

    // Made first by someone else (as another user sees ours), open to others, or a link.
    EXPECT_TRUE(SingleInstance::fallbackFolder(base.path(), ::getuid() + 1).isEmpty());
    ASSERT_EQ(::chmod(QFile::encodeName(made).constData(), 0777), 0);
    EXPECT_TRUE(SingleInstance::fallbackFolder(base.path(), ::getuid()).isEmpty());
    QTemporaryDir other;
    const QString link = base.filePath(QStringLiteral("orvane-%1").arg(::getuid() + 7));
    ASSERT_TRUE(QFile::link(other.path(), link));
    EXPECT_TRUE(SingleInstance::fallbackFolder(base.path(), ::getuid() + 7).isEmpty());
}

TEST(SingleInstance, NothingIsSentToASocketOfAnotherUser)
{
    QTemporaryDir folder;
    ASSERT_EQ(::chmod(QFile::encodeName(folder.path()).constData(), 0700), 0);
    const QString name = folder.filePath(QStringLiteral("orvane.socket"));
    SingleInstance first(name);
    ASSERT_TRUE(first.start());
    QSignalSpy opened(&first, &SingleInstance::openRequested);
    QSignalSpy raised(&first, &SingleInstance::activationRequested);
    EXPECT_TRUE(SingleInstance::socketBelongsTo(name, ::getuid()));
    EXPECT_FALSE(SingleInstance::socketBelongsTo(name, ::getuid() + 1));

    // As a program of another user sees the socket: it runs on its own, sends nothing and
    // leaves the socket alone.
    SingleInstance stranger(name);
    stranger.setExpectedOwner(::getuid() + 1);
    EXPECT_TRUE(stranger.start(QStringLiteral("/home/other/secret.OVF")));
    EXPECT_FALSE(stranger.isPrimary());
    EXPECT_TRUE(QFileInfo::exists(name));

    // Requests are handled in order: once this one arrived, the stranger's would have too.
    SingleInstance second(name);
    EXPECT_FALSE(second.start());
    ASSERT_TRUE(raised.wait(kPatience));
    EXPECT_EQ(raised.count(), 1);
    EXPECT_EQ(opened.count(), 0);

    // A folder others may write to makes even the user's own socket untrusted.
    ASSERT_EQ(::chmod(QFile::encodeName(folder.path()).constData(), 0770), 0);
    EXPECT_FALSE(SingleInstance::socketBelongsTo(name, ::getuid()));
    ASSERT_EQ(::chmod(QFile::encodeName(folder.path()).constData(), 0700), 0);
}

TEST(SingleInstance, TheSocketIsTheUsersAloneAndGoesWithTheInstance)
{
    QTemporaryDir folder;
    const QString name = folder.filePath(QStringLiteral("orvane.socket"));
    const QByteArray path = QFile::encodeName(name);
    struct stat info{};
    {
        SingleInstance first(name);
        ASSERT_TRUE(first.start());
        ASSERT_EQ(::lstat(path.constData(), &info), 0);
        EXPECT_TRUE(S_ISSOCK(info.st_mode));
        EXPECT_EQ(info.st_mode & 07777, 0600u);
    }
    EXPECT_FALSE(QFileInfo::exists(name)) << "removed when the instance ends";

    // A socket that another program put in the place of ours is not ours to remove.
    QLocalServer replacement;
    {
        SingleInstance first(name);
        ASSERT_TRUE(first.start());
        ASSERT_EQ(::unlink(path.constData()), 0);
        ASSERT_TRUE(replacement.listen(name));
        ASSERT_EQ(::lstat(path.constData(), &info), 0);
    }
    struct stat after{};
    ASSERT_EQ(::lstat(path.constData(), &after), 0);
    EXPECT_EQ(after.st_ino, info.st_ino);
}

TEST(SingleInstance, RequestsArriveWholeAndInOrderHoweverTheyAreCut)
{
    const QString name = uniqueName();
    SingleInstance first(name);
    ASSERT_TRUE(first.start());
    QStringList events;
    QObject::connect(&first, &SingleInstance::activationRequested, &first,
                     [&events] { events << QStringLiteral("activate"); });
    QObject::connect(&first, &SingleInstance::openRequested, &first,
                     [&events](const QString &path) { events << path; });

    // One that never says anything keeps nobody else waiting.
    QLocalSocket idle;
    idle.connectToServer(name);
    ASSERT_TRUE(idle.waitForConnected(kPatience));
    QLocalSocket socket;
    socket.connectToServer(name);
    ASSERT_TRUE(socket.waitForConnected(kPatience));
    const QByteArray path = "/docs/" + QByteArray(300, 'x') + ".OVF";
    const QByteArray requests = "open " + path.toBase64() + "\nactivate\nopen " + QByteArray("/b.OVF").toBase64() + "\n";
    // In pieces that end anywhere, a line's end among them: the server reads between them.
    for (qsizetype at = 0; at < requests.size(); at += 7) {
        socket.write(requests.mid(at, 7));
        socket.waitForBytesWritten(kPatience);
        QTest::qWait(2);
    }
    for (int waited = 0; events.size() < 3 && waited < kPatience; waited += 20)
        QTest::qWait(20);
    EXPECT_EQ(events, (QStringList{QString::fromLatin1(path), QStringLiteral("activate"), QStringLiteral("/b.OVF")}));
}

TEST(SingleInstance, RequestsFromAnotherUserAreRefused)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "only the administrator can act as another user here";
    QTemporaryDir folder;
    const QString name = folder.filePath(QStringLiteral("orvane.socket"));
    SingleInstance first(name);
    ASSERT_TRUE(first.start());
    QSignalSpy raised(&first, &SingleInstance::activationRequested);
    // Opened up as a careless setup might leave it: the peer's user is what refuses.
    ASSERT_EQ(::chmod(QFile::encodeName(folder.path()).constData(), 0711), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(name).constData(), 0666), 0);

    const QByteArray path = QFile::encodeName(name);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // Only system calls here: the child of a Qt program must not use Qt.
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        const bool sent = ::setuid(65534) == 0
                          && ::connect(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0
                          && ::write(fd, "activate\n", 9) == 9;
        ::_exit(sent ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the other user's request was not even sent";

    // Connections are taken in the order they came: once this one is handled, the other
    // user's was too.
    SingleInstance second(name);
    EXPECT_FALSE(second.start());
    ASSERT_TRUE(raised.wait(kPatience));
    QTest::qWait(50);
    EXPECT_EQ(raised.count(), 1);
}

// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QSignalSpy>
#include <QTest>
#include <QUuid>

#include "core/filebytes.h"
#include "shell/singleinstance.h"

#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// Waits end as soon as what they wait for happens; this only bounds a hang.
constexpr int kPatience = 30000;

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

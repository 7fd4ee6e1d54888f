// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include "renderprocess.h"

namespace {

QString shippedLibrary()
{
    return QDir(qEnvironmentVariable("ORVANE_SOURCE_DATA")).filePath(QStringLiteral("holiday.icl"));
}

} // namespace

TEST(RenderIcons, ListsAndWritesTheIconsOfALibrary)
{
    RunResult run = render({QStringLiteral("--icons"), shippedLibrary()});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    const QJsonObject list = QJsonDocument::fromJson(run.out).object();
    const int count = list.value(QStringLiteral("count")).toInt();
    EXPECT_GE(count, 30);
    const QJsonArray icons = list.value(QStringLiteral("icons")).toArray();
    ASSERT_EQ(icons.size(), count);
    const QJsonObject last = icons.last().toObject();
    EXPECT_EQ(last.value(QStringLiteral("index")).toInt(), count - 1);
    EXPECT_EQ(last.value(QStringLiteral("width")).toInt(), 32);
    EXPECT_EQ(last.value(QStringLiteral("height")).toInt(), 32);

    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("icon.png"));
    run = render({QStringLiteral("--icon"), shippedLibrary(), QString::number(count - 1),
                  QStringLiteral("--out"), out});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    QImage icon(out);
    EXPECT_EQ(icon.size(), QSize(32, 32));
    EXPECT_TRUE(icon.hasAlphaChannel());
    run = render({QStringLiteral("--icon"), shippedLibrary(), QStringLiteral("0"), QStringLiteral("--out"),
                  out, QStringLiteral("--size"), QStringLiteral("16x16")});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_EQ(QImage(out).size(), QSize(16, 16));
}

TEST(RenderIcons, UnreadableFilesAndMissingIconsFail)
{
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("icon.png"));
    for (const QString &path : {dir.filePath(QStringLiteral("missing.icl")), dir.path()}) {
        RunResult run = render({QStringLiteral("--icons"), path});
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_TRUE(run.err.contains(path.toLocal8Bit())) << run.err.constData();
        EXPECT_TRUE(run.out.isEmpty());
        run = render({QStringLiteral("--icon"), path, QStringLiteral("0"), QStringLiteral("--out"), out});
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_TRUE(run.err.contains(path.toLocal8Bit())) << run.err.constData();
    }
    RunResult run = render({QStringLiteral("--icon"), shippedLibrary(), QStringLiteral("9999"),
                            QStringLiteral("--out"), out});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("no icon 9999")) << run.err.constData();
    EXPECT_FALSE(QFile::exists(out));
    // The number is required, and so is the output.
    EXPECT_EQ(render({QStringLiteral("--icon"), shippedLibrary(), QStringLiteral("--out"), out}).exitCode, 2);
    EXPECT_EQ(render({QStringLiteral("--icon"), shippedLibrary(), QStringLiteral("1")}).exitCode, 2);
}

// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The renderer on documents it can read only in part.
#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <sys/resource.h>

#include "../storage/damageddocuments.h"
#include "renderprocess.h"

namespace {

QString writeFile(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return path;
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int objectCount(const RunResult &run)
{
    return int(QJsonDocument::fromJson(run.out).object().value(QStringLiteral("objects")).toArray().size());
}

} // namespace

TEST(RenderDamaged, ADocumentReadInPartExitsThreeAndNamesWhatWasLeftOut)
{
    QTemporaryDir dir;
    const QString document
        = writeFile(dir, QStringLiteral("lefz.OVF"), DamagedDocuments::withRenamedLeft(DamagedDocuments::fifteenLabels(), 4));
    const RunResult run = render({document, QStringLiteral("--geometry")});
    EXPECT_EQ(run.exitCode, 3);
    EXPECT_TRUE(run.err.contains("property Lefz of Component3 (TGPLabel)")) << run.err.constData();
    EXPECT_EQ(objectCount(run), 15);

    const QString whole = writeFile(dir, QStringLiteral("whole.OVF"), DamagedDocuments::fifteenLabels());
    const RunResult wholeRun = render({whole, QStringLiteral("--geometry")});
    EXPECT_EQ(wholeRun.exitCode, 0);
    EXPECT_TRUE(wholeRun.err.isEmpty()) << wholeRun.err.constData();
}

TEST(RenderDamaged, SaveNeverReplacesADocumentReadInPart)
{
    QTemporaryDir dir;
    const QByteArray damaged = DamagedDocuments::withUnskippableLeft(DamagedDocuments::fifteenLabels(), 7);
    const QString document = writeFile(dir, QStringLiteral("damaged.OVF"), damaged);
    const QString link = dir.filePath(QStringLiteral("link.OVF"));
    ASSERT_TRUE(QFile::link(document, link));
    for (const QString &target : {document, link, dir.filePath(QStringLiteral("./damaged.OVF"))}) {
        const RunResult run = render({document, QStringLiteral("--save"), target});
        EXPECT_EQ(run.exitCode, 3) << qPrintable(target);
        EXPECT_TRUE(run.err.contains("is not saved over")) << run.err.constData();
        EXPECT_EQ(contents(document), damaged) << qPrintable(target);
    }
    // Another name takes what was read, which then reads whole.
    const QString repaired = dir.filePath(QStringLiteral("repaired.OVF"));
    EXPECT_EQ(render({document, QStringLiteral("--save"), repaired}).exitCode, 3);
    const RunResult again = render({repaired, QStringLiteral("--geometry")});
    EXPECT_EQ(again.exitCode, 0) << again.err.constData();
    EXPECT_EQ(objectCount(again), 14);
    // A whole document may still be saved over itself.
    EXPECT_EQ(render({repaired, QStringLiteral("--save"), repaired}).exitCode, 0);
}

TEST(RenderDamaged, PictureBombsStayWithinAMemoryLimit)
{
    QTemporaryDir dir;
    const QString document = writeFile(dir, QStringLiteral("bombs.OVF"), DamagedDocuments::pictureBombs(20));
    const QString png = dir.filePath(QStringLiteral("page.png"));
    QProcess process;
    // Twenty decoded pictures would take 2.5 GB; the renderer gets 1.5 GB of address space.
    process.setChildProcessModifier([] {
        const rlim_t limit = 1536ull * 1024 * 1024;
        const rlimit bound{limit, limit};
        setrlimit(RLIMIT_AS, &bound);
    });
    process.start(QStringLiteral(ORVANE_RENDER_PROGRAM), {document, QStringLiteral("--out"), png});
    const RunResult run = waitForRun(process);
    EXPECT_EQ(run.exitCode, 3) << run.err.constData();
    EXPECT_TRUE(run.err.contains("need more than 400 megapixels")) << run.err.constData();
    const QImage page(png);
    ASSERT_FALSE(page.isNull());
    // The first picture is drawn (its one colour is red); the last was refused.
    EXPECT_EQ(page.pixelColor(40, 120), QColor(Qt::red));
    EXPECT_NE(page.pixelColor(490, 180), QColor(Qt::red));

    // Printed, each picture is decoded at the size it is printed, not at its 31 megapixels,
    // which a PDF would carry along whole (some 6 MB for these twelve).
    const QString pdf = dir.filePath(QStringLiteral("page.pdf"));
    EXPECT_EQ(render({document, QStringLiteral("--out"), pdf}).exitCode, 3);
    EXPECT_GT(QFileInfo(pdf).size(), 0);
    EXPECT_LT(QFileInfo(pdf).size(), 1024 * 1024);
}

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

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "../storage/damageddocuments.h"
#include "objects/tgimage.h"
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

namespace {

// The largest resident size, in bytes, of a run of the renderer with these arguments.
qint64 peakMemoryOfRun(const QList<QByteArray> &arguments)
{
    std::vector<char *> argv{const_cast<char *>(ORVANE_RENDER_PROGRAM)};
    for (const QByteArray &argument : arguments)
        argv.push_back(const_cast<char *>(argument.constData()));
    argv.push_back(nullptr);
    const pid_t child = ::fork();
    if (child == 0) {
        const int nothing = ::open("/dev/null", O_WRONLY);
        ::dup2(nothing, 1);
        ::dup2(nothing, 2);
        ::execv(ORVANE_RENDER_PROGRAM, argv.data());
        ::_exit(127);
    }
    int status = 0;
    rusage usage{};
    if (child < 0 || ::wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return -1;
    return qint64(usage.ru_maxrss) * 1024;
}

} // namespace

TEST(RenderDamaged, DumpingALargeDocumentTakesAFewTimesItsSize)
{
    // A 20-megapixel photo makes a document of about 60 MB, dumped as hex lines.
    QImage photo(5472, 3648, QImage::Format_RGB32);
    for (int y = 0; y < photo.height(); ++y) {
        auto *line = reinterpret_cast<quint32 *>(photo.scanLine(y));
        for (int x = 0; x < photo.width(); ++x)
            line[x] = quint32(x * 2654435761u) ^ quint32(y * 40503u);
    }
    Picture picture;
    picture.setBitmap(photo);
    auto image = std::make_unique<TGImage>();
    image->setBounds(30, 40, 300, 200);
    image->SetPicture(picture);
    std::vector<std::unique_ptr<TGGraphicControl>> objects;
    objects.push_back(std::move(image));
    QTemporaryDir dir;
    const QString document = writeFile(dir, QStringLiteral("photo.OVF"), DamagedDocuments::documentOf(std::move(objects)));
    const qint64 size = QFileInfo(document).size();
    ASSERT_GT(size, 50LL * 1024 * 1024);
    const qint64 peak = peakMemoryOfRun({QByteArrayLiteral("--dump"), QFile::encodeName(document)});
    ASSERT_GT(peak, 0) << "the dump failed";
    EXPECT_LT(peak, 4 * size);
}

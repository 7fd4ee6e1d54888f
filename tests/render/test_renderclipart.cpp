// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Clip art placed from the command line: SVG drawings saved as their own bytes and printed as
// vectors, WebP and TIFF pictures read as the browser reads them.
#include <gtest/gtest.h>

#include "svgfiles.h"

#include <QFile>
#include <QImage>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

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

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The images of a PDF as pdfimages lists them ("width x height"), or as its image objects
// say where pdfimages is missing.
QStringList pdfImages(const QString &pdf)
{
    QStringList images;
    const QString pdfimages = QStandardPaths::findExecutable(QStringLiteral("pdfimages"));
    if (pdfimages.isEmpty()) {
        static const QRegularExpression image(QStringLiteral("/Subtype /Image\\s*/Width (\\d+)\\s*/Height (\\d+)"));
        for (auto it = image.globalMatch(QString::fromLatin1(readFile(pdf))); it.hasNext();) {
            const QRegularExpressionMatch match = it.next();
            images << match.captured(1) + QStringLiteral(" x ") + match.captured(2);
        }
        return images;
    }
    QProcess list;
    list.start(pdfimages, {QStringLiteral("-list"), pdf});
    EXPECT_TRUE(list.waitForFinished(60000));
    // Two lines of heading, then "page num type width height ...".
    const QStringList lines = QString::fromLatin1(list.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    for (const QString &line : lines.mid(2)) {
        const QStringList fields = line.simplified().split(u' ');
        if (fields.size() > 4)
            images << fields[3] + QStringLiteral(" x ") + fields[4];
    }
    return images;
}

} // namespace

TEST(RenderClipArt, AnAddedDrawingIsSavedAsItsBytesAndPrintedAsPaths)
{
    QTemporaryDir dir;
    const QByteArray svg = SvgFiles::halves();
    const QString drawing = writeFile(dir, QStringLiteral("halves.svg"), svg);
    QImage dot(8, 8, QImage::Format_RGB32);
    dot.fill(Qt::green);
    const QString png = dir.filePath(QStringLiteral("dot.png"));
    ASSERT_TRUE(dot.save(png));
    const QString saved = dir.filePath(QStringLiteral("page.ovf"));
    RunResult run = render({QStringLiteral("--year"), QStringLiteral("2027"), QStringLiteral("--month"),
                            QStringLiteral("3"), QStringLiteral("--add-picture"), drawing, QStringLiteral("--rect"),
                            QStringLiteral("1,1,4,2"), QStringLiteral("--add-picture"), png,
                            QStringLiteral("--rect"), QStringLiteral("6,1,1,1"), QStringLiteral("--save"), saved});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();

    // Opened and saved again, the document is the same, and it holds the drawing's file.
    const QString again = dir.filePath(QStringLiteral("again.ovf"));
    run = render({saved, QStringLiteral("--save"), again});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_EQ(readFile(again), readFile(saved));
    EXPECT_TRUE(readFile(saved).contains(svg));
    run = render({QStringLiteral("--dump"), saved});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_TRUE(run.out.contains(QStringLiteral("{svg file, %1 bytes}").arg(svg.size()).toUtf8())) << run.out.constData();
    EXPECT_TRUE(run.out.contains("object Component0: TGImage")) << "named as reading names objects";

    // In the PDF only the PNG is an image.
    const QString pdf = dir.filePath(QStringLiteral("page.pdf"));
    run = render({saved, QStringLiteral("--out"), pdf});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_EQ(pdfImages(pdf), QStringList{QStringLiteral("8 x 8")});

    // On the page, one to five inches across and one to three down (96 pixels an inch).
    const QString image = dir.filePath(QStringLiteral("page.png"));
    run = render({saved, QStringLiteral("--out"), image});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    const QImage page(image);
    EXPECT_EQ(page.pixelColor(150, 192), SvgFiles::kLeft);
    EXPECT_EQ(page.pixelColor(432, 192), SvgFiles::kRight);
    EXPECT_EQ(page.pixelColor(624, 144), QColor(Qt::green));
}

TEST(RenderClipArt, PicturesThatCannotBePlacedStopTheRunAndSaveNothing)
{
    QTemporaryDir dir;
    const QString drawing = writeFile(dir, QStringLiteral("halves.svg"), SvgFiles::halves());
    const QString broken = writeFile(dir, QStringLiteral("broken.svg"), "<svg><g>");
    const QString saved = dir.filePath(QStringLiteral("page.ovf"));
    // New pages are landscape letter.
    const struct {
        QStringList arguments;
        int exitCode;
        const char *message;
    } cases[] = {
        {{QStringLiteral("--add-picture"), drawing}, 2, "each --add-picture FILE needs one --rect L,T,W,H"},
        {{QStringLiteral("--add-picture"), drawing, QStringLiteral("--rect"), QStringLiteral("1,1,4")}, 2,
         "invalid value for --rect: '1,1,4'"},
        {{QStringLiteral("--add-picture"), drawing, QStringLiteral("--rect"), QStringLiteral("9,1,4,2")}, 1,
         "does not lie on the paper (11 x 8.5 inches)"},
        {{QStringLiteral("--add-picture"), drawing, QStringLiteral("--rect"), QStringLiteral("1,1,4,2"),
          QStringLiteral("--add-picture"), broken, QStringLiteral("--rect"), QStringLiteral("1,4,4,2")}, 1,
         "Not a readable SVG drawing: the drawing is not well-formed XML"},
    };
    for (const auto &entry : cases) {
        const RunResult run = render(entry.arguments + QStringList{QStringLiteral("--paper"), QStringLiteral("letter"),
                                                                    QStringLiteral("--save"), saved});
        EXPECT_EQ(run.exitCode, entry.exitCode) << entry.message;
        EXPECT_TRUE(run.err.contains(entry.message)) << run.err.constData();
        EXPECT_FALSE(QFile::exists(saved)) << entry.message;
        QFile::remove(saved);
    }
}

TEST(RenderClipArt, DrawingsWebpAndTiffAreDescribedAsTheBrowserReadsThem)
{
    QTemporaryDir dir;
    QImage image(30, 20, QImage::Format_RGB32);
    image.fill(qRgb(0, 0, 200));
    const QString webp = dir.filePath(QStringLiteral("blue.webp"));
    const QString tiff = dir.filePath(QStringLiteral("blue.tiff"));
    ASSERT_TRUE(image.save(webp, "WEBP", 100));
    ASSERT_TRUE(image.save(tiff, "TIFF"));
    const QString svg = writeFile(dir, QStringLiteral("halves.svg"), SvgFiles::halves());
    const struct {
        QString file;
        const char *kind;
        QSize size;
    } cases[] = {{webp, "bitmap", {30, 20}}, {tiff, "bitmap", {30, 20}}, {svg, "svg", {200, 100}}};
    for (const auto &entry : cases) {
        const RunResult run = render({QStringLiteral("--picture"), entry.file, QStringLiteral("--info")});
        ASSERT_EQ(run.exitCode, 0) << run.err.constData();
        const QJsonObject info = QJsonDocument::fromJson(run.out).object();
        EXPECT_EQ(info.value(QStringLiteral("kind")).toString(), QLatin1String(entry.kind));
        EXPECT_EQ(info.value(QStringLiteral("width")).toInt(), entry.size.width());
        EXPECT_EQ(info.value(QStringLiteral("height")).toInt(), entry.size.height());
    }
}

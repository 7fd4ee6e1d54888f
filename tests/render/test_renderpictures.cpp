// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "images/picture.h"
#include "objects/tgimage.h"
#include "objects/tgprichbaselabel.h"
#include "page/calpanel32.h"
#include "storage/calendarfile.h"
#include "storage/objectrecords.h"

#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
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

} // namespace

TEST(RenderPictures, PicturesAreDescribedAndDrawnAsTheBrowsersLoadThem)
{
    QTemporaryDir dir;
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(qRgb(0, 0, 255));
    const QString bmp = dir.filePath(QStringLiteral("blue.bmp"));
    ASSERT_TRUE(image.save(bmp));
    RunResult run = render({QStringLiteral("--picture"), bmp, QStringLiteral("--info")});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    const QJsonObject info = QJsonDocument::fromJson(run.out).object();
    EXPECT_EQ(info.value(QStringLiteral("kind")).toString(), QStringLiteral("bitmap"));
    EXPECT_EQ(info.value(QStringLiteral("width")).toInt(), 40);
    EXPECT_EQ(info.value(QStringLiteral("height")).toInt(), 30);

    const QString out = dir.filePath(QStringLiteral("out.png"));
    run = render({QStringLiteral("--picture"), bmp, QStringLiteral("--out"), out,
                  QStringLiteral("--size"), QStringLiteral("80x20")});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    const QImage drawn(out);
    EXPECT_EQ(drawn.size(), QSize(80, 20));
    EXPECT_EQ(drawn.pixel(79, 19), qRgb(0, 0, 255));

    const QString broken = writeFile(dir, QStringLiteral("broken.wmf"), "no metafile here");
    run = render({QStringLiteral("--picture"), broken, QStringLiteral("--info")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_FALSE(run.err.isEmpty());
    EXPECT_TRUE(run.out.isEmpty());
}

TEST(RenderPictures, TgaFilesAreReadByOurDecoder)
{
    // Two by one, 16 bits, bottom-up, run-length encoded: one run of two white pixels.
    QTemporaryDir dir;
    const QByteArray white = QByteArray::fromHex("00000a000000000000000000" "02000100" "1000" "81ff7f");
    const QString tga = writeFile(dir, QStringLiteral("white.TGA"), white);
    const QString out = dir.filePath(QStringLiteral("out.png"));
    RunResult run = render({QStringLiteral("--picture"), tga, QStringLiteral("--out"), out});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    const QImage drawn(out);
    EXPECT_EQ(drawn.size(), QSize(2, 1));
    EXPECT_EQ(drawn.pixel(1, 0), qRgb(255, 255, 255));

    const QString cut = writeFile(dir, QStringLiteral("cut.tga"), white.chopped(2));
    run = render({QStringLiteral("--picture"), cut, QStringLiteral("--info")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("Not a readable TGA picture: the picture data is cut short."))
        << run.err.constData();
}

TEST(RenderRichText, RunsListTheirFormattingAndTextDrawsAndSavesBack)
{
    QTemporaryDir dir;
    const QString rtf = writeFile(
        dir, QStringLiteral("text.rtf"),
        "{\\rtf1\\ansi\\ansicpg1251{\\fonttbl{\\f0 Liberation Sans;}}{\\colortbl;\\red255\\green0\\blue0;}"
        "\\qc\\f0\\fs28 Plain {\\b\\cf1 \\'cc\\'e8\\'f0}\\par\\pard\\qr{\\highlight1\\strike x}\\par}");
    RunResult run = render({QStringLiteral("--rtf"), rtf, QStringLiteral("--runs")});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    const QJsonArray paragraphs =
        QJsonDocument::fromJson(run.out).object().value(QStringLiteral("paragraphs")).toArray();
    ASSERT_EQ(paragraphs.size(), 2);
    const QJsonObject first = paragraphs[0].toObject();
    EXPECT_EQ(first.value(QStringLiteral("align")).toString(), QStringLiteral("center"));
    const QJsonArray runs = first.value(QStringLiteral("runs")).toArray();
    ASSERT_EQ(runs.size(), 2);
    const QJsonObject bold = runs[1].toObject();
    EXPECT_EQ(bold.value(QStringLiteral("text")).toString(), QString::fromUtf16(u"Мир"));
    EXPECT_TRUE(bold.value(QStringLiteral("bold")).toBool());
    EXPECT_EQ(bold.value(QStringLiteral("size")).toDouble(), 14.0);
    EXPECT_EQ(bold.value(QStringLiteral("font")).toString(), QStringLiteral("Liberation Sans"));
    EXPECT_EQ(bold.value(QStringLiteral("color")).toString(), QStringLiteral("#FF0000"));
    EXPECT_TRUE(bold.value(QStringLiteral("background")).isNull());
    const QJsonObject second = paragraphs[1].toObject();
    EXPECT_EQ(second.value(QStringLiteral("align")).toString(), QStringLiteral("right"));
    const QJsonObject marked = second.value(QStringLiteral("runs")).toArray()[0].toObject();
    EXPECT_TRUE(marked.value(QStringLiteral("strike")).toBool());
    EXPECT_EQ(marked.value(QStringLiteral("background")).toString(), QStringLiteral("#FF0000"));

    const QString png = dir.filePath(QStringLiteral("text.png"));
    const QString saved = dir.filePath(QStringLiteral("again.rtf"));
    run = render({QStringLiteral("--rtf"), rtf, QStringLiteral("--width"), QStringLiteral("160"),
                  QStringLiteral("--height"), QStringLiteral("60"), QStringLiteral("--out"), png,
                  QStringLiteral("--save-rtf"), saved});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    const QImage drawn(png);
    ASSERT_EQ(drawn.size(), QSize(160, 60));
    bool red = false;
    for (int y = 0; y < 30 && !red; ++y)
        for (int x = 0; x < 160 && !red; ++x)
            red = qRed(drawn.pixel(x, y)) > 200 && qGreen(drawn.pixel(x, y)) < 80;
    EXPECT_TRUE(red) << "the red word is drawn in the first line";

    run = render({QStringLiteral("--rtf"), saved, QStringLiteral("--runs")});
    ASSERT_EQ(run.exitCode, 0);
    EXPECT_TRUE(QString::fromUtf8(run.out).contains(QString::fromUtf16(u"Мир")));

    run = render({QStringLiteral("--rtf"), dir.filePath(QStringLiteral("missing.rtf")),
                  QStringLiteral("--runs")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_FALSE(run.err.isEmpty());
}

TEST(RenderPictures, ClipArtAndRichLabelsSurviveSavingAndShowInImages)
{
    QTemporaryDir dir;
    TCalendarPanel32 page;
    page.ResetToDefaults(QDate(2027, 1, 1));
    QImage green(60, 40, QImage::Format_RGB32);
    green.fill(qRgb(0, 200, 0));
    Picture picture;
    picture.setBitmap(green);
    auto image = std::make_unique<TGImage>();
    image->setName(QStringLiteral("Special1"));
    image->setBounds(100, 300, 200, 100);
    image->SetPicture(picture);
    image->SetBorderStyle(bsSingle);
    page.appendObject(std::move(image));
    auto label = std::make_unique<TGPRichBaseLabel>();
    label->setName(QStringLiteral("Special2"));
    label->setBounds(400, 300, 300, 100);
    label->SetRTFText(TWPRtfStorage("{\\rtf1\\ansi{\\colortbl;\\red0\\green0\\blue255;}"
                                    "\\cf1\\fs72\\b WWWW\\par}"));
    page.appendObject(std::move(label));
    const QString first = dir.filePath(QStringLiteral("first.OVF"));
    const ObjectRecords::RecordList records(page.objects());
    ASSERT_TRUE(CalendarFile::SaveDocument(page.document(), first, records.components()).ok);

    // Read and written again by the renderer, then drawn from the second file.
    const QString second = dir.filePath(QStringLiteral("second.OVF"));
    RunResult run = render({first, QStringLiteral("--save"), second});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    const QString png = dir.filePath(QStringLiteral("page.png"));
    run = render({second, QStringLiteral("--out"), png, QStringLiteral("--geometry")});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    const QJsonArray objects =
        QJsonDocument::fromJson(run.out).object().value(QStringLiteral("objects")).toArray();
    ASSERT_EQ(objects.size(), 2);
    EXPECT_EQ(objects[0].toObject().value(QStringLiteral("class")).toString(), QStringLiteral("TGImage"));
    EXPECT_EQ(objects[1].toObject().value(QStringLiteral("class")).toString(),
              QStringLiteral("TGPRichBaseLabel"));

    const QImage drawn(png);
    ASSERT_FALSE(drawn.isNull());
    EXPECT_EQ(drawn.pixel(200, 350), qRgb(0, 200, 0)) << "the picture fills its object";
    EXPECT_EQ(drawn.pixel(100, 350), qRgb(0, 0, 0)) << "its border";
    int blue = 0;
    for (int y = 300; y < 400; ++y)
        for (int x = 400; x < 700; ++x)
            blue += qBlue(drawn.pixel(x, y)) > 200 && qRed(drawn.pixel(x, y)) < 60 ? 1 : 0;
    EXPECT_GT(blue, 200) << "the rich label's blue text";
}

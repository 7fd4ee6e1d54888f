// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "renderprocess.h"

namespace {

QJsonObject geometryOf(const QStringList &arguments)
{
    const RunResult run = render(QStringList{QStringLiteral("--geometry")} + arguments);
    return QJsonDocument::fromJson(run.out).object();
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Page sizes in points from the MediaBox entries of a PDF.
QList<QSizeF> pdfPageSizes(const QByteArray &pdf)
{
    QList<QSizeF> sizes;
    static const QRegularExpression mediaBox(
        QStringLiteral(R"(/MediaBox \[\s*0\s+0\s+([\d.]+)\s+([\d.]+)\s*\])"));
    auto matches = mediaBox.globalMatch(QString::fromLatin1(pdf));
    while (matches.hasNext()) {
        const auto match = matches.next();
        sizes.append(QSizeF(match.captured(1).toDouble(), match.captured(2).toDouble()));
    }
    return sizes;
}

} // namespace

TEST(RenderOutput, ImagesOfEveryLayoutAtTheControlsSize)
{
    QTemporaryDir dir;
    for (int layout = 0; layout < 22; ++layout) {
        const QStringList arguments = {QStringLiteral("--layout"), QString::number(layout),
                                       QStringLiteral("--zoom"), QStringLiteral("0.5")};
        const QJsonObject geometry = geometryOf(arguments);
        const QString path = dir.filePath(QStringLiteral("page%1.png").arg(layout));
        const RunResult run = render(arguments + QStringList{QStringLiteral("--out"), path});
        ASSERT_EQ(run.exitCode, 0) << layout << run.err.constData();
        const QImage image(path);
        ASSERT_FALSE(image.isNull()) << layout;
        EXPECT_EQ(image.width(), geometry.value(QStringLiteral("pageWidth")).toInt() / 2);
        EXPECT_EQ(image.height(), geometry.value(QStringLiteral("pageHeight")).toInt() / 2);
        // The page is drawn: the calendar box's or first mini's left edge is black.
        const QJsonArray minis = geometry.value(QStringLiteral("minis")).toArray();
        const QJsonArray box = geometry.value(QStringLiteral("showMainCalendar")).toBool()
                                   || geometry.value(QStringLiteral("isPlanner")).toBool()
                                   ? geometry.value(QStringLiteral("calendarRect")).toArray()
                                   : minis.first().toObject().value(QStringLiteral("rect")).toArray();
        const int top = box[1].toInt() / 2;
        const int bottom = box[3].toInt() / 2;
        int dark = 0;
        for (int y = top; y < bottom; ++y)
            dark += qGray(image.pixel(box[0].toInt() / 2, y)) < 128 ? 1 : 0;
        EXPECT_GT(dark, (bottom - top) / 2) << "layout " << layout;
    }
}

TEST(RenderOutput, BmpAndJpgFollowTheExtension)
{
    QTemporaryDir dir;
    for (const QString &name : {QStringLiteral("page.bmp"), QStringLiteral("page.JPG")}) {
        const QString path = dir.filePath(name);
        const RunResult run = render({QStringLiteral("--layout"), QStringLiteral("3"),
                                      QStringLiteral("--out"), path});
        ASSERT_EQ(run.exitCode, 0) << run.err.constData();
        const QByteArray bytes = readFile(path);
        if (name.endsWith(QLatin1String("bmp")))
            EXPECT_TRUE(bytes.startsWith("BM"));
        else
            EXPECT_TRUE(bytes.startsWith("\xFF\xD8"));
        EXPECT_EQ(QImage(path).size(), QSize(1056, 816));
    }
}

TEST(RenderOutput, PdfHasOnePageOfThePapersSizePerMonth)
{
    QTemporaryDir dir;
    struct Case
    {
        QStringList arguments;
        QSizeF points;
    };
    const Case cases[] = {
        {{QStringLiteral("--layout"), QStringLiteral("0")}, QSizeF(612, 792)},
        {{QStringLiteral("--layout"), QStringLiteral("17")}, QSizeF(792, 612)},
        {{QStringLiteral("--layout"), QStringLiteral("19"), QStringLiteral("--paper"),
          QStringLiteral("a4")},
         QSizeF(595.3, 841.9)},
    };
    for (const Case &c : cases) {
        const QString path = dir.filePath(QStringLiteral("pages.pdf"));
        const RunResult run = render(c.arguments + QStringList{QStringLiteral("--months"),
                                                               QStringLiteral("3"),
                                                               QStringLiteral("--out"), path});
        ASSERT_EQ(run.exitCode, 0) << run.err.constData();
        const QByteArray pdf = readFile(path);
        EXPECT_TRUE(pdf.startsWith("%PDF-"));
        const QList<QSizeF> sizes = pdfPageSizes(pdf);
        ASSERT_EQ(sizes.size(), 3) << qPrintable(c.arguments.join(u' '));
        for (const QSizeF &size : sizes) {
            EXPECT_NEAR(size.width(), c.points.width(), 1);
            EXPECT_NEAR(size.height(), c.points.height(), 1);
        }
    }
}

TEST(RenderOutput, FailuresLeaveNoFile)
{
    QTemporaryDir dir;
    const RunResult badName = render({QStringLiteral("--out"), dir.filePath(QStringLiteral("page.gif"))});
    EXPECT_EQ(badName.exitCode, 2);
    EXPECT_TRUE(badName.err.contains("--out"));
    const RunResult badMonths = render({QStringLiteral("--months"), QStringLiteral("0")});
    EXPECT_EQ(badMonths.exitCode, 2);

    const QString missingFolder = dir.filePath(QStringLiteral("no/such/folder/page.pdf"));
    const RunResult unwritable = render({QStringLiteral("--out"), missingFolder});
    EXPECT_EQ(unwritable.exitCode, 1);
    EXPECT_FALSE(unwritable.err.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(missingFolder));
    const RunResult tooLarge = render({QStringLiteral("--ppi"), QStringLiteral("4800"),
                                       QStringLiteral("--zoom"), QStringLiteral("20"),
                                       QStringLiteral("--out"), dir.filePath(QStringLiteral("big.png"))});
    EXPECT_EQ(tooLarge.exitCode, 1);
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());
}

TEST(RenderOutput, GeometryListsThePaintedCells)
{
    const QJsonObject month = geometryOf({QStringLiteral("--layout"), QStringLiteral("0"),
                                          QStringLiteral("--month"), QStringLiteral("1"),
                                          QStringLiteral("--year"), QStringLiteral("1997"),
                                          QStringLiteral("--zoom"), QStringLiteral("2")});
    const QJsonArray cells = month.value(QStringLiteral("cells")).toArray();
    ASSERT_EQ(cells.size(), 42);
    // January 1997 starts on Wednesday: cell 4 is the 1st, cell 34 the 31st.
    EXPECT_EQ(cells[3].toObject().value(QStringLiteral("day")).toInt(), 1);
    EXPECT_EQ(cells[33].toObject().value(QStringLiteral("day")).toInt(), 31);
    EXPECT_EQ(cells[34].toObject().value(QStringLiteral("day")).toInt(), 0);
    EXPECT_EQ(cells[0].toObject().value(QStringLiteral("cell")).toInt(), 1);
    // At zoom 2 the title band starts two page pixels below the zoomed box.
    const QJsonArray calendar = month.value(QStringLiteral("calendarRect")).toArray();
    const QJsonArray title = month.value(QStringLiteral("titleRect")).toArray();
    EXPECT_EQ(title[1].toInt(), calendar[1].toInt() * 2 + 1);
    EXPECT_EQ(month.value(QStringLiteral("headerRect")).toArray()[1].toInt(), title[3].toInt() + 1);

    const QJsonObject sheet = geometryOf({QStringLiteral("--layout"), QStringLiteral("10")});
    EXPECT_EQ(sheet.value(QStringLiteral("cells")).toArray().size(), 42);
    EXPECT_EQ(sheet.value(QStringLiteral("titleRect")).toArray(), (QJsonArray{0, 0, 0, 0}));
}

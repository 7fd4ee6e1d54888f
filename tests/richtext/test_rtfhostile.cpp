// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "richtext/rtfpicture.h"
#include "richtext/rtfstorage.h"
#include "richtext/rtfunits.h"
#include "rtftesthelpers.h"

#include <QRandomGenerator>
#include <QTextBlock>
#include <QTextImageFormat>
#include <QUrl>

using RtfTest::read;

namespace {

const QByteArray sample = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss "
                          "Arial;}}{\\colortbl;\\red255\\green0\\blue0;}"
                          "\\pard\\qc\\b\\cf1 Bold {\\i red}\\par\\u8364?\\'e4{\\*\\x y}"
                          "{\\pict\\pngblip 89504e470d0a1a0a}\\par}";

} // namespace

TEST(RtfHostile, DeepNestingKeepsTheTextAndReportsDamage)
{
    bool ok = true;
    const auto document
            = read("{\\rtf1 " + QByteArray(200000, '{') + "x" + QByteArray(200000, '}'), &ok);
    EXPECT_FALSE(ok);
    EXPECT_EQ(document->toPlainText(), "x");
    EXPECT_EQ(read("{\\rtf1 a}" + QByteArray(100000, '}') + "b")->toPlainText(), "a");
}

TEST(RtfHostile, EveryTruncationReadsCleanly)
{
    for (qsizetype length = 0; length <= sample.size(); ++length) {
        bool ok = true;
        const QByteArray cut = sample.left(length);
        const auto document = read(cut, &ok);
        if (length < sample.size() && cut.startsWith("{\\rtf")) {
            EXPECT_FALSE(ok) << length;
        }
        TWPRtfStorage(cut).isEmpty();
    }
}

TEST(RtfHostile, HugeNumbersAreBounded)
{
    const auto document
            = read("{\\rtf1 \\fs99999999999999999\\li-99999999999\\uc2147483647 a\\u99999999999 b"
                   "\\cf2147483647 c\\f-2147483648 d}");
    EXPECT_LE(RtfTest::formatAt(*document, 0).fontPointSize(), 1638.0);
    EXPECT_GE(RtfTest::blockFormat(*document, 0).leftMargin(), -31680.0);
    const QByteArray png = RtfTest::pngHex(QSize(2, 2), Qt::red);
    const auto big = read("{\\rtf1 {\\pict\\pngblip\\picwgoal2147483647\\pichgoal2147483647"
                          "\\picscalex2147483647 "
                          + png + "}}");
    const QTextImageFormat format = RtfTest::formatAt(*big, 0).toImageFormat();
    EXPECT_LE(format.width(), double(RtfPicture::MaxSide));
    EXPECT_LE(format.height(), double(RtfPicture::MaxSide));
}

TEST(RtfHostile, BinaryDataBeyondTheTextIsShortened)
{
    bool ok = true;
    auto document = read("{\\rtf1 a{\\pict\\pngblip\\bin2147483647 xyz}}", &ok);
    EXPECT_FALSE(ok);
    EXPECT_EQ(document->toPlainText(), "a");
    document = read("{\\rtf1 a\\bin-5 b\\bin3 {}}c}");
    EXPECT_EQ(document->toPlainText(), "abc");
}

TEST(RtfHostile, PicturesThatClaimHugeSizesAreRefused)
{
    // A bitmap header of 100000 x 100000 pixels with no pixels behind it.
    QByteArray dib(40, '\0');
    dib[0] = 40;
    const auto put32 = [&dib](int offset, quint32 value) {
        for (int i = 0; i < 4; ++i)
            dib[offset + i] = char((value >> (8 * i)) & 0xff);
    };
    put32(4, 100000);
    put32(8, 100000);
    dib[12] = 1;
    dib[14] = 24;
    const auto document = read("{\\rtf1 {\\pict\\dibitmap0 " + dib.toHex() + "}x}");
    EXPECT_EQ(document->toPlainText(), "x");
    // A large source is kept smaller in memory but shows at its own size.
    const auto wide
            = read("{\\rtf1 {\\pict\\pngblip " + RtfTest::pngHex(QSize(3000, 2), Qt::red) + "}}");
    const QTextImageFormat format = RtfTest::formatAt(*wide, 0).toImageFormat();
    const QImage kept
            = wide->resource(QTextDocument::ImageResource, QUrl(format.name())).value<QImage>();
    EXPECT_EQ(kept.width(), int(RtfPicture::MaxDecodedSide));
    EXPECT_DOUBLE_EQ(format.width(), 3000.0 * RtfUnits::layoutDpi() / 96);
    // Damaged image data is dropped, not shown as a broken picture.
    EXPECT_EQ(read("{\\rtf1 {\\pict\\pngblip 0011223344}y}")->toPlainText(), "y");
}

TEST(RtfHostile, PngWhoseChunkRunsPastTheEndIsDropped)
{
    const QByteArray png = QByteArray::fromHex(RtfTest::pngHex(QSize(8, 6), Qt::red));
    const QByteArray intact = "{\\rtf1 a{\\pict\\pngblip " + png.toHex() + "}b}";
    EXPECT_EQ(read(intact)->toPlainText(), QStringLiteral(u"a\uFFFCb"));
    // The chunk after the header claims two gigabytes: the PNG library would allocate them
    // before it found the data missing. Announced as a JPEG, it is still found by its content.
    QByteArray damaged = png;
    damaged[8 + 12 + 13] = char(0x7F);
    for (const char *kind : {"pngblip", "jpegblip"}) {
        const QByteArray text = "{\\rtf1 a{\\pict\\" + QByteArray(kind) + " " + damaged.toHex() + "}b}";
        EXPECT_EQ(read(text)->toPlainText(), "ab") << kind;
    }
}

TEST(RtfHostile, RepeatedCutEscapesDoNotRecurse)
{
    QByteArray rtf = "{\\rtf1 ";
    for (int i = 0; i < 200000; ++i)
        rtf += "\\'";
    EXPECT_TRUE(read(rtf + "z}")->toPlainText().endsWith('z'));
}

TEST(RtfHostile, RandomDamageIsReadAndAnEmptyCellShowsNothing)
{
    QRandomGenerator random(4711);
    int emptyCells = 0;
    for (int round = 0; round < 2000; ++round) {
        QByteArray damaged = sample;
        const int edits = 1 + int(random.bounded(8));
        for (int e = 0; e < edits; ++e) {
            const int pos = int(random.bounded(damaged.size()));
            static const char alphabet[] = "{}\\'*0123456789abcxyz -;";
            damaged[pos] = alphabet[random.bounded(int(sizeof(alphabet) - 1))];
        }
        const QString text = read(damaged)->toPlainText();
        // Every character shown comes from at least one byte of the input.
        EXPECT_LE(text.size(), damaged.size()) << round;
        // A cell its storage calls empty must not show text or a picture when opened.
        if (TWPRtfStorage(damaged).isEmpty()) {
            ++emptyCells;
            EXPECT_TRUE(text.trimmed().isEmpty()) << round << ": " << damaged.constData();
        }
    }
    EXPECT_GT(emptyCells, 0) << "no damage ever emptied the cell, so the check above never ran";
}

// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "richtext/rtfstorage.h"
#include "richtext/rtfunits.h"
#include "rtftesthelpers.h"

#include <QBuffer>
#include <QTextBlock>
#include <QTextImageFormat>
#include <QUrl>

using RtfTest::blockFormat;
using RtfTest::formatAt;
using RtfTest::read;

namespace {

const QByteArray tables
        = "{\\rtf1\\ansi\\ansicpg1252\\deff1{\\fonttbl{\\f0\\froman\\fcharset0 Times New Roman;}"
          "{\\f1\\fswiss Arial;}\\f2\\fnil Courier New;}"
          "{\\colortbl;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}";

// The text with line separators and no-break spaces as they are, paragraphs apart by "\n".
QString plainText(const QByteArray &rtf)
{
    return read(rtf)->toRawText().replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
}

QImage firstPicture(const QTextDocument &document, QTextImageFormat *format = nullptr)
{
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            if (!it.fragment().charFormat().isImageFormat())
                continue;
            const QTextImageFormat picture = it.fragment().charFormat().toImageFormat();
            if (format)
                *format = picture;
            return document.resource(QTextDocument::ImageResource, QUrl(picture.name()))
                    .value<QImage>();
        }
    }
    return {};
}

int pictureCount(const QTextDocument &document)
{
    int count = 0;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it)
            count += it.fragment().charFormat().isImageFormat() ? it.fragment().length() : 0;
    }
    return count;
}

} // namespace

TEST(RtfReader, FontTableDefaultFontAndSizes)
{
    const auto document = read(tables + "\\fs20 Hello\\f0\\fs31 World\\f2 !\\plain x\\par}");
    EXPECT_EQ(document->toPlainText(), "HelloWorld!x");
    EXPECT_EQ(formatAt(*document, 0).fontFamilies().toStringList(), QStringList {"Arial"});
    EXPECT_DOUBLE_EQ(formatAt(*document, 0).fontPointSize(), 10.0);
    EXPECT_EQ(formatAt(*document, 5).fontFamilies().toStringList(),
              QStringList {"Times New Roman"});
    EXPECT_DOUBLE_EQ(formatAt(*document, 5).fontPointSize(), 15.5);
    // A table without groups around its entries names fonts just as well.
    EXPECT_EQ(formatAt(*document, 10).fontFamilies().toStringList(), QStringList {"Courier New"});
    // \plain returns to the default font at 12 points.
    EXPECT_EQ(formatAt(*document, 11).fontFamilies().toStringList(), QStringList {"Arial"});
    EXPECT_DOUBLE_EQ(formatAt(*document, 11).fontPointSize(), 12.0);
}

TEST(RtfReader, CharacterStylesSwitchOnOffAndEndWithTheirGroup)
{
    const auto document = read(tables
                               + "\\b B\\b0 n\\i I\\i0 n\\ul U\\ulnone n\\uldb D\\ul0 n"
                                 "\\strike S\\strike0 n{\\b\\i g}n\\super p\\nosupersub n}");
    const QString text = document->toPlainText();
    ASSERT_EQ(text, "BnInUnDnSngnpn");
    EXPECT_GT(formatAt(*document, text.indexOf('B')).fontWeight(), QFont::Medium);
    EXPECT_TRUE(formatAt(*document, text.indexOf('I')).fontItalic());
    EXPECT_TRUE(formatAt(*document, text.indexOf('U')).fontUnderline());
    EXPECT_TRUE(formatAt(*document, text.indexOf('D')).fontUnderline());
    EXPECT_TRUE(formatAt(*document, text.indexOf('S')).fontStrikeOut());
    EXPECT_TRUE(formatAt(*document, text.indexOf('g')).fontItalic());
    EXPECT_EQ(formatAt(*document, text.indexOf('p')).verticalAlignment(),
              QTextCharFormat::AlignSuperScript);
    for (int i = 0; i < text.size(); ++i) {
        if (text[i] != 'n')
            continue;
        const QTextCharFormat plain = formatAt(*document, i);
        EXPECT_LE(plain.fontWeight(), QFont::Medium) << i;
        EXPECT_FALSE(plain.fontItalic() || plain.fontUnderline() || plain.fontStrikeOut()) << i;
        EXPECT_EQ(plain.verticalAlignment(), QTextCharFormat::AlignNormal) << i;
    }
}

TEST(RtfReader, ColoursComeFromTheTableAndIndexZeroIsAutomatic)
{
    const auto document
            = read(tables + "\\cf1 r\\cf2 b\\cf0 a\\cf9 o\\highlight1 h\\cb2 c\\cb0 n}");
    EXPECT_EQ(formatAt(*document, 0).foreground().color(), QColor(Qt::red));
    EXPECT_EQ(formatAt(*document, 1).foreground().color(), QColor(Qt::blue));
    EXPECT_FALSE(formatAt(*document, 2).hasProperty(QTextFormat::ForegroundBrush));
    EXPECT_FALSE(formatAt(*document, 3).hasProperty(QTextFormat::ForegroundBrush));
    EXPECT_EQ(formatAt(*document, 4).background().color(), QColor(Qt::red));
    EXPECT_EQ(formatAt(*document, 5).background().color(), QColor(Qt::blue));
    EXPECT_FALSE(formatAt(*document, 6).hasProperty(QTextFormat::BackgroundBrush));
}

TEST(RtfReader, ParagraphAlignmentIndentsAndSpacing)
{
    const auto document = read(tables
                               + "\\pard\\qc centred\\par\\qr right\\par\\qj\\li720\\ri360\\fi-180"
                                 "\\sb120\\sa240 justified\\par\\pard\\ql left\\par}");
    ASSERT_EQ(document->blockCount(), 4);
    EXPECT_EQ(blockFormat(*document, 0).alignment(), Qt::AlignHCenter);
    EXPECT_EQ(blockFormat(*document, 1).alignment(), Qt::AlignRight);
    const QTextBlockFormat justified = blockFormat(*document, 2);
    EXPECT_EQ(justified.alignment(), Qt::AlignJustify);
    EXPECT_DOUBLE_EQ(justified.leftMargin(), RtfUnits::twipsToPixels(720));
    EXPECT_DOUBLE_EQ(justified.rightMargin(), RtfUnits::twipsToPixels(360));
    EXPECT_DOUBLE_EQ(justified.textIndent(), RtfUnits::twipsToPixels(-180));
    EXPECT_DOUBLE_EQ(justified.topMargin(), RtfUnits::twipsToPixels(120));
    EXPECT_DOUBLE_EQ(justified.bottomMargin(), RtfUnits::twipsToPixels(240));
    // \pard forgets the indents of the paragraph before.
    EXPECT_EQ(blockFormat(*document, 3).alignment(), Qt::AlignLeft);
    EXPECT_DOUBLE_EQ(blockFormat(*document, 3).leftMargin(), 0.0);
}

TEST(RtfReader, ParagraphBreakAtTheEndOpensNoParagraph)
{
    EXPECT_EQ(read("{\\rtf1 a\\par}")->blockCount(), 1);
    EXPECT_EQ(read("{\\rtf1 a}")->blockCount(), 1);
    EXPECT_EQ(read("{\\rtf1 a\\par b}")->blockCount(), 2);
    EXPECT_EQ(read("{\\rtf1 \\par\\par}")->blockCount(), 2);
    EXPECT_EQ(plainText("{\\rtf1 a\\line b\\page c\\sect d}"), QString("a\u2028b\nc\nd"));
}

TEST(RtfReader, EscapesAndSpecialCharacters)
{
    EXPECT_EQ(plainText("{\\rtf1 M\\'fcnchen \\'80 \\\\ \\{x\\}}"),
              QString("M\u00fcnchen \u20ac \\ {x}"));
    EXPECT_EQ(plainText("{\\rtf1 a\\~b\\-c\\_d\\tab e}"), QString("a\u00a0b\u00adc\u2011d\te"));
    EXPECT_EQ(plainText("{\\rtf1 \\bullet\\emdash\\endash\\lquote\\rquote\\ldblquote\\rdblquote}"),
              QString("\u2022\u2014\u2013\u2018\u2019\u201c\u201d"));
    // Line ends in the file are not text; one space after a control word belongs to it.
    EXPECT_EQ(plainText("{\\rtf1 one\r\ntwo\\b  three}"), QString("onetwo three"));
}

TEST(RtfReader, UnicodeCharactersSkipTheirFallback)
{
    EXPECT_EQ(plainText("{\\rtf1 \\u8364?x}"), QString("\u20acx"));
    EXPECT_EQ(plainText("{\\rtf1 \\uc2\\u8364 EUz}"), QString("\u20acz"));
    EXPECT_EQ(plainText("{\\rtf1 \\uc0\\u8364 x}"), QString("\u20acx"));
    EXPECT_EQ(plainText("{\\rtf1 \\u8364\\'80y}"), QString("\u20acy"));
    EXPECT_EQ(plainText("{\\rtf1 \\uc3{\\u8364}ab}"), QString("\u20acab"));
    EXPECT_EQ(plainText("{\\rtf1 \\u-4064?}"), QString(QChar(0xF020)));
    // A character beyond the basic plane comes as two code units.
    EXPECT_EQ(plainText("{\\rtf1 \\u-10179?\\u-8704?}"), QString::fromUcs4(U"\U0001F600"));
    // \uc belongs to its group.
    EXPECT_EQ(plainText("{\\rtf1 {\\uc0 }\\u8364?}"), QString("\u20ac"));
}

TEST(RtfReader, IgnorableAndMetadataGroupsAreSkipped)
{
    const QByteArray rtf = tables
            + "{\\stylesheet{\\s0 Normal;}}{\\info{\\title Title}{\\author Me}}{\\*\\generator "
              "Gen;}"
              "{\\*\\unknowndestination hidden}\\unknownword42 shown {\\field{\\*\\fldinst "
              "HYPERLINK x}"
              "{\\fldrslt link}}{\\header head}\\v  hidden\\v0\\par}";
    EXPECT_EQ(plainText(rtf), "shown link");
}

TEST(RtfReader, TablesReadAsTabSeparatedRows)
{
    const QByteArray rtf
            = "{\\rtf1 \\trowd\\cellx1000\\cellx2000\\intbl A\\cell B\\cell\\row"
              "\\trowd\\cellx1000\\cellx2000\\intbl C\\cell D\\cell\\row\\pard after\\par}";
    const auto document = read(rtf);
    ASSERT_EQ(document->blockCount(), 3);
    EXPECT_EQ(document->findBlockByNumber(0).text(), "A\tB");
    EXPECT_EQ(document->findBlockByNumber(1).text(), "C\tD");
    EXPECT_EQ(document->findBlockByNumber(2).text(), "after");
}

TEST(RtfReader, TableRowsFromConvertersStayOneParagraphWithEveryColumn)
{
    // A converter's row: each cell's text is a paragraph of its own in a group that starts
    // with \\pard, and the empty middle cell still has its place.
    const QByteArray pandoc
            = "{\\rtf1 {\n\\trowd \\trgaph120\n\\cellx2880\\cellx5760\\cellx8640\n\\trkeep\\intbl\n{\n"
              "{\\intbl {\\pard \\ql \\f0 \\sa0 \\li0 \\fi0 Monday\\par}\n\\cell}\n"
              "{\\intbl {\\pard \\ql \\f0 \\sa0 \\li0 \\fi0 \\par}\n\\cell}\n"
              "{\\intbl {\\pard \\ql \\f0 \\sa0 \\li0 \\fi0 Choir\\par}\n"
              "{\\pard \\ql \\f0 \\sa0 \\li0 \\fi0 at six\\par}\n\\cell}\n}\n\\intbl\\row}\n"
              "{\\pard \\ql \\f0 \\sa180 \\li0 \\fi0 After\\par}\n}";
    const auto document = read(pandoc);
    ASSERT_EQ(document->blockCount(), 2) << qPrintable(document->toPlainText());
    EXPECT_EQ(document->findBlockByNumber(0).text(), "Monday\t\tChoir at six");
    EXPECT_EQ(document->findBlockByNumber(1).text(), "After");

    // A word processor's rows, with empty first and last cells.
    const QByteArray writer
            = "{\\rtf1 \\trowd\\cellx1000\\cellx2000\\cellx3000\\pard\\plain\\intbl\\cell"
              "\\pard\\plain\\intbl B\\cell\\pard\\plain\\intbl\\cell\\row\\pard after\\par}";
    const auto rows = read(writer);
    ASSERT_EQ(rows->blockCount(), 2);
    EXPECT_EQ(rows->findBlockByNumber(0).text(), "\tB\t");
    EXPECT_EQ(rows->findBlockByNumber(1).text(), "after");
}

TEST(RtfReader, TextThatIsNotRtfIsReadAsPlainLines)
{
    const auto document = read("Line one\r\nM\xfcller\n");
    ASSERT_EQ(document->blockCount(), 2);
    EXPECT_EQ(document->findBlockByNumber(1).text(), QString("M\u00fcller"));
    // Leading blanks, tabs, line ends and backspaces do not hide RTF.
    EXPECT_EQ(plainText(" \t\r\n\b{\\rtf1 \\b rich}"), "rich");
    EXPECT_EQ(plainText("{\\rtx not rich}"), "{\\rtx not rich}");
}

TEST(RtfReader, PicturesInEachFormatBecomeImages)
{
    const QByteArray png = RtfTest::pngHex(QSize(4, 3), Qt::red);
    QTextImageFormat format;
    auto document = read("{\\rtf1 a{\\pict\\pngblip\\picw4\\pich3\\picwgoal600\\pichgoal300\n" + png
                         + "}b}");
    QImage image = firstPicture(*document, &format);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(4, 3));
    EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::red));
    EXPECT_DOUBLE_EQ(format.width(), RtfUnits::twipsToPixels(600));
    EXPECT_DOUBLE_EQ(format.height(), RtfUnits::twipsToPixels(300));
    EXPECT_EQ(document->toPlainText().size(), 3);

    // Raw bytes after \bin, and a picture without goal size at its pixel size scaled.
    const QByteArray raw = QByteArray::fromHex(png);
    document = read("{\\rtf1 {\\pict\\pngblip\\picscalex200\\bin" + QByteArray::number(raw.size())
                    + " " + raw + "}}");
    ASSERT_FALSE(firstPicture(*document, &format).isNull());
    EXPECT_DOUBLE_EQ(format.width(), 2 * 4.0 * RtfUnits::layoutDpi() / 96);

    QImage jpegSource(8, 8, QImage::Format_RGB32);
    jpegSource.fill(Qt::blue);
    QByteArray jpeg;
    QBuffer jpegBuffer(&jpeg);
    jpegBuffer.open(QIODevice::WriteOnly);
    jpegSource.save(&jpegBuffer, "JPEG");
    document = read("{\\rtf1 {\\pict\\jpegblip " + jpeg.toHex() + "}}");
    EXPECT_EQ(firstPicture(*document).size(), QSize(8, 8));

    // A bitmap stored without its file header.
    QByteArray bmp;
    QBuffer bmpBuffer(&bmp);
    bmpBuffer.open(QIODevice::WriteOnly);
    jpegSource.save(&bmpBuffer, "BMP");
    document = read("{\\rtf1 {\\pict\\dibitmap0 " + bmp.mid(14).toHex() + "}}");
    image = firstPicture(*document);
    ASSERT_EQ(image.size(), QSize(8, 8));
    EXPECT_EQ(image.pixelColor(7, 7), QColor(Qt::blue));
}

TEST(RtfReader, BitFieldBitmapsShowTheirFullColours)
{
    // Info headers of 1 x 2 pixels at 16 bits: stored plainly (five bits a channel), and
    // as 5-6-5 bit fields with the masks after the header; then 32 bits with ten a channel.
    // Rows are bottom-up: black, white.
    const QByteArray plain = "28000000" "01000000" "02000000" "0100" "1000" "00000000"
                             "08000000" "00000000" "00000000" "00000000" "00000000"
                             "00000000" "ff7f0000";
    const QByteArray fields = "28000000" "01000000" "02000000" "0100" "1000" "03000000"
                              "08000000" "00000000" "00000000" "00000000" "00000000"
                              "00f80000" "e0070000" "1f000000"
                              "00000000" "ffff0000";
    const QByteArray wide = "28000000" "01000000" "02000000" "0100" "2000" "03000000"
                            "08000000" "00000000" "00000000" "00000000" "00000000"
                            "0000f03f" "00fc0f00" "ff030000"
                            "00000000" "ffffff3f";
    for (const QByteArray &dib : {plain, fields, wide}) {
        const auto document = read("{\\rtf1 {\\pict\\dibitmap0 " + dib + "}}");
        const QImage image = firstPicture(*document);
        ASSERT_EQ(image.size(), QSize(1, 2));
        EXPECT_EQ(image.pixelColor(0, 0), QColor(255, 255, 255));
        EXPECT_EQ(image.pixelColor(0, 1), QColor(0, 0, 0));
    }
}

TEST(RtfReader, MetafilePictureTakesItsGoalSize)
{
    // A metafile header (type 1, 9 header words, version 0x300) and its end record.
    const QByteArray wmf = "010009000003"
                           "0c000000"
                           "0000"
                           "03000000"
                           "0000"
                           "030000000000";
    QTextImageFormat format;
    const auto document
            = read("{\\rtf1 {\\pict\\wmetafile8\\picw2540\\pich1270\\picwgoal1440\\pichgoal720 "
                   + wmf + "}}");
    const QImage image = firstPicture(*document, &format);
    ASSERT_FALSE(image.isNull());
    EXPECT_DOUBLE_EQ(format.width(), RtfUnits::layoutDpi());
    EXPECT_EQ(image.width(), RtfUnits::layoutDpi());
    EXPECT_EQ(image.height(), RtfUnits::layoutDpi() / 2);
}

TEST(RtfReader, EnhancedMetafilePictureIsDrawn)
{
    // An enhanced metafile one inch by half an inch that fills its frame with the black
    // stock brush.
    const QByteArray emf = "01000000580000000000000000000000190000000c0000000000000000000000"
                           "ec090000f604000020454d46000001009c000000050000000100000000000000"
                           "0000000000000000e8030000e8030000e8030000e8030000250000000c000000"
                           "04000080250000000c000000080000802b000000180000000000000000000000"
                           "1a0000000d0000000e00000014000000000000001000000014000000";
    QTextImageFormat format;
    const auto document = read("{\\rtf1 {\\pict\\emfblip\\picw2540\\pich1270 " + emf + "}}");
    const QImage image = firstPicture(*document, &format);
    ASSERT_FALSE(image.isNull());
    EXPECT_NEAR(format.width(), RtfUnits::layoutDpi(), 1);
    EXPECT_NEAR(format.height(), RtfUnits::layoutDpi() / 2.0, 1);
    EXPECT_EQ(image.pixel(image.width() / 2, image.height() / 2), qRgb(0, 0, 0));
}

TEST(RtfReader, ShapePictureIsReadAndItsAlternativeSkipped)
{
    const QByteArray png = RtfTest::pngHex(QSize(2, 2), Qt::green);
    const auto document = read("{\\rtf1 {\\*\\shppict{\\pict\\pngblip " + png
                               + "}}"
                                 "{\\nonshppict{\\pict\\pngblip "
                               + png + "}}{\\*\\unknown{\\pict\\pngblip " + png + "}}}");
    EXPECT_EQ(pictureCount(*document), 1);
}

TEST(RtfReader, StorageEmptinessAgreesWithTheReader)
{
    const QByteArray png = RtfTest::pngHex(QSize(2, 2), Qt::green);
    const QByteArray samples[] = {
            "",
            "{\\rtf1}",
            "{\\rtf1 \\par}",
            "{\\rtf1 \\par\\par}",
            "{\\rtf1   }",
            "{\\rtf1 x}",
            "{\\rtf1 \\u8364?}",
            "{\\rtf1 \\uc1\\u32 x}",
            "{\\rtf1 {\\*\\foo text}\\par}",
            "{\\rtf1 {\\pict\\pngblip " + png + "}}",
            "{\\rtf1 \\tab}",
            "{\\rtf1 \\'20}",
            "{\\rtf1{\\fonttbl{\\f0 Arial;}}\\f0\\fs20\\par}",
            "{\\rtf1 \\trowd\\cell\\row}",
    };
    for (const QByteArray &rtf : samples) {
        const auto document = read(rtf);
        const bool readEmpty = document->blockCount() == 1 && pictureCount(*document) == 0
                && document->toPlainText().trimmed().isEmpty()
                && !document->toPlainText().contains('\t');
        EXPECT_EQ(TWPRtfStorage(rtf).isEmpty(), readEmpty) << rtf.constData();
    }
}

// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "bytebuilder.h"
#include "images/decodebudget.h"
#include "images/picture.h"
#include "images/rasterloader.h"
#include "images/tgadecoder.h"

#include <QFile>
#include <QTemporaryDir>

#include <optional>

namespace {

struct TgaShape
{
    // Top-down by default, so stored pixels read in the picture's order.
    TgaShape(int type, int bits, int w, int h, int descriptorByte = 0x20)
        : imageType(type), pixelBits(bits), width(w), height(h), descriptor(descriptorByte)
    {
    }

    int imageType;
    int pixelBits;
    int width;
    int height;
    int descriptor;
    int mapType = 0;
    int mapFirst = 0;
    int mapLength = 0;
    int mapEntryBits = 0;
    QByteArray id;
};

ByteBuilder tgaHeader(const TgaShape &s)
{
    ByteBuilder b;
    b.u8(int(s.id.size())).u8(s.mapType).u8(s.imageType);         // id length, map type, type
    b.u16(s.mapFirst).u16(s.mapLength).u8(s.mapEntryBits);        // colour map
    b.u16(0).u16(0).u16(s.width).u16(s.height);                   // origin and size
    b.u8(s.pixelBits).u8(s.descriptor);                           // depth, descriptor
    b.bytes(s.id);
    return b;
}

QByteArray tgaFile(const TgaShape &shape, const QByteArray &data)
{
    return tgaHeader(shape).bytes(data).data();
}

// The file with a version 2 footer; with an attributes type, an extension area before it.
QByteArray withFooter(const QByteArray &file, std::optional<int> attributesType)
{
    ByteBuilder b;
    b.bytes(file);
    qint64 extension = 0;
    if (attributesType) {
        extension = b.size();
        b.u16(495).fill(492).u8(*attributesType);
    }
    b.u32(extension).u32(0).bytes(QByteArray("TRUEVISION-XFILE.\0", 18));
    return b.data();
}

QString errorOf(const QByteArray &file)
{
    const ImageResult result = decodeTga(file);
    EXPECT_TRUE(result.image.isNull());
    return result.error;
}

// 24-bit pixels as stored: blue, green, red.
QByteArray bgr(std::initializer_list<QRgb> colours)
{
    QByteArray out;
    for (QRgb c : colours)
        out.append(char(qBlue(c))).append(char(qGreen(c))).append(char(qRed(c)));
    return out;
}

const QRgb Red = qRgb(255, 0, 0), Green = qRgb(0, 255, 0), Blue = qRgb(0, 0, 255);
const QRgb White = qRgb(255, 255, 255), Black = qRgb(0, 0, 0);

} // namespace

TEST(Tga, TrueColourDepthsGiveTheirColours)
{
    ImageResult result = decodeTga(tgaFile({2, 24, 3, 1}, bgr({Red, Green, qRgb(1, 2, 3)})));
    ASSERT_TRUE(result.ok()) << result.error.toStdString();
    EXPECT_EQ(result.image.format(), QImage::Format_RGB32);
    EXPECT_EQ(result.image.pixel(0, 0), Red);
    EXPECT_EQ(result.image.pixel(1, 0), Green);
    EXPECT_EQ(result.image.pixel(2, 0), qRgb(1, 2, 3));

    // Five bits a channel widen to eight: 31 to 255, 16 to 132, 0 to 0, at 15 and 16 bits.
    for (int bits : {15, 16}) {
        ByteBuilder pixels;
        pixels.u16(0x7FFF).u16(0x0000).u16(0x4210).u16(0x7C00);
        result = decodeTga(tgaFile({2, bits, 4, 1}, pixels.data()));
        ASSERT_TRUE(result.ok()) << result.error.toStdString();
        EXPECT_EQ(result.image.format(), QImage::Format_RGB32) << bits;
        EXPECT_EQ(result.image.pixel(0, 0), White) << bits;
        EXPECT_EQ(result.image.pixel(1, 0), Black) << bits;
        EXPECT_EQ(result.image.pixel(2, 0), qRgb(132, 132, 132)) << bits;
        EXPECT_EQ(result.image.pixel(3, 0), Red) << bits;
    }

    result = decodeTga(tgaFile({2, 32, 2, 1, 0x28}, QByteArray::fromHex("10203080" "ff000000")));
    ASSERT_TRUE(result.ok()) << result.error.toStdString();
    EXPECT_EQ(result.image.format(), QImage::Format_ARGB32);
    EXPECT_EQ(result.image.pixel(0, 0), qRgba(0x30, 0x20, 0x10, 0x80));
    EXPECT_EQ(result.image.pixel(1, 0), qRgba(0, 0, 0xFF, 0));
}

TEST(Tga, ColourMappedAndGreyscalePictures)
{
    // The map starts at colour 2, so pixel values 2 and 3 are its two entries.
    const struct {
        int entryBits;
        QByteArray entries;
        QRgb first;
        QRgb second;
    } maps[] = {
        {24, bgr({Blue, qRgb(9, 8, 7)}), Blue, qRgb(9, 8, 7)},
        {32, QByteArray::fromHex("ff0000ff" "070809ff"), Blue, qRgb(9, 8, 7)},
        {16, QByteArray::fromHex("ff7f" "1f00"), White, Blue},
        {15, QByteArray::fromHex("ff7f" "e003"), White, Green},
    };
    for (const auto &map : maps) {
        TgaShape shape{1, 8, 3, 1};
        shape.mapType = 1;
        shape.mapFirst = 2;
        shape.mapLength = 2;
        shape.mapEntryBits = map.entryBits;
        const ImageResult result = decodeTga(tgaFile(shape, map.entries + QByteArray::fromHex("030202")));
        ASSERT_TRUE(result.ok()) << map.entryBits << ": " << result.error.toStdString();
        EXPECT_EQ(result.image.format(), QImage::Format_RGB32) << map.entryBits;
        EXPECT_EQ(result.image.pixel(0, 0), map.second) << map.entryBits;
        EXPECT_EQ(result.image.pixel(1, 0), map.first) << map.entryBits;
    }

    // A colour map in a true-colour file is skipped over, and so is the image ID.
    TgaShape mapped{2, 24, 1, 1};
    mapped.mapType = 1;
    mapped.mapLength = 3;
    mapped.mapEntryBits = 24;
    mapped.id = "made by a test";
    ImageResult result = decodeTga(tgaFile(mapped, QByteArray(9, '\x55') + bgr({Green})));
    ASSERT_TRUE(result.ok()) << result.error.toStdString();
    EXPECT_EQ(result.image.pixel(0, 0), Green);

    result = decodeTga(tgaFile({3, 8, 3, 1}, QByteArray::fromHex("00 80 ff")));
    ASSERT_TRUE(result.ok()) << result.error.toStdString();
    EXPECT_EQ(result.image.pixel(0, 0), Black);
    EXPECT_EQ(result.image.pixel(1, 0), qRgb(128, 128, 128));
    EXPECT_EQ(result.image.pixel(2, 0), White);
}

TEST(Tga, TheDescriptorSetsTheOrderOfRowsAndColumns)
{
    // Four pixels stored in the order 1 2 / 3 4.
    const QByteArray stored = bgr({Red, Green, Blue, White});
    const struct {
        int descriptor;
        QRgb topLeft, topRight, bottomLeft, bottomRight;
    } orders[] = {
        {0x00, Blue, White, Red, Green},  // bottom-up, left to right (the default)
        {0x10, White, Blue, Green, Red},  // bottom-up, right to left
        {0x20, Red, Green, Blue, White},  // top-down, left to right
        {0x30, Green, Red, White, Blue},  // top-down, right to left
    };
    for (const auto &order : orders) {
        for (int type : {2, 10}) {
            // As run-length data, every pixel is a raw packet of one.
            QByteArray data = stored;
            if (type == 10) {
                data.clear();
                for (int i = 0; i < 4; ++i)
                    data.append('\0').append(stored.mid(i * 3, 3));
            }
            const ImageResult result = decodeTga(tgaFile({type, 24, 2, 2, order.descriptor}, data));
            ASSERT_TRUE(result.ok()) << result.error.toStdString();
            EXPECT_EQ(result.image.pixel(0, 0), order.topLeft) << order.descriptor;
            EXPECT_EQ(result.image.pixel(1, 0), order.topRight) << order.descriptor;
            EXPECT_EQ(result.image.pixel(0, 1), order.bottomLeft) << order.descriptor;
            EXPECT_EQ(result.image.pixel(1, 1), order.bottomRight) << order.descriptor;
        }
    }
}

TEST(Tga, RunLengthPacketsMayCrossRowEnds)
{
    // Three by three: a run of four red, a raw packet of three, a run of two blue.
    QByteArray data = QByteArray::fromHex("83") + bgr({Red});
    data += QByteArray::fromHex("02") + bgr({Green, White, Black});
    data += QByteArray::fromHex("81") + bgr({Blue});
    const ImageResult result = decodeTga(tgaFile({10, 24, 3, 3}, data));
    ASSERT_TRUE(result.ok()) << result.error.toStdString();
    const QRgb expected[3][3] = {{Red, Red, Red}, {Red, Green, White}, {Black, Blue, Blue}};
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(result.image.pixel(x, y), expected[y][x]) << x << "," << y;
    }

    // Colour-mapped and greyscale pictures are encoded the same way, one byte a pixel.
    TgaShape mapped{9, 8, 3, 1};
    mapped.mapType = 1;
    mapped.mapLength = 2;
    mapped.mapEntryBits = 24;
    const ImageResult indexed = decodeTga(tgaFile(mapped, bgr({Red, Green}) + QByteArray::fromHex("8101 0000")));
    ASSERT_TRUE(indexed.ok()) << indexed.error.toStdString();
    EXPECT_EQ(indexed.image.pixel(1, 0), Green);
    EXPECT_EQ(indexed.image.pixel(2, 0), Red);
    const ImageResult grey = decodeTga(tgaFile({11, 8, 130, 1}, QByteArray::fromHex("ff40 8180")));
    ASSERT_TRUE(grey.ok()) << grey.error.toStdString();
    EXPECT_EQ(grey.image.pixel(127, 0), qRgb(0x40, 0x40, 0x40));
    EXPECT_EQ(grey.image.pixel(129, 0), qRgb(0x80, 0x80, 0x80));
}

TEST(Tga, AlphaIsKeptOnlyWhereItIsDeclared)
{
    const QByteArray translucent = tgaFile({2, 32, 1, 1, 0x28}, QByteArray::fromHex("00ff0040"));
    const QByteArray clearBit = tgaFile({2, 16, 2, 1, 0x21}, QByteArray::fromHex("1f00" "e083"));
    const struct {
        const char *what;
        QByteArray file;
        QRgb expected;
    } cases[] = {
        {"32 bits, no footer", translucent, qRgba(0, 255, 0, 0x40)},
        {"32 bits, footer without an extension area", withFooter(translucent, std::nullopt), qRgba(0, 255, 0, 0x40)},
        {"32 bits, extension: no alpha", withFooter(translucent, 0), Green},
        {"32 bits, extension: undefined", withFooter(translucent, 1), Green},
        {"32 bits, extension: alpha", withFooter(translucent, 3), qRgba(0, 255, 0, 0x40)},
        {"32 bits, extension: premultiplied", withFooter(translucent, 4), qRgba(0, 255, 0, 0x40)},
        {"16 bits, no alpha bits", tgaFile({2, 16, 2, 1, 0x20}, QByteArray::fromHex("1f00" "e083")), Blue},
        {"16 bits, one alpha bit", clearBit, qRgba(0, 0, 255, 0)},
        {"16 bits, extension: alpha", withFooter(tgaFile({2, 16, 2, 1, 0x20}, QByteArray::fromHex("1f00" "e083")), 3),
         qRgba(0, 0, 255, 0)},
    };
    for (const auto &c : cases) {
        const ImageResult result = decodeTga(c.file);
        ASSERT_TRUE(result.ok()) << c.what << ": " << result.error.toStdString();
        EXPECT_EQ(result.image.pixel(0, 0), c.expected) << c.what;
        EXPECT_EQ(result.image.hasAlphaChannel(), qAlpha(c.expected) != 255) << c.what;
    }
    // Premultiplied colours are divided out: half-transparent 0x40 green is 0x80 green.
    const ImageResult premultiplied
        = decodeTga(withFooter(tgaFile({2, 32, 1, 1, 0x28}, QByteArray::fromHex("00400080")), 4));
    ASSERT_TRUE(premultiplied.ok()) << premultiplied.error.toStdString();
    const QRgb divided = premultiplied.image.pixel(0, 0);
    EXPECT_EQ(qAlpha(divided), 0x80);
    EXPECT_NEAR(qGreen(divided), 0x80, 1);

    // Alpha that is zero everywhere was never meant.
    const ImageResult unused = decodeTga(tgaFile({2, 32, 2, 1, 0x28}, QByteArray::fromHex("0000ff00" "ff000000")));
    ASSERT_TRUE(unused.ok()) << unused.error.toStdString();
    EXPECT_EQ(unused.image.format(), QImage::Format_RGB32);
    EXPECT_EQ(unused.image.pixel(0, 0), Red);
    EXPECT_EQ(unused.image.pixel(1, 0), Blue);
}

TEST(Tga, TheFooterIsNotPictureData)
{
    const QByteArray file = tgaFile({2, 24, 2, 1}, bgr({Red, Blue}));
    const ImageResult plain = decodeTga(withFooter(file, 0));
    ASSERT_TRUE(plain.ok()) << plain.error.toStdString();
    EXPECT_EQ(plain.image.pixel(1, 0), Blue);
    // Pixel data cut short is refused even where the footer's bytes could stand in for it.
    const QByteArray cut = withFooter(file.chopped(3), std::nullopt);
    EXPECT_TRUE(errorOf(cut).contains("the picture data is cut short")) << errorOf(cut).toStdString();
    // An extension area outside the file is ignored; the picture is still read.
    QByteArray farExtension = withFooter(file, 3);
    farExtension[farExtension.size() - 26] = char(0xF0);
    EXPECT_TRUE(decodeTga(farExtension).ok());
}

TEST(Tga, DamagedFilesGiveErrorsNamingTheReason)
{
    TgaShape mapped{1, 8, 2, 1};
    mapped.mapType = 1;
    mapped.mapLength = 2;
    mapped.mapEntryBits = 24;
    TgaShape noMap = mapped;
    noMap.mapType = 0;
    TgaShape emptyMap = mapped;
    emptyMap.mapLength = 0;
    TgaShape oddEntries = mapped;
    oddEntries.mapEntryBits = 8;
    TgaShape strangeMapType{2, 24, 1, 1};
    strangeMapType.mapType = 2;
    TgaShape withId{2, 24, 1, 1};
    withId.id = "ID";
    const QByteArray map = bgr({Red, Green});
    const struct {
        QByteArray file;
        const char *reason;
    } cases[] = {
        {QByteArray(17, '\0'), "the header is cut short"},
        {tgaFile({0, 24, 1, 1}, {}), "the file holds no picture"},
        {tgaFile({32, 24, 1, 1}, QByteArray(3, '\0')), "image type 32 is not supported"},
        {tgaFile(strangeMapType, QByteArray(3, '\0')), "colour map type 2 is not supported"},
        {tgaFile(noMap, QByteArray(2, '\0')), "the colour map is missing"},
        {tgaFile(emptyMap, QByteArray(2, '\0')), "the colour map is empty"},
        {tgaFile(oddEntries, QByteArray(4, '\0')), "colour map entries of 8 bits are not supported"},
        {tgaFile({2, 12, 1, 1}, QByteArray(2, '\0')), "true-colour pixels of 12 bits are not supported"},
        {tgaFile({3, 16, 1, 1}, QByteArray(2, '\0')), "greyscale pixels of 16 bits are not supported"},
        {tgaFile({2, 24, 1, 1, 0x40}, QByteArray(3, '\0')), "interleaved rows are not supported"},
        {tgaFile({2, 24, 0, 5}, {}), "the picture has no size"},
        {tgaFile({2, 24, 3, 0}, {}), "the picture has no size"},
        {tgaFile({2, 24, 10001, 1}, QByteArray(30003, '\0')), "the picture is too large"},
        {tgaFile(mapped, map.left(5)), "the colour map is cut short"},
        {tgaHeader(withId).data().chopped(1), "the image identification is cut short"},
        {tgaFile(mapped, map + QByteArray::fromHex("0002")), "pixel value 2 lies outside the colour map"},
        {tgaFile({2, 24, 2, 2}, bgr({Red, Red, Red})), "the picture data is cut short"},
        {tgaFile({10, 24, 2, 2}, QByteArray::fromHex("82") + bgr({Red})), "the run-length data is cut short"},
        {tgaFile({10, 24, 2, 2}, QByteArray::fromHex("01") + bgr({Red})), "the run-length data is cut short"},
        {tgaFile({10, 24, 2, 2}, QByteArray::fromHex("84") + bgr({Red}) + QByteArray(10, '\0')),
         "a run-length packet runs past the end of the picture"},
        {tgaFile({10, 24, 2, 2}, QByteArray::fromHex("81") + bgr({Red}) + QByteArray::fromHex("02")
                                     + bgr({Red, Red, Red})),
         "a run-length packet runs past the end of the picture"},
    };
    for (const auto &c : cases) {
        const QString error = errorOf(c.file);
        EXPECT_TRUE(error.startsWith("Not a readable TGA picture: ")) << error.toStdString();
        EXPECT_TRUE(error.contains(QLatin1String(c.reason))) << c.reason << " / " << error.toStdString();
    }
    // An index outside the map is refused in run-length data too.
    mapped.imageType = 9;
    EXPECT_TRUE(errorOf(tgaFile(mapped, map + QByteArray::fromHex("8107"))).contains("pixel value 7"));

    // Every cut of a good file is refused, never read as a partial picture.
    for (const QByteArray &file : {tgaFile(mapped, map + QByteArray::fromHex("8101")),
                                   tgaFile({10, 24, 3, 3}, QByteArray::fromHex("88") + bgr({Red}))}) {
        ASSERT_TRUE(decodeTga(file).ok());
        for (qsizetype length = 0; length < file.size(); ++length)
            EXPECT_FALSE(decodeTga(file.left(length)).ok()) << "cut at " << length;
    }
}

TEST(Tga, APicturePromisedByAFewBytesIsRefusedBeforeItIsAllocated)
{
    // 9000 x 9000 pixels need at least 632,813 packets; five bytes hold one.
    const QString promise = errorOf(tgaFile({10, 32, 9000, 9000}, QByteArray::fromHex("ff00000000")));
    EXPECT_TRUE(promise.contains("the picture data is cut short")) << promise.toStdString();

    DecodeBudget budget(100);
    const QByteArray file = tgaFile({10, 24, 10, 11}, QByteArray(9, '\x81') + QByteArray(100, '\0'));
    const ImageResult overBudget = decodeTga(file, &budget);
    EXPECT_TRUE(overBudget.error.contains(budget.exceededMessage())) << overBudget.error.toStdString();
    EXPECT_EQ(budget.left(), 100);
    const ImageResult fits = decodeTga(tgaFile({2, 24, 10, 10}, QByteArray(300, '\0')), &budget);
    EXPECT_TRUE(fits.ok()) << fits.error.toStdString();
    EXPECT_EQ(budget.left(), 0);
}

TEST(Tga, FilesAreReadByTheirExtension)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("scan.Tga"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(tgaFile({2, 16, 1, 1}, QByteArray::fromHex("ff7f")));
    file.close();
    Picture picture;
    ASSERT_TRUE(picture.loadFromFile(path).ok());
    EXPECT_EQ(picture.kind(), Picture::Kind::Bitmap);
    EXPECT_EQ(picture.image().pixel(0, 0), White);

    // Pictures read while a document is read are charged to its budget.
    DecodeBudget budget(1);
    const DecodeBudget::Scope scope(budget);
    EXPECT_TRUE(decodeRaster(tgaFile({2, 24, 1, 1}, bgr({Red})), PictureKind::Tga).ok());
    EXPECT_EQ(budget.left(), 0);
    EXPECT_FALSE(decodeRaster(tgaFile({2, 24, 1, 1}, bgr({Red})), PictureKind::Tga).ok());
}

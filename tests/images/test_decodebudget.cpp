// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "bytebuilder.h"
#include "images/decodebudget.h"
#include "images/picture.h"

#include <QBuffer>
#include <QPainter>

namespace {

// Red, give or take what scaling does to a channel on the way (254 with some compilers).
bool isRed(QRgb pixel)
{
    return qRed(pixel) >= 250 && qGreen(pixel) <= 5 && qBlue(pixel) <= 5;
}

// A run-length encoded BMP file of the given size in one colour (red), whose data says
// "end of bitmap" at once: a few bytes for any number of pixels.
QByteArray runLengthBitmap(int width, int height)
{
    ByteBuilder b;
    b.bytes("BM").u32(64).u32(0).u32(58);           // file header, pixels at 58
    b.u32(40).s32(width).s32(height).u16(1).u16(8); // info header, 8 bits a pixel
    b.u32(1).u32(6).u32(0).u32(0).u32(1).u32(0);    // RLE8, 6 bytes, one colour
    b.u8(0).u8(0).u8(255).u8(0);                    // red
    b.u16(0x0100).u32(0);                           // end of bitmap, padding
    return b.data();
}

QByteArray storedBitmap(const QByteArray &bmp)
{
    return ByteBuilder().u8(7).bytes("TBitmap").u32(bmp.size()).bytes(bmp).data();
}

QByteArray iconFile(int side)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImage image(side, side, QImage::Format_ARGB32);
    image.fill(Qt::blue);
    image.save(&buffer, "ICO");
    return ByteBuilder().u8(5).bytes("TIcon").bytes(bytes).data();
}

} // namespace

TEST(DecodeBudget, StoredPicturesAreChargedTheSizeTheyDeclare)
{
    DecodeBudget budget(1'000'000);
    const DecodeBudget::Scope scope(budget);
    Picture first;
    ASSERT_TRUE(first.setPictureData(storedBitmap(runLengthBitmap(800, 800))).ok());
    EXPECT_EQ(budget.left(), 360'000);

    Picture second;
    ASSERT_TRUE(second.setPictureData(iconFile(32)).ok());
    EXPECT_EQ(budget.left(), 360'000 - 32 * 32);

    // What does not fit is refused whole, names the limit and leaves the picture alone.
    const ImageStatus refused = second.setPictureData(storedBitmap(runLengthBitmap(800, 800)));
    EXPECT_TRUE(refused.overBudget);
    EXPECT_EQ(refused.error, QStringLiteral("the pictures of this document need more than 1 megapixels"));
    EXPECT_EQ(second.kind(), Picture::Kind::Icon);
    EXPECT_EQ(budget.left(), 360'000 - 32 * 32);

    // A damaged picture is no budget matter.
    const ImageStatus damaged = second.setPictureData(storedBitmap("BM"));
    EXPECT_FALSE(damaged.ok());
    EXPECT_FALSE(damaged.overBudget);
}

TEST(DecodeBudget, OnlyPicturesReadInsideAScopeAreCharged)
{
    Picture picture;
    EXPECT_EQ(DecodeBudget::current(), nullptr);
    EXPECT_TRUE(picture.setPictureData(storedBitmap(runLengthBitmap(9000, 9000))).ok());
    DecodeBudget outer(100);
    {
        const DecodeBudget::Scope outerScope(outer);
        DecodeBudget inner(10'000);
        {
            const DecodeBudget::Scope innerScope(inner);
            EXPECT_TRUE(picture.setPictureData(storedBitmap(runLengthBitmap(50, 50))).ok());
        }
        EXPECT_EQ(inner.left(), 10'000 - 2500);
        EXPECT_EQ(DecodeBudget::current(), &outer);
        EXPECT_TRUE(picture.setPictureData(storedBitmap(runLengthBitmap(50, 50))).overBudget);
    }
    EXPECT_EQ(outer.left(), 100);
    EXPECT_EQ(DecodeBudget::current(), nullptr);
}

TEST(Picture, AStoredBitmapKeepsItsFileAndIsDecodedAtTheSizeItIsDrawn)
{
    // 64 bytes that declare 31 megapixels.
    const QByteArray stored = storedBitmap(runLengthBitmap(5600, 5600));
    Picture picture;
    ASSERT_TRUE(picture.setPictureData(stored).ok());
    EXPECT_EQ(picture.size(), QSize(5600, 5600));
    EXPECT_FALSE(picture.isEmpty());
    // Stored again as it came, not as a 94 MB rewrite of its pixels.
    EXPECT_EQ(picture.pictureData(), stored);
    const Picture copy = picture;
    EXPECT_TRUE(copy == picture);

    QImage canvas(40, 30, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    QPainter painter(&canvas);
    picture.draw(painter, QRect(5, 5, 20, 10));
    painter.end();
    EXPECT_TRUE(isRed(canvas.pixel(5, 5))) << std::hex << canvas.pixel(5, 5);
    EXPECT_TRUE(isRed(canvas.pixel(24, 14))) << std::hex << canvas.pixel(24, 14);
    EXPECT_EQ(canvas.pixel(25, 15), qRgb(255, 255, 255));

    // The whole picture only when it is asked for.
    EXPECT_EQ(picture.image().size(), QSize(5600, 5600));
    EXPECT_EQ(picture.image().pixel(5599, 0), qRgb(255, 0, 0));
}

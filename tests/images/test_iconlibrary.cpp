// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "iconbuilders.h"

#include "images/iconlibrary.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>

using namespace IconBuilders;

namespace {

// Icons are told apart by a solid colour each: red 1, 2, 3... in the red channel.
QRgb marker(int number)
{
    return qRgb(number * 10, 0x40, 0x80);
}

Image solidImage(int size, int number, int bits = 32, int id = 1)
{
    return {size, size, bits, solidBitmap(size, marker(number), bits), id};
}

// The marker number of an icon (its centre pixel), or -1 for no icon.
int markerOf(const QImage &image)
{
    if (image.isNull())
        return -1;
    return qRed(image.pixel(image.width() / 2, image.height() / 2)) / 10;
}

QList<int> markersOf(const QByteArray &file)
{
    QList<int> markers;
    for (int index = 0; index < IconLibrary::iconCountOfBytes(file); ++index)
        markers.append(markerOf(IconLibrary::iconOfBytes(file, index)));
    return markers;
}

// Four groups, written in scrambled order: two named (a case-sensitive sort would keep them) and two numbered.
QList<Resource> scrambledGroups(int groupType, int iconType)
{
    QList<Resource> resources;
    resources += iconResources(QStringLiteral("ZEBRA"), 0, {solidImage(32, 4, 32, 1)}, groupType, iconType);
    resources += iconResources(std::nullopt, 7, {solidImage(32, 2, 32, 2)}, groupType, iconType);
    resources += iconResources(QStringLiteral("apple"), 0, {solidImage(32, 3, 32, 3)}, groupType, iconType);
    resources += iconResources(std::nullopt, 5, {solidImage(32, 1, 32, 4)}, groupType, iconType);
    return resources;
}

// A group of 16, 32 and 48 pixel images in several depths, as modules commonly carry them.
QList<Image> sizedImages()
{
    return {solidImage(16, 1, 32, 11), solidImage(32, 2, 4, 12), solidImage(32, 3, 8, 13),
            solidImage(32, 4, 32, 14), solidImage(48, 5, 32, 15)};
}

} // namespace

TEST(IconImage, DecodesEveryDepthWithItsMask)
{
    // Left half colour A, right half colour B; the top-left quadrant is masked out.
    const QRgb left = qRgb(200, 30, 40);
    const QRgb right = qRgb(10, 220, 90);
    for (int bits : {1, 4, 8, 24, 32}) {
        Bitmap bitmap;
        bitmap.bits = bits;
        bitmap.palette = {qRgb(0, 0, 0), left, right};
        if (bits == 1)
            bitmap.palette = {left, right};
        const quint32 leftValue = bits == 1 ? 0 : 1;
        const quint32 rightValue = bits == 1 ? 1 : 2;
        bitmap.pixel = [&](int x, int) {
            if (bits <= 8)
                return x < 16 ? leftValue : rightValue;
            return (x < 16 ? left : right) & 0x00FFFFFFu; // alpha bytes 0: the mask decides
        };
        bitmap.masked = [](int x, int y) { return x < 16 && y < 16; };
        const QImage image = IconLibrary::iconOfBytes(icoFile({{32, 32, bits, bitmapBytes(bitmap)}}), 0);
        ASSERT_EQ(image.size(), QSize(32, 32)) << bits;
        EXPECT_EQ(image.format(), QImage::Format_ARGB32);
        EXPECT_EQ(qAlpha(image.pixel(3, 3)), 0) << bits;
        EXPECT_EQ(image.pixel(3, 20), left | 0xFF000000u) << bits;
        EXPECT_EQ(image.pixel(20, 3), right | 0xFF000000u) << bits;
        EXPECT_EQ(image.pixel(31, 31), right | 0xFF000000u) << bits;
    }
}

TEST(IconImage, AlphaOfDeepIconsWinsOverTheMask)
{
    Bitmap bitmap;
    bitmap.width = 20; // rows of the mask are padded
    bitmap.height = 10;
    bitmap.pixel = [](int x, int) { return x < 10 ? 0x80FF0000u : 0xFF0000FFu; };
    bitmap.masked = [](int, int) { return true; };
    QImage image = IconLibrary::iconOfBytes(icoFile({{20, 10, 32, bitmapBytes(bitmap)}}), 0);
    ASSERT_EQ(image.size(), QSize(20, 10));
    EXPECT_EQ(image.pixel(2, 5), 0x80FF0000u);
    EXPECT_EQ(image.pixel(15, 5), 0xFF0000FFu);

    // Without a mask after the colours an icon without alpha is opaque.
    Bitmap unmasked;
    unmasked.bits = 24;
    unmasked.pixel = [](int, int) { return 0xFF00FF00u; };
    unmasked.withMask = false;
    image = IconLibrary::iconOfBytes(icoFile({{32, 32, 24, bitmapBytes(unmasked)}}), 0);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.pixel(0, 0), 0xFF00FF00u);
}

TEST(IconImage, ReadsPngEntries)
{
    QImage source(48, 48, QImage::Format_ARGB32);
    source.fill(qRgba(0, 0, 255, 255));
    source.setPixel(0, 0, qRgba(0, 0, 0, 0));
    const QByteArray file = icoFile({solidImage(16, 1), {48, 48, 32, pngBytes(source)}});
    const QImage image = IconLibrary::iconOfBytes(file, 0);
    ASSERT_EQ(image.size(), QSize(48, 48));
    EXPECT_EQ(image.format(), QImage::Format_ARGB32);
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
    EXPECT_EQ(image.pixel(10, 10), 0xFF0000FFu);
}

TEST(IconImage, ChoosesTheEntryForTheDesiredSize)
{
    const QByteArray file = icoFile(sizedImages());
    ASSERT_EQ(IconLibrary::iconCountOfBytes(file), 1);
    const struct {
        QSize desired;
        int marker;
    } cases[] = {
        {{32, 32}, 4}, // exact, the most colours of three
        {{16, 16}, 1},
        {{24, 24}, 4}, // the nearest larger, again the deepest
        {{40, 40}, 5},
        {{64, 64}, 5}, // nothing larger: the largest
        {{48, 16}, 5},
    };
    for (const auto &entry : cases)
        EXPECT_EQ(markerOf(IconLibrary::iconOfBytes(file, 0, entry.desired)), entry.marker) << entry.desired.width();
    EXPECT_EQ(IconLibrary::iconOfBytes(file, 0).size(), IconLibrary::desktopIconSize());
    EXPECT_TRUE(IconLibrary::iconOfBytes(file, 1).isNull());
    EXPECT_TRUE(IconLibrary::iconOfBytes(file, -1).isNull());
}

TEST(IconModules, NeLibrariesNumberGroupsInTableOrder)
{
    QList<Resource> resources = scrambledGroups(NeGroupIcon, NeIcon);
    // A group whose image is missing is no icon; a named image cannot be found by number.
    resources += Resource{NeGroupIcon, std::nullopt, 9, groupDirectory({solidImage(32, 8, 32, 99)})};
    resources += Resource{NeIcon, QStringLiteral("LOOSE"), 0, solidBitmap(32, marker(8))};
    resources += iconResources(std::nullopt, 10, sizedImages(), NeGroupIcon, NeIcon);
    // Resources of other types are passed over.
    resources.insert(0, Resource{0x8006, std::nullopt, 1, QByteArray(40, 'x')});
    const QByteArray file = neModule(resources);
    EXPECT_EQ(markersOf(file), QList<int>({4, 2, 3, 1, 4}));
    EXPECT_EQ(markerOf(IconLibrary::iconOfBytes(file, 4, {16, 16})), 1);
    EXPECT_EQ(markerOf(IconLibrary::iconOfBytes(file, 4, {48, 48})), 5);
    // Other alignments place the same resources elsewhere.
    EXPECT_EQ(markersOf(neModule(resources, 9)), QList<int>({4, 2, 3, 1, 4}));
}

TEST(IconModules, PeModulesNumberNamedGroupsFirstThenIds)
{
    for (bool wide : {false, true}) {
        QList<Resource> resources = scrambledGroups(PeGroupIcon, PeIcon);
        resources += iconResources(std::nullopt, 1, sizedImages(), PeGroupIcon, PeIcon);
        resources.insert(0, Resource{16, std::nullopt, 1, QByteArray(64, 'v')});
        const QByteArray file = peModule(resources, wide);
        EXPECT_EQ(markersOf(file), QList<int>({3, 4, 4, 1, 2})) << wide;
        EXPECT_EQ(markerOf(IconLibrary::iconOfBytes(file, 2, {16, 16})), 1) << wide;
    }
}

TEST(IconModules, DamagedFilesGiveFewerIconsAndNeverCrash)
{
    QList<Resource> resources = scrambledGroups(PeGroupIcon, PeIcon);
    const QByteArray pe = peModule(resources);
    const QByteArray ne = neModule(scrambledGroups(NeGroupIcon, NeIcon));
    const QByteArray ico = icoFile(sizedImages());
    // Every cut of every file: a count no larger than the whole file's, icons or nulls.
    for (const QByteArray &file : {pe, ne, ico}) {
        const int whole = IconLibrary::iconCountOfBytes(file);
        for (qsizetype length = 0; length < file.size(); length += 7) {
            const QByteArray cut = file.left(length);
            const int count = IconLibrary::iconCountOfBytes(cut);
            ASSERT_LE(count, whole) << length;
            for (int index = 0; index < count; ++index)
                IconLibrary::iconOfBytes(cut, index);
        }
    }
    const auto patched = [](QByteArray file, qsizetype offset, const QByteArray &bytes) {
        return file.replace(offset, bytes.size(), bytes);
    };
    const auto u16 = [](int value) { return ByteBuilder().u16(value).data(); };
    const auto u32 = [](qint64 value) { return ByteBuilder().u32(value).data(); };

    // .ico: a huge entry count, an entry past the end, a bitmap header claiming a huge size.
    EXPECT_EQ(IconLibrary::iconCountOfBytes(patched(ico, 4, u16(0xFFFF))), 1);
    EXPECT_EQ(IconLibrary::iconCountOfBytes(patched(icoFile({solidImage(32, 1)}), 18, u32(0xFFFFFFF0))), 0);
    EXPECT_TRUE(IconLibrary::iconOfBytes(patched(icoFile({solidImage(32, 1)}), 22 + 4, u32(0x7FFFFFFF)), 0).isNull());
    EXPECT_TRUE(IconLibrary::iconOfBytes(patched(icoFile({solidImage(32, 1)}), 22 + 14, u16(64)), 0).isNull());

    // MZ header pointing past the end; NE with a huge alignment shift or type count.
    EXPECT_EQ(IconLibrary::iconCountOfBytes(patched(ne, 0x3C, u32(0xFFFFFFFF))), 0);
    EXPECT_EQ(IconLibrary::iconCountOfBytes(patched(ne, 0x80, u16(0xFFFF))), 0);
    EXPECT_EQ(IconLibrary::iconCountOfBytes(patched(ne, 0x80, u16(40))), 0);
    EXPECT_EQ(IconLibrary::iconCountOfBytes(patched(ne, 0x82 + 2, u16(0xFFFF))), 0);

    // PE: a root claiming 65535 entries each way still finds what is there.
    const qsizetype root = PeSectionOffset;
    EXPECT_EQ(IconLibrary::iconCountOfBytes(patched(pe, root + 12, u32(0xFFFFFFFF))), 4);
    // The group type's directory is the root itself: its entries lead nowhere, and no loop.
    EXPECT_EQ(IconLibrary::iconCountOfBytes(patched(pe, root + 16 + 4, u32(0x80000000u))), 0);
    // A group directory that points back at the type level.
    const qsizetype groupDirectory = root + 16 + 2 * 8;
    EXPECT_EQ(IconLibrary::iconCountOfBytes(patched(pe, groupDirectory + 16 + 4, u32(0x80000000u))), 3);
    // A resource directory address outside every section.
    const qsizetype resourceField = 0x40 + 24 + 96 + 2 * 8;
    EXPECT_EQ(IconLibrary::iconCountOfBytes(patched(pe, resourceField, u32(0x7FFFF000))), 0);
    // A section whose data lies beyond the end of the file.
    const qsizetype sectionTable = 0x40 + 24 + 224;
    EXPECT_EQ(IconLibrary::iconCountOfBytes(patched(pe, sectionTable + 20, u32(0xFFFFFF00))), 0);
    // Not icon files at all.
    EXPECT_EQ(IconLibrary::iconCountOfBytes(QByteArray("MZ")), 0);
    EXPECT_EQ(IconLibrary::iconCountOfBytes(QByteArray("GIF89a")), 0);
}

TEST(IconLibraryFiles, ReadsRegularFilesOnly)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("Set.ICL"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(neModule(scrambledGroups(NeGroupIcon, NeIcon)));
    file.close();
    EXPECT_EQ(IconLibrary::iconCount(path), 4);
    EXPECT_EQ(markerOf(IconLibrary::icon(path, 1)), 2);
    EXPECT_EQ(IconLibrary::iconCount(dir.path()), 0);
    EXPECT_EQ(IconLibrary::iconCount(dir.filePath(QStringLiteral("missing.icl"))), 0);
    EXPECT_TRUE(IconLibrary::icon(dir.filePath(QStringLiteral("missing.icl")), 0).isNull());
}

// The shipped libraries are generated once and committed; they must stay readable, full and
// drawn, whatever machine made them.
TEST(IconLibraryFiles, ShippedLibrariesHoldDrawnIcons)
{
    const QDir data(qEnvironmentVariable("ORVANE_SOURCE_DATA"));
    QStringList paths;
    for (const char *name : {"activity.icl", "events.icl", "holiday.icl", "misc1.icl", "misc2.icl"})
        paths.append(data.filePath(QLatin1String(name)));
    const QDir bonus(data.filePath(QStringLiteral("BonusIcons")));
    const QStringList bonusSets = bonus.entryList({QStringLiteral("*.icl")}, QDir::Files);
    EXPECT_GE(bonusSets.size(), 2);
    for (const QString &name : bonusSets)
        paths.append(bonus.filePath(name));
    for (const QString &path : std::as_const(paths)) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << qPrintable(path);
        const QByteArray bytes = file.readAll();
        const int count = IconLibrary::iconCountOfBytes(bytes);
        EXPECT_GE(count, 30) << qPrintable(path);
        for (int index = 0; index < count; ++index) {
            const QImage large = IconLibrary::iconOfBytes(bytes, index);
            ASSERT_EQ(large.size(), QSize(32, 32)) << qPrintable(path) << " " << index;
            EXPECT_EQ(IconLibrary::iconOfBytes(bytes, index, {16, 16}).size(), QSize(16, 16));
            // Drawn: a good part of the pixels visible, in more than one colour.
            int visible = 0;
            QSet<QRgb> colours;
            for (int y = 0; y < 32; ++y) {
                for (int x = 0; x < 32; ++x) {
                    visible += qAlpha(large.pixel(x, y)) > 128;
                    colours.insert(large.pixel(x, y));
                }
            }
            EXPECT_GE(visible, 100) << qPrintable(path) << " " << index;
            EXPECT_GE(colours.size(), 8) << qPrintable(path) << " " << index;
        }
    }
}

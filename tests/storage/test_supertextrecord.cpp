// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "objects/tgsupertext.h"
#include "storage/calendarfile.h"
#include "storage/objectrecords.h"
#include "storage/streamdump.h"

#include <QRegularExpression>
#include <QtEndian>

namespace {

using ObjectRecords::objectListBytes;
using ObjectRecords::readObjectList;

QStringList recordedProperties(const TGGraphicControl &object)
{
    ObjectRecord record(object);
    const QString dump =
        dumpCalendarFile(CalendarFile::documentBytes(PageDocument{}, {&record})).text;
    const QString objects = dump.mid(dump.indexOf(QStringLiteral("drawing object 1")));
    QStringList names;
    static const QRegularExpression property(QStringLiteral("^    (\\S+) = "),
                                             QRegularExpression::MultilineOption);
    for (auto it = property.globalMatch(objects); it.hasNext();)
        names << it.next().captured(1);
    return names;
}

// An 8-bit picture of two colours in stripes.
QImage stripes()
{
    QImage image(6, 4, QImage::Format_Indexed8);
    image.setColorTable({qRgb(200, 10, 10), qRgb(10, 200, 10)});
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 6; ++x)
            image.setPixel(x, y, x % 2);
    }
    return image;
}

} // namespace

TEST(SuperTextRecord, ANewObjectWritesOnlyWhatHasNoDefault)
{
    TGSuperText text;
    text.setBounds(10, 20, 142, 33);
    EXPECT_EQ(recordedProperties(text),
              QStringList({"Left", "Top", "Width", "Height", "Locked", "Unselectable", "BorderStyle",
                           "ControlTransparent", "BGColor", "Caption", "Font.Color", "Font.Height",
                           "Font.Name", "Font.Style", "FillDirection", "GradientToColor",
                           "GradientFromColor", "OutlineColor", "OutlineStyle", "OutlineWidth",
                           "SurfaceType"}));

    text.SetShadowDepth(2);
    text.SetShadowOrientation(sdLeft);
    text.SetShadowcolor(0x0000FF);
    text.SetSurfaceType(stBrushImage);
    text.SetImage(stripes());
    text.SetLastBitmapFileNameandPath(QStringLiteral("/textures/Wood.bmp"));
    const QStringList all = recordedProperties(text);
    EXPECT_EQ(all.mid(6, 3), QStringList({"ShadowDepth", "ShadowOrientation", "Shadowcolor"}));
    EXPECT_EQ(all.indexOf(QStringLiteral("Image.Data")), all.indexOf(QStringLiteral("GradientFromColor")) + 1);
    EXPECT_EQ(all.last(), QStringLiteral("LastBitmapFileNameandPath"));
}

TEST(SuperTextRecord, EveryPropertyComesBack)
{
    TGSuperText written;
    written.setBounds(7, 9, 320, 80);
    written.SetShadowDepth(6);
    written.SetShadowOrientation(sdDownLeft);
    written.SetShadowcolor(0x112233);
    written.SetBorderStyle(bsSingle);
    written.SetControlTransparent(false);
    written.SetBGColor(0x00FFFF);
    written.SetCaption(QStringLiteral("Noël"));
    written.SetFont(TFont(QStringLiteral("Liberation Serif"), 40, TFont::Style::Italic, 0x0000FF));
    written.SetFillDirection(gdUp);
    written.SetGradientToColor(0x00FF00);
    written.SetGradientFromColor(0x800080);
    written.SetOutlineColor(0x808080);
    written.SetOutlineStyle(psDashDot);
    written.SetOutlineWidth(3);
    written.SetSurfaceType(stBrushImage);
    written.SetImage(stripes());
    written.SetLastBitmapFileNameandPath(QStringLiteral("/textures/Wood.bmp"));

    const QByteArray bytes = objectListBytes({&written});
    // The bitmap is stored as a length and a BMP file that keeps its 256-colour form.
    const qsizetype data = bytes.indexOf("Image.Data");
    ASSERT_GE(data, 0);
    const qsizetype bmp = bytes.indexOf("BM", data);
    ASSERT_GT(bmp, data);
    const quint32 length = qFromLittleEndian<quint32>(bytes.constData() + bmp - 4);
    EXPECT_EQ(length, qFromLittleEndian<quint32>(bytes.constData() + bmp + 2));
    EXPECT_EQ(qFromLittleEndian<quint16>(bytes.constData() + bmp + 28), 8) << "bits a pixel";

    const auto read = readObjectList(bytes, {});
    ASSERT_TRUE(read.error.isEmpty()) << qPrintable(read.error);
    ASSERT_EQ(read.objects.size(), 1u);
    const auto &back = dynamic_cast<const TGSuperText &>(*read.objects[0]);
    EXPECT_EQ(back.boundsRect(), QRect(7, 9, 320, 80));
    EXPECT_EQ(back.ShadowDepth(), 6);
    EXPECT_EQ(back.ShadowOrientation(), sdDownLeft);
    EXPECT_EQ(back.Shadowcolor(), 0x112233);
    EXPECT_EQ(back.BorderStyle(), bsSingle);
    EXPECT_FALSE(back.ControlTransparent());
    EXPECT_EQ(back.BGColor(), 0x00FFFF);
    EXPECT_EQ(back.Caption(), QStringLiteral("Noël"));
    EXPECT_EQ(back.Font().name(), QStringLiteral("Liberation Serif"));
    EXPECT_EQ(back.Font().height(96), written.Font().height(96));
    EXPECT_EQ(back.Font().style(), TFont::Style::Italic);
    EXPECT_EQ(back.Font().color(), 0x0000FF);
    EXPECT_EQ(back.FillDirection(), gdUp);
    EXPECT_EQ(back.GradientToColor(), 0x00FF00);
    EXPECT_EQ(back.GradientFromColor(), 0x800080);
    EXPECT_EQ(back.OutlineColor(), 0x808080);
    EXPECT_EQ(back.OutlineStyle(), psDashDot);
    EXPECT_EQ(back.OutlineWidth(), 3);
    EXPECT_EQ(back.SurfaceType(), stBrushImage);
    ASSERT_EQ(back.Image().size(), QSize(6, 4)) << "the texture survives the surface type";
    EXPECT_EQ(back.Image().pixel(1, 2), qRgb(10, 200, 10));
    EXPECT_EQ(back.LastBitmapFileNameandPath(), QStringLiteral("/textures/Wood.bmp"));
    EXPECT_FALSE(back.popupMenu().empty());

    // A gradient object read back has its gradient rendered at its stored size.
    TGSuperText gradient;
    gradient.setBounds(0, 0, 90, 30);
    const auto again = readObjectList(objectListBytes({&gradient}), {});
    ASSERT_EQ(again.objects.size(), 1u);
    EXPECT_EQ(dynamic_cast<const TGSuperText &>(*again.objects[0]).gradientBitmap().size(),
              gradient.boundsRect().size());
}

TEST(SuperTextRecord, ADamagedTextureIsAnInvalidValue)
{
    TGSuperText written;
    written.SetSurfaceType(stBrushImage);
    written.SetImage(stripes());
    QByteArray bytes = objectListBytes({&written});
    const qsizetype bmp = bytes.indexOf("BM", bytes.indexOf("Image.Data"));
    ASSERT_GT(bmp, 0);
    bytes[bmp] = 'X';
    const auto read = readObjectList(bytes, {});
    EXPECT_TRUE(read.error.endsWith(QStringLiteral("Invalid property value"))) << qPrintable(read.error);
    EXPECT_TRUE(read.objects.empty());
}

// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The special-effects text as a model: properties, gradient, layout, menu and dialogs.
#include <gtest/gtest.h>

#include "fakeobjecthost.h"
#include "objects/objectkinds.h"
#include "objects/tgsupertext.h"
#include "graphics/fontcache.h"

#include <QImage>

namespace {

const QRgb Blue = qRgb(0, 0, 255);
const QRgb Yellow = qRgb(255, 255, 0);

struct SuperText
{
    SuperText()
    {
        text.setPixelsPerInch(96);
        text.AfterLoad();
        text.setHost(&host);
    }
    FakeObjectHost host;
    TGSuperText text;
};

bool near(QRgb a, QRgb b, int tolerance)
{
    return std::abs(qRed(a) - qRed(b)) <= tolerance && std::abs(qGreen(a) - qGreen(b)) <= tolerance
        && std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

QImage coloured(QSize size, QRgb colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// Bounds as a document gives them: taken as they are, not fitted to the text.
void readBounds(TGSuperText &text, int width, int height)
{
    text.setReading(true);
    text.setBounds(0, 0, width, height);
    text.setReading(false);
}

} // namespace

TEST(TGSuperText, NewObjectsAndToolObjectsStartAsDocumentsExpect)
{
    TGSuperText text;
    EXPECT_EQ(text.boundsRect(), QRect(0, 0, 142, 33));
    EXPECT_EQ(text.ShadowDepth(), 0);
    EXPECT_EQ(text.ShadowOrientation(), sdDownRight);
    EXPECT_EQ(text.Shadowcolor(), 8421504);
    EXPECT_EQ(text.BorderStyle(), bsNone);
    EXPECT_TRUE(text.ControlTransparent());
    EXPECT_EQ(text.BGColor(), 0xFFFFFF);
    EXPECT_EQ(text.Caption(), QStringLiteral("Text"));
    EXPECT_EQ(text.Font(), TFont(QStringLiteral("Arial"), 48, TFont::Style::Bold, 0));
    EXPECT_EQ(text.FillDirection(), gdRight);
    EXPECT_EQ(text.GradientToColor(), 0x00FFFF);
    EXPECT_EQ(text.GradientFromColor(), 0xFF0000);
    EXPECT_TRUE(text.Image().isNull());
    EXPECT_EQ(text.OutlineStyle(), psSolid);
    EXPECT_EQ(text.OutlineWidth(), 1);
    EXPECT_EQ(text.SurfaceType(), stGradientFill);
    EXPECT_EQ(text.shadowOffset(), QPoint(0, 0));
    EXPECT_EQ(text.gradientBitmap().size(), QSize(142, 33));

    const TGSuperText tool{TGSuperText::ToolObject{}};
    EXPECT_EQ(tool.BorderStyle(), bsSingle);
    EXPECT_FALSE(tool.ControlTransparent());
    EXPECT_EQ(tool.BGColor(), 0xFFFFFF);
    const auto made = toolObject("TGSuperText", TFont(), QDate(2026, 1, 1));
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(made->className(), QStringLiteral("TGSuperText"));
    EXPECT_FALSE(made->popupMenu().empty()) << "the tool's object has its menu already";
    EXPECT_NE(createObjectOfClass(QStringLiteral("TGSuperText")), nullptr);
}

TEST(TGSuperText, GradientRunsFromColourToColourInEachDirection)
{
    struct Case {
        TFillDirection direction;
        QPoint first;
        QPoint last;
        QRgb firstColour;
        QRgb lastColour;
    };
    // From blue to yellow on a 256 x 64 object: one pixel per band across, four down.
    const Case cases[] = {
        {gdRight, {0, 32}, {255, 32}, Blue, Yellow},
        {gdLeft, {0, 32}, {255, 32}, Yellow, Blue},
        {gdDown, {128, 0}, {128, 63}, Blue, Yellow},
        {gdUp, {128, 0}, {128, 63}, Yellow, Blue},
    };
    for (const Case &c : cases) {
        TGSuperText text;
        readBounds(text, 256, 64);
        text.SetFillDirection(c.direction);
        const QImage &gradient = text.gradientBitmap();
        ASSERT_EQ(gradient.size(), QSize(256, 64));
        // Where bands are narrower than a pixel, the last of those sharing it shows.
        EXPECT_TRUE(near(gradient.pixel(c.first), c.firstColour, 4)) << "direction " << c.direction;
        EXPECT_EQ(gradient.pixel(c.last), c.lastColour) << "direction " << c.direction;
        // Half way along, every channel is half way.
        const QPoint middle = (c.first + c.last) / 2;
        EXPECT_NEAR(qRed(gradient.pixel(middle)), 128, 2);
        EXPECT_NEAR(qBlue(gradient.pixel(middle)), 128, 2);
    }
}

TEST(TGSuperText, NarrowGradientsStillEndInTheEndColour)
{
    // 100 pixels for 256 bands: rounding leaves the last band no width of its own.
    EXPECT_EQ(mulDiv(255, 100, 256), 100);
    EXPECT_EQ(mulDiv(3, 1, 2), 2) << "halves round away from zero";
    EXPECT_EQ(mulDiv(-3, 1, 2), -2);
    EXPECT_EQ(mulDiv(200, -255, 255), -200);
    EXPECT_EQ(mulDiv(1, 1, 0), -1);
    for (const int width : {100, 37, 7, 1}) {
        TGSuperText text;
        readBounds(text, width, 20);
        const QImage &gradient = text.gradientBitmap();
        EXPECT_EQ(gradient.pixel(width - 1, 10), Yellow) << width << " pixels wide";
        // Several bands share the first pixel and the last of them stays.
        if (width > 1) {
            EXPECT_LE(qRed(gradient.pixel(0, 10)), 20) << width << " pixels wide";
        }
    }
    // Red rises band by band and never falls back.
    TGSuperText text;
    readBounds(text, 100, 20);
    for (int x = 1; x < 100; ++x)
        EXPECT_GE(qRed(text.gradientBitmap().pixel(x, 5)), qRed(text.gradientBitmap().pixel(x - 1, 5)));
}

TEST(TGSuperText, SurfaceTypesKeepOrDropWhatTheyNeed)
{
    TGSuperText text;
    text.SetSurfaceType(stBrushImage);
    text.SetImage(coloured({8, 8}, qRgb(255, 0, 0)));
    EXPECT_EQ(text.Image().size(), QSize(8, 8));
    text.SetSurfaceType(stBrushImage);
    EXPECT_FALSE(text.Image().isNull()) << "setting the same type changes nothing";
    text.SetSurfaceType(stNormal);
    text.SetSurfaceType(stBrushImage);
    EXPECT_TRUE(text.Image().isNull()) << "the texture must be chosen again";
    text.SetImage(QImage());
    EXPECT_EQ(text.Image().size(), QSize(0, 0));

    text.SetOutlineStyle(psClear);
    text.SetSurfaceType(stBrushTransparent);
    EXPECT_EQ(text.OutlineStyle(), psSolid) << "hollow letters get an outline";
    text.SetSurfaceType(stNormal);
    text.SetOutlineStyle(psDash);
    text.SetSurfaceType(stBrushTransparent);
    EXPECT_EQ(text.OutlineStyle(), psDash);

    readBounds(text, 60, 30);
    text.SetGradientToColor(0x0000FF);
    text.SetSurfaceType(stGradientFill);
    EXPECT_EQ(text.gradientBitmap().size(), QSize(60, 30));
    EXPECT_EQ(text.gradientBitmap().pixel(59, 15), qRgb(255, 0, 0)) << "rebuilt with the new colour";
}

TEST(TGSuperText, SettersReportOnlyWhatTheDocumentMustKnow)
{
    SuperText s;
    const int before = s.host.changed;
    s.text.SetShadowcolor(0x123456);
    s.text.SetOutlineWidth(4);
    s.text.SetControlTransparent(false);
    s.text.SetGradientToColor(0x00FF00);
    EXPECT_EQ(s.host.changed, before);
    s.text.SetBGColor(0x00FF00);
    s.text.SetBorderStyle(bsSingle);
    s.text.SetGradientFromColor(0x0000FF);
    EXPECT_EQ(s.host.changed, before + 3);
    s.text.SetBGColor(0x00FF00);
    EXPECT_EQ(s.host.changed, before + 3) << "an unchanged value reports nothing";
}

TEST(TGSuperText, ShadowOffsetFollowsOrientationDepthAndZoom)
{
    TGSuperText text;
    text.SetShadowDepth(5);
    const std::pair<TShadowOrientation, QPoint> offsets[] = {
        {sdNone, {0, 0}},   {sdRight, {5, 0}},   {sdLeft, {-5, 0}},
        {sdDownRight, {5, 5}}, {sdDownLeft, {-5, 5}}, {sdDown, {0, 5}},
    };
    for (const auto &[orientation, offset] : offsets) {
        text.SetShadowOrientation(orientation);
        EXPECT_EQ(text.shadowOffset(), offset) << "orientation " << orientation;
    }
    text.SetShadowOrientation(sdDownLeft);
    text.setZoomFactor(0.6f);
    EXPECT_EQ(text.zoomedShadowOffset(), QPoint(-3, 3)) << "5 x 0.6 truncated";
    EXPECT_EQ(text.Width(), 85) << "142 x 0.6";
    EXPECT_EQ(text.gradientBitmap().size(), text.boundsRect().size()) << "drawn at the size shown";
}

TEST(TGSuperText, LayoutMakesRoomForTheShadowAndFitsTheHeight)
{
    // A shadow up and left pushes the text right and down by its offset.
    SuperTextLayout layout = layoutSuperText({200, 60}, {-4, -3}, 40, 150, false, false);
    EXPECT_EQ(layout.margin, QPoint(4, 3));
    EXPECT_EQ(layout.face, (PageRect{9, 3, 200, 43}));
    EXPECT_EQ(layout.shadow, (PageRect{5, 0, 196, 40}));
    EXPECT_EQ(layout.faceOrigin, QPoint(9, 3));
    EXPECT_EQ(layout.shadowOrigin, QPoint(5, 0));
    EXPECT_EQ(layout.size, QSize(200, 60)) << "opaque objects keep their height";

    // Transparent and without a frame: 1.2 x (40 + 3) = 51.6.
    EXPECT_EQ(layoutSuperText({200, 60}, {4, 3}, 40, 150, true, false).size, QSize(200, 51));
    EXPECT_EQ(layoutSuperText({200, 60}, {4, 3}, 40, 150, true, true).size, QSize(200, 60));
    EXPECT_EQ(layoutSuperText({200, 51}, {4, 3}, 40, 150, true, false).size, QSize(200, 51));
    // Too low for one line grows; too narrow to be seen takes the caption's width.
    EXPECT_EQ(layoutSuperText({5, 10}, {0, 5}, 40, 150, false, false).size, QSize(150, 45));
    EXPECT_EQ(layoutSuperText({6, 10}, {0, 0}, 40, 150, false, false).size, QSize(6, 40));
}

TEST(TGSuperText, CaptionsAreCutFromTheEndUntilTheyFit)
{
    const auto tenEach = [](const QString &s) { return 10 * int(s.size()); };
    EXPECT_EQ(fitCaption(QStringLiteral("Calendar"), 80, tenEach), QStringLiteral("Calendar"));
    EXPECT_EQ(fitCaption(QStringLiteral("Calendar"), 79, tenEach), QStringLiteral("Calenda"));
    EXPECT_EQ(fitCaption(QStringLiteral("Calendar"), 25, tenEach), QStringLiteral("Ca"));
    EXPECT_EQ(fitCaption(QStringLiteral("Calendar"), 9, tenEach), QString());
    EXPECT_EQ(fitCaption(QString(), 100, tenEach), QString());
}

TEST(TGSuperText, TransparentObjectsShrinkToTheirTextAtOnce)
{
    TGSuperText text;
    text.setPixelsPerInch(96);
    text.setBounds(0, 0, 300, 200);
    EXPECT_LT(text.Height(), 200) << "fitted when the size changed, not when painted";
    EXPECT_EQ(text.Height(), text.layout().size.height());

    TGSuperText framed;
    framed.setPixelsPerInch(96);
    framed.SetBorderStyle(bsSingle);
    framed.setBounds(0, 0, 300, 200);
    framed.layout();
    EXPECT_EQ(framed.Height(), 200);
}

TEST(TGSuperText, BoundsNeverCollapse)
{
    TGSuperText text;
    text.setBounds(10, 10, 0, -4);
    // A box too small to be seen takes the caption's width and one line's height.
    EXPECT_EQ(text.boundsRect().topLeft(), QPoint(10, 10));
    EXPECT_GT(text.Width(), 1);
    EXPECT_EQ(text.boundsRect().size(), text.layout().size);
    EXPECT_EQ(text.gradientBitmap().size(), text.boundsRect().size());
}

TEST(TGSuperText, MenuEntriesFollowTheObject)
{
    SuperText s;
    const QStringList captions = menuCaptions(s.text.popupMenu());
    EXPECT_EQ(captions.mid(captions.size() - 6),
              QStringList({"-", "Font", "Transparent", "Background Color", "Border", "Properties"}));
    s.text.PopupAboutToShow();
    EXPECT_TRUE(menuChecked(s.text, QStringLiteral("Transparent")));
    EXPECT_FALSE(menuChecked(s.text, QStringLiteral("Border")));
    ASSERT_TRUE(runMenuEntry(s.text, QStringLiteral("Border")));
    ASSERT_TRUE(runMenuEntry(s.text, QStringLiteral("Transparent")));
    EXPECT_EQ(s.text.BorderStyle(), bsSingle);
    EXPECT_FALSE(s.text.ControlTransparent());
    s.text.SetBorderStyle(bsNone);
    s.text.PopupAboutToShow();
    EXPECT_FALSE(menuChecked(s.text, QStringLiteral("Border")));
    EXPECT_FALSE(menuChecked(s.text, QStringLiteral("Transparent")));

    FakeObjectEditors editors;
    s.text.SetControlTransparent(true);
    editors.colorChoice = [](TColor &colour) {
        colour = 0x00FF00;
        return true;
    };
    ASSERT_TRUE(runMenuEntry(s.text, QStringLiteral("Background Color")));
    EXPECT_EQ(s.text.BGColor(), 0x00FF00);
    EXPECT_FALSE(s.text.ControlTransparent()) << "a chosen background shows";
    editors.fontChoice = [](TFont &font) {
        font.setName(QStringLiteral("Liberation Serif"));
        return true;
    };
    ASSERT_TRUE(runMenuEntry(s.text, QStringLiteral("Font")));
    EXPECT_EQ(s.text.Font().name(), QStringLiteral("Liberation Serif"));
}

TEST(TGSuperText, PropertiesEditAPreviewAndApplyItOnOk)
{
    SuperText s;
    s.text.setBounds(40, 50, 300, 90);
    s.text.SetLastBitmapFileNameandPath(QStringLiteral("/old/stone.bmp"));
    FakeObjectEditors editors;
    int calls = 0;
    editors.superText = [&](TGSuperText &preview, QString &lastTexture) {
        ++calls;
        EXPECT_EQ(preview.Width(), 300) << "the preview starts as a copy";
        EXPECT_EQ(lastTexture, QStringLiteral("/old/stone.bmp"));
        preview.SetCaption(QStringLiteral("Changed"));
        preview.SetShadowDepth(4);
        preview.SetSurfaceType(stBrushTransparent);
        preview.SetOutlineStyle(psClear);
        preview.SetBGColor(0x0000FF);
        preview.setBounds(0, 0, 20, 20);
        return false;
    };
    EXPECT_FALSE(s.text.EditProperties());
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(s.text.Caption(), QStringLiteral("Text")) << "Cancel leaves the object alone";

    const int changes = s.host.changed;
    editors.superText = [](TGSuperText &preview, QString &lastTexture) {
        preview.SetCaption(QStringLiteral("Changed"));
        preview.SetShadowDepth(4);
        preview.SetSurfaceType(stBrushTransparent);
        preview.SetOutlineStyle(psClear);
        preview.SetBGColor(0x0000FF);
        preview.SetControlTransparent(false);
        preview.setBounds(0, 0, 20, 20);
        lastTexture = QStringLiteral("/new/wood.bmp");
        return true;
    };
    EXPECT_TRUE(s.text.EditProperties());
    EXPECT_EQ(s.text.Caption(), QStringLiteral("Changed"));
    EXPECT_EQ(s.text.ShadowDepth(), 4);
    EXPECT_EQ(s.text.SurfaceType(), stBrushTransparent);
    // The outline style is taken before the surface type, which then insists on an outline.
    EXPECT_EQ(s.text.OutlineStyle(), psSolid);
    EXPECT_EQ(s.text.LastBitmapFileNameandPath(), QStringLiteral("/new/wood.bmp"));
    EXPECT_EQ(s.text.BGColor(), 0xFFFFFF) << "background, transparency and size stay";
    EXPECT_TRUE(s.text.ControlTransparent());
    EXPECT_EQ(s.text.Width(), 300);
    EXPECT_GT(s.host.changed, changes);
}

TEST(TGSuperText, ABoxWidenedAtAZoomShowsTheWholeCaptionAtFullScale)
{
    // At 50 % an 11-point font shows at 5 points, a tenth smaller than the box around it
    // shrinks; pages print at full scale.
    SuperText s;
    s.text.SetFont(TFont(QStringLiteral("DejaVu Sans"), 11, {}, Colors::clBlack));
    s.text.setZoomFactor(0.5f);
    FakeObjectEditors editors;
    editors.superText = [](TGSuperText &preview, QString &) {
        preview.SetCaption(QStringLiteral("Grandmother's ninetieth birthday party in the garden, "
                                          "everyone is welcome"));
        return true;
    };
    ASSERT_TRUE(s.text.EditProperties());
    s.text.setZoomFactor(1.0f);
    const auto width = [&s](const QString &text) {
        return FontCache::font(s.text.zoomedFont(), s.text.pixelsPerInch()).width(text);
    };
    const int room = s.text.Width() - s.text.layout().face.left;
    EXPECT_EQ(fitCaption(s.text.Caption(), room, width).toStdString(), s.text.Caption().toStdString());
}

TEST(TGSuperText, SettingsCopyTextureAndSize)
{
    TGSuperText from;
    from.SetSurfaceType(stBrushImage);
    from.SetImage(coloured({4, 4}, qRgb(1, 2, 3)));
    from.SetCaption(QStringLiteral("Copy"));
    from.SetOutlineColor(0x00FF00);
    from.setBounds(5, 5, 222, 77);
    TGSuperText to;
    to.setBounds(1, 2, 3, 4);
    to.assignSettings(from);
    EXPECT_EQ(to.SurfaceType(), stBrushImage);
    EXPECT_EQ(to.Image().pixel(0, 0), qRgb(1, 2, 3));
    EXPECT_EQ(to.Caption(), QStringLiteral("Copy"));
    EXPECT_EQ(to.OutlineColor(), 0x00FF00);
    EXPECT_EQ(to.boundsRect(), QRect(1, 2, 222, 77)) << "size copied, place kept";
}

TEST(TGSuperText, SizeToFitLeavesRoomAroundTheCaption)
{
    TGSuperText text;
    text.setPixelsPerInch(96);
    text.SetShadowDepth(3);
    text.SetShadowOrientation(sdRight);
    text.setBounds(7, 8, 10, 10);
    text.sizeToFit();
    EXPECT_EQ(text.boundsRect().topLeft(), QPoint(7, 8));
    // 48 points at 96 pixels an inch is 64 pixels; the caption is wider than it is high.
    EXPECT_GT(text.Width(), text.Height());
    EXPECT_GE(text.Height(), 64);
    const int width = text.Width();
    text.SetCaption(QStringLiteral("Much longer text"));
    text.sizeToFit();
    EXPECT_GT(text.Width(), 2 * width);
}

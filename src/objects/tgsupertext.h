// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include "objects/objecttypes.h"
#include "objects/supertextlayout.h"
#include "objects/tggraphiccontrol.h"
#include "graphics/canvas.h"
#include "graphics/tfont.h"

#include <QImage>
#include <QPainterPath>

// The shadow directions of a special-effects text are those of the 3D label.
using TShadowOrientation = TShadowDirection;

// One line of display text whose glyph outlines clip a fill: a solid colour, a tiled
// texture, a gradient, or nothing (hollow letters). The outlines can be stroked and a solid
// shadow copy laid behind. The gradient is rendered once into a bitmap of the object's size
// and the layout is worked out lazily at the next paint, so repainting stays cheap.
class TGSuperText : public TGGraphicControl
{
public:
    // Marks the constructor the SuperText tool uses: opaque, white, with a frame.
    struct ToolObject {};

    TGSuperText();
    explicit TGSuperText(ToolObject);

    QString className() const override { return QStringLiteral("TGSuperText"); }

    int ShadowDepth() const { return m_shadowDepth; }
    void SetShadowDepth(int depth);
    TShadowOrientation ShadowOrientation() const { return m_shadowOrientation; }
    void SetShadowOrientation(TShadowOrientation orientation);
    TColor Shadowcolor() const { return m_shadowcolor; }
    void SetShadowcolor(TColor color);
    TBorderStyle BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(TBorderStyle style);
    bool ControlTransparent() const { return m_controlTransparent; }
    void SetControlTransparent(bool transparent);
    TColor BGColor() const { return m_bgColor; }
    void SetBGColor(TColor color);
    QString Caption() const { return m_caption; }
    void SetCaption(const QString &caption);
    // The glyph font; its colour fills the letters of stNormal.
    const TFont &Font() const { return m_font; }
    void SetFont(const TFont &font);
    TFillDirection FillDirection() const { return m_fillDirection; }
    void SetFillDirection(TFillDirection direction);
    TColor GradientToColor() const { return m_gradientToColor; }
    void SetGradientToColor(TColor color);
    TColor GradientFromColor() const { return m_gradientFromColor; }
    void SetGradientFromColor(TColor color);
    // The texture tile of stBrushImage; a null image empties it.
    const QImage &Image() const { return m_image; }
    void SetImage(const QImage &image);
    TColor OutlineColor() const { return m_outlineColor; }
    void SetOutlineColor(TColor color);
    // psClear draws no outline.
    TPenStyle OutlineStyle() const { return m_outlineStyle; }
    void SetOutlineStyle(TPenStyle style);
    // Pixels at zoom 1; 0 draws no outline.
    int OutlineWidth() const { return m_outlineWidth; }
    void SetOutlineWidth(int width);
    // Any type but stBrushImage drops the texture; stGradientFill renders the gradient;
    // hollow letters get an outline.
    TSurfaceType SurfaceType() const { return m_surfaceType; }
    void SetSurfaceType(TSurfaceType type);
    QString LastBitmapFileNameandPath() const { return m_lastBitmapFileNameandPath; }
    void SetLastBitmapFileNameandPath(const QString &path);

    void AfterLoad() override;
    void PaintObject(Canvas &canvas) const override;
    void BoundsChanged() override;
    void PopupAboutToShow() override;
    void AssignFont(const TFont &font) override;
    // The "Font" entry: the font dialog; true when a font was chosen.
    virtual bool EditFont();
    // The "Background Color" entry: a chosen colour also turns transparency off.
    void EditBackColor();
    // The "Properties" entry: the kind's dialog edits a preview, starting from the texture
    // file last chosen (LastBitmapFileNameandPath); on OK the object takes it over
    // (applyProperties). True on OK.
    bool EditProperties();
    // A new SuperText is framed and opaque on white, then opens its properties.
    bool PlacedWithTool() override;

    // What the dialogs copy into their previews: caption, font, background, border,
    // gradient, texture, outline, shadow, surface type, then the size, through the setters.
    void assignSettings(const TGSuperText &from);
    // What the properties dialog gives the object on OK, in this order: gradient, texture,
    // outline, shadow, surface type, last texture file, font, caption. Size, transparency,
    // background and border stay.
    void applyProperties(const TGSuperText &preview, const QString &lastBitmapFileNameandPath);
    // Fits the bounds to the caption at the font's own size (the dialogs' previews).
    void sizeToFit();
    // Widens a box too narrow for the whole caption to the caption and five blanks, as the
    // 3D label does after an edit of its text or font; a caption that fits leaves the box
    // alone. Run after the user changes the caption or the font, never on loading, so
    // stored documents keep their sizes.
    void fitToText();

    // The shadow offset at zoom 1 and at the object's zoom (truncated).
    QPoint shadowOffset() const { return m_shadowOffset; }
    QPoint zoomedShadowOffset() const;
    // The glyph font at the object's zoom (point size times zoom, truncated), in pixels.
    TFont zoomedFont() const;
    // The gradient at the size shown, or null for other surface types.
    const QImage &gradientBitmap() const;
    // Where the text goes at the zoom shown.
    const SuperTextLayout &layout() const;

protected:
    void refitLayout() override;
    void ViewChanged() override;

private:
    // Something that moves text changed: the page size is fitted again.
    void setLayoutDirty();
    void updateShadowOffset();
    TFont fullScaleFont() const;
    SuperTextLayout layoutAt(QSize size, const TFont &font, QPoint shadow) const;
    // Whether the caption fits a box of size at a font and shadow offset of one zoom, and
    // the width that shows it with five blanks to spare.
    struct CaptionRoom {
        bool fits = false;
        int needed = 0;
    };
    CaptionRoom captionRoom(const TFont &font, QPoint shadow, QSize size) const;
    void rebuildGradient();
    int textLimit() const;
    QPainterPath textPath(const QFont &font, int ascent, QPoint origin, const QString &text) const;
    void paintBackground(Canvas &canvas) const;
    void paintEmptyBox(Canvas &canvas) const;
    void paintText(Canvas &canvas, const QString &text) const;
    void paintFace(Canvas &canvas, int textLimit) const;
    QByteArray appearanceKey(int textLimit) const;
    void appendMenu();
    void updateCheck(const QString &caption, bool checked);

    int m_shadowDepth = 0;
    TShadowOrientation m_shadowOrientation = sdDownRight;
    TColor m_shadowcolor = Colors::clGray;
    TBorderStyle m_borderStyle = bsNone;
    bool m_controlTransparent = true;
    TColor m_bgColor = Colors::clWhite;
    QString m_caption = QStringLiteral("Text");
    TFont m_font{QStringLiteral("Arial"), 48, TFont::Style::Bold, Colors::clBlack};
    TFillDirection m_fillDirection = gdRight;
    TColor m_gradientToColor = Colors::clYellow;
    TColor m_gradientFromColor = Colors::clBlue;
    QImage m_image;
    TColor m_outlineColor = Colors::clBlack;
    TPenStyle m_outlineStyle = psSolid;
    int m_outlineWidth = 1;
    TSurfaceType m_surfaceType = stGradientFill;
    QString m_lastBitmapFileNameandPath;

    QPoint m_shadowOffset;
    bool m_inLayout = false;
    // Drawing at the zoom shown, worked out when first needed there.
    mutable QImage m_gradient;
    mutable std::optional<SuperTextLayout> m_layout;
    mutable bool m_painting = false;
    // The object as last painted on screen and what it showed: filling and stroking the
    // letters' outlines costs milliseconds, copying the result a fraction of one.
    mutable QImage m_painted;
    mutable QByteArray m_paintedKey;
};

// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "objects/labellayout.h"
#include "objects/objecttypes.h"
#include "objects/tggraphiccontrol.h"
#include "graphics/tfont.h"

#include <optional>

// One line of text drawn up to three times: a shadow copy and a highlight copy, each
// shifted by its own offset and colour, and the face on top. The text turns by 0, 90, 180
// or 270 degrees and keeps the object between one and 1.2 lines high (wide when turned).
// That fit is made at 100 % whenever something that moves text changes; where the layers go
// at the zoom shown is worked out when first drawn there.
class TGBaseLabel : public TGGraphicControl
{
public:
    TGBaseLabel();

    QString className() const override { return QStringLiteral("TGBaseLabel"); }

    TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TAlignment alignment);
    int DepthHighlight() const { return m_depthHighlight; }
    void SetDepthHighlight(int depth);
    int DepthShadow() const { return m_depthShadow; }
    void SetDepthShadow(int depth);
    THighlightDirection DirectionHighlight() const { return m_directionHighlight; }
    void SetDirectionHighlight(THighlightDirection direction);
    TShadowDirection DirectionShadow() const { return m_directionShadow; }
    void SetDirectionShadow(TShadowDirection direction);
    TColor colorHighlight() const { return m_colorHighlight; }
    void SetcolorHighlight(TColor color);
    TColor colorShadow() const { return m_colorShadow; }
    void SetcolorShadow(TColor color);
    // Degrees; only 0, 90, 180 and 270 are taken, anything else is ignored.
    int Angle() const { return m_angle; }
    void SetAngle(int angle);
    QString Caption() const { return m_caption; }
    void SetCaption(const QString &caption);
    // The face font; its colour is the face colour.
    const TFont &Font() const { return m_font; }
    void SetFont(const TFont &font);
    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool transparent);
    TColor BackColor() const { return m_backColor; }
    void SetBackColor(TColor color);
    TBorderStyle BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(TBorderStyle style);

    void PaintObject(Canvas &canvas) const override;
    void BoundsChanged() override;
    void PopupAboutToShow() override;
    void AssignFont(const TFont &font) override;
    void AfterLoad() override;

    // The "Font" entry: the font dialog; true when a font was chosen.
    virtual bool EditFont();
    // The "3D Effects" entry: the dialog of that name edits the label itself and, on OK,
    // copies its sample back with assign3DEffects(); a change is reported then.
    void Edit3DEffects();
    static constexpr const char *EffectsDialog = "3D Effects";
    // The "Background Color" entry: a chosen colour also turns transparency off.
    void EditBackColor();
    // What the 3D effects dialog copies back from its sample: font (colour included),
    // depths, directions and colours, through the setters.
    void assign3DEffects(const TGBaseLabel &sample);

    // Where the layers go at the zoom shown.
    const LabelLayout &layout() const;

protected:
    // Something that moves text changed: the page size is fitted again.
    void setLayoutDirty();
    void refitLayout() override;
    void ViewChanged() override;
    // The face font at the object's zoom: the point size times the zoom, truncated.
    TFont zoomedFont() const;
    // The face font and the layers at 100 %, in page pixels.
    TFont fullScaleFont() const;
    LabelLayout fullScaleLayout() const;
    // Set by kinds that add the "Rotation" submenu, whose check marks then follow Angle.
    void setHasRotationMenu(bool has) { m_hasRotationMenu = has; }

private:
    LabelLayout layoutAt(QSize size, const TFont &font) const;
    void paintLabel(Canvas &canvas) const;
    void drawLayer(Canvas &canvas, TColor color, QPoint origin, const PageRect &clip) const;
    void appendLabelMenu();
    void toggleTransparent();
    void updateCheck(const QString &caption, bool checked);

    TAlignment m_alignment = taLeftJustify;
    int m_depthHighlight = 0;
    int m_depthShadow = 0;
    THighlightDirection m_directionHighlight = hdUpLeft;
    TShadowDirection m_directionShadow = sdDownRight;
    TColor m_colorHighlight = Colors::clAqua;
    TColor m_colorShadow = Colors::clGray;
    int m_angle = 0;
    QString m_caption = QStringLiteral("Text");
    TFont m_font{QStringLiteral("Arial"), 10};
    bool m_transparent = true;
    TColor m_backColor = Colors::clWhite;
    TBorderStyle m_borderStyle = bsNone;

    QPoint m_shadowOffset;
    QPoint m_highlightOffset;
    mutable std::optional<LabelLayout> m_layout;
    bool m_holdFit = false;
    bool m_hasRotationMenu = false;
};

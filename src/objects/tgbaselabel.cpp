// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tgbaselabel.h"

#include "objects/objecteditors.h"
#include "objects/objecthost.h"
#include "objects/painterstate.h"
#include "graphics/canvas.h"
#include "graphics/fontcache.h"

#include <QScopedValueRollback>

#include <utility>

TGBaseLabel::TGBaseLabel()
{
    setInitialBounds(QRect(0, 0, 142, 33));
}

void TGBaseLabel::SetAlignment(TAlignment alignment)
{
    if (alignment == m_alignment)
        return;
    m_alignment = alignment;
    setLayoutDirty();
    invalidate();
    ReportChange();
}

void TGBaseLabel::SetDepthHighlight(int depth)
{
    if (depth == m_depthHighlight)
        return;
    m_depthHighlight = depth;
    m_highlightOffset = highlightOffset(m_directionHighlight, m_depthHighlight);
    setLayoutDirty();
    invalidate();
}

void TGBaseLabel::SetDepthShadow(int depth)
{
    if (depth == m_depthShadow)
        return;
    m_depthShadow = depth;
    m_shadowOffset = shadowOffset(m_directionShadow, m_depthShadow);
    setLayoutDirty();
    invalidate();
}

void TGBaseLabel::SetDirectionHighlight(THighlightDirection direction)
{
    if (direction == m_directionHighlight)
        return;
    m_directionHighlight = direction;
    m_highlightOffset = highlightOffset(m_directionHighlight, m_depthHighlight);
    setLayoutDirty();
    invalidate();
}

void TGBaseLabel::SetDirectionShadow(TShadowDirection direction)
{
    if (direction == m_directionShadow)
        return;
    m_directionShadow = direction;
    m_shadowOffset = shadowOffset(m_directionShadow, m_depthShadow);
    setLayoutDirty();
    invalidate();
}

void TGBaseLabel::SetcolorHighlight(TColor color)
{
    if (color == m_colorHighlight)
        return;
    m_colorHighlight = color;
    invalidate();
}

void TGBaseLabel::SetcolorShadow(TColor color)
{
    if (color == m_colorShadow)
        return;
    m_colorShadow = color;
    invalidate();
}

void TGBaseLabel::SetAngle(int angle)
{
    if (!isValidLabelAngle(angle) || angle == m_angle)
        return;
    m_angle = angle;
    {
        // Fitted once the object has turned, not in between.
        const QScopedValueRollback holding(m_holdFit, true);
        if (angle != 0)
            SetAlignment(taLeftJustify);
        const QRectF page = pageBounds();
        const bool horizontal = angle == 0 || angle == 180;
        if ((horizontal && page.width() < page.height()) || (!horizontal && page.height() < page.width()))
            setPageBounds(QRectF(page.topLeft(), page.size().transposed()));
    }
    setLayoutDirty();
    invalidate();
}

void TGBaseLabel::SetCaption(const QString &caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    // The caption's width places aligned text and sizes the object.
    setLayoutDirty();
    invalidate();
}

void TGBaseLabel::SetFont(const TFont &font)
{
    if (font == m_font)
        return;
    m_font = font;
    setLayoutDirty();
    invalidate();
    ReportChange();
}

void TGBaseLabel::SetTransparent(bool transparent)
{
    if (transparent == m_transparent)
        return;
    m_transparent = transparent;
    ReportChange();
    invalidate();
    if (host())
        host()->repaintNow();
}

void TGBaseLabel::SetBackColor(TColor color)
{
    if (color == m_backColor)
        return;
    m_backColor = color;
    ReportChange();
    invalidate();
}

void TGBaseLabel::SetBorderStyle(TBorderStyle style)
{
    if (style == m_borderStyle)
        return;
    m_borderStyle = style;
    invalidate();
    ReportChange();
}

TFont TGBaseLabel::zoomedFont() const
{
    TFont font = ZoomFactor() != 1.0f ? m_font.zoomed(ZoomFactor(), pixelsPerInch()) : m_font;
    // Drawn at the pixel size laid out, whatever resolution the canvas converts points at.
    font.setPixelHeight(font.pixelSizeAt(pixelsPerInch()));
    return font;
}

void TGBaseLabel::setLayoutDirty()
{
    m_layout.reset();
    refitLayout();
}

void TGBaseLabel::ViewChanged()
{
    m_layout.reset();
}

LabelLayout TGBaseLabel::layoutAt(QSize size, const TFont &face) const
{
    const CachedFont &font = FontCache::font(face, pixelsPerInch());
    LabelMetrics metrics;
    const int internalLeading = qMax(0, font.height() - font.font().pixelSize());
    metrics.lineHeight = font.height() + internalLeading + font.leading();
    metrics.captionWidth = font.width(m_caption + QLatin1Char(' '));
    return layoutLabel(size, m_angle, m_alignment, m_shadowOffset, m_highlightOffset, metrics);
}

void TGBaseLabel::refitLayout()
{
    m_layout.reset();
    if (reading() || m_holdFit)
        return;
    const QSize page = storedBounds().size();
    const QSize fitted = fullScaleLayout().size;
    if (fitted != page)
        fitToLayout(fitted);
}

TFont TGBaseLabel::fullScaleFont() const
{
    TFont font = m_font;
    font.setPixelHeight(m_font.pixelSizeAt(pixelsPerInch()));
    return font;
}

LabelLayout TGBaseLabel::fullScaleLayout() const
{
    return layoutAt(storedBounds().size(), fullScaleFont());
}

const LabelLayout &TGBaseLabel::layout() const
{
    if (!m_layout)
        m_layout = layoutAt(QSize(Width(), Height()), zoomedFont());
    return *m_layout;
}

void TGBaseLabel::drawLayer(Canvas &canvas, TColor color, QPoint origin, const PageRect &clip) const
{
    TFont font = zoomedFont();
    font.setColor(color);
    canvas.setFont(font);
    QPainter &painter = canvas.painter();
    PainterStateGuard guard(painter);
    painter.setClipRect(clip.toQRect(), Qt::IntersectClip);
    if (m_angle == 0) {
        canvas.textOut(origin.x(), origin.y(), m_caption);
        return;
    }
    // Turned counter-clockwise about the text's start, as escapement turns it.
    painter.translate(origin);
    painter.rotate(-m_angle);
    canvas.textOut(0, 0, m_caption);
}

void TGBaseLabel::paintLabel(Canvas &canvas) const
{
    const LabelLayout &laid = layout();
    const PageRect whole{0, 0, Width(), Height()};
    if (!m_transparent) {
        canvas.setPen(Colors::clBlack, psClear);
        canvas.setBrush(m_backColor);
        canvas.rectangle(whole);
    }
    if (m_depthShadow > 0 && m_directionShadow != sdNone)
        drawLayer(canvas, m_colorShadow, laid.shadowOrigin, laid.shadow);
    if (m_depthHighlight > 0 && m_directionHighlight != hdNone)
        drawLayer(canvas, m_colorHighlight, laid.highlightOrigin, laid.highlight);
    drawLayer(canvas, m_font.color(), laid.faceOrigin, laid.face);
    if (m_borderStyle == bsSingle) {
        canvas.setPen(Colors::clBlack, psSolid, 1);
        canvas.setClearBrush();
        canvas.rectangle(whole);
    }
}

void TGBaseLabel::PaintObject(Canvas &canvas) const
{
    paintLabel(canvas);
}

void TGBaseLabel::BoundsChanged()
{
    TGGraphicControl::BoundsChanged();
    setLayoutDirty();
    const QRectF page = pageBounds();
    if (page.width() <= 0 || page.height() <= 0)
        setPageBounds(QRectF(page.topLeft(), QSizeF(qMax(1.0, page.width()), qMax(1.0, page.height()))));
}

void TGBaseLabel::AssignFont(const TFont &font)
{
    SetFont(font);
    setLayoutDirty();
}

void TGBaseLabel::AfterLoad()
{
    TGGraphicControl::AfterLoad();
    appendLabelMenu();
}

bool TGBaseLabel::EditFont()
{
    const std::optional<TFont> font = askFont(m_font);
    if (!font)
        return false;
    SetFont(*font);
    setLayoutDirty();
    return true;
}

void TGBaseLabel::Edit3DEffects()
{
    ObjectEditors *editors = ObjectEditors::instance();
    if (editors && editors->editObject(*this, QLatin1String(EffectsDialog)))
        ReportChange();
}

void TGBaseLabel::EditBackColor()
{
    const std::optional<TColor> color = askColor(m_backColor);
    if (!color)
        return;
    SetBackColor(*color);
    SetTransparent(false);
    updateCheck(QStringLiteral("Transparent"), m_transparent);
    invalidate();
}

void TGBaseLabel::assign3DEffects(const TGBaseLabel &sample)
{
    SetFont(sample.Font());
    SetDepthShadow(sample.DepthShadow());
    SetDepthHighlight(sample.DepthHighlight());
    SetDirectionShadow(sample.DirectionShadow());
    SetDirectionHighlight(sample.DirectionHighlight());
    SetcolorShadow(sample.colorShadow());
    SetcolorHighlight(sample.colorHighlight());
}

void TGBaseLabel::toggleTransparent()
{
    SetTransparent(!m_transparent);
    updateCheck(QStringLiteral("Transparent"), m_transparent);
}

void TGBaseLabel::updateCheck(const QString &caption, bool checked)
{
    if (ObjectMenuEntry *entry = menuEntry(caption))
        entry->checked = checked;
}

void TGBaseLabel::appendLabelMenu()
{
    using E = ObjectMenuEntry;
    ObjectMenu &menu = popupMenu();
    menu.push_back(E::makeSeparator());
    menu.push_back(E::makeAction(QStringLiteral("Font"), [this] { EditFont(); }));
    menu.push_back(E::makeAction(QStringLiteral("3D Effects"), [this] { Edit3DEffects(); }));
    const auto align = [this](TAlignment alignment) {
        return [this, alignment] {
            SetAlignment(alignment);
            ReportChange();
        };
    };
    std::vector<ObjectMenuEntry> alignment;
    alignment.push_back(E::makeCheck(QStringLiteral("Left"), align(taLeftJustify)));
    alignment.push_back(E::makeCheck(QStringLiteral("Center"), align(taCenter)));
    alignment.push_back(E::makeCheck(QStringLiteral("Right"), align(taRightJustify)));
    menu.push_back(E::makeSubmenu(QStringLiteral("Alignment"), std::move(alignment)));
    menu.push_back(E::makeCheck(QStringLiteral("Transparent"), [this] { toggleTransparent(); }));
    menu.push_back(
        E::makeAction(QStringLiteral("Background Color"), [this] { EditBackColor(); }));
    menu.push_back(E::makeCheck(QStringLiteral("Border"), [this] {
        SetBorderStyle(m_borderStyle == bsSingle ? bsNone : bsSingle);
    }));
}

void TGBaseLabel::PopupAboutToShow()
{
    updateCheck(QStringLiteral("Border"), m_borderStyle == bsSingle);
    updateCheck(QStringLiteral("Transparent"), m_transparent);
    updateCheck(QStringLiteral("Left"), m_alignment == taLeftJustify);
    updateCheck(QStringLiteral("Right"), m_alignment == taRightJustify);
    updateCheck(QStringLiteral("Center"), m_alignment == taCenter);
    if (!m_hasRotationMenu)
        return;
    updateCheck(QStringLiteral("No Rotation"), m_angle == 0);
    updateCheck(QStringLiteral("90 Degrees"), m_angle == 90);
    updateCheck(QStringLiteral("180 Degrees"), m_angle == 180);
    updateCheck(QStringLiteral("270 Degrees"), m_angle == 270);
}

// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tgsupertext.h"

#include "objects/labellayout.h"
#include "objects/objecteditors.h"
#include "objects/objecthost.h"
#include "graphics/fontcache.h"

#include <QDataStream>
#include <QPaintEngine>
#include <QScopedValueRollback>

#include <algorithm>
#include <cmath>

namespace {

int truncated(double value)
{
    return static_cast<int>(std::trunc(value));
}

// Unsets a flag however the scope is left.
class FlagGuard
{
public:
    explicit FlagGuard(bool &flag) : m_flag(flag) { m_flag = true; }
    ~FlagGuard() { m_flag = false; }
    FlagGuard(const FlagGuard &) = delete;
    FlagGuard &operator=(const FlagGuard &) = delete;

private:
    bool &m_flag;
};

} // namespace

TGSuperText::TGSuperText()
{
    setInitialBounds(QRect(0, 0, 142, 33));
    rebuildGradient();
    updateShadowOffset();
}

TGSuperText::TGSuperText(ToolObject) : TGSuperText()
{
    SetBorderStyle(bsSingle);
    SetControlTransparent(false);
    SetBGColor(Colors::clWhite);
}

void TGSuperText::SetShadowDepth(int depth)
{
    if (depth == m_shadowDepth)
        return;
    m_shadowDepth = depth;
    updateShadowOffset();
    setLayoutDirty();
    invalidate();
}

void TGSuperText::SetShadowOrientation(TShadowOrientation orientation)
{
    if (orientation == m_shadowOrientation)
        return;
    m_shadowOrientation = orientation;
    updateShadowOffset();
    setLayoutDirty();
    invalidate();
}

void TGSuperText::SetShadowcolor(TColor color)
{
    if (color == m_shadowcolor)
        return;
    m_shadowcolor = color;
    invalidate();
}

void TGSuperText::SetBorderStyle(TBorderStyle style)
{
    if (style == m_borderStyle)
        return;
    m_borderStyle = style;
    invalidate();
    ReportChange();
}

void TGSuperText::SetControlTransparent(bool transparent)
{
    if (transparent == m_controlTransparent)
        return;
    m_controlTransparent = transparent;
    invalidate();
}

void TGSuperText::SetBGColor(TColor color)
{
    if (color == m_bgColor)
        return;
    m_bgColor = color;
    invalidate();
    ReportChange();
}

void TGSuperText::SetCaption(const QString &caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    setLayoutDirty();
    invalidate();
}

void TGSuperText::SetFont(const TFont &font)
{
    if (font == m_font)
        return;
    m_font = font;
    setLayoutDirty();
    invalidate();
    ReportChange();
}

void TGSuperText::SetFillDirection(TFillDirection direction)
{
    if (direction == m_fillDirection)
        return;
    m_fillDirection = direction;
    if (m_surfaceType == stGradientFill)
        rebuildGradient();
    invalidate();
}

void TGSuperText::SetGradientToColor(TColor color)
{
    if (color == m_gradientToColor)
        return;
    m_gradientToColor = color;
    if (m_surfaceType == stGradientFill)
        rebuildGradient();
    invalidate();
}

void TGSuperText::SetGradientFromColor(TColor color)
{
    if (color == m_gradientFromColor)
        return;
    m_gradientFromColor = color;
    ReportChange();
    if (m_surfaceType == stGradientFill)
        rebuildGradient();
    invalidate();
}

void TGSuperText::SetImage(const QImage &image)
{
    m_image = image.isNull() ? QImage() : image.copy();
    invalidate();
}

void TGSuperText::SetOutlineColor(TColor color)
{
    if (color == m_outlineColor)
        return;
    m_outlineColor = color;
    invalidate();
}

void TGSuperText::SetOutlineStyle(TPenStyle style)
{
    if (style == m_outlineStyle)
        return;
    m_outlineStyle = style;
    invalidate();
}

void TGSuperText::SetOutlineWidth(int width)
{
    if (width == m_outlineWidth)
        return;
    m_outlineWidth = width;
    invalidate();
}

void TGSuperText::SetSurfaceType(TSurfaceType type)
{
    if (type == m_surfaceType)
        return;
    m_surfaceType = type;
    invalidate();
    if (type != stBrushImage)
        m_image = QImage();
    if (type == stGradientFill)
        rebuildGradient();
    // Hollow letters without an outline would not show at all.
    if (type == stBrushTransparent && m_outlineStyle == psClear)
        SetOutlineStyle(psSolid);
}

void TGSuperText::SetLastBitmapFileNameandPath(const QString &path)
{
    m_lastBitmapFileNameandPath = path;
}

void TGSuperText::updateShadowOffset()
{
    m_shadowOffset = ::shadowOffset(m_shadowOrientation, m_shadowDepth);
}

QPoint TGSuperText::zoomedShadowOffset() const
{
    const float zoom = ZoomFactor();
    if (zoom == 1.0f)
        return m_shadowOffset;
    return {truncated(m_shadowOffset.x() * zoom), truncated(m_shadowOffset.y() * zoom)};
}

TFont TGSuperText::zoomedFont() const
{
    TFont font = ZoomFactor() != 1.0f ? m_font.zoomed(ZoomFactor(), pixelsPerInch()) : m_font;
    // Drawn at the pixel size laid out, whatever resolution the canvas converts points at.
    font.setPixelHeight(font.pixelSizeAt(pixelsPerInch()));
    return font;
}

void TGSuperText::setLayoutDirty()
{
    m_layout.reset();
    refitLayout();
}

void TGSuperText::ViewChanged()
{
    m_layout.reset();
    m_gradient = QImage();
}

TFont TGSuperText::fullScaleFont() const
{
    TFont font = m_font;
    font.setPixelHeight(m_font.pixelSizeAt(pixelsPerInch()));
    return font;
}

SuperTextLayout TGSuperText::layoutAt(QSize size, const TFont &face, QPoint shadow) const
{
    const CachedFont &font = FontCache::font(face, pixelsPerInch());
    return layoutSuperText(size, shadow, font.height(), font.width(m_caption + QLatin1Char(' ')),
                           m_controlTransparent, m_borderStyle == bsSingle);
}

void TGSuperText::refitLayout()
{
    m_layout.reset();
    if (reading() || m_inLayout)
        return;
    FlagGuard inLayout(m_inLayout);
    const QSize page = storedBounds().size();
    const QSize fitted = layoutAt(page, fullScaleFont(), m_shadowOffset).size;
    if (fitted != page)
        fitToLayout(fitted);
}

const SuperTextLayout &TGSuperText::layout() const
{
    if (!m_layout)
        m_layout = layoutAt(QSize(Width(), Height()), zoomedFont(), zoomedShadowOffset());
    return *m_layout;
}

void TGSuperText::rebuildGradient()
{
    m_gradient = QImage();
    invalidate();
}

const QImage &TGSuperText::gradientBitmap() const
{
    const QSize size(Width(), Height());
    if (m_surfaceType != stGradientFill || size.width() <= 0 || size.height() <= 0) {
        m_gradient = QImage();
        return m_gradient;
    }
    if (m_gradient.size() == size)
        return m_gradient;
    m_gradient = QImage(size, QImage::Format_RGB32);
    if (!m_gradient.isNull()) {
        QPainter painter(&m_gradient);
        SuperTextGradient::paint(painter, m_gradient.rect(), m_fillDirection, m_gradientFromColor,
                                 m_gradientToColor);
    }
    return m_gradient;
}

int TGSuperText::textLimit() const
{
    return std::max(layout().face.left, layout().shadow.left);
}

QPainterPath TGSuperText::textPath(const QFont &font, int ascent, QPoint origin,
                                   const QString &text) const
{
    QPainterPath path;
    path.addText(QPointF(origin.x(), origin.y() + ascent), font, text);
    return path;
}

void TGSuperText::paintBackground(Canvas &canvas) const
{
    if (m_controlTransparent && m_borderStyle != bsSingle)
        return;
    if (m_controlTransparent)
        canvas.setClearBrush();
    else
        canvas.setBrush(m_bgColor);
    canvas.setPen(Colors::clBlack, m_borderStyle == bsSingle ? psSolid : psClear, 1);
    canvas.rectangle({0, 0, Width(), Height()});
}

void TGSuperText::paintEmptyBox(Canvas &canvas) const
{
    canvas.setPen(Colors::clBlack, psSolid, 1);
    canvas.setClearBrush();
    canvas.rectangle({0, 0, Width(), Height()});
    canvas.moveTo(0, 0);
    canvas.lineTo(Width(), Height());
    canvas.moveTo(Width(), 0);
    canvas.lineTo(0, Height());
}

void TGSuperText::paintText(Canvas &canvas, const QString &text) const
{
    const CachedFont *font = canvas.font();
    if (!font)
        return;
    QPainter &painter = canvas.painter();
    // Restoring the painter leaves the pen the canvas believes it set.
    painter.save();
    // Display text this size shows every stair step of an aliased outline.
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setBrushOrigin(0, 0);
    const SuperTextLayout &laid = layout();
    const QPainterPath face = textPath(font->font(), font->ascent(), laid.faceOrigin, text);
    if (m_shadowDepth >= 1 && m_shadowOrientation != sdNone) {
        painter.fillPath(textPath(font->font(), font->ascent(), laid.shadowOrigin, text),
                         Colors::toQColor(m_shadowcolor));
    }
    switch (m_surfaceType) {
    case stNormal:
        painter.fillPath(face, Colors::toQColor(m_font.color()));
        break;
    case stBrushImage:
        if (m_image.width() >= 1 && m_image.height() >= 1) {
            QSize tile = m_image.size();
            if (ZoomFactor() != 1.0f)
                tile = {truncated(tile.width() * ZoomFactor()), truncated(tile.height() * ZoomFactor())};
            if (tile.width() >= 1 && tile.height() >= 1) {
                const QImage brush = tile == m_image.size()
                                         ? m_image
                                         : m_image.scaled(tile, Qt::IgnoreAspectRatio,
                                                          Qt::FastTransformation);
                painter.fillPath(face, QBrush(brush));
            }
        }
        break;
    case stGradientFill:
        if (!gradientBitmap().isNull())
            painter.fillPath(face, QBrush(gradientBitmap()));
        break;
    case stBrushTransparent:
        break;
    }
    if (m_outlineStyle != psClear && m_outlineWidth >= 1) {
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(Colors::toQColor(m_outlineColor), m_outlineWidth,
                            toQtPenStyle(m_outlineStyle), Qt::SquareCap, Qt::MiterJoin));
        painter.drawPath(face);
    }
    painter.restore();
}

void TGSuperText::PaintObject(Canvas &canvas) const
{
    // The screen skips objects while its painting is suspended (paintOnSurface); printing
    // and exporting run just then and must draw.
    if (m_painting)
        return;
    FlagGuard painting(m_painting);
    const int x0 = textLimit();
    QPainter &painter = canvas.painter();
    const bool raster = painter.paintEngine() && painter.paintEngine()->type() == QPaintEngine::Raster
        && !painter.transform().isScaling() && !painter.transform().isRotating();
    if (!raster) {
        paintFace(canvas, x0);
    } else {
        const QByteArray key = appearanceKey(x0);
        if (key != m_paintedKey || m_painted.size() != boundsRect().size()) {
            m_paintedKey = key;
            m_painted = QImage(boundsRect().size(), QImage::Format_ARGB32_Premultiplied);
            m_painted.fill(Qt::transparent);
            QPainter cachePainter(&m_painted);
            Canvas cacheCanvas(cachePainter, canvas.pixelsPerInch());
            paintFace(cacheCanvas, x0);
        }
        painter.drawImage(0, 0, m_painted);
    }
    TGGraphicControl::PaintObject(canvas);
}

void TGSuperText::paintFace(Canvas &canvas, int textLimit) const
{
    canvas.setFont(zoomedFont());
    paintBackground(canvas);
    const QString text = fitCaption(m_caption, Width() - textLimit,
                                    [&canvas](const QString &s) { return canvas.textWidth(s); });
    if (text.isEmpty())
        paintEmptyBox(canvas);
    else
        paintText(canvas, text);
}

QByteArray TGSuperText::appearanceKey(int textLimit) const
{
    QByteArray key;
    QDataStream out(&key, QIODevice::WriteOnly);
    const TFont font = zoomedFont();
    out << m_caption << font.name() << font.size() << font.height(pixelsPerInch())
        << int(font.style().toInt()) << quint32(font.color()) << pixelsPerInch() << textLimit
        << boundsRect().size() << m_shadowDepth << int(m_shadowOrientation) << quint32(m_shadowcolor)
        << int(m_borderStyle) << m_controlTransparent << quint32(m_bgColor) << int(m_surfaceType)
        << m_image.cacheKey() << gradientBitmap().cacheKey() << quint32(m_outlineColor)
        << int(m_outlineStyle) << m_outlineWidth << layout().faceOrigin << layout().shadowOrigin
        << ZoomFactor();
    return key;
}

void TGSuperText::BoundsChanged()
{
    TGGraphicControl::BoundsChanged();
    setLayoutDirty();
    const QRectF page = pageBounds();
    if (page.width() <= 0 || page.height() <= 0)
        setPageBounds(QRectF(page.topLeft(), QSizeF(qMax(1.0, page.width()), qMax(1.0, page.height()))));
    m_gradient = QImage();
}

void TGSuperText::AssignFont(const TFont &font)
{
    SetFont(font);
    setLayoutDirty();
    fitToText();
}

bool TGSuperText::EditFont()
{
    const std::optional<TFont> font = askFont(m_font);
    if (!font)
        return false;
    SetFont(*font);
    setLayoutDirty();
    fitToText();
    return true;
}

void TGSuperText::EditBackColor()
{
    const std::optional<TColor> color = askColor(m_bgColor);
    if (!color)
        return;
    SetBGColor(*color);
    SetControlTransparent(false);
    updateCheck(QStringLiteral("Transparent"), m_controlTransparent);
    invalidate();
}

bool TGSuperText::EditProperties()
{
    ObjectEditors *editors = ObjectEditors::instance();
    if (!editors)
        return false;
    TGSuperText preview;
    preview.setPixelsPerInch(pixelsPerInch());
    preview.assignSettings(*this);
    preview.SetLastBitmapFileNameandPath(m_lastBitmapFileNameandPath);
    if (!editors->editObject(preview))
        return false;
    applyProperties(preview, preview.LastBitmapFileNameandPath());
    fitToText();
    return true;
}

void TGSuperText::assignSettings(const TGSuperText &from)
{
    SetCaption(from.Caption());
    SetFont(from.Font());
    SetControlTransparent(from.ControlTransparent());
    SetBGColor(from.BGColor());
    SetBorderStyle(from.BorderStyle());
    SetGradientFromColor(from.GradientFromColor());
    SetFillDirection(from.FillDirection());
    SetGradientToColor(from.GradientToColor());
    SetImage(from.Image());
    SetOutlineColor(from.OutlineColor());
    SetOutlineStyle(from.OutlineStyle());
    SetOutlineWidth(from.OutlineWidth());
    SetShadowcolor(from.Shadowcolor());
    SetShadowDepth(from.ShadowDepth());
    SetShadowOrientation(from.ShadowOrientation());
    SetSurfaceType(from.SurfaceType());
    setPageBounds(QRectF(pageBounds().topLeft(), from.pageBounds().size()));
}

void TGSuperText::applyProperties(const TGSuperText &preview,
                                  const QString &lastBitmapFileNameandPath)
{
    SetGradientFromColor(preview.GradientFromColor());
    SetFillDirection(preview.FillDirection());
    SetGradientToColor(preview.GradientToColor());
    SetImage(preview.Image());
    SetOutlineColor(preview.OutlineColor());
    SetOutlineStyle(preview.OutlineStyle());
    SetOutlineWidth(preview.OutlineWidth());
    SetShadowcolor(preview.Shadowcolor());
    SetShadowDepth(preview.ShadowDepth());
    SetShadowOrientation(preview.ShadowOrientation());
    SetSurfaceType(preview.SurfaceType());
    SetLastBitmapFileNameandPath(lastBitmapFileNameandPath);
    TFont font = m_font;
    font.setColor(preview.Font().color());
    SetFont(font);
    SetFont(preview.Font());
    SetCaption(preview.Caption());
    if (m_surfaceType == stGradientFill)
        rebuildGradient();
    setLayoutDirty();
    invalidate();
    ReportChange();
}

void TGSuperText::sizeToFit()
{
    const CachedFont &font = FontCache::font(m_font, pixelsPerInch());
    const int cx = font.width(m_caption);
    const int cy = font.height();
    setLayoutDirty();
    const SuperTextLayout laid = layoutAt(storedBounds().size(), fullScaleFont(), m_shadowOffset);
    const int x0 = std::max(laid.face.left, laid.shadow.left);
    const int y0 = std::max(laid.face.top, laid.shadow.top);
    int width = truncated(1.2 * cx + x0);
    int height = truncated(1.2 * (cy + y0));
    if (height < cy)
        height = truncated(1.5 * cy);
    if (width < cx)
        width = truncated(1.5 * cx);
    setPageBounds(QRectF(pageBounds().topLeft(), QSizeF(width, height)));
}

void TGSuperText::fitToText()
{
    // Measured as painting measures before it cuts the caption: at the zoom shown, and at
    // 100 %, where pages print and fonts are not truncated to the zoom.
    const double zoom = ZoomFactor();
    const CaptionRoom shown = captionRoom(zoomedFont(), zoomedShadowOffset(), QSize(Width(), Height()));
    const CaptionRoom printed = captionRoom(fullScaleFont(), m_shadowOffset, storedBounds().size());
    if (shown.fits && printed.fits)
        return;
    const QRectF page = pageBounds();
    const double width = std::max({page.width(), double(printed.needed), std::ceil(shown.needed / zoom)});
    setPageBounds(QRectF(page.topLeft(), QSizeF(width, page.height())));
    invalidate();
}

TGSuperText::CaptionRoom TGSuperText::captionRoom(const TFont &font, QPoint shadow, QSize size) const
{
    const CachedFont &cached = FontCache::font(font, pixelsPerInch());
    const SuperTextLayout fitted =
        layoutSuperText(size, shadow, cached.height(), cached.width(m_caption + QLatin1Char(' ')),
                        m_controlTransparent, m_borderStyle == bsSingle);
    const int x0 = std::max(fitted.face.left, fitted.shadow.left);
    CaptionRoom room;
    room.fits = cached.width(m_caption) <= fitted.size.width() - x0;
    room.needed = x0 + cached.width(m_caption + QStringLiteral("     "));
    return room;
}

void TGSuperText::AfterLoad()
{
    TGGraphicControl::AfterLoad();
    appendMenu();
    if (m_surfaceType == stGradientFill) {
        try {
            rebuildGradient();
        } catch (...) {
        }
    }
}

void TGSuperText::appendMenu()
{
    using E = ObjectMenuEntry;
    ObjectMenu &menu = popupMenu();
    menu.push_back(E::makeSeparator());
    menu.push_back(E::makeAction(QStringLiteral("Font"), [this] { EditFont(); }));
    menu.push_back(E::makeCheck(QStringLiteral("Transparent"), [this] {
        SetControlTransparent(!m_controlTransparent);
        updateCheck(QStringLiteral("Transparent"), m_controlTransparent);
    }));
    menu.push_back(E::makeAction(QStringLiteral("Background Color"), [this] { EditBackColor(); }));
    menu.push_back(E::makeCheck(QStringLiteral("Border"), [this] {
        SetBorderStyle(m_borderStyle == bsSingle ? bsNone : bsSingle);
        updateCheck(QStringLiteral("Border"), m_borderStyle == bsSingle);
    }));
    menu.push_back(E::makeAction(QStringLiteral("Properties"), [this] { EditProperties(); }));
    EditAction = [this] { EditProperties(); };
}

void TGSuperText::updateCheck(const QString &caption, bool checked)
{
    if (ObjectMenuEntry *entry = menuEntry(caption))
        entry->checked = checked;
}

void TGSuperText::PopupAboutToShow()
{
    updateCheck(QStringLiteral("Border"), m_borderStyle == bsSingle);
    updateCheck(QStringLiteral("Transparent"), m_controlTransparent);
}

bool TGSuperText::PlacedWithTool()
{
    SetBorderStyle(bsSingle);
    SetControlTransparent(false);
    SetBGColor(Colors::clWhite);
    return !ObjectEditors::instance() || EditProperties();
}

// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tgsupertext.h"

#include "objects/labellayout.h"
#include "objects/objecteditors.h"
#include "objects/objecthost.h"
#include "graphics/fontcache.h"
#include "graphics/reportcanvas.h"

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
    setBounds(0, 0, 142, 33);
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

const SuperTextLayout &TGSuperText::layout()
{
    runLayout();
    return m_layout;
}

void TGSuperText::runLayout()
{
    if (!m_layoutDirty || m_inLayout)
        return;
    FlagGuard inLayout(m_inLayout);
    // Cleared at the end whatever happens, so a failing layout is not retried on every paint.
    struct ClearDirty {
        bool &dirty;
        ~ClearDirty() { dirty = false; }
    } clearDirty{m_layoutDirty};
    m_layout = computeLayout();
    if (m_layout.size != QSize(Width(), Height()))
        fitToLayout(m_layout.size);
}

SuperTextLayout TGSuperText::computeLayout() const
{
    const CachedFont &font = FontCache::font(zoomedFont(), pixelsPerInch());
    return layoutSuperText(QSize(Width(), Height()), zoomedShadowOffset(), font.height(),
                           font.width(m_caption + QLatin1Char(' ')), m_controlTransparent,
                           m_borderStyle == bsSingle);
}

void TGSuperText::rebuildGradient()
{
    if (Width() <= 0 || Height() <= 0) {
        m_gradient = QImage();
        return;
    }
    m_gradient = QImage(Width(), Height(), QImage::Format_RGB32);
    {
        QPainter painter(&m_gradient);
        SuperTextGradient::paint(painter, m_gradient.rect(), m_fillDirection, m_gradientFromColor,
                                 m_gradientToColor);
    }
    invalidate();
}

int TGSuperText::textLimit() const
{
    return std::max(m_layout.face.left, m_layout.shadow.left);
}

QPainterPath TGSuperText::textPath(const QFont &font, int ascent, QPoint origin,
                                   const QString &text) const
{
    QPainterPath path;
    path.addText(QPointF(origin.x(), origin.y() + ascent), font, text);
    return path;
}

void TGSuperText::paintBackground(Canvas &canvas)
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

void TGSuperText::paintEmptyBox(Canvas &canvas)
{
    canvas.setPen(Colors::clBlack, psSolid, 1);
    canvas.setClearBrush();
    canvas.rectangle({0, 0, Width(), Height()});
    canvas.moveTo(0, 0);
    canvas.lineTo(Width(), Height());
    canvas.moveTo(Width(), 0);
    canvas.lineTo(0, Height());
}

void TGSuperText::paintText(Canvas &canvas, const QString &text)
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
    const QPainterPath face = textPath(font->font(), font->ascent(), m_layout.faceOrigin, text);
    if (m_shadowDepth >= 1 && m_shadowOrientation != sdNone) {
        painter.fillPath(textPath(font->font(), font->ascent(), m_layout.shadowOrigin, text),
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
        if (!m_gradient.isNull())
            painter.fillPath(face, QBrush(m_gradient));
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

void TGSuperText::PaintObject(Canvas &canvas)
{
    if ((host() && host()->PaintSuspended()) || m_painting)
        return;
    FlagGuard painting(m_painting);
    if (Width() < 5 || Height() < 5)
        setLayoutDirty();
    runLayout();
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

void TGSuperText::paintFace(Canvas &canvas, int textLimit)
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
        << m_image.cacheKey() << m_gradient.cacheKey() << quint32(m_outlineColor)
        << int(m_outlineStyle) << m_outlineWidth << m_layout.faceOrigin << m_layout.shadowOrigin
        << ZoomFactor();
    return key;
}

void TGSuperText::BoundsChanged()
{
    TGGraphicControl::BoundsChanged();
    setLayoutDirty();
    if (Width() <= 0 || Height() <= 0)
        setBounds(Left(), Top(), qMax(1, Width()), qMax(1, Height()));
    if (m_surfaceType == stGradientFill)
        rebuildGradient();
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
    setWidth(from.Width());
    setHeight(from.Height());
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
    runLayout();
    invalidate();
    ReportChange();
}

void TGSuperText::sizeToFit()
{
    const CachedFont &font = FontCache::font(m_font, pixelsPerInch());
    const int cx = font.width(m_caption);
    const int cy = font.height();
    setLayoutDirty();
    runLayout();
    const int x0 = std::max(m_layout.face.left, m_layout.shadow.left);
    const int y0 = std::max(m_layout.face.top, m_layout.shadow.top);
    int width = truncated(1.2 * cx + x0);
    int height = truncated(1.2 * (cy + y0));
    if (height < cy)
        height = truncated(1.5 * cy);
    if (width < cx)
        width = truncated(1.5 * cx);
    setBounds(Left(), Top(), width, height);
}

void TGSuperText::fitToText()
{
    // Measured as painting and printing measure before they cut the caption: at the zoom
    // shown, and at full scale, where pages print and fonts are not truncated to the zoom.
    const float zoom = ZoomFactor();
    TFont fullScale = m_font;
    fullScale.setPixelHeight(m_font.pixelSizeAt(pixelsPerInch()));
    const CaptionRoom shown = captionRoom(zoomedFont(), zoomedShadowOffset(), QSize(Width(), Height()));
    const CaptionRoom printed =
        captionRoom(fullScale, m_shadowOffset,
                    zoom > 0 ? QSize(qRound(Width() / double(zoom)), qRound(Height() / double(zoom)))
                             : QSize(Width(), Height()));
    if (shown.fits && printed.fits)
        return;
    const int atFullScale = static_cast<int>(std::ceil(printed.needed * double(zoom)));
    setBounds(Left(), Top(), std::max({Width(), shown.needed, atFullScale}), Height());
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

void TGSuperText::placeTextCursor(ReportCanvas &report, double originX, double originY)
{
    const CachedFont *font = report.canvas().font();
    const double ascent = font ? font->ascent() / report.yDpi() : 0.0;
    // The report places text by its baseline, 0.88 of a line below the layer's origin.
    report.gotoXY(originX, originY + 0.88 * report.lineHeight() - ascent);
}

void TGSuperText::PrintTo(ReportCanvas &report, double offsetX, double offsetY)
{
    const double ppi = pixelsPerInch();
    const double scaleX = report.xDpi() / ppi;
    const double scaleY = report.yDpi() / ppi;
    setLayoutDirty();
    runLayout();
    const int x0 = textLimit();
    const double left = offsetX + Left() / ppi;
    const double top = offsetY + Top() / ppi;
    const double right = left + Width() / ppi;
    const double bottom = top + Height() / ppi;
    const auto atX = [&](int x) { return left + x / ppi; };
    const auto atY = [&](int y) { return top + y / ppi; };

    TFont font = m_font;
    font.setSize(m_font.pointSizeAt(pixelsPerInch()));
    font.setStyle(m_font.style() & ~TFont::Styles(TFont::Style::StrikeOut));
    report.setFont(font);

    if (!m_controlTransparent || m_borderStyle == bsSingle) {
        report.setBrush(m_bgColor, !m_controlTransparent);
        report.setPen(Colors::clBlack, m_borderStyle == bsSingle ? psSolid : psClear, 1);
        report.rectangle(left, top, right, bottom);
    }
    const CachedFont &screenFont = FontCache::font(zoomedFont(), pixelsPerInch());
    const QString text = fitCaption(m_caption, Width() - x0,
                                    [&screenFont](const QString &s) { return screenFont.width(s); });
    if (text.isEmpty()) {
        report.setPen(Colors::clBlack, psSolid, 1);
        report.setBrush(Colors::clWhite, false);
        report.rectangle(left, top, right, bottom);
        report.moveTo(left, top);
        report.lineTo(right, bottom);
        report.moveTo(right, top);
        report.lineTo(left, bottom);
        return;
    }
    const auto printAt = [&](QPoint origin) {
        placeTextCursor(report, atX(origin.x()), atY(origin.y()));
        report.print(text);
    };
    if (m_shadowDepth >= 1 && m_shadowOrientation != sdNone) {
        TFont shadowFont = font;
        shadowFont.setColor(m_shadowcolor);
        report.setFont(shadowFont);
        printAt(m_layout.shadowOrigin);
        report.setFont(font);
    }
    if (m_surfaceType != stBrushTransparent) {
        report.beginPath();
        printAt(m_layout.faceOrigin);
        report.endPath();
        report.selectClipPath();
        const QRect area(QPoint(report.xPixels(left - 0.03), report.yPixels(top - 0.03)),
                         QPoint(report.xPixels(right) - 1, report.yPixels(bottom) - 1));
        printSurface(report, area, scaleX, scaleY);
        report.removeClip();
    }
    if (m_outlineStyle != psClear && m_outlineWidth >= 1) {
        // The width in hundredths of an inch that the outline has on screen.
        report.setPen(m_outlineColor, m_outlineStyle, qMax(1, qRound(100.0 * m_outlineWidth / ppi)));
        report.beginPath();
        printAt(m_layout.faceOrigin);
        report.endPath();
        report.strokePath();
    }
}

void TGSuperText::printSurface(ReportCanvas &report, const QRect &area, double scaleX, double scaleY)
{
    const auto inchesX = [&report](int x) { return x / report.xDpi(); };
    const auto inchesY = [&report](int y) { return y / report.yDpi(); };
    switch (m_surfaceType) {
    case stNormal:
        report.setBrush(m_font.color());
        report.fillRect(inchesX(area.left()), inchesY(area.top()), inchesX(area.right() + 1),
                        inchesY(area.bottom() + 1));
        break;
    case stBrushImage: {
        const QSize tile(qRound(m_image.width() * scaleX), qRound(m_image.height() * scaleY));
        for (const QRect &rect : tileRects(tile, area.size())) {
            const QRect placed = rect.translated(area.topLeft());
            report.printBitmapRect(inchesX(placed.left()), inchesY(placed.top()),
                                   inchesX(placed.left() + placed.width()) + 0.01,
                                   inchesY(placed.top() + placed.height()) + 0.01, m_image);
        }
        break;
    }
    case stGradientFill: {
        const QRect bands = area.adjusted(0, 0, report.xPixels(0.25) + 1, report.yPixels(0.25) + 1);
        SuperTextGradient::paint(report.painter(), bands, m_fillDirection, m_gradientFromColor,
                                 m_gradientToColor);
        break;
    }
    case stBrushTransparent:
        break;
    }
}

bool TGSuperText::PlacedWithTool()
{
    SetBorderStyle(bsSingle);
    SetControlTransparent(false);
    SetBGColor(Colors::clWhite);
    return !ObjectEditors::instance() || EditProperties();
}

// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tgprichbaselabel.h"

#include "graphics/canvas.h"
#include "objects/objecteditors.h"
#include "richtext/richtextcellrenderer.h"

namespace {

// One renderer serves every rich label: it keeps the laid-out texts, so repainting a
// label does not lay its text out again.
RichTextCellRenderer &sharedRenderer()
{
    static RichTextCellRenderer renderer;
    return renderer;
}

} // namespace

TGPRichBaseLabel::TGPRichBaseLabel()
{
    setInitialBounds(QRect(0, 0, 190, 33));
}

void TGPRichBaseLabel::SetRTFText(const TWPRtfStorage &text)
{
    m_rtfText = text;
    invalidate();
    ReportChange();
}

void TGPRichBaseLabel::SetBorderStyle(TBorderStyle style)
{
    if (style == m_borderStyle)
        return;
    m_borderStyle = style;
    invalidate();
    ReportChange();
}

void TGPRichBaseLabel::SetTransparent(bool transparent)
{
    if (transparent == m_transparent)
        return;
    m_transparent = transparent;
    invalidate();
}

void TGPRichBaseLabel::SetBGColor(TColor color)
{
    if (color == m_bgColor)
        return;
    m_bgColor = color;
    invalidate();
    ReportChange();
}

QSize TGPRichBaseLabel::pageTwips(QSize pixels, float zoom, int ppi)
{
    if (zoom <= 0 || ppi <= 0)
        return {};
    const double perPixel = 1440.0 / zoom / ppi;
    return QSize(int(pixels.width() * perPixel), int(pixels.height() * perPixel));
}

int TGPRichBaseLabel::zoomPercent(float zoom)
{
    return int(zoom * 100.0f);
}

void TGPRichBaseLabel::PaintObject(Canvas &canvas) const
{
    const PageRect whole{0, 0, Width(), Height()};
    canvas.setPen(Colors::clBlack);
    if (!m_transparent) {
        canvas.setBrush(m_bgColor);
        canvas.fillRect(whole);
    }
    if (!m_rtfText.isEmpty()) {
        RichTextCellRenderer &renderer = sharedRenderer();
        renderer.setPixelsPerInch(pixelsPerInch());
        renderer.loadRtf(m_rtfText);
        renderer.setZoomPercent(qMax(1, zoomPercent(ZoomFactor())));
        // The page at the zoom: its size at zoom 1 in twips, back in pixels at the zoom.
        const QSize twips = pageTwips(storedBounds().size(), 1.0f, pixelsPerInch());
        const double toPixels = pixelsPerInch() * double(ZoomFactor()) / 1440.0;
        renderer.setPageSize(QSize(qMax(1, int(twips.width() * toPixels + 0.5)),
                                   qMax(1, int(twips.height() * toPixels + 0.5))));
        renderer.paint(canvas.painter(), QRectF(0, 0, Width(), Height()));
    }
    if (m_borderStyle == bsSingle) {
        canvas.setPen(Colors::clBlack);
        canvas.setClearBrush();
        canvas.rectangle(whole);
    }
}

void TGPRichBaseLabel::AfterLoad()
{
    TGGraphicControl::AfterLoad();
    using E = ObjectMenuEntry;
    ObjectMenu &menu = popupMenu();
    menu.push_back(E::makeSeparator());
    menu.push_back(E::makeCheck(QStringLiteral("Transparent"), [this] { SetTransparent(!m_transparent); }));
    menu.push_back(E::makeAction(QStringLiteral("Background Color"), [this] { EditBackColor(); }));
    menu.push_back(E::makeCheck(QStringLiteral("Border"), [this] {
        SetBorderStyle(m_borderStyle == bsSingle ? bsNone : bsSingle);
    }));
    menu.push_back(E::makeAction(QStringLiteral("Edit"), [this] { Edit(); }));
    EditAction = [this] { Edit(); };
}

void TGPRichBaseLabel::updateCheck(const QString &caption, bool checked)
{
    if (ObjectMenuEntry *entry = menuEntry(caption))
        entry->checked = checked;
}

void TGPRichBaseLabel::PopupAboutToShow()
{
    updateCheck(QStringLiteral("Transparent"), m_transparent);
    updateCheck(QStringLiteral("Border"), m_borderStyle == bsSingle);
}

bool TGPRichBaseLabel::PlacedWithTool()
{
    return !ObjectEditors::instance() || Edit();
}

bool TGPRichBaseLabel::Edit()
{
    ObjectEditors *editors = ObjectEditors::instance();
    if (!editors)
        return false;
    return editors->editObject(*this);
}

void TGPRichBaseLabel::EditBackColor()
{
    const std::optional<TColor> color = askColor(m_bgColor);
    if (!color)
        return;
    SetBGColor(*color);
    ReportChange();
    SetTransparent(false);
    invalidate();
}

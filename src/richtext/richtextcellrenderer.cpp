// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "richtextcellrenderer.h"

#include "richtext/rtfreader.h"
#include "richtext/rtfunits.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QTextDocument>

RichTextCellRenderer::RichTextCellRenderer() : m_ppi(RtfUnits::layoutDpi()) {}

RichTextCellRenderer::~RichTextCellRenderer() = default;

void RichTextCellRenderer::setPixelsPerInch(int ppi)
{
    if (ppi > 0)
        m_ppi = ppi;
}

void RichTextCellRenderer::paint(QPainter &painter, const QRectF &target)
{
    if (m_zoomPercent <= 0 || m_pageSize.isEmpty() || target.isEmpty())
        return;
    // Layout pixels to page pixels at the zoom.
    const qreal scale = m_zoomPercent / 100.0 * m_ppi / RtfUnits::layoutDpi();
    const QSizeF layoutPage(m_pageSize.width() / scale, m_pageSize.height() / scale);
    QTextDocument &text = document(layoutPage.width());

    painter.save();
    painter.setClipRect(target, Qt::IntersectClip);
    painter.translate(target.topLeft());
    painter.scale(target.width() / m_pageSize.width() * scale,
                  target.height() / m_pageSize.height() * scale);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    QAbstractTextDocumentLayout::PaintContext context;
    // Only the first page shows; text below it is cut off.
    context.clip = QRectF(QPointF(0, 0), layoutPage);
    // Text without a colour of its own is black on the white cell, whatever the theme.
    context.palette.setColor(QPalette::Text, Qt::black);
    text.documentLayout()->draw(&painter, context);
    painter.restore();
}

QTextDocument &RichTextCellRenderer::document(qreal layoutWidth)
{
    auto found = m_cache.find(m_rtf);
    if (found == m_cache.end()) {
        if (m_cache.size() >= CachedTexts)
            evictOldest();
        auto text = std::make_shared<QTextDocument>();
        text->setDocumentMargin(0);
        // Design metrics keep glyph advances free of hinting, so the scaled text keeps
        // the positions it was laid out with.
        text->setUseDesignMetrics(true);
        RtfReader::read(m_rtf, *text);
        found = m_cache.insert(m_rtf, CachedDocument {std::move(text), 0});
    }
    found->lastUse = ++m_useCounter;
    QTextDocument &text = *found->document;
    if (!qFuzzyCompare(text.textWidth(), layoutWidth))
        text.setTextWidth(layoutWidth);
    return text;
}

void RichTextCellRenderer::evictOldest()
{
    auto oldest = m_cache.begin();
    for (auto it = m_cache.begin(); it != m_cache.end(); ++it) {
        if (it->lastUse < oldest->lastUse)
            oldest = it;
    }
    if (oldest != m_cache.end())
        m_cache.erase(oldest);
}

// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "richtextcellrenderer.h"

#include "richtext/rtfreader.h"
#include "richtext/rtfunits.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextLayout>
#include <QTextDocument>

#include <limits>

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
    const qreal scale = layoutScale();
    const QSizeF layoutPage(m_pageSize.width() / scale, m_pageSize.height() / scale);
    QTextDocument &text = *document(layoutPage).document;

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

qreal RichTextCellRenderer::layoutScale() const
{
    return m_zoomPercent / 100.0 * m_ppi / RtfUnits::layoutDpi();
}

bool RichTextCellRenderer::textOverflows()
{
    if (m_zoomPercent <= 0 || m_pageSize.isEmpty())
        return false;
    const qreal scale = layoutScale();
    const QSizeF layoutPage(m_pageSize.width() / scale, m_pageSize.height() / scale);
    const CachedDocument &cached = document(layoutPage);
    if (cached.keptCharacters >= 0)
        return true;
    const QTextDocument &text = *cached.document;
    // Half a page pixel of slack: a line that ends on the page's last pixel row fits.
    const qreal slack = 0.5 / scale;
    if (text.documentLayout()->documentSize().width() > layoutPage.width() + slack)
        return true;
    for (QTextBlock block = text.lastBlock(); block.isValid(); block = block.previous()) {
        if (block.text().trimmed().isEmpty())
            continue;
        const QTextLayout *layout = block.layout();
        if (!layout || layout->lineCount() == 0)
            return false;
        const QTextLine last = layout->lineAt(layout->lineCount() - 1);
        return layout->position().y() + last.y() + last.height() > layoutPage.height() + slack;
    }
    return false;
}

int RichTextCellRenderer::visibleCharacterBound(const QTextDocument &text, const QSizeF &layoutPage)
{
    qreal smallestPoints = text.defaultFont().pointSizeF() > 0 ? text.defaultFont().pointSizeF() : 12;
    for (QTextBlock block = text.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (format.hasProperty(QTextFormat::FontPointSize) && format.fontPointSize() > 0)
                smallestPoints = qMin(smallestPoints, format.fontPointSize());
        }
    }
    const qreal size = qMax(1.0, smallestPoints * RtfUnits::layoutDpi() / 72.0);
    const qreal columns = layoutPage.width() / (0.2 * size) + 1;
    const qreal rows = layoutPage.height() / size + 1;
    // Room for paragraph marks and the odd wider bound, then a cap that fits an int.
    return int(qMin(columns * rows + 256, qreal(std::numeric_limits<int>::max() / 2)));
}

RichTextCellRenderer::CachedDocument &RichTextCellRenderer::document(const QSizeF &layoutPage)
{
    auto found = m_cache.find(m_rtf);
    if (found != m_cache.end() && found->keptCharacters >= 0
        && visibleCharacterBound(*found->document, layoutPage) > found->keptCharacters) {
        // Cut for a smaller page than this one: read it again.
        m_cache.erase(found);
        found = m_cache.end();
    }
    if (found == m_cache.end()) {
        if (m_cache.size() >= CachedTexts)
            evictOldest();
        auto text = std::make_shared<QTextDocument>();
        text->setDocumentMargin(0);
        // Design metrics keep glyph advances free of hinting, so the scaled text keeps
        // the positions it was laid out with.
        text->setUseDesignMetrics(true);
        RtfReader::read(m_rtf, *text);
        int kept = -1;
        const int bound = visibleCharacterBound(*text, layoutPage);
        if (text->characterCount() > bound) {
            QTextCursor cursor(text.get());
            cursor.setPosition(bound);
            cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
            cursor.removeSelectedText();
            kept = bound;
        }
        found = m_cache.insert(m_rtf, CachedDocument {std::move(text), 0, kept});
    }
    found->lastUse = ++m_useCounter;
    QTextDocument &text = *found->document;
    if (!qFuzzyCompare(text.textWidth(), layoutPage.width()))
        text.setTextWidth(layoutPage.width());
    return *found;
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

// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "richtext/celltextrenderer.h"

#include <QByteArray>
#include <QHash>
#include <QSize>

#include <memory>

class QTextDocument;

// Paints cell texts with QTextDocument. The text is laid out at the page width as it is
// at 100 % and painted scaled by the zoom, so its lines break at the same words at every
// zoom. Laid-out documents are kept per text, since a page paints the same 42 texts
// again and again.
class RichTextCellRenderer : public CellTextRenderer
{
public:
    // Enough for every cell of a page and of the page it was last switched from.
    enum Limit : int { CachedTexts = 128 };

    RichTextCellRenderer();
    ~RichTextCellRenderer() override;

    void loadRtf(const TWPRtfStorage &text) override { m_rtf = text.rtf(); }
    void setZoomPercent(int percent) override { m_zoomPercent = percent; }
    void setPageSize(const QSize &size) override { m_pageSize = size; }
    void setPixelsPerInch(int ppi) override;
    void paint(QPainter &painter, const QRectF &target) override;
    // Lines below the page, or wider than it, or text cut for being longer than could ever
    // show. Blank lines at the end do not count: they show nothing.
    bool textOverflows() override;

    // How many laid-out texts are held; for tests.
    int cachedTexts() const { return int(m_cache.size()); }

    // The most characters of text that can show on a page of this size (layout pixels):
    // each at least a fifth of the smallest font's size wide and each line as high as
    // that size. Laying out more costs time and shows nothing; a line without a place to
    // break costs time that grows with the square of its length.
    static int visibleCharacterBound(const QTextDocument &text, const QSizeF &layoutPage);

private:
    struct CachedDocument
    {
        std::shared_ptr<QTextDocument> document;
        quint64 lastUse = 0;
        // The characters kept when the text was longer than could ever show; -1 when whole.
        int keptCharacters = -1;
    };

    // Layout pixels to page pixels at the zoom.
    qreal layoutScale() const;
    CachedDocument &document(const QSizeF &layoutPage);
    void evictOldest();

    QByteArray m_rtf;
    int m_zoomPercent = 100;
    QSize m_pageSize;
    int m_ppi;
    QHash<QByteArray, CachedDocument> m_cache;
    quint64 m_useCounter = 0;
};

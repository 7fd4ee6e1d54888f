// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "projectstrip.h"

#include "projectsession.h"

#include "pagemodel/pagemodel.h"
#include "pagemodel/pagepainter.h"

#include <QPainter>
#include <QStyle>
#include <QScopedValueRollback>

#include <algorithm>

namespace {

// A page's picture on white with a thin edge, as paper looks beside the page.
QPixmap thumbnailOf(const QImage &page)
{
    QImage framed(page.width() + 2, page.height() + 2, QImage::Format_RGB32);
    framed.fill(QColor(160, 160, 160));
    QPainter painter(&framed);
    painter.drawImage(1, 1, page);
    return QPixmap::fromImage(framed);
}

} // namespace

TProjectStrip::TProjectStrip(ProjectSession &session, QWidget *parent) : QListWidget(parent), m_session(session)
{
    setObjectName(QStringLiteral("ProjectStrip"));
    setViewMode(QListView::IconMode);
    setFlow(QListView::TopToBottom);
    setWrapping(false);
    setMovement(QListView::Static);
    setResizeMode(QListView::Adjust);
    setSelectionMode(QAbstractItemView::SingleSelection);
    // Landscape pages are as wide as portrait ones are high.
    setIconSize(QSize(kThumbnailHeight, kThumbnailHeight));
    setGridSize(QSize(kThumbnailHeight + 16, kThumbnailHeight + fontMetrics().height() + 14));
    const int width = kThumbnailHeight + 24 + style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    setMinimumWidth(width);
    setMaximumWidth(width);
    m_drawTimer.setInterval(0);
    connect(&m_drawTimer, &QTimer::timeout, this, &TProjectStrip::drawNext);
    connect(this, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!m_selecting && row >= 0 && row != m_session.currentPage() && !m_session.showPage(row))
            setCurrentPage(m_session.currentPage());
    });
}

void TProjectStrip::rebuild()
{
    const QScopedValueRollback selecting(m_selecting, true);
    clear();
    m_waiting.clear();
    for (int i = 0; i < m_session.pageCount(); ++i) {
        // A blank sheet stands for the picture until it is drawn, so the entry has its size.
        QPixmap blank(kThumbnailHeight * 3 / 4, kThumbnailHeight);
        blank.fill(QColor(235, 235, 235));
        auto *item = new QListWidgetItem(QIcon(blank), m_session.pageCaption(i), this);
        item->setTextAlignment(Qt::AlignHCenter);
        queue(i);
    }
    setCurrentPage(m_session.currentPage());
}

void TProjectStrip::queue(int index)
{
    if (std::find(m_waiting.begin(), m_waiting.end(), index) == m_waiting.end())
        m_waiting.push_back(index);
    m_drawTimer.start();
}

void TProjectStrip::pageChanged(int index)
{
    if (index < 0 || index >= count())
        return;
    queue(index);
    // The shown page changes keystroke by keystroke: wait until it is quiet.
    m_drawTimer.start(index == m_session.currentPage() ? 400 : 0);
}

void TProjectStrip::setCurrentPage(int index)
{
    const QScopedValueRollback selecting(m_selecting, true);
    setCurrentRow(index);
    if (QListWidgetItem *current = item(index))
        scrollToItem(current);
}

void TProjectStrip::drawNext()
{
    if (m_waiting.empty()) {
        m_drawTimer.stop();
        return;
    }
    const int index = m_waiting.front();
    m_waiting.pop_front();
    m_drawTimer.setInterval(0);
    QListWidgetItem *entry = item(index);
    if (!entry)
        return;
    PageModel page;
    if (!m_session.readPage(index, page)) {
        entry->setToolTip(QStringLiteral("This page cannot be read"));
        return;
    }
    const QSize full = page.sizeAtZoom(1.0f);
    // The longer side fills the picture's square, so landscape pages are not cut.
    const int longer = std::max(full.width(), full.height());
    const float zoom = longer > 0 ? float(kThumbnailHeight) / float(longer) : 0.1f;
    page.setZoom(zoom);
    entry->setIcon(QIcon(thumbnailOf(PagePainter::renderPage(page))));
    entry->setToolTip(m_session.pageCaption(index));
}

void TProjectStrip::drawPending()
{
    while (!m_waiting.empty())
        drawNext();
    m_drawTimer.stop();
}

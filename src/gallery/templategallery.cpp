// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "templategallery.h"

#include "pagemodel/pagemodel.h"
#include "pagemodel/pagepainter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

constexpr int kIndexRole = Qt::UserRole;

// A page's picture with a thin edge, as paper looks on a desk, in the middle of a square
// every entry shares, so portrait and landscape pages line up and keep their captions below.
QPixmap framed(const QImage &page, int side)
{
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    const QRect sheet((side - page.width() - 2) / 2, (side - page.height() - 2) / 2, page.width() + 2, page.height() + 2);
    painter.fillRect(sheet, QColor(150, 150, 150));
    painter.drawImage(sheet.topLeft() + QPoint(1, 1), page);
    return QPixmap::fromImage(image);
}

} // namespace

TTemplateGallery::TTemplateGallery(QList<Templates::Info> templates, const QDate &today, QWidget *parent)
    : QDialog(parent), m_templates(std::move(templates))
{
    setObjectName(QStringLiteral("TemplateGallery"));
    setWindowTitle(QStringLiteral("New from Template"));
    m_categories = new QListWidget(this);
    m_categories->setObjectName(QStringLiteral("Categories"));
    m_designs = new QListWidget(this);
    m_designs->setObjectName(QStringLiteral("Designs"));
    m_designs->setViewMode(QListView::IconMode);
    m_designs->setResizeMode(QListView::Adjust);
    m_designs->setMovement(QListView::Static);
    m_designs->setIconSize(QSize(kThumbnailSize + 2, kThumbnailSize + 2));
    m_designs->setGridSize(QSize(kThumbnailSize + 30, kThumbnailSize + 2 * fontMetrics().height() + 16));
    m_designs->setWordWrap(true);
    m_designs->setMinimumSize(4 * (kThumbnailSize + 30) + 24, 2 * (kThumbnailSize + 50) + 10);

    QStringList categories;
    for (const Templates::Info &info : m_templates) {
        if (!categories.contains(info.category))
            categories << info.category;
    }
    m_categories->addItem(QStringLiteral("All templates"));
    m_categories->addItems(categories);
    m_categories->setFixedWidth(m_categories->sizeHintForColumn(0) + 2 * m_categories->frameWidth() + 12);
    connect(m_categories, &QListWidget::currentRowChanged, this, &TTemplateGallery::showCategory);

    const QDate next = today.addMonths(1);
    m_month = new QComboBox(this);
    m_month->setObjectName(QStringLiteral("Month"));
    for (int month = 1; month <= 12; ++month)
        m_month->addItem(QLocale(QLocale::English).standaloneMonthName(month));
    m_month->setCurrentIndex(next.month() - 1);
    m_year = new QSpinBox(this);
    m_year->setObjectName(QStringLiteral("Year"));
    m_year->setRange(1, 9999);
    m_year->setValue(next.year());
    m_atStart = new QCheckBox(QStringLiteral("&Show this gallery when Orvane starts"), this);
    m_atStart->setObjectName(QStringLiteral("ShowAtStart"));
    m_atStart->hide();

    auto *start = new QHBoxLayout;
    auto *label = new QLabel(QStringLiteral("&Start with:"), this);
    label->setBuddy(m_month);
    start->addWidget(label);
    start->addWidget(m_month);
    start->addWidget(m_year);
    start->addStretch();
    start->addWidget(m_atStart);

    auto *lists = new QHBoxLayout;
    lists->addWidget(m_categories);
    lists->addWidget(m_designs, 1);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("&Create"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_designs, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    connect(m_designs, &QListWidget::currentItemChanged, this,
            [buttons](QListWidgetItem *current) { buttons->button(QDialogButtonBox::Ok)->setEnabled(current); });

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(lists, 1);
    layout->addLayout(start);
    layout->addWidget(buttons);

    m_drawTimer.setInterval(0);
    connect(&m_drawTimer, &QTimer::timeout, this, &TTemplateGallery::drawNext);
    m_categories->setCurrentRow(0);
    buttons->button(QDialogButtonBox::Ok)->setEnabled(m_designs->currentItem());
}

void TTemplateGallery::showCategory(int row)
{
    const QString category = row > 0 ? m_categories->item(row)->text() : QString();
    m_designs->clear();
    m_waiting.clear();
    // A blank sheet stands for each picture until it is drawn.
    QImage sheet(kThumbnailSize * 3 / 4, kThumbnailSize - 2, QImage::Format_RGB32);
    sheet.fill(QColor(240, 240, 240));
    const QPixmap blank = framed(sheet, kThumbnailSize + 2);
    for (int i = 0; i < m_templates.size(); ++i) {
        if (!category.isEmpty() && m_templates[i].category != category)
            continue;
        auto *item = new QListWidgetItem(QIcon(blank), m_templates[i].name, m_designs);
        item->setData(kIndexRole, i);
        item->setToolTip(QStringLiteral("%1\n%2").arg(m_templates[i].category, m_templates[i].path));
        m_waiting.push_back(m_designs->count() - 1);
    }
    if (m_designs->count() > 0)
        m_designs->setCurrentRow(0);
    m_drawTimer.start();
}

void TTemplateGallery::drawNext()
{
    if (m_waiting.empty()) {
        m_drawTimer.stop();
        return;
    }
    const int row = m_waiting.front();
    m_waiting.pop_front();
    QListWidgetItem *item = m_designs->item(row);
    if (!item)
        return;
    const Templates::Info &info = m_templates[item->data(kIndexRole).toInt()];
    PageModel page;
    QString error;
    if (!Templates::instantiate(info.path, month(), year(), page, &error)) {
        item->setToolTip(error);
        return;
    }
    const QSize full = page.sizeAtZoom(1.0f);
    const int longer = std::max(full.width(), full.height());
    page.setZoom(longer > 0 ? float(kThumbnailSize) / float(longer) : 0.1f);
    item->setIcon(QIcon(framed(PagePainter::renderPage(page), kThumbnailSize + 2)));
}

void TTemplateGallery::drawPending()
{
    while (!m_waiting.empty())
        drawNext();
    m_drawTimer.stop();
}

std::optional<Templates::Info> TTemplateGallery::chosen() const
{
    const QListWidgetItem *item = m_designs->currentItem();
    if (!item)
        return std::nullopt;
    return m_templates[item->data(kIndexRole).toInt()];
}

int TTemplateGallery::month() const
{
    return m_month->currentIndex() + 1;
}

int TTemplateGallery::year() const
{
    return m_year->value();
}

void TTemplateGallery::setStartChoice(bool visible, bool checked)
{
    m_atStart->setVisible(visible);
    m_atStart->setChecked(checked);
}

bool TTemplateGallery::showAtStart() const
{
    return m_atStart->isChecked();
}

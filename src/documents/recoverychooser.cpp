// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "recoverychooser.h"

#include "core/filebytes.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QString entryText(const RecoveryChooser::Entry &entry)
{
    const QString written = QLocale().toString(entry.written, QLocale::ShortFormat);
    if (entry.documentName.isEmpty())
        return QStringLiteral("Untitled calendar (%1)").arg(written);
    // Bytes of a name that are not UTF-8 show as replacement characters.
    const QFileInfo file(QString::fromUtf8(FileBytes::encodeName(entry.documentName)));
    return QStringLiteral("%1 in %2 (%3)").arg(file.fileName(), file.path(), written);
}

} // namespace

RecoveryChooser::RecoveryChooser(const QList<Entry> &entries, std::function<void(int)> discard,
                                 QWidget *parent)
    : QDialog(parent), m_discardCopy(std::move(discard)), m_list(new QListWidget(this)),
      m_restore(new QPushButton(tr("&Restore"), this)), m_discard(new QPushButton(tr("&Discard"), this)),
      m_later(new QPushButton(tr("&Later"), this))
{
    setWindowTitle(QStringLiteral("Orvane"));
    auto *text = new QLabel(tr("Orvane was not closed properly. These calendars have unsaved "
                               "changes that can be restored:"), this);
    text->setWordWrap(true);
    for (int i = 0; i < entries.size(); ++i) {
        auto *item = new QListWidgetItem(entryText(entries.at(i)), m_list);
        item->setData(Qt::UserRole, i);
    }
    m_list->setCurrentRow(0);
    // Wide enough for the whole entries, within reason.
    const int widest = m_list->sizeHintForColumn(0) + 2 * m_list->frameWidth() + 8;
    m_list->setMinimumWidth(qMin(widest, 720));
    auto *buttons = new QDialogButtonBox(this);
    buttons->addButton(m_restore, QDialogButtonBox::AcceptRole);
    buttons->addButton(m_discard, QDialogButtonBox::DestructiveRole);
    buttons->addButton(m_later, QDialogButtonBox::RejectRole);
    m_restore->setDefault(true);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(m_list);
    layout->addWidget(buttons);
    connect(m_restore, &QPushButton::clicked, this, &RecoveryChooser::restoreSelected);
    connect(m_discard, &QPushButton::clicked, this, &RecoveryChooser::discardSelected);
    connect(m_later, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &RecoveryChooser::restoreSelected);
    connect(m_list, &QListWidget::currentRowChanged, this, &RecoveryChooser::updateButtons);
    updateButtons();
}

int RecoveryChooser::selectedIndex() const
{
    const QListWidgetItem *item = m_list->currentItem();
    return item ? item->data(Qt::UserRole).toInt() : -1;
}

void RecoveryChooser::restoreSelected()
{
    m_chosen = selectedIndex();
    if (m_chosen >= 0)
        accept();
}

void RecoveryChooser::discardSelected()
{
    const int index = selectedIndex();
    if (index < 0)
        return;
    if (m_discardCopy)
        m_discardCopy(index);
    delete m_list->takeItem(m_list->currentRow());
    // Nothing left to decide.
    if (m_list->count() == 0)
        reject();
}

void RecoveryChooser::updateButtons()
{
    const bool selected = m_list->currentItem() != nullptr;
    m_restore->setEnabled(selected);
    m_discard->setEnabled(selected);
}

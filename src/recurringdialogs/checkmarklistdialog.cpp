// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "checkmarklistdialog.h"

#include "checkmarkdelegate.h"
#include "recurringlistitem.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QPushButton *button(const char *caption, QWidget *parent)
{
    return new QPushButton(QLatin1String(caption), parent);
}

} // namespace

CheckMarkListDialog::CheckMarkListDialog(const QString &listName, QWidget *parent)
    : QDialog(parent)
    , m_list(new QListWidget(this))
    , m_okButton(button("&Ok", this))
    , m_allButton(button("&All", this))
    , m_noneButton(button("&None", this))
    , m_cancelButton(button("&Cancel", this))
{
    m_list->setObjectName(listName);
    m_list->setSelectionMode(QAbstractItemView::MultiSelection);
    m_list->setItemDelegate(new CheckMarkDelegate(m_list));
    m_list->setUniformItemSizes(true);
    m_okButton->setDefault(true);

    auto *buttons = new QHBoxLayout;
    for (QPushButton *b : {m_okButton, m_allButton, m_noneButton, m_cancelButton})
        buttons->addWidget(b);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_list);
    layout->addLayout(buttons);
    resize(520, 400);

    connect(m_okButton, &QPushButton::clicked, this, &CheckMarkListDialog::OkClick);
    connect(m_allButton, &QPushButton::clicked, this, &CheckMarkListDialog::AllClick);
    connect(m_noneButton, &QPushButton::clicked, this, &CheckMarkListDialog::NoneClick);
    connect(m_cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

void CheckMarkListDialog::setLines(const QStringList &lines)
{
    m_list->clear();
    for (const QString &line : lines)
        m_list->addItem(makeRecurringItem(line));
    if (m_list->count() > 0)
        m_list->setCurrentRow(0, QItemSelectionModel::NoUpdate);
}

QStringList CheckMarkListDialog::lines() const
{
    return recurringListLines(m_list);
}

QStringList CheckMarkListDialog::selectedLines() const
{
    QStringList chosen;
    for (int row = 0; row < m_list->count(); ++row) {
        if (m_list->item(row)->isSelected())
            chosen.append(recurringItemLine(m_list->item(row)));
    }
    return chosen;
}

void CheckMarkListDialog::AllClick()
{
    m_list->selectAll();
}

void CheckMarkListDialog::NoneClick()
{
    m_list->clearSelection();
}

void CheckMarkListDialog::OkClick()
{
    if (m_list->selectedItems().isEmpty()) {
        QApplication::beep();
        return;
    }
    accept();
}

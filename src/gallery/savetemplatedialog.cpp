// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "savetemplatedialog.h"

#include "templates/templates.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

TSaveTemplateDialog::TSaveTemplateDialog(const QString &name, const QStringList &categories, QWidget *parent)
    : QDialog(parent), m_name(new QLineEdit(name, this)), m_category(new QComboBox(this))
{
    setObjectName(QStringLiteral("SaveAsTemplate"));
    setWindowTitle(QStringLiteral("Save as Template"));
    m_name->setObjectName(QStringLiteral("TemplateName"));
    m_category->setObjectName(QStringLiteral("TemplateCategory"));
    m_category->setEditable(true);
    m_category->addItem(Templates::userCategory());
    for (const QString &category : categories) {
        if (category != Templates::userCategory())
            m_category->addItem(category);
    }
    auto *form = new QFormLayout(this);
    form->addRow(QStringLiteral("&Name:"), m_name);
    form->addRow(QStringLiteral("&Category:"), m_category);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    const auto named = [this, buttons] { buttons->button(QDialogButtonBox::Ok)->setEnabled(!m_name->text().trimmed().isEmpty()); };
    connect(m_name, &QLineEdit::textChanged, this, named);
    named();
    form->addRow(buttons);
    setMinimumWidth(380);
}

QString TSaveTemplateDialog::name() const
{
    return m_name->text().trimmed();
}

QString TSaveTemplateDialog::category() const
{
    return m_category->currentText().trimmed();
}

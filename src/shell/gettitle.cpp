// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "gettitle.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TUserTitleForm::TUserTitleForm(QWidget *parent) : QDialog(parent), m_titleText(new QLineEdit(this))
{
    setObjectName(QStringLiteral("UserTitleForm"));
    setWindowTitle(QStringLiteral("User Defined Title"));
    m_titleText->setObjectName(QStringLiteral("TitleText"));
    m_titleText->setMinimumWidth(320);
    auto *label = new QLabel(QStringLiteral("Enter calendar title (leave blank for default):"), this);
    label->setBuddy(m_titleText);
    auto *buttons = new QDialogButtonBox(this);
    QPushButton *ok = buttons->addButton(QStringLiteral("Ok"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_titleText);
    layout->addWidget(buttons);
    m_titleText->setFocus();
}

QString TUserTitleForm::title() const
{
    return m_titleText->text();
}

void TUserTitleForm::setTitle(const QString &title)
{
    m_titleText->setText(title);
    m_titleText->selectAll();
}

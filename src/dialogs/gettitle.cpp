// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "gettitle.h"

#include "widgets/win1252validator.h"

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
    // Titles are stored in calendar files, which hold one byte a character.
    auto *refusal = new QLabel(this);
    refusal->setObjectName(QStringLiteral("RefusalText"));
    refusal->setWordWrap(true);
    refusal->hide();
    auto *validator = new Win1252Validator(m_titleText);
    connect(validator, &Win1252Validator::refused, refusal, [refusal](const QString &text) {
        refusal->setText(text);
        refusal->show();
    });
    m_titleText->setValidator(validator);
    auto *buttons = new QDialogButtonBox(this);
    QPushButton *ok = buttons->addButton(QStringLiteral("Ok"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_titleText);
    layout->addWidget(refusal);
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

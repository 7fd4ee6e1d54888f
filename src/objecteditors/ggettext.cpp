// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ggettext.h"

#include "widgets/helpwindow.h"
#include "widgets/whatsthismenu.h"
#include "widgets/win1252validator.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int LabelTextHelpTopic = 40004;

} // namespace

TGetLabelText::TGetLabelText(QWidget *parent) : QDialog(parent), m_labelText(new QLineEdit(this))
{
    setObjectName(QStringLiteral("GetLabelText"));
    setWindowTitle(QStringLiteral("Text"));
    setWindowFlag(Qt::WindowContextHelpButtonHint);
    resize(356, 133);
    m_labelText->setObjectName(QStringLiteral("LabelText"));
    m_labelText->setWhatsThis(QStringLiteral("The text the label shows, on one line."));
    // Labels are stored in calendar files, which hold one byte a character.
    m_labelText->setValidator(new Win1252Validator(m_labelText));
    auto *label = new QLabel(QStringLiteral("Enter Text"), this);
    label->setBuddy(m_labelText);

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *ok = buttons->addButton(QStringLiteral("Ok"), QDialogButtonBox::AcceptRole);
    QPushButton *cancel = buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    QPushButton *help = buttons->addButton(QStringLiteral("Help"), QDialogButtonBox::HelpRole);
    ok->setDefault(true);
    ok->setWhatsThis(QStringLiteral("Puts the text on the label."));
    help->setWhatsThis(QStringLiteral("Shows help on label text."));
    cancel->setWhatsThis(QStringLiteral("Closes the box and leaves the label as it was."));
    label->setWhatsThis(m_labelText->whatsThis());
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons, &QDialogButtonBox::helpRequested, this,
            [] { ShowHelpTopic(LabelTextHelpTopic); });

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_labelText);
    layout->addStretch();
    layout->addWidget(buttons);
    m_labelText->setFocus();
    WhatsThisMenu::install(this);
}

QString TGetLabelText::text() const
{
    return m_labelText->text();
}

void TGetLabelText::setText(const QString &text)
{
    m_labelText->setText(text);
    m_labelText->selectAll();
}

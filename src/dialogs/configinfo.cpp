// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "configinfo.h"

#include "widgets/dialogs.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

TConfigurationInfo::TConfigurationInfo(const QString &report, QWidget *parent)
    : QDialog(parent), m_memo(new QPlainTextEdit(this))
{
    setObjectName(QStringLiteral("ConfigurationInfo"));
    setWindowTitle(QStringLiteral("Configuration Information"));
    auto *intro = new QLabel(
        QStringLiteral("This is what Orvane knows about itself and your system. When you ask for "
                       "help with a problem, please copy it to the clipboard and paste it into "
                       "your message: it answers most of the questions we would ask first."),
        this);
    intro->setWordWrap(true);
    m_memo->setObjectName(QStringLiteral("ReportMemo"));
    m_memo->setReadOnly(true);
    m_memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    QFont fixed(QStringLiteral("Courier New"));
    fixed.setStyleHint(QFont::TypeWriter);
    fixed.setPointSize(9);
    m_memo->setFont(fixed);
    m_memo->setTabStopDistance(QFontMetricsF(fixed).horizontalAdvance(QLatin1Char(' ')) * 14);
    m_memo->setPlainText(report);
    auto *copy = new QPushButton(QStringLiteral("Copy to Clipboard"), this);
    copy->setObjectName(QStringLiteral("CopyButton"));
    // Return closes the window even after a copy, when the copy button has the focus.
    copy->setAutoDefault(false);
    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setDefault(true);
    connect(copy, &QPushButton::clicked, this, &TConfigurationInfo::copyToClipboard);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(copy);
    buttons->addStretch(1);
    buttons->addWidget(ok);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(m_memo, 1);
    layout->addLayout(buttons);
    resize(620, 520);
}

QString TConfigurationInfo::report() const
{
    return m_memo->toPlainText();
}

void TConfigurationInfo::copyToClipboard()
{
    QGuiApplication::clipboard()->setText(report());
    Dialogs::informationBox(this, QStringLiteral("Information copied to clipboard"));
}

// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QLineEdit;

// Asks for the page's own title; an empty title gives the page its default one.
class TUserTitleForm : public QDialog
{
    Q_OBJECT

public:
    explicit TUserTitleForm(QWidget *parent = nullptr);

    QString title() const;
    void setTitle(const QString &title);
    QLineEdit *TitleText() const { return m_titleText; }

private:
    QLineEdit *m_titleText;
};

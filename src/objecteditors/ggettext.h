// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QLineEdit;

// Asks for the one line of text of a 3D label.
class TGetLabelText : public QDialog
{
    Q_OBJECT

public:
    explicit TGetLabelText(QWidget *parent = nullptr);

    QString text() const;
    void setText(const QString &text);
    QLineEdit *LabelText() const { return m_labelText; }

private:
    QLineEdit *m_labelText;
};

// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QValidator>

// Refuses, as it is typed, any character that calendar files cannot hold (they keep text
// one byte a character), and says which one through refused().
class Win1252Validator : public QValidator
{
    Q_OBJECT
public:
    using QValidator::QValidator;
    State validate(QString &input, int &pos) const override;

    // The explanation shown beside a field that refused a character.
    static QString refusalText(QChar refused);

signals:
    void refused(const QString &explanation) const;
};

// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QString>

class QPlainTextEdit;

// Shows the configuration report, read-only, with a button that copies it for a support
// request.
class TConfigurationInfo : public QDialog
{
    Q_OBJECT

public:
    explicit TConfigurationInfo(const QString &report, QWidget *parent = nullptr);

    QString report() const;

public slots:
    void copyToClipboard();

private:
    QPlainTextEdit *m_memo;
};

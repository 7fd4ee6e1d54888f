// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QStringList>

class QListWidget;
class QPushButton;

// A modal choice of several recurring-date lines: a multiple-selection list drawn with check
// marks, and the buttons "&Ok" (refuses an empty choice with a beep), "&All", "&None" and
// "&Cancel". The holiday picker and the choice of dates to fill a month with derive from it.
class CheckMarkListDialog : public QDialog
{
    Q_OBJECT

public:
    explicit CheckMarkListDialog(const QString &listName, QWidget *parent = nullptr);

    // Replaces the list; lines keep the given order.
    void setLines(const QStringList &lines);
    QStringList lines() const;
    // The chosen lines in displayed order.
    QStringList selectedLines() const;

    QListWidget *list() const { return m_list; }

    void AllClick();
    void NoneClick();
    void OkClick();

private:
    QListWidget *m_list = nullptr;
    QPushButton *m_okButton = nullptr;
    QPushButton *m_allButton = nullptr;
    QPushButton *m_noneButton = nullptr;
    QPushButton *m_cancelButton = nullptr;
};

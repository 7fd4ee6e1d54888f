// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QStringList>

class QListWidget;
class QPushButton;

// The user's list of recurring dates, kept sorted by the whole line without regard to case.
// Every change happens in the list; the file is written only by "Ok", and a failed write keeps
// the dialog open with the user's list.
class TEditRecurringDates : public QDialog
{
    Q_OBJECT

public:
    // Loads the list from filePath; a missing file is an empty list.
    explicit TEditRecurringDates(const QString &filePath, QWidget *parent = nullptr);

    // Why the file could not be loaded; the dialog must not be shown then, or its "Ok" would
    // replace a file it never read.
    QString loadError() const { return m_loadError; }

    QStringList lines() const;
    QListWidget *DatesList() const { return m_datesList; }
    // The row of the selected line, or -1.
    int selectedRow() const;

    void setbuttons();
    void NewClick();
    void EditClick();
    void DoEditRecurringFormula();
    void DeleteClick();
    void HolidaysClick();
    void OkClick();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void createButtons();
    void createLayout();
    // Inserts at its sorted place and returns the row.
    int addLine(const QString &line);
    void selectRow(int row);

    QString m_filePath;
    QString m_loadError;
    QListWidget *m_datesList = nullptr;
    QPushButton *m_okButton = nullptr;
    QPushButton *m_editButton = nullptr;
    QPushButton *m_newButton = nullptr;
    QPushButton *m_deleteButton = nullptr;
    QPushButton *m_holidaysButton = nullptr;
    QPushButton *m_cancelButton = nullptr;
};

// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QDialog>
#include <QList>
#include <QString>

#include <functional>

class QListWidget;
class QPushButton;

// Lists the copies of unsaved changes that programs which did not close normally left
// behind. Restore takes the selected copy; Discard deletes the selected one at once and
// keeps the dialog open for the others; Later keeps them all for another time.
class RecoveryChooser : public QDialog
{
    Q_OBJECT
public:
    struct Entry
    {
        // The document's file name, empty for an untitled one.
        QString documentName;
        QDateTime written;
    };

    RecoveryChooser(const QList<Entry> &entries, std::function<void(int index)> discard,
                    QWidget *parent = nullptr);

    // The index (in the entries as given) of the copy to restore once accepted; -1 otherwise.
    int chosen() const { return m_chosen; }
    QListWidget *list() const { return m_list; }
    QPushButton *restoreButton() const { return m_restore; }
    QPushButton *discardButton() const { return m_discard; }
    QPushButton *laterButton() const { return m_later; }

private:
    int selectedIndex() const;
    void restoreSelected();
    void discardSelected();
    void updateButtons();

    std::function<void(int)> m_discardCopy;
    QListWidget *m_list;
    QPushButton *m_restore;
    QPushButton *m_discard;
    QPushButton *m_later;
    int m_chosen = -1;
};

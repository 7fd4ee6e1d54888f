// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QTreeWidget;
class QTreeWidgetItem;

// The dialog that chooses a file to open where the desktop offers none of its own. Qt's
// own file dialog leaves out files whose names are not UTF-8; this one reads folders by
// the names' bytes, so every file a folder holds can be chosen, and the path it gives back
// is the file's real name (FileBytes::decodeName).
class FileOpenDialog : public QDialog
{
    Q_OBJECT
public:
    // folder may also name a file, which is then proposed; filter is "Description|*.EXT".
    FileOpenDialog(QWidget *parent, const QString &title, const QString &folder,
                   const QString &filter);

    QString folder() const { return m_folder; }
    void setFolder(const QString &folder);
    // A name in the folder shown or a path: a folder is entered, a file is proposed.
    void selectFile(const QString &nameOrPath);
    // The file the name field names (a path in the folder shown); empty when it is empty.
    QString selectedFile() const;
    // What the list shows, for tests: the names as decodeName gives them.
    QStringList listedNames() const;
    void setShowHidden(bool show);

    QTreeWidget *list() const { return m_list; }
    QLineEdit *nameEdit() const { return m_name; }
    QComboBox *typeBox() const { return m_types; }

    void accept() override;

private:
    void buildPlaces();
    void refresh();
    bool matchesType(const QString &name) const;
    void itemChosen(QTreeWidgetItem *item);
    void itemActivated(QTreeWidgetItem *item);
    void goUp();
    void goToTypedFolder();
    QString resolve(const QString &typed) const;

    QString m_folder;
    // The entry picked in the list, kept by its real name: its shown name may have lost
    // the bytes that are not UTF-8.
    QString m_pickedName;
    bool m_showHidden = false;
    QLineEdit *m_path;
    QListWidget *m_places;
    QTreeWidget *m_list;
    QLabel *m_problem;
    QLineEdit *m_name;
    QComboBox *m_types;
};

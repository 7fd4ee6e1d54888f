// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAction>
#include <QObject>
#include <QPointer>
#include <QStringList>

#include <QMenu>

// A menu entry made by TMRUFileList; it carries the entry's number (1-based; 0 for the
// separator in front of the entries).
class TMRUMenuItem : public QAction
{
    Q_OBJECT
public:
    TMRUMenuItem(int number, QObject *parent) : QAction(parent), m_number(number) {}
    int number() const { return m_number; }

private:
    int m_number;
};

// The recently used documents, newest first, shown as numbered entries at the end of the
// File menu and kept in a section of the preferences file.
class TMRUFileList : public QObject
{
    Q_OBJECT
public:
    explicit TMRUFileList(QObject *parent = nullptr);

    int Maximum() const { return m_maximum; }
    void SetMaximum(int maximum);
    bool RemoveOnClick() const { return m_removeOnClick; }
    void SetRemoveOnClick(bool on) { m_removeOnClick = on; }
    bool UseSubmenu() const { return m_useSubmenu; }
    void SetUseSubmenu(bool on);
    const QString &SubmenuName() const { return m_submenuName; }
    void SetSubmenuName(const QString &name);
    QMenu *FileMenu() const { return m_fileMenu; }
    void SetFileMenu(QMenu *menu);
    // The INI file and its section that hold the list.
    void SetAutoSaveName(const QString &path) { m_autoSaveName = path; }
    void SetAutoSaveKey(const QString &section) { m_autoSaveKey = section; }
    // Whether the entries can be clicked (the program disables them while it cannot open
    // documents, so a click never drops an entry for nothing).
    bool EntriesEnabled() const { return m_entriesEnabled; }
    void SetEntriesEnabled(bool enabled);

    const QStringList &files() const { return m_files; }
    void AddFile(const QString &path);
    void LoadList();
    // False when the preferences file could not be written.
    bool SaveList() const;
    void RebuildMenu();
    // What a click on entry 'number' does; public so the shell and tests can drive it.
    void clickEntry(int number);

signals:
    void OnMRUItemClick(const QString &fileName);

private:
    void removeItems();
    void trimToMaximum();

    QStringList m_files;
    int m_maximum = 5;
    bool m_removeOnClick = true;
    bool m_useSubmenu = false;
    bool m_entriesEnabled = true;
    QString m_submenuName = QStringLiteral("Reopen");
    QPointer<QMenu> m_fileMenu;
    QPointer<QMenu> m_submenu;
    QString m_autoSaveName;
    QString m_autoSaveKey;
};

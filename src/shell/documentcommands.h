// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

class QWidget;
class TCalendarPanel32;
class TComponent;
class TMRUFileList;

// The document side of the main window: the open file, its modified flag and the
// commands New, Open, Save, Save As, Cancel Changes and the save question. The window
// gives it the page and a few services; it never shows a dialog but through the
// dialog service.
class DocumentCommands : public QObject
{
    Q_OBJECT
public:
    struct Services {
        QWidget *parent = nullptr;
        TCalendarPanel32 *page = nullptr;
        TMRUFileList *recentFiles = nullptr;
        // The naming scope of drawing objects (the main window's components).
        TComponent *objectOwner = nullptr;
        std::function<void()> commitCellEditor;                          // DoSaveRichtext
        std::function<std::vector<TComponent *>()> drawingObjects;      // back to front
        std::function<void()> deleteAllObjects;
        std::function<void(std::unique_ptr<TComponent>)> adoptObject;   // a drawing object read
        std::function<void()> connectObjects;
        std::function<bool()> runNewCalendarProperties;                  // true when confirmed
        std::function<void()> setButtons;
        std::function<void()> updateIconWindow;
        std::function<void(const QString &caption)> setWindowCaption;
        std::function<void()> saveRecentFiles;
    };

    explicit DocumentCommands(Services services, QObject *parent = nullptr);

    const QString &fileName() const { return m_fileName; }
    bool modified() const { return m_modified; }
    bool opening() const { return m_opening; }
    void SetModified(bool modified);

    void New1Click();
    void Open1Click();
    void mnuSaveClick();
    void mnuSaveAsClick();
    void mnuCancelChangesClick();
    void SavebuttonClick();
    // Returns false when the user cancelled, so the caller must not go on.
    bool CheckSaveNeeded();
    // The window's close query: true when the window may close.
    bool FormCloseQuery();
    // Takes the path by value: callers pass the current file name, which opening clears.
    void OpenCalendarFile(QString path);
    bool SaveCalendarFile(QString path);
    // The first activation: a fresh page, then the most recent document if it still exists.
    void openAtStart();

    QString captionText() const;
    // The name Save As proposes: "Jan1997.OVF" for an untitled January 1997 page.
    QString proposedSaveName() const;
    // Where file dialogs start: the folder of the open document, else the user's documents.
    QString startFolder() const;

signals:
    void modifiedChanged(bool modified);

private:
    void refreshCaption();
    bool saveAs();

    Services m_s;
    QString m_fileName;
    bool m_modified = false;
    bool m_opening = false;
    bool m_untitled = false;
};

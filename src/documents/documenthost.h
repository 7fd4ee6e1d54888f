// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

class QWidget;
class TCalendarPanel32;
class TComponent;
class TMRUFileList;

// What the document commands need of the window that holds the document: its page,
// the document's name and modified state, and the window's own reactions to changes.
class DocumentHost
{
public:
    virtual ~DocumentHost() = default;

    virtual QWidget *dialogParent() = 0;
    virtual TCalendarPanel32 &page() = 0;
    virtual TMRUFileList *recentFiles() = 0;
    virtual void saveRecentFiles() = 0;

    virtual QString documentFileName() const = 0;
    virtual void setDocumentFileName(const QString &path) = 0;
    virtual bool Modified() const = 0;
    virtual void SetModified(bool modified) = 0;
    // While a document is being read, changes do not enable Save.
    virtual void setOpening(bool opening) = 0;
    virtual void setPageShown(bool shown) = 0;
    virtual void SetButtons() = 0;
    virtual void SetCaption() = 0;
    virtual void setWindowCaption(const QString &caption) = 0;
    virtual void updateIconWindow() = 0;
    // Puts the open cell editor's text back into its cell.
    virtual void DoSaveRichtext() = 0;
    // The open cell's text while it is being edited, when it differs from what the cell
    // stores: the recovery copy holds it without closing the editor.
    struct OpenCellText {
        int cell = 0;
        QByteArray rtf;
        friend bool operator==(const OpenCellText &, const OpenCellText &) = default;
    };
    virtual std::optional<OpenCellText> openCellText() const { return std::nullopt; }
    // The properties dialog for a new calendar; true when confirmed.
    virtual bool runNewCalendarProperties() = 0;

};

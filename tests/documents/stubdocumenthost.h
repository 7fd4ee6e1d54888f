// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "page/calpanel32.h"
#include "documents/documenthost.h"

// A document window reduced to its page, file name and modified flag; tests override what
// they watch.
struct StubDocumentHost : DocumentHost {
    QWidget *dialogParent() override { return nullptr; }
    TCalendarPanel32 &page() override { return calendar; }
    TMRUFileList *recentFiles() override { return nullptr; }
    void saveRecentFiles() override {}
    QString documentFileName() const override { return fileName; }
    void setDocumentFileName(const QString &path) override { fileName = path; }
    bool Modified() const override { return modified; }
    void SetModified(bool on) override { modified = on; }
    void setOpening(bool) override {}
    void setPageShown(bool) override {}
    void SetButtons() override {}
    void SetCaption() override {}
    void setWindowCaption(const QString &) override {}
    void updateIconWindow() override {}
    void DoSaveRichtext() override {}
    bool runNewCalendarProperties() override { return false; }

    TCalendarPanel32 calendar;
    QString fileName;
    bool modified = false;
};

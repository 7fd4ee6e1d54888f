// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QTemporaryDir>

#include "fakedialogs.h"
#include "core/apppaths.h"
#include "core/inifile.h"
#include "shell/camain.h"

#include <memory>

// Every test gets its own user folder, so OV.INI starts empty unless the test writes it.
class MainWindowFixture : public ::testing::Test
{
protected:
    void SetUp() override { AppPaths::setUserFolderOverride(m_userFolder.path()); }
    void TearDown() override
    {
        m_window.reset();
        AppPaths::setUserFolderOverride(QString());
    }

    TCalendarMain &window()
    {
        if (!m_window)
            m_window = std::make_unique<TCalendarMain>();
        return *m_window;
    }
    QAction *action(const char *name) { return window().findChild<QAction *>(QLatin1String(name)); }
    IniFile ini() const { return IniFile(TCalendarMain::iniPath()); }

    // Every command of other modules connected to something harmless.
    static TCalendarMainHooks allHooks()
    {
        TCalendarMainHooks h;
        const auto nothing = [] {};
        h.New1Click = h.Open1Click = h.mnuSaveClick = h.mnuSaveAsClick = nothing;
        h.mnuSaveAsBitmapClick = h.mnuSaveAsJPGClick = h.mnuCancelChangesClick = nothing;
        h.mnuClearAllCellContentsClick = h.DefaultEditorFont1Click = nothing;
        h.mnuFillCalendarwithRecurringDatesClick = h.mnuPrintCalendarClick = nothing;
        h.mnuFillCalendarwithHolidaysClick = nothing;
        h.mnuPrintSetupClick = nothing;
        h.runPropertiesDialog = [](TCalendarPanel32 &, const PropertiesRequest &) { return false; };
        h.openDocument = [](const QString &) {};
        return h;
    }

    ScopedFakeDialogs m_dialogs;

private:
    QTemporaryDir m_userFolder;
    std::unique_ptr<TCalendarMain> m_window;
};

// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "mainwindowfixture.h"

#include "cells/cellediting.h"
#include "richedit/twprichtext.h"
#include "page/calpanel32.h"
#include "richtext/rtfreader.h"
#include "shell/cellwiring.h"

#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

// The real main window with cell editing connected, showing a month page on the
// offscreen platform with its cell rectangles computed.
class CellEditingFixture : public MainWindowFixture
{
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        m_editing = connectCellEditing(window());
        TCalendarPanel32 &page = window().CalendarPanel();
        page.SetCalendarLayout(loFullCalendar);
        // March 2027 starts on a Monday.
        page.SetMainCalMonth(3);
        page.SetMainCalYear(2027);
        window().setPageShown(true);
        window().show();
        window().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
        page.UpdateCellTable();
    }

    TCalendarPanel32 &page() { return window().CalendarPanel(); }
    TWPRichText &editor() { return m_editing->editor(); }
    CellEditing &editing() { return *m_editing; }
    int cellOfDay(int day) { return page().CellOfDay(day); }

    void openDay(int day) { page().OpenCell(cellOfDay(day)); }
    void leaveCell() { window().hooks().DoSaveRichtext(); }

    QByteArray storedRtf(int cell) { return page().GetCellRtfText(cell, TWPRtfStorage()).rtf(); }
    QString storedText(int cell)
    {
        QTextDocument text;
        RtfReader::read(storedRtf(cell), text);
        return text.toPlainText();
    }
    // The character format of the stored text at a position.
    QTextCharFormat storedFormat(int cell, int position)
    {
        QTextDocument text;
        RtfReader::read(storedRtf(cell), text);
        QTextCursor cursor(&text);
        cursor.setPosition(position + 1);
        return cursor.charFormat();
    }

private:
    CellEditing *m_editing = nullptr;
};

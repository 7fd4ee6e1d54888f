// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class CellEditing;
class TCalendarMain;

// Connects cell text editing to the main window: the cell editor over the page with its
// formatting tool bar, Tab between cells, committing before page changes, and the
// commands "Clear All Cell Contents" and "Default Editor Font". The editing object is a
// child of the window; the returned pointer stays valid as long as the window.
CellEditing *connectCellEditing(TCalendarMain &window);

// The question "Clear All Cell Contents" asks before it empties every cell.
extern const char *const kClearAllCellsQuestion;

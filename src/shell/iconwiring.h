// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class CellEditing;
class TCalendarMain;
class TFloatingPalette;

// Creates the floating icons window for the main window and connects it: its placement
// (position only) and library in the preferences, the Show/Hide Icon Tool button, and
// icons dropped onto the day cells and into the open cell editor. The window is a child of
// the main window; the returned pointer stays valid as long as the main window.
TFloatingPalette *connectIconPalette(TCalendarMain &window, CellEditing &editing);

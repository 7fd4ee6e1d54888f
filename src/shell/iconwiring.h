// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

class CellEditing;
class TCalendarMain;
class TFloatingPalette;

// Connects the floating icons window to the main window: its placement (position only) and
// library in the preferences, the Show/Hide Icon Tool button, and icons dropped onto the day
// cells and into the open cell editor. The window is made when it is first needed, which at
// start is once the main window shows its document. The returned function gives the icons
// window, made if need be; it is a child of the main window and lives as long as it.
std::function<TFloatingPalette &()> connectIconPalette(TCalendarMain &window, CellEditing &editing);

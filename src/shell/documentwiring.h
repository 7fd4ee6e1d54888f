// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class TCalendarMain;

// Connects the document commands (New, Open, Save, Save As, Cancel Changes, the save
// question, recent files), printing and image export, filling cells from recurring
// dates, and the Calendar Properties dialog
// to the main window. The objects made live as long as the window.
void connectDocuments(TCalendarMain &window);

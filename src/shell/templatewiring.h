// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class DocumentCommands;
class TCalendarMain;

// Connects templates to the main window: File's "New from Template..." and "Save as
// Template...", and the gallery that a start with nothing to open shows.
void connectTemplates(TCalendarMain &window, DocumentCommands &documents);

// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class DocumentCommands;
class DocumentHost;
class ProjectSession;
class TCalendarMain;

// Connects calendar projects to the main window: File's "New Calendar Project..." and
// "Open Calendar Project...", the Project menu, the strip of pages beside the page, and
// Save, Previous/Next Month, New, Open and closing while a project is open. The objects
// made live as long as the window.
ProjectSession *connectProjects(TCalendarMain &window, DocumentCommands &documents, DocumentHost &host);

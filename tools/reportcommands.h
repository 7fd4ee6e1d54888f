// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

struct RenderOptions;
class PageModel;

// The renderer's report modes; each returns the process exit status.
int runRecurringReport(const RenderOptions &options);
int runDump(const RenderOptions &options);
// Writes the page (and the months after it) to the --out file.
int runOutput(const RenderOptions &options, PageModel &page);

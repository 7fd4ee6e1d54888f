// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

struct RenderOptions;

// The renderer's report modes; each returns the process exit status.
int runRecurringReport(const RenderOptions &options);
int runDump(const RenderOptions &options);

// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

struct RenderOptions;
class PageModel;

// --new-project FILE: makes a calendar project with the page as its design; returns the
// exit status.
int runNewProject(const RenderOptions &options, const PageModel &design);
// --project FILE: writes the project's pages (--out) and lists them (--geometry); returns
// the exit status.
int runProject(const RenderOptions &options);

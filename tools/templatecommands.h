// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

struct RenderOptions;
class PageModel;

// --templates: the templates as JSON (name, category, file, origin); returns the exit status.
int runTemplates();
// --template NAME: the page starts as a new calendar from the template, at --month/--year
// or next month; false after a message when there is no such template or it cannot be read.
bool startFromTemplate(const RenderOptions &options, PageModel &page);

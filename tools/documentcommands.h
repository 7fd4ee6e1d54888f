// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class PageModel;
struct RenderOptions;

// The exit status of a run whose document was read only in part: whatever could be read
// was used, and what was left out is named on standard error.
constexpr int kExitReadInPart = 3;

// Reads the document and style sheet the options name into the page; false (after
// printing the program's message) when one cannot be read. readInPart is set when the
// document was read with damage (after a message naming what was left out).
bool loadRenderInputs(const RenderOptions &options, PageModel &page, bool &readInPart);
// Writes the page as the document or style sheet --save names: 0 when written or not asked
// for, else the exit status after a message. A document read only in part is never saved
// over its own file (kExitReadInPart).
int saveRenderOutput(const RenderOptions &options, PageModel &page, bool inputReadInPart);

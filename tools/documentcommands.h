// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class TCalendarPanel32;
struct RenderOptions;

// Reads the document and style sheet the options name into the page; false (after
// printing the program's message) when one cannot be read.
bool loadRenderInputs(const RenderOptions &options, TCalendarPanel32 &page);
// Writes the page as the document or style sheet --save names; false after a message.
bool saveRenderOutput(const RenderOptions &options, TCalendarPanel32 &page);

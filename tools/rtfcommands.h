// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

struct RenderOptions;

// --rtf FILE: prints its paragraphs and runs (--runs), draws it as a cell or label would
// (--out with --width and --height), or writes it back through our writer (--save-rtf).
int runRichText(const RenderOptions &options);

// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

struct RenderOptions;

// --picture FILE: describes the picture (--info) or draws it on white into --out.
int runPicture(const RenderOptions &options);

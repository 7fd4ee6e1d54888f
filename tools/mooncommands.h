// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

struct RenderOptions;

// --moon --year Y: prints the moon's principal phases of the year as JSON ({phase, utc} in
// time order, utc as 2024-01-11T11:57:22Z); returns the exit status.
int runMoon(const RenderOptions &options);

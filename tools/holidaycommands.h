// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

struct RenderOptions;

// --holidays-of CC[-RR] --year Y: prints the holidays of the country or region in the year
// as JSON ({date, name, localName, type} by date); returns the exit status.
int runHolidaysOf(const RenderOptions &options);

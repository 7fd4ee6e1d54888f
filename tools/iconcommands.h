// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

struct RenderOptions;

// --icons FILE: prints the icons of an icon library as JSON (count, and each icon's size at
// the desktop icon size).
int runIconList(const RenderOptions &options);
// --icon FILE N --out OUT.png: writes icon N of the library, with its transparency; --size
// chooses the entry for another size than the desktop's.
int runIcon(const RenderOptions &options);

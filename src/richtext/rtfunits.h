// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

// Rich texts are laid out by QTextDocument without a paint device, so their lengths are
// pixels at the resolution Qt lays such documents out at; RTF measures in twips.
namespace RtfUnits {

inline constexpr int TwipsPerInch = 1440;

int layoutDpi();
qreal twipsToPixels(int twips);
int pixelsToTwips(qreal pixels);

} // namespace RtfUnits

// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QStringList>

// The decorative borders shipped in data/Borders. A border is drawn in a frame of logical
// units, 1000 to the inch, the size of a Letter page's margin box (7.5 x 10 inches
// portrait, 10 x 7.5 landscape); the page stretches it into its own margin box. The
// decoration keeps to the outer 0.4 inch, since the calendar starts 0.47 inch inside.
namespace Borders {

constexpr int UnitsPerInch = 1000;
constexpr int PortraitWidth = 7500;
constexpr int PortraitHeight = 10000;

QStringList names();
// The metafile of a border in a frame of width x height units; empty for an unknown name.
QByteArray make(const QString &name, int width, int height);

} // namespace Borders

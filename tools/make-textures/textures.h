// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QStringList>

// The shipped texture tiles for special-effects text. Each is a 256-colour picture whose
// left edge continues its right edge and whose top continues its bottom, so tiles laid side
// by side show no seams. Only integer arithmetic, +, -, *, / and sqrt go into a pixel, so
// every build writes the same bytes.
namespace Textures {

constexpr int Side = 128;

// The texture names, which are also the file names without ".bmp".
QStringList names();
// The texture of that name, Side x Side, 8 bits a pixel; null for an unknown name.
QImage make(const QString &name);
// How far a tile is from seamless: the mean colour step across the wrap-around edges
// divided by the mean step between neighbouring pixels inside (about 1 for a good tile).
double seamRatio(const QImage &tile);

} // namespace Textures

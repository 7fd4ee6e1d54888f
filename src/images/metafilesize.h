// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "metafile/metafilepicture.h"

#include <QByteArray>
#include <QSize>

// Metafile sizes are given in pixels at this resolution.
inline constexpr int MetafilePixelsPerInch = 96;

// The picture's size in pixels: from the placeable header's frame and units per inch, from
// an enhanced metafile's frame (hundredths of a millimetre), or, for a plain Windows
// metafile, from the window extent its records set (one unit a pixel). Empty when unknown.
QSize metafilePixelSize(const MetafilePicture &metafile);

// The Windows metafile with a placeable header in front: its own when it has one, otherwise
// a new one whose frame is the picture's size at 2540 units an inch. Enhanced metafiles
// come back as they are.
QByteArray placeableMetafileBytes(const MetafilePicture &metafile);

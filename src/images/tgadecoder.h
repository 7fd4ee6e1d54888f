// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "images/imageresult.h"

class DecodeBudget;

// Decodes a TGA picture: 8-bit indexes into a colour map of 15-, 16-, 24- or 32-bit
// entries, true colour of 15, 16, 24 or 32 bits, or 8-bit greyscale, each stored plainly or
// run-length encoded, rows bottom-up or top-down and right-to-left or not, with or without
// the footer of version 2.
//
// 32-bit colours keep their alpha unless the extension area says it holds none; 16-bit ones
// only when the descriptor or the extension area declares the attribute bit as alpha. A
// picture whose alpha is zero everywhere is taken as opaque. The result is
// QImage::Format_RGB32, or Format_ARGB32 with alpha. The budget, when given, is charged the
// picture's size before it is allocated. Damaged or truncated data gives an error naming the
// reason, never a partial picture.
ImageResult decodeTga(const QByteArray &bytes, DecodeBudget *budget = nullptr);

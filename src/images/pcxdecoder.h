// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "images/imageresult.h"

// Decodes a PCX picture: 1-bit black and white, 16 colours in four bit planes, 256 colours
// with the palette at the end, and 24-bit colour in three planes, run-length encoded or
// not. The result is always a plain RGB image (QImage::Format_RGB32); damaged or truncated
// data gives an error, never a partial picture.
ImageResult decodePcx(const QByteArray &bytes);

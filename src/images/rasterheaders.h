// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "images/imageresult.h"

// Our own reading of the picture size that WebP and TIFF files declare, checked before Qt's
// image plugins (libwebp, libtiff) see the file: the structure that leads to the size must
// lie inside the file, and the size must be at most MaxPictureSide each way. The reasons are
// in words for a message ("the TIFF file is cut short").

// A RIFF "WEBP" file with a lossy ("VP8 "), lossless ("VP8L") or extended ("VP8X") first
// chunk.
SizeResult webpDeclaredSize(const QByteArray &bytes);

// A classic TIFF file (either byte order) whose first image directory gives the width and
// length. BigTIFF files are refused.
SizeResult tiffDeclaredSize(const QByteArray &bytes);

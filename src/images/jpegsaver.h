// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "images/imageresult.h"

// Exported pictures are JPEG files at this quality.
inline constexpr int JpegSaveQuality = 80;

// Writes image as a JPEG file at JpegSaveQuality. The file is written beside the target
// under a temporary name and renamed over it only when every byte is written, so a failed
// save leaves the old file (or none) and no temporary file behind.
ImageStatus saveJpeg(const QImage &image, const QString &path);

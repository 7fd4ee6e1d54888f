// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "images/imageresult.h"

// Decodes a BMP file (every depth, RLE4 and RLE8, bottom-up and top-down) after checking its
// headers: the picture's size against MaxPictureSide, the depth and compression, and, for
// uncompressed pictures, that every scan line is there. A picture with a palette becomes a
// plain RGB image. 16-bit and bit-field pixels have every channel scaled to the full range:
// a channel's largest value gives 255.
// With a valid scaledTo smaller than the picture, the result has that size (the aspect is
// not kept): pictures drawn small never stay in memory at their full size.
ImageResult decodeBmp(const QByteArray &bytes, QSize scaledTo = {});
// The checks of decodeBmp() without decoding: the size the file declares, or the reason it
// cannot be read (the same words as decodeBmp()).
SizeResult checkBmp(const QByteArray &bytes);

// A device-independent bitmap without the file header (as .DIB files may hold it) gets one,
// so it reads as a BMP file; bytes that already start "BM" come back unchanged.
QByteArray withBmpFileHeader(const QByteArray &bytes);

// The image as a BMP file: bottom-up, BI_RGB, 24 bits a pixel, 32 with the alpha channel
// when the image has one, or 8 with its palette for an 8-bit indexed image; no resolution,
// so equal images give equal bytes. A null image gives an empty array.
QByteArray writeBmp(const QImage &image);

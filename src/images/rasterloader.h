// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "images/imageresult.h"
#include "images/picturefile.h"

class DecodeBudget;

// The most Qt's image readers may allocate for one picture, in megabytes (QImageReader's
// allocation limit): a picture of MaxPictureSide each way at four bytes a pixel. Our own
// checks of the declared size come first; the limit stops a reader whose file made it
// allocate more than it declared.
inline constexpr int ReaderAllocationLimitMB = int((qint64(MaxPictureSide) * MaxPictureSide * 4) >> 20) + 1;
// Sets Qt's limit to ReaderAllocationLimitMB unless setReaderAllocationLimit() set another;
// every reader of ours that hands bytes to Qt's readers calls it first.
void applyReaderAllocationLimit();
// Sets Qt's limit to megabytes for good (the fuzzers keep it small).
void setReaderAllocationLimit(int megabytes);

// Decodes bytes with Qt's reader for format ("jpeg", "gif", "bmp", "ico", "png"), checking
// the picture's size before it is allocated. Pictures with a palette, or in any other
// layout, come back as plain RGB (QImage::Format_RGB32, or Format_ARGB32 with alpha).
// A valid scaledTo smaller than the picture gives the picture at that size. The budget, when
// given, is charged the picture's full size before it is decoded. Running out of memory is a
// failure like any other.
ImageResult decodeWithReader(const QByteArray &bytes, const char *format, QSize scaledTo = {},
                             DecodeBudget *budget = nullptr);

// The size a picture of format declares, after the checks decodeWithReader() makes before
// decoding (its size against MaxPictureSide), without decoding it; or why it cannot be read,
// in decodeWithReader()'s words.
SizeResult checkWithReader(const QByteArray &bytes, const char *format);

// Whether a raster file of this kind is a JPEG file, so read with Qt's JPEG reader: by its
// extension, or by its content for a file of a kind not told by its extension.
bool isJpegFile(const QByteArray &bytes, PictureKind kind);

// The first picture of an icon file, after checking the icon directory.
ImageResult decodeIcon(const QByteArray &bytes, DecodeBudget *budget = nullptr);

// Decodes a raster picture of the given kind (the kind decides the decoder, not the bytes).
// WebP and TIFF files have their declared size checked by our own reading of their headers
// (rasterheaders.h) before Qt's plugins read them; they are charged to DecodeBudget::current().
ImageResult decodeRaster(const QByteArray &bytes, PictureKind kind);

// Reads and decodes a raster picture file by its extension (see pictureKind()).
ImageResult loadRasterFile(const QString &path);

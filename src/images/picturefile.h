// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "images/imageresult.h"

#include <QString>

// The raster kinds read by the image codecs, told apart by the file name's extension alone.
// The numbers are stable: callers compare and store them.
enum class PictureKind {
    Other = 0,
    Jpg = 1,
    Gif = 2,
    Jif = 3,
    Bmp = 4,
    Dib = 5,
    Rle = 6,
    Tga = 7,
    Pcx = 8,
    Webp = 9,
    Tiff = 10, // .TIF and .TIFF
};

// The kind of a picture file from the text after the last dot of its file name, compared
// without regard to case; a name without a dot, or with another extension, is Other.
PictureKind pictureKind(const QString &path);
// The upper-cased text after the last dot of the file name ("" without one).
QString pictureExtension(const QString &path);

// Reads a whole picture file. Only regular files are read (a FIFO, device or folder is
// refused without opening it for long), and at most maxBytes of them. Messages name the
// file as what it was read for ("a picture file", "an icon library", ...).
BytesResult readPictureFile(const QString &path, qint64 maxBytes = MaxPictureFileBytes,
                            const QString &what = QStringLiteral("a picture file"));

// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "images/imageresult.h"

#include <QByteArrayView>
#include <QList>
#include <QSize>

// One image of an icon as an icon directory lists it, with its bytes: a device-independent
// bitmap of doubled height (colours, then the AND mask) or a whole PNG file. data is a view
// into the file being read and lives only as long as those bytes.
struct IconEntry
{
    int width = 0;      // pixels; the directory's 0 means 256
    int height = 0;
    int colorCount = 0; // the directory's colour count, 0 for 256 colours or more
    int bitCount = 0;   // the directory's bits per pixel, 0 when not given
    QByteArrayView data;
};

// Icons larger than this are refused (the directory format itself stops at 256).
inline constexpr int MaxIconSide = 1024;

// Bits per pixel of the entry: from its bitmap header or PNG signature when they can be read,
// else from the directory. Used to prefer the entry with the most colours.
int iconEntryDepth(const IconEntry &entry);

// The entry to show at the desired size: the exact size with the most colours, else the
// nearest larger size, else the largest. -1 for an empty list.
qsizetype chooseIconEntry(const QList<IconEntry> &entries, QSize desired);

// Decodes one icon image (bitmap with AND mask, or PNG) into Format_ARGB32. Pixels the mask
// marks are transparent; a 32-bit bitmap with any alpha uses its alpha instead of the mask.
ImageResult decodeIconImage(QByteArrayView data);

// The entries of a .ico (or .cur) file whose bytes lie inside the file; empty when the
// bytes are not an icon file.
QList<IconEntry> readIconFileEntries(QByteArrayView file);
// Whether the bytes start like a .ico or .cur file (reserved 0, type 1 or 2).
bool looksLikeIconFile(QByteArrayView file);

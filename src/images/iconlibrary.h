// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "images/imageresult.h"

#include <QImage>
#include <QSize>
#include <QString>

// Icons of icon files and icon libraries: .ico files (one icon per file), 16-bit NE modules
// (.icl libraries, old .dll and .exe) and 32/64-bit PE modules (.dll, .exe). An icon is
// numbered from 0 in the order the platform's icon extraction gives them: the icon groups
// in resource-directory order, named groups before numbered ones. Of each icon the entry
// that best fits the desktop's icon size is taken. A damaged file gives fewer icons or
// none, never a failure of the program.
namespace IconLibrary {

// The icon size the entries are chosen for (the desktop's, 32 x 32 unless told).
QSize desktopIconSize();

// How many icons the file holds; 0 for a file that is not an icon file or cannot be read.
int iconCount(const QString &path);
// Icon index of the file (0-based), as a 32-bit image with transparency; a null image when
// there is no such icon.
QImage icon(const QString &path, int index);

// The same for a file already in memory (tests, fuzzing, and readers that read once).
int iconCountOfBytes(const QByteArray &bytes);
QImage iconOfBytes(const QByteArray &bytes, int index, QSize desired = desktopIconSize());

} // namespace IconLibrary

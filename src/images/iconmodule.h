// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "images/iconimage.h"

#include <QByteArrayView>
#include <QHash>
#include <QList>

// The icon resources of an executable module (a 16-bit NE or a 32/64-bit PE file, which is
// also what .icl icon libraries are). All views point into the module's bytes.
struct IconResources
{
    // The icon group directories, in the order icons are numbered.
    QList<QByteArrayView> groups;
    // The icon images by resource id; the first of equal ids wins.
    QHash<quint16, QByteArrayView> images;
};

// Where a module's new-style header starts (the MZ header's e_lfanew), or -1 when the bytes
// do not start with an MZ header that points inside the file.
qint64 moduleHeaderOffset(QByteArrayView file);

// The icon resources of a 16-bit module whose "NE" header starts at headerOffset, in the
// order of its resource table. Damage ends the reading early: what was read is kept.
IconResources readNeIconResources(QByteArrayView file, qint64 headerOffset);
// The same for a 32/64-bit module whose "PE\0\0" signature starts at headerOffset, in the
// order of its resource directory: named groups first, sorted by name without regard to
// case, then numbered groups by ascending id.
IconResources readPeIconResources(QByteArrayView file, qint64 headerOffset);

// The entries of one icon group directory whose images are among the module's resources.
QList<IconEntry> iconGroupEntries(QByteArrayView directory, const IconResources &resources);

// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>

// One icon of a library: its images, each written as a 32-bit bitmap with alpha and an AND
// mask (for readers that ignore the alpha).
struct LibraryIcon
{
    QList<QImage> images;
};

// A 16-bit NE module holding the icons as resources (an .icl icon library): a DOS stub, the
// NE header and its tables, one icon group per icon with ids counting from 1, and the
// images. moduleName goes into the resident-name table, description into the non-resident
// one. Empty when the icons do not fit the format's limits.
QByteArray writeIconLibrary(const QList<LibraryIcon> &icons, const QString &moduleName,
                            const QString &description);

// The bitmap of one icon image as icon resources store it: header, bottom-up BGRA rows,
// then the AND mask, set where the image is less than half opaque.
QByteArray iconBitmap(const QImage &image);

// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>

class QMimeData;

// What an icon dragged out of an icon list carries: the picture as image data, for any
// target, and a private type naming the file and index, by which the day cells know that
// the drag comes from an icon list.
namespace IconDrag {

QString mimeType();
// The caller owns the result (QDrag takes it).
QMimeData *createMimeData(const QImage &icon, const QString &file, int index);
bool isIconDrag(const QMimeData *data);
// The dragged picture; null when the data is no icon drag or holds no picture.
QImage picture(const QMimeData *data);

} // namespace IconDrag

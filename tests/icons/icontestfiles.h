// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "icons/iconlistmodel.h"

#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QString>

namespace IconTestFiles {

// A real one-icon file of a single colour, written by Qt's icon writer.
inline bool writeIco(const QString &path, QColor color, int size = 32)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(color);
    QImageWriter writer(path, "ico");
    return writer.write(image);
}

// A file that the fake reader below takes for a library of 'count' icons.
inline bool writeFakeLibrary(const QString &path, int count)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(QByteArray::number(count)) > 0;
}

// Reads the fake libraries: the count is the file's text, icon n is a 32 x 32 picture whose
// red component is n, so tests can tell the icons apart.
inline IconListModel::Reader fakeReader()
{
    IconListModel::Reader reader;
    reader.count = [](const QString &path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll().trimmed().toInt() : 0;
    };
    reader.icon = [](const QString &, int index) {
        QImage image(32, 32, QImage::Format_ARGB32);
        image.fill(QColor(index % 256, 40, 200));
        return image;
    };
    return reader;
}

} // namespace IconTestFiles

// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// JPEG files that behave like photos: a colour gradient under grain, so they neither compress
// to nothing nor decode to one colour. The left half is reddish and the right half bluish, so
// a mirrored or misplaced drawing shows.

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageWriter>
#include <QRandomGenerator>

namespace PhotoFiles {

inline QImage photoImage(QSize size, quint32 seed = 1)
{
    QImage image(size, QImage::Format_RGB32);
    QRandomGenerator noise(seed);
    for (int y = 0; y < size.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            const int grain = int(noise.bounded(48)) - 24;
            const bool left = x < size.width() / 2;
            const int shade = 60 + 120 * y / size.height();
            line[x] = qRgb(qBound(0, (left ? 200 : 40) + grain, 255), qBound(0, shade + grain, 255),
                           qBound(0, (left ? 40 : 200) + grain, 255));
        }
    }
    return image;
}

inline QByteArray photoJpeg(QSize size, int quality = 85, quint32 seed = 1)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(quality);
    writer.write(photoImage(size, seed));
    return bytes;
}

} // namespace PhotoFiles

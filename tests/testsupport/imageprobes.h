// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Reading back what was painted into an image.

#include <QImage>
#include <QRect>

namespace ImageProbes {

// The smallest rectangle holding every pixel that is not pure white; antialiased edges
// count as ink.
inline QRect inkRect(const QImage &image)
{
    QRect ink;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != qRgb(255, 255, 255))
                ink |= QRect(x, y, 1, 1);
        }
    }
    return ink;
}

} // namespace ImageProbes

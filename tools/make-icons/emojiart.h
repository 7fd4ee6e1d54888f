// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>

#include <optional>

// Draws emoji of the Noto Color Emoji font as icon images.
class EmojiArt
{
public:
    // Fails (isValid() false) when the font is not installed.
    EmojiArt();

    bool isValid() const { return m_valid; }
    // The emoji text drawn large, cropped to its visible pixels (premultiplied ARGB), or
    // nothing when the font lacks one of its characters or draws nothing.
    std::optional<QImage> draw(const QString &text) const;
    // The cropped drawing scaled down smoothly to fit size x size with a margin, centred.
    static QImage icon(const QImage &drawing, int size);

private:
    bool m_valid = false;
};

// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "emojiart.h"

#include <QFontDatabase>
#include <QPainter>
#include <QRawFont>

namespace {

const QString FontFamily = QStringLiteral("Noto Color Emoji");
// The font's colour bitmaps have one strike of this size; drawing at it keeps them sharp
// before the smooth reduction to icon size.
constexpr int DrawingPixels = 109;
constexpr int Canvas = 160;

QFont emojiFont()
{
    QFont font(FontFamily);
    font.setPixelSize(DrawingPixels);
    // A character the font lacks must not be drawn from another font behind our back.
    font.setStyleStrategy(QFont::NoFontMerging);
    return font;
}

// Selectors and joiners have no glyph of their own.
bool needsGlyph(char32_t character)
{
    return character != 0xFE0F && character != 0x200D;
}

} // namespace

EmojiArt::EmojiArt()
{
    m_valid = QFontDatabase::families().contains(FontFamily);
}

std::optional<QImage> EmojiArt::draw(const QString &text) const
{
    const QFont font = emojiFont();
    const QRawFont raw = QRawFont::fromFont(font);
    for (char32_t character : text.toUcs4()) {
        if (needsGlyph(character) && !raw.supportsCharacter(character))
            return std::nullopt;
    }
    QImage canvas(Canvas, Canvas, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    {
        QPainter painter(&canvas);
        painter.setFont(font);
        painter.drawText(canvas.rect(), Qt::AlignCenter, text);
    }
    QRect visible;
    for (int y = 0; y < canvas.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(canvas.constScanLine(y));
        for (int x = 0; x < canvas.width(); ++x) {
            if (qAlpha(line[x]) != 0)
                visible |= QRect(x, y, 1, 1);
        }
    }
    if (visible.isEmpty())
        return std::nullopt;
    return canvas.copy(visible);
}

QImage EmojiArt::icon(const QImage &drawing, int size)
{
    // A pixel of margin at 32 keeps neighbouring icons apart in the palette; at 16 every
    // pixel counts.
    const int room = size >= 32 ? size - 2 : size;
    const QImage scaled = drawing.scaled(room, room, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    {
        QPainter painter(&icon);
        painter.drawImage((size - scaled.width()) / 2, (size - scaled.height()) / 2, scaled);
    }
    return icon.convertToFormat(QImage::Format_ARGB32);
}

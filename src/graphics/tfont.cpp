// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tfont.h"

#include <cmath>

TFont::TFont(const QString &name, int pointSize, Styles style, TColor color)
    : m_name(name), m_size(pointSize), m_style(style), m_color(color)
{
}

void TFont::setSize(int points)
{
    m_size = points;
    m_pixelHeight = 0;
}

void TFont::setPixelHeight(int pixels)
{
    m_pixelHeight = pixels;
    m_size = 0;
}

int TFont::height(int ppi) const
{
    if (isPixelHeight())
        return -m_pixelHeight;
    // Rounded half away from zero, as the stored heights were computed.
    const double pixels = m_size * static_cast<double>(ppi > 0 ? ppi : 96) / 72.0;
    return -static_cast<int>(std::lround(pixels));
}

void TFont::setHeight(int height)
{
    // Far beyond any real font; keeps damaged values from overflowing or searching long.
    constexpr int Largest = 1 << 20;
    if (height < 0) {
        setPixelHeight(static_cast<int>(qMin<qint64>(-static_cast<qint64>(height), Largest)));
        return;
    }
    if (height == 0) {
        // 0 asks the platform for its default size.
        setSize(8);
        return;
    }
    const int cell = qMin(height, Largest);
    int em = qMax(1, static_cast<int>(cell * 2048.0 / 2268.0));
    while (em > 1 && lineHeight(em) > cell)
        --em;
    while (lineHeight(em + 1) <= cell)
        ++em;
    setPixelHeight(em);
}

int TFont::pointSizeAt(int ppi) const
{
    if (!isPixelHeight() || ppi <= 0)
        return m_size;
    return static_cast<int>(std::lround(m_pixelHeight * 72.0 / ppi));
}

int TFont::pixelSizeAt(int ppi) const
{
    if (isPixelHeight())
        return m_pixelHeight;
    return static_cast<int>(std::lround(m_size * static_cast<double>(ppi) / 72.0));
}

TFont TFont::zoomed(float zoom, int ppi) const
{
    TFont result = *this;
    result.setSize(static_cast<int>(std::trunc(pointSizeAt(ppi) * static_cast<double>(zoom))));
    return result;
}

int TFont::lineHeight(int pixelSize)
{
    // Ascent and descent of the default serif face in font units of a 2048 em,
    // each rounded separately as the font engine does.
    constexpr double ascent = 1825.0 / 2048.0;
    constexpr double descent = 443.0 / 2048.0;
    if (pixelSize <= 0)
        return 0;
    return static_cast<int>(std::lround(pixelSize * ascent) + std::lround(pixelSize * descent));
}

QFont TFont::toQFont(int ppi) const
{
    QFont font(m_name);
    if (isPixelHeight())
        font.setPixelSize(qMax(1, m_pixelHeight));
    else if (ppi > 0)
        font.setPixelSize(qMax(1, pixelSizeAt(ppi)));
    font.setBold(m_style.testFlag(Style::Bold));
    font.setItalic(m_style.testFlag(Style::Italic));
    font.setUnderline(m_style.testFlag(Style::Underline));
    font.setStrikeOut(m_style.testFlag(Style::StrikeOut));
    return font;
}

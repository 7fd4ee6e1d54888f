// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "graphics/tcolor.h"

#include <QFlags>
#include <QFont>
#include <QString>

// A font description as pages and objects keep it. The size is either in points or, where
// a stored value says so, a height in pixels; only one of the two is set at a time.
class TFont
{
public:
    // The pitch documents store with an object's font; drawing ignores it.
    enum class Pitch { Default, Variable, Fixed };
    enum class Style { Bold = 1, Italic = 2, Underline = 4, StrikeOut = 8 };
    Q_DECLARE_FLAGS(Styles, Style)

    TFont() = default;
    TFont(const QString &name, int pointSize, Styles style = {}, TColor color = Colors::clBlack);

    QString name() const { return m_name; }
    void setName(const QString &name) { m_name = name; }
    // Points; 0 when the font was given as a pixel height.
    int size() const { return m_size; }
    void setSize(int points);
    // Pixels; 0 when the font was given in points.
    int pixelHeight() const { return m_pixelHeight; }
    void setPixelHeight(int pixels);
    bool isPixelHeight() const { return m_pixelHeight != 0; }
    // The height as object records store it: negative for a character (em) height in
    // pixels at a resolution, positive for a cell height including internal leading.
    int height(int ppi) const;
    // Takes a stored height; a cell height is turned into the em height that gives it.
    void setHeight(int height);
    Pitch pitch() const { return m_pitch; }
    void setPitch(Pitch pitch) { m_pitch = pitch; }
    Styles style() const { return m_style; }
    void setStyle(Styles style) { m_style = style; }
    bool bold() const { return m_style.testFlag(Style::Bold); }
    TColor color() const { return m_color; }
    void setColor(TColor color) { m_color = color; }

    // The size in points at a resolution, converting a pixel height with rounding.
    int pointSizeAt(int ppi) const;
    // The em height in pixels at a resolution: points x PPI / 72, rounded as the font
    // system rounds it. It depends only on the requested size, never on installed fonts.
    int pixelSizeAt(int ppi) const;
    // The same font with its point size multiplied by zoom and truncated.
    TFont zoomed(float zoom, int ppi) const;
    // The height of one line of text (ascent plus descent) for an em height in pixels.
    // Measured with the proportions of the page's default serif face so that layouts
    // do not move when a requested font is missing.
    static int lineHeight(int pixelSize);

    // A QFont for drawing at the given resolution.
    QFont toQFont(int ppi) const;

    friend bool operator==(const TFont &, const TFont &) = default;

private:
    QString m_name;
    int m_size = 0;
    int m_pixelHeight = 0;
    Styles m_style;
    Pitch m_pitch = Pitch::Default;
    TColor m_color = Colors::clBlack;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(TFont::Styles)

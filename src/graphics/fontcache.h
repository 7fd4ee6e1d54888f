// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "graphics/tfont.h"

#include <QFont>
#include <QFontMetrics>
#include <QGlyphRun>
#include <QHash>
#include <QList>
#include <QRect>
#include <QStaticText>
#include <QString>

// A resolved font with its metrics and the widths of strings measured so far. Looking a
// font up and laying text out are the dearest parts of painting a page, and a page uses
// a handful of fonts for hundreds of short, repeating strings.
class CachedFont
{
public:
    explicit CachedFont(const QFont &font);

    const QFont &font() const { return m_font; }
    const QFontMetrics &metrics() const { return m_metrics; }
    int ascent() const { return m_ascent; }
    // Ascent plus descent.
    int height() const { return m_height; }
    int leading() const { return m_leading; }
    int width(const QString &text) const;
    // The pixels text inks relative to its start on the baseline.
    QRect inkBounds(const QString &text) const;
    // The text laid out once for drawing again and again at its top-left corner: a
    // static text for images, glyph runs for every other device (vector devices lay a
    // static text out anew at each use).
    const QStaticText &staticText(const QString &text) const;
    const QList<QGlyphRun> &glyphRuns(const QString &text) const;

private:
    struct Measures
    {
        int width = 0;
        QRect ink;
        bool hasInk = false;
        QStaticText laidOut;
        bool hasLayout = false;
        QList<QGlyphRun> runs;
        bool hasRuns = false;
    };
    Measures &measures(const QString &text) const;

    QFont m_font;
    QFontMetrics m_metrics;
    int m_ascent = 0;
    int m_height = 0;
    int m_leading = 0;
    mutable QHash<QString, Measures> m_measures;
    // The last string looked up: aligned text asks for its width, ink and layout in turn.
    mutable QString m_lastText;
    mutable Measures *m_last = nullptr;
};

// Fonts by name, pixel size and style, shared by every canvas of the GUI thread.
namespace FontCache {

// The font at an em height in pixels; the returned object lives as long as the program.
const CachedFont &font(const QString &name, int pixelSize, TFont::Styles style);
// The font of a description at a resolution (points x PPI / 72, or its pixel height).
const CachedFont &font(const TFont &font, int ppi);
// Forgets every font, for example after the font substitutes changed. No canvas may be
// alive: canvases keep pointers to the fonts they use.
void clear();

} // namespace FontCache

// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "fontcache.h"

#include <QTextLayout>

#include <memory>
#include <unordered_map>

namespace {

// Strings measured once per font; past this many the table starts again so a long run of
// changing titles cannot grow it without bound.
constexpr qsizetype MaxCachedWidths = 4096;

struct FontKey
{
    QString name;
    int pixelSize;
    int style;
    friend bool operator==(const FontKey &, const FontKey &) = default;
};

struct FontKeyHash
{
    size_t operator()(const FontKey &key) const
    {
        return qHashMulti(0, key.name, key.pixelSize, key.style);
    }
};

using FontTable = std::unordered_map<FontKey, std::unique_ptr<CachedFont>, FontKeyHash>;

FontTable &table()
{
    static FontTable fonts;
    return fonts;
}

} // namespace

CachedFont::CachedFont(const QFont &font)
    : m_font(font), m_metrics(font), m_ascent(m_metrics.ascent()), m_height(m_metrics.height()),
      m_leading(m_metrics.leading())
{
}

CachedFont::Measures &CachedFont::measures(const QString &text) const
{
    // The same string object again costs no hashing; the pointer stays valid until the
    // next insertion, which replaces it.
    if (m_last && m_lastText.isSharedWith(text))
        return *m_last;
    auto found = m_measures.find(text);
    if (found == m_measures.end()) {
        if (m_measures.size() >= MaxCachedWidths)
            m_measures.clear();
        Measures fresh;
        fresh.width = m_metrics.horizontalAdvance(text);
        found = m_measures.insert(text, fresh);
    }
    m_lastText = text;
    m_last = &*found;
    return *found;
}

int CachedFont::width(const QString &text) const
{
    return measures(text).width;
}

QRect CachedFont::inkBounds(const QString &text) const
{
    Measures &m = measures(text);
    if (!m.hasInk) {
        m.ink = m_metrics.tightBoundingRect(text);
        m.hasInk = true;
    }
    return m.ink;
}

const QStaticText &CachedFont::staticText(const QString &text) const
{
    Measures &m = measures(text);
    if (!m.hasLayout) {
        m.laidOut.setText(text);
        m.laidOut.setTextFormat(Qt::PlainText);
        m.laidOut.prepare(QTransform(), m_font);
        m.hasLayout = true;
    }
    return m.laidOut;
}

const QList<QGlyphRun> &CachedFont::glyphRuns(const QString &text) const
{
    Measures &m = measures(text);
    if (!m.hasRuns) {
        QTextLayout layout(text, m_font);
        layout.beginLayout();
        QTextLine line = layout.createLine();
        line.setPosition(QPointF(0, 0));
        layout.endLayout();
        m.runs = layout.glyphRuns();
        m.hasRuns = true;
    }
    return m.runs;
}

namespace FontCache {

const CachedFont &font(const QString &name, int pixelSize, TFont::Styles style)
{
    FontKey key{name, qMax(1, pixelSize), int(style.toInt())};
    FontTable &fonts = table();
    auto found = fonts.find(key);
    if (found == fonts.end()) {
        TFont description(name, 0, style);
        description.setPixelHeight(key.pixelSize);
        found = fonts.emplace(key, std::make_unique<CachedFont>(description.toQFont(0))).first;
    }
    return *found->second;
}

const CachedFont &font(const TFont &description, int ppi)
{
    return font(description.name(), description.pixelSizeAt(ppi), description.style());
}

void clear()
{
    table().clear();
}

} // namespace FontCache

// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tcolor.h"

#include <QGuiApplication>
#include <QPalette>

namespace Colors {

namespace {

QPalette::ColorRole roleOfSystemColor(int index)
{
    switch (index) {
    case 1: case 5: case 24: return QPalette::Base;
    case 2: case 13: return QPalette::Highlight;
    case 7: case 8: case 9: case 23: return QPalette::WindowText;
    case 14: return QPalette::HighlightedText;
    case 16: return QPalette::Mid;
    case 17: return QPalette::PlaceholderText;
    case 18: return QPalette::ButtonText;
    case 20: return QPalette::Light;
    case 21: return QPalette::Shadow;
    case 22: return QPalette::Midlight;
    default: return QPalette::Button;
    }
}

} // namespace

QColor toQColor(TColor color)
{
    if (color == clNone)
        return QColor(Qt::transparent);
    if (isSystemColor(color)) {
        const QPalette palette = qGuiApp ? QGuiApplication::palette() : QPalette();
        return palette.color(roleOfSystemColor(static_cast<int>(color & 0xFF)));
    }
    const auto value = static_cast<quint32>(color);
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

TColor fromQColor(const QColor &color)
{
    const QColor rgb = color.toRgb();
    return static_cast<TColor>(quint32(rgb.red()) | (quint32(rgb.green()) << 8)
                               | (quint32(rgb.blue()) << 16));
}

} // namespace Colors

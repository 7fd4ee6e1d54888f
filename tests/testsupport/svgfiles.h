// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// SVG drawings for tests: two halves of known colours and a stripe one unit wide, so a
// mirrored, misplaced or rasterised drawing shows.

#include <QByteArray>
#include <QColor>

namespace SvgFiles {

inline const QColor kLeft(208, 0, 0);
inline const QColor kRight(0, 0, 208);

// An <svg> element with the attributes given around content, after an XML declaration.
inline QByteArray drawing(const QByteArray &attributes, const QByteArray &content)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:xlink=\"http://www.w3.org/1999/xlink\" "
           + attributes + ">\n" + content + "\n</svg>\n";
}

// 200 x 100 units: the left half kLeft, the right half kRight, and a black stripe from x = 49.5
// to 50.5 over the left half.
inline QByteArray halves(const QByteArray &attributes = "width=\"200\" height=\"100\" viewBox=\"0 0 200 100\"")
{
    return drawing(attributes,
                   "  <rect x=\"0\" y=\"0\" width=\"100\" height=\"100\" fill=\"#d00000\"/>\n"
                   "  <path d=\"M100 0 H200 V100 H100 Z\" fill=\"#0000d0\"/>\n"
                   "  <rect x=\"49.5\" y=\"0\" width=\"1\" height=\"100\" fill=\"#000000\"/>");
}

// A small drawing of one colour, name written into it as a comment so files differ.
inline QByteArray plain(const QColor &colour, const QByteArray &name = "plain")
{
    return drawing("width=\"40\" height=\"40\"",
                   "  <!-- " + name + " -->\n  <circle cx=\"20\" cy=\"20\" r=\"18\" fill=\"" + colour.name().toLatin1()
                       + "\"/>");
}

} // namespace SvgFiles

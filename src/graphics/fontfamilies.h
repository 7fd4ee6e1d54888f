// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Documents name the font families of the system they were made on ("Arial", "Times New
// Roman", "Calibri"). Where such a family is not installed, the fonts system's own rules
// (fontconfig's aliases, which Qt's font database follows) draw it with another, usually a
// metric-compatible one (Liberation Sans, Liberation Serif, Carlito); the stored name is kept.
namespace FontFamilies {

// The installed family text in this family is drawn with: the family itself when it is
// installed, else the one the fonts system puts in its place. Needs a QGuiApplication.
QString drawnWith(const QString &family);
// "Arial (drawn with Liberation Sans)", or the family alone when it is installed.
QString describe(const QString &family);

} // namespace FontFamilies

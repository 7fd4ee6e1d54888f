// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Enumerations of the freeform objects. Documents store the value names, so the names and
// their order are fixed.

enum TAlignment : int { taLeftJustify, taRightJustify, taCenter };

enum TBorderStyle : int { bsNone, bsSingle };

// Where a label's highlight copy lies ("hdright" is spelled as documents store it).
enum THighlightDirection : int { hdNone, hdright, hdLeft, hdUpRight, hdUpLeft, hdUp };

// Where a label's shadow copy lies.
enum TShadowDirection : int { sdNone, sdRight, sdLeft, sdDownRight, sdDownLeft, sdDown };

// The mini month calendar object's border strokes, with the meanings of the page's
// TCalBorderStyle (same order).
enum TFlatCalBorderStyle : int { fcbNone, fcbAll, fcbTop, fcbBottom, fcbTopBottom };

// Day-name shortening, as the page's TCalHeadersStyle (same order).
enum TFlatCalHeadersStyle : int { fdsFirstChar, fdsThreeChars, fdsWhole };

enum TFlatShadowPosition : int { fcpLowerRight, fcpLowerLeft, fcpUpperRight, fcpUpperLeft };

enum TFlatCalLanguage : int { fclEnglish, fclGerman, fclFrench, fclItalian, fclSpanish };

// 1 = Sunday, 2 = Monday.
using TFCDayOfWeek = int;

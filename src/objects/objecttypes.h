// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Enumerations of the freeform objects. Documents store the value names, so the names and
// their order are fixed.

enum TAlignment { taLeftJustify, taRightJustify, taCenter };

enum TBorderStyle { bsNone, bsSingle };

// Where a label's highlight copy lies ("hdright" is spelled as documents store it).
enum THighlightDirection { hdNone, hdright, hdLeft, hdUpRight, hdUpLeft, hdUp };

// Where a label's shadow copy lies.
enum TShadowDirection { sdNone, sdRight, sdLeft, sdDownRight, sdDownLeft, sdDown };

// The mini month calendar object's border strokes, with the meanings of the page's
// TCalBorderStyle (same order).
enum TFlatCalBorderStyle { fcbNone, fcbAll, fcbTop, fcbBottom, fcbTopBottom };

// Day-name shortening, as the page's TCalHeadersStyle (same order).
enum TFlatCalHeadersStyle { fdsFirstChar, fdsThreeChars, fdsWhole };

enum TFlatShadowPosition { fcpLowerRight, fcpLowerLeft, fcpUpperRight, fcpUpperLeft };

enum TFlatCalLanguage { fclEnglish, fclGerman, fclFrench, fclItalian, fclSpanish };

// 1 = Sunday, 2 = Monday.
using TFCDayOfWeek = int;

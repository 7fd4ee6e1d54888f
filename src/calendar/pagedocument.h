// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calendar/documentoptions.h"
#include "calendar/pagesettings.h"
#include "richtext/rtfstorage.h"

#include <array>

// Everything a calendar document or style sheet keeps of the page, as a value that the
// files are read into and written from without a page widget.
struct PageDocument {
    PageSettings settings;
    MonthBorders mainBorders;
    MonthBorders miniBorders{cbAll, cbBottom, cbNone};
    TCalendarNumberPosition numberPosition = cnpUpperRight;
    std::array<TWPRtfStorage, CellCount> cells;
    // Font heights are written in pixels at this resolution.
    int pixelsPerInch = 96;
    // Written after the file's last list, and only when there are any.
    DocumentOptions options;
};

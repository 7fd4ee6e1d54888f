// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QJsonObject>

class PageModel;

// The page's layout results and the cell table of its last paint as one JSON object;
// rectangles are [left, top, right, bottom].
QJsonObject pageGeometryJson(const PageModel &page);

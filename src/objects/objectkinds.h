// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calendar/pagetypes.h"

#include <QDate>
#include <QString>

#include <memory>

class TFont;
class TGFlatCalendar;
class TGGraphicControl;
class TGPLabel;
class TGSuperText;

// New objects as the page's drawing tools make them, menu built and ready to be placed at
// the dragged rectangle. After placing a label the page opens its text dialog (EditNew).

// Caption "Enter text...", the page's font at 20 points, opaque with a border.
std::unique_ptr<TGPLabel> createToolLabel(const TFont &pageFont);
// The month and year of today, every other property at its initial value.
std::unique_ptr<TGFlatCalendar> createToolFlatCalendar(const QDate &today);
// The tool's SuperText: opaque, white, framed. After placing it the page sets those three
// again and opens its properties dialog.
std::unique_ptr<TGSuperText> createToolSuperText();

// The object for a drawing tool of this library (every tool but the pointer); null for the
// pointer and for tools whose objects live elsewhere.
std::unique_ptr<TGGraphicControl> createObjectForTool(TLPanelState tool, const TFont &pageFont,
                                                      const QDate &today);

// An empty object of a stored class name ("TGPLabel", "TGSuperText", "TGFlatCalendar",
// "TGImage", "TGPRichBaseLabel") for a reader to fill;
// null for a class this library does not know.
std::unique_ptr<TGGraphicControl> createObjectOfClass(const QString &className);

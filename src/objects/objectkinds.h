// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calendar/calendarnames.h"
#include "graphics/tfont.h"

#include <QDate>
#include <QIcon>
#include <QString>

#include <memory>
#include <optional>
#include <span>

class QPainter;
class TGFlatCalendar;
class TGGraphicControl;
class TGPLabel;
class TGSuperText;

// What a drawing tool's new object takes from the page it is drawn on.
struct ToolPage
{
    // Labels start in the page's font.
    TFont font;
    // A floating calendar shows this date's month: the page's.
    QDate date;
    // 1 = Sunday, 2 = Monday.
    int startOfWeek = 1;
    // The page's language when it is one of the built-in ones; a floating calendar takes it.
    std::optional<CalendarLanguage> language = std::nullopt;
};

// One kind of freeform object: the class documents name it by, how it is made, and the
// drawing tool that places it. The libraries above keep their own part of a kind in tables
// keyed by its class name: the stored properties (storage) and the dialogs (objecteditors);
// their tests check that every kind has its rows.
struct ObjectKind
{
    // The class name documents store ("TGPLabel"); the object's className().
    const char *className;
    // The drawing tool: its button's object name, its hint (lines broken at "\r") and its
    // picture on the 24 x 24 grid of ToolPictures.
    const char *toolName;
    const char *toolHint;
    void (*drawToolPicture)(QPainter &painter);
    // An empty object for a reader to fill, every property at its first value, no menu yet.
    std::unique_ptr<TGGraphicControl> (*create)();
    // The tool's new object, menu built and ready to be placed at the dragged rectangle;
    // once placed, the page runs its PlacedWithTool.
    std::unique_ptr<TGGraphicControl> (*createForTool)(const ToolPage &page);
};

namespace ObjectKinds {

// Every kind, in the order of their tools on the tool bar.
std::span<const ObjectKind> all();
// The kind whose class name is exactly className; null for any other name.
const ObjectKind *find(const QString &className);
// The drawing tool's picture at the tool bar's sizes.
QIcon toolIcon(const ObjectKind &kind);

} // namespace ObjectKinds

// An empty object of a stored class name for a reader to fill; null for a class that is
// not a registered kind.
std::unique_ptr<TGGraphicControl> createObjectOfClass(const QString &className);

// The tools' objects of the kinds that tests and the program also make directly.
// Caption "Enter text...", the page's font at 20 points, opaque with a border. After placing
// it the page opens its text dialog (EditNew).
std::unique_ptr<TGPLabel> createToolLabel(const TFont &pageFont);
// The month and year of today, every other property at its initial value.
std::unique_ptr<TGFlatCalendar> createToolFlatCalendar(const QDate &today);
// The page's month, year and week start, and its language when it is one the calendar has.
std::unique_ptr<TGFlatCalendar> createToolFlatCalendar(const ToolPage &page);
// Opaque, white, framed. After placing it the page sets those three again and opens its
// properties dialog.
std::unique_ptr<TGSuperText> createToolSuperText();

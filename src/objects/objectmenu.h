// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>
#include <vector>

// One entry of an object's popup menu, kept as data so that the object library needs no
// widgets; the widget layer turns the list into a menu each time it opens.
struct ObjectMenuEntry
{
    QString caption;
    bool separator = false;
    bool checkable = false;
    bool checked = false;
    bool enabled = true;
    std::vector<ObjectMenuEntry> submenu;
    // Empty for separators and submenu parents. An action may destroy the object (Cut,
    // Delete), so the menu must not be used after running one.
    std::function<void()> action;

    static ObjectMenuEntry makeSeparator();
    static ObjectMenuEntry makeAction(const QString &caption, std::function<void()> action);
    static ObjectMenuEntry makeCheck(const QString &caption, std::function<void()> action);
    static ObjectMenuEntry makeSubmenu(const QString &caption,
                                       std::vector<ObjectMenuEntry> entries);
};

using ObjectMenu = std::vector<ObjectMenuEntry>;

// The first entry with that caption, searched depth first through the submenus.
ObjectMenuEntry *findMenuEntry(ObjectMenu &menu, const QString &caption);
const ObjectMenuEntry *findMenuEntry(const ObjectMenu &menu, const QString &caption);

// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "objectmenu.h"

ObjectMenuEntry ObjectMenuEntry::makeSeparator()
{
    ObjectMenuEntry entry;
    entry.separator = true;
    return entry;
}

ObjectMenuEntry ObjectMenuEntry::makeAction(const QString &caption, std::function<void()> action)
{
    ObjectMenuEntry entry;
    entry.caption = caption;
    entry.action = std::move(action);
    return entry;
}

ObjectMenuEntry ObjectMenuEntry::makeCheck(const QString &caption, std::function<void()> action)
{
    ObjectMenuEntry entry = makeAction(caption, std::move(action));
    entry.checkable = true;
    return entry;
}

ObjectMenuEntry ObjectMenuEntry::makeSubmenu(const QString &caption,
                                             std::vector<ObjectMenuEntry> entries)
{
    ObjectMenuEntry entry;
    entry.caption = caption;
    entry.submenu = std::move(entries);
    return entry;
}

const ObjectMenuEntry *findMenuEntry(const ObjectMenu &menu, const QString &caption)
{
    for (const ObjectMenuEntry &entry : menu) {
        if (!entry.separator && entry.caption == caption)
            return &entry;
        if (const ObjectMenuEntry *found = findMenuEntry(entry.submenu, caption))
            return found;
    }
    return nullptr;
}

ObjectMenuEntry *findMenuEntry(ObjectMenu &menu, const QString &caption)
{
    return const_cast<ObjectMenuEntry *>(findMenuEntry(std::as_const(menu), caption));
}

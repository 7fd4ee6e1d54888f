// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "metafile/wmfstate.h"

#include <optional>
#include <set>
#include <variant>
#include <vector>

// An object the player keeps only for its slot: a damaged region, say.
struct WmfPlaceholder
{
};

using WmfObject = std::variant<WmfPlaceholder, WmfPen, WmfBrush, WmfFont, WmfPalette, WmfRegion>;

// The metafile's object table ([MS-WMF] 3.1.4.1): every new object takes the lowest free
// index, and a deleted object's index is free again. Records refer to objects by index;
// an index out of range or of a deleted object refers to nothing.
class WmfObjectTable
{
public:
    explicit WmfObjectTable(int capacity) : m_capacity(capacity) {}

    // Empties the table, reserving room for the number of objects the header announces.
    void clear(int expected);
    // The object's index, or -1 when the table is full and the object is dropped.
    int add(WmfObject object);
    const WmfObject *at(int index) const;
    bool remove(int index);

private:
    std::vector<std::optional<WmfObject>> m_slots;
    std::set<int> m_free;
    int m_capacity;
};

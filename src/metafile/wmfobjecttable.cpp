// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wmfobjecttable.h"

#include <algorithm>

void WmfObjectTable::clear(int expected)
{
    m_slots.clear();
    m_free.clear();
    m_slots.reserve(size_t(std::clamp(expected, 0, m_capacity)));
}

int WmfObjectTable::add(WmfObject object)
{
    int index;
    if (!m_free.empty()) {
        index = *m_free.begin();
        m_free.erase(m_free.begin());
    } else if (int(m_slots.size()) < m_capacity) {
        index = int(m_slots.size());
        m_slots.emplace_back();
    } else {
        return -1;
    }
    m_slots[size_t(index)] = std::move(object);
    return index;
}

const WmfObject *WmfObjectTable::at(int index) const
{
    if (index < 0 || index >= int(m_slots.size()) || !m_slots[size_t(index)])
        return nullptr;
    return &*m_slots[size_t(index)];
}

bool WmfObjectTable::remove(int index)
{
    if (!at(index))
        return false;
    m_slots[size_t(index)].reset();
    m_free.insert(index);
    return true;
}

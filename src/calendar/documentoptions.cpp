// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "documentoptions.h"

#include <algorithm>
#include <climits>

bool DocumentOptions::contains(const QString &name) const
{
    return std::any_of(m_entries.cbegin(), m_entries.cend(),
                       [&name](const Entry &entry) { return entry.first == name; });
}

QVariant DocumentOptions::value(const QString &name, const QVariant &fallback) const
{
    for (const Entry &entry : m_entries) {
        if (entry.first == name)
            return entry.second;
    }
    return fallback;
}

void DocumentOptions::setValue(const QString &name, const QVariant &value)
{
    if (!value.isValid()) {
        remove(name);
        return;
    }
    QVariant stored = value;
    switch (value.typeId()) {
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::QString:
    case QMetaType::QByteArray: break;
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        stored = value.toLongLong() >= INT_MIN && value.toLongLong() <= INT_MAX
                     ? QVariant(value.toInt())
                     : QVariant(value.toString());
        break;
    default: stored = QVariant(value.toString()); break;
    }
    for (Entry &entry : m_entries) {
        if (entry.first == name) {
            entry.second = stored;
            return;
        }
    }
    m_entries.append({name, stored});
}

void DocumentOptions::remove(const QString &name)
{
    m_entries.removeIf([&name](const Entry &entry) { return entry.first == name; });
}

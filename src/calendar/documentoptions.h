// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QVariant>

#include <utility>

// Options of Orvane's own that a document or style sheet carries beyond the page settings
// every reader knows, as named values (text, whole numbers, yes/no, bytes). Names this version
// does not know are kept, so a document read and saved again keeps a newer version's options.
class DocumentOptions
{
public:
    using Entry = std::pair<QString, QVariant>;

    bool isEmpty() const { return m_entries.isEmpty(); }
    bool contains(const QString &name) const;
    QVariant value(const QString &name, const QVariant &fallback = {}) const;
    // A value of another type than text, whole number, yes/no or bytes is stored as text; an
    // invalid value removes the name.
    void setValue(const QString &name, const QVariant &value);
    void remove(const QString &name);
    void clear() { m_entries.clear(); }
    // In the order the names were first set or read.
    const QList<Entry> &entries() const { return m_entries; }

    bool operator==(const DocumentOptions &other) const { return m_entries == other.m_entries; }

private:
    QList<Entry> m_entries;
};

// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "typeinfo.h"

#include "streamerror.h"

#include <QHash>

std::optional<int> EnumType::ordinalOf(const QString &valueName) const
{
    for (int i = 0; i < values.size(); ++i) {
        if (values[i].compare(valueName, Qt::CaseInsensitive) == 0)
            return i;
    }
    return std::nullopt;
}

const EnumType &booleanType()
{
    static const EnumType type{QStringLiteral("Boolean"),
                               {QStringLiteral("False"), QStringLiteral("True")}};
    return type;
}

std::optional<QString> IdentTable::nameOf(qint32 value) const
{
    for (const Entry &e : entries) {
        if (e.value == value)
            return QString::fromLatin1(e.name);
    }
    return std::nullopt;
}

std::optional<qint32> IdentTable::valueOf(const QString &name) const
{
    for (const Entry &e : entries) {
        if (name.compare(QLatin1String(e.name), Qt::CaseInsensitive) == 0)
            return e.value;
    }
    return std::nullopt;
}

const IdentTable &colorIdents()
{
    static const IdentTable table = [] {
        IdentTable t{{{"clBlack", 0x000000},    {"clMaroon", 0x000080}, {"clGreen", 0x008000},
                      {"clOlive", 0x008080},    {"clNavy", 0x800000},   {"clPurple", 0x800080},
                      {"clTeal", 0x808000},     {"clGray", 0x808080},   {"clSilver", 0xC0C0C0},
                      {"clRed", 0x0000FF},      {"clLime", 0x00FF00},   {"clYellow", 0x00FFFF},
                      {"clBlue", 0xFF0000},     {"clFuchsia", 0xFF00FF}, {"clAqua", 0xFFFF00},
                      {"clWhite", 0xFFFFFF},    {"clNone", 0x1FFFFFFF}}};
        static const char *const system[] = {
            "clScrollBar",   "clBackground",  "clActiveCaption", "clInactiveCaption",
            "clMenu",        "clWindow",      "clWindowFrame",   "clMenuText",
            "clWindowText",  "clCaptionText", "clActiveBorder",  "clInactiveBorder",
            "clAppWorkSpace", "clHighlight",  "clHighlightText", "clBtnFace",
            "clBtnShadow",   "clGrayText",    "clBtnText",       "clInactiveCaptionText",
            "clBtnHighlight", "cl3DDkShadow", "cl3DLight",       "clInfoText",
            "clInfoBk"};
        for (int i = 0; i < 25; ++i)
            t.entries.push_back({system[i], qint32(0x80000000u + unsigned(i))});
        return t;
    }();
    return table;
}

const IdentTable &cursorIdents()
{
    static const IdentTable table{{{"crDefault", 0},      {"crArrow", -2},     {"crCross", -3},
                                   {"crIBeam", -4},       {"crSizeNESW", -6},  {"crSizeNS", -7},
                                   {"crSizeNWSE", -8},    {"crSizeWE", -9},    {"crUpArrow", -10},
                                   {"crHourGlass", -11},  {"crDrag", -12},     {"crNoDrop", -13},
                                   {"crHSplit", -14},     {"crVSplit", -15},   {"crMultiDrag", -16},
                                   {"crSQLWait", -17},    {"crNo", -18},       {"crAppStart", -19},
                                   {"crHelp", -20},       {"crSize", -5}}};
    return table;
}

bool PropertyInfo::writable() const
{
    switch (kind) {
    case PropertyKind::Float: return bool(setFloat);
    case PropertyKind::String:
    case PropertyKind::Method: return bool(setString);
    case PropertyKind::Class: return heldObject || bool(setObject);
    default: return bool(setOrdinal);
    }
}

TClassInfo::TClassInfo(QString name, const TClassInfo *parent, std::vector<PropertyInfo> own,
                       Factory factory)
    : m_name(std::move(name)), m_parent(parent), m_factory(std::move(factory))
{
    if (m_parent)
        m_properties = m_parent->properties();
    for (PropertyInfo &p : own) {
        auto same = std::find_if(m_properties.begin(), m_properties.end(), [&](const PropertyInfo &q) {
            return q.name.compare(p.name, Qt::CaseInsensitive) == 0;
        });
        if (same != m_properties.end())
            *same = std::move(p);
        else
            m_properties.push_back(std::move(p));
    }
}

const PropertyInfo *TClassInfo::findProperty(const QString &name) const
{
    for (const PropertyInfo &p : m_properties) {
        if (p.name.compare(name, Qt::CaseInsensitive) == 0)
            return &p;
    }
    return nullptr;
}

bool TClassInfo::inheritsFrom(const TClassInfo &other) const
{
    for (const TClassInfo *c = this; c; c = c->parent()) {
        if (c == &other)
            return true;
    }
    return false;
}

namespace {

QHash<QString, const TClassInfo *> &registry()
{
    static QHash<QString, const TClassInfo *> classes;
    return classes;
}

} // namespace

namespace ClassRegistry {

void registerClass(const TClassInfo &info)
{
    const QString key = info.name().toLower();
    const auto existing = registry().constFind(key);
    if (existing != registry().constEnd()) {
        if (*existing == &info)
            return;
        throw StreamError(StreamMessages::duplicateClass(info.name()));
    }
    registry().insert(key, &info);
}

const TClassInfo *find(const QString &name)
{
    return registry().value(name.toLower(), nullptr);
}

void unregisterClass(const QString &name)
{
    registry().remove(name.toLower());
}

} // namespace ClassRegistry

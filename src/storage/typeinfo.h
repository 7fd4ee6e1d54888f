// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <limits>
#include <memory>
#include <optional>
#include <vector>

class TPersistent;
class TComponent;

// The value names of an enumeration, by ordinal ("taLeftJustify", "taRightJustify" ...).
// Booleans are the enumeration {"False", "True"}.
struct EnumType {
    QString name;
    QStringList values;

    // Ordinal of a name compared without regard to case, or nullopt.
    std::optional<int> ordinalOf(const QString &valueName) const;
};

const EnumType &booleanType();

// Names for some values of an integer type (colours, cursors). Values with a name are
// written as identifiers, all others as integers.
struct IdentTable {
    struct Entry {
        const char *name;
        qint32 value;
    };
    std::vector<Entry> entries;

    std::optional<QString> nameOf(qint32 value) const;
    std::optional<qint32> valueOf(const QString &name) const;
};

const IdentTable &colorIdents();
const IdentTable &cursorIdents();

enum class PropertyKind { Integer, Char, Enumeration, Float, String, Set, Class, Method };

// Marks an ordinal property declared without a default: it is written unless it holds
// exactly this value.
constexpr qint64 kNoDefault = std::numeric_limits<qint32>::min();

// One published property of a streamable class. Getters and setters take the object as
// the class's own type through the helpers in TClassInfo; a property without a setter is
// read-only and never written.
struct PropertyInfo {
    QString name;
    PropertyKind kind = PropertyKind::Integer;
    const EnumType *enumType = nullptr; // enumerations and the element type of sets
    const IdentTable *idents = nullptr; // integers with named values
    qint64 defaultValue = kNoDefault;   // ordinal kinds only
    std::function<bool(const TPersistent &)> stored; // empty: always stored

    std::function<qint64(const TPersistent &)> getOrdinal; // integer, char, enum, set (bits)
    std::function<void(TPersistent &, qint64)> setOrdinal;
    std::function<double(const TPersistent &)> getFloat;
    std::function<void(TPersistent &, double)> setFloat;
    std::function<QString(const TPersistent &)> getString; // strings, and method names
    std::function<void(TPersistent &, const QString &)> setString;
    // Object-valued properties: a held object (font, collection) or a component reference.
    std::function<TPersistent *(const TPersistent &)> getObject;
    std::function<void(TPersistent &, TPersistent *)> setObject;
    bool heldObject = false; // the getter returns an object the holder owns; it is writable

    bool writable() const;
};

// The published interface of a streamable class: its properties in declaration order
// after its ancestor's, the names of its published methods (event handlers), the classes
// of its published fields, and how to create an instance.
class TClassInfo
{
public:
    using Factory = std::function<std::unique_ptr<TComponent>(TComponent *owner)>;

    TClassInfo(QString name, const TClassInfo *parent, std::vector<PropertyInfo> own,
               Factory factory = {});

    const QString &name() const { return m_name; }
    const TClassInfo *parent() const { return m_parent; }
    // Ancestors' properties first; a redeclared property keeps its ancestor's place.
    const std::vector<PropertyInfo> &properties() const { return m_properties; }
    const PropertyInfo *findProperty(const QString &name) const;
    bool inheritsFrom(const TClassInfo &other) const;

    QStringList publishedMethods;
    std::vector<const TClassInfo *> fieldClasses;
    const Factory &factory() const { return m_factory; }

private:
    QString m_name;
    const TClassInfo *m_parent;
    std::vector<PropertyInfo> m_properties;
    Factory m_factory;
};

// Classes the program registered by name, for reading records whose class is not among
// the root's field classes.
namespace ClassRegistry {

// Throws StreamError "A class named %s already exists" for a second, different class.
void registerClass(const TClassInfo &info);
const TClassInfo *find(const QString &name);
void unregisterClass(const QString &name);

} // namespace ClassRegistry

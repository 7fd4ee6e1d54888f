// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "typeinfo.h"

#include <QString>

#include <memory>
#include <vector>

class TFiler;

// An object whose published properties can be written to and read from the value stream.
class TPersistent
{
public:
    virtual ~TPersistent() = default;
    virtual const TClassInfo &classInfo() const = 0;
    // Declares properties that are not published (binary blocks and the like).
    virtual void DefineProperties(TFiler &filer);
};

// An ordered list of items filled in place when read.
class TCollection : public TPersistent
{
public:
    virtual int count() const = 0;
    virtual TPersistent *item(int index) = 0;
    // Appends a new item and returns it.
    virtual TPersistent *add() = 0;
};

// A named object with an owner (its naming scope) and an ordered list of children (what is
// streamed after its properties). The owner does not own the memory: the parent, or
// whoever holds the unique_ptr, does. A component removes itself from its owner's list
// when destroyed.
class TComponent : public TPersistent
{
public:
    explicit TComponent(TComponent *owner = nullptr);
    ~TComponent() override;
    TComponent(const TComponent &) = delete;
    TComponent &operator=(const TComponent &) = delete;

    const QString &name() const { return m_name; }
    // Throws StreamError "A component named %s already exists" when the owner holds the name.
    void setName(const QString &name);
    TComponent *owner() const { return m_owner; }
    const std::vector<TComponent *> &components() const { return m_components; }
    TComponent *findComponent(const QString &name) const;

    TComponent *parentComponent() const { return m_parent; }
    // Children in streaming order. The default keeps adopted children in a list.
    virtual std::vector<TComponent *> children() const;
    // Takes a child read from a stream; the default keeps it.
    virtual void adoptChild(std::unique_ptr<TComponent> child);
    // Moves a child to the given position among this object's children.
    virtual void moveChild(TComponent *child, int position);

    bool isLoading() const { return m_loading; }
    bool isReading() const { return m_reading; }
    void setLoading(bool on) { m_loading = on; }
    void setReading(bool on) { m_reading = on; }
    // Called once a whole record and its references have been read.
    virtual void Loaded();

protected:
    void setParentComponent(TComponent *parent) { m_parent = parent; }

private:
    QString m_name;
    TComponent *m_owner = nullptr;
    TComponent *m_parent = nullptr;
    std::vector<TComponent *> m_components;
    std::vector<std::unique_ptr<TComponent>> m_children;
    bool m_loading = false;
    bool m_reading = false;
};

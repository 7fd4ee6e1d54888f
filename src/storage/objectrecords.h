// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "objects/tggraphiccontrol.h"
#include "storage/persistent.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <map>
#include <memory>
#include <vector>


// A freeform object as the value stream sees it: a component whose published properties
// are the object's. It either borrows an object that lies on a surface (for writing) or
// owns one it created (for reading) until release() hands it over.
class ObjectRecord : public TComponent
{
public:
    // Writes object; the object must outlive the record.
    explicit ObjectRecord(const TGGraphicControl &object);
    // Owns a newly made object, which stays in its reading state until the record is loaded.
    ObjectRecord(TComponent *owner, std::unique_ptr<TGGraphicControl> object);
    ~ObjectRecord() override;

    // The stored properties of the object's kind. Throws StreamError for a kind that has
    // none, so writing such an object fails instead of writing it as something else.
    const TClassInfo &classInfo() const override;
    void Loaded() override;

    TGGraphicControl &object() const { return *m_object; }
    // The object read, named after this record; null when it was given away already.
    std::unique_ptr<TGGraphicControl> release();

    // The held record of a font property ("Font", "TitleFont"...), made on first use.
    TPersistent *heldFont(const QString &property,
                          const std::function<std::unique_ptr<TPersistent>()> &make) const;

private:
    TGGraphicControl *m_object;
    std::unique_ptr<TGGraphicControl> m_owned;
    // The object's stored properties; null for a kind storage has no table for.
    const TClassInfo *m_info;
    mutable std::map<QString, std::unique_ptr<TPersistent>> m_fonts;
};

namespace ObjectRecords {

// Records borrowing objects that lie on a surface, for writing them with a document.
class RecordList
{
public:
    explicit RecordList(const std::vector<std::unique_ptr<TGGraphicControl>> &objects);
    const std::vector<TComponent *> &components() const { return m_components; }

private:
    std::vector<std::unique_ptr<ObjectRecord>> m_records;
    std::vector<TComponent *> m_components;
};

// The object a document's reader made for a record; null for any other component.
std::unique_ptr<TGGraphicControl> takeObject(std::unique_ptr<TComponent> component);
// A document reader's sink that keeps the objects read, in file order, in objects.
std::function<void(std::unique_ptr<TComponent>)>
collectObjects(std::vector<std::unique_ptr<TGGraphicControl>> &objects);

// The stored properties of the kind of object with that class name ("TGPLabel"), one table
// per registered kind; null for any other name.
const TClassInfo *storedClass(const QString &className);

// Registers the stored classes of the registered kinds of object with their ancestors, so
// documents and the object clipboard can name them. Safe to call more than once.
void registerObjectClasses();

// The object clipboard's form: a list of root records, one per object, in the given order.
// Throws StreamError for an object whose kind has no stored properties.
QByteArray objectListBytes(const std::vector<const TGGraphicControl *> &objects);

struct ReadResult {
    // The objects read before the end of the list or a failure, in the order of the file.
    std::vector<std::unique_ptr<TGGraphicControl>> objects;
    // The stream's message when the list could not be read to its end; empty otherwise.
    QString error;
};
// Whether a name is already given to an object where the objects read are to go.
using NameTaken = std::function<bool(const QString &name)>;
// Reads a list written by objectListBytes. Every object is named "Component" + the first
// free n from 0 to 1000 (taken names and the names given in this read are skipped; the name
// from the file is kept when all are taken), moved by offset pixels right and down, and has
// its AfterLoad run once the list is read.
ReadResult readObjectList(const QByteArray &bytes, const NameTaken &taken, int offset = 0);

} // namespace ObjectRecords

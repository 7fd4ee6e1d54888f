// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "filer.h"
#include "valuetag.h"

#include <QByteArray>
#include <QStringList>

#include <memory>
#include <vector>

struct EnumType;
struct PropertyInfo;
class TClassInfo;
class TCollection;
class TComponent;
class TPersistent;

// Something a reader that steps over damage left out: a property it could not use, or an
// object record it could not read.
struct ReadDamage {
    QString what;   // "property Lefz of Component3 (TGPLabel)", "object 7 (TGImage)"
    QString reason; // the stream's message
    bool objectLost = false; // a whole record, or the rest of the list, is gone

    QString text() const { return what + QStringLiteral(": ") + reason; }
};

// Reads values and component records of the tagged stream format. Every failure throws
// StreamError with one of the fixed messages; a stream that ends early gives
// "Stream read error", never a read past the end. The reader takes the bytes from the
// stream's current position; when destroyed it leaves the stream just behind the last
// byte it consumed.
class TReader : public TFiler
{
public:
    // May replace the name read for a new object before it is assigned.
    using NamingHook = std::function<void(TReader &, TComponent &, QString &name)>;
    // Called for an unknown event handler name; clear 'error' to accept it (unassigned).
    using FindMethodHook = std::function<void(TReader &, const QString &name, bool &error)>;
    // Returns true when the error is handled and reading should go on.
    using ErrorHook = std::function<bool(TReader &, const QString &message)>;
    // Finds a component that is not owned by the root (references "Owner.Name").
    using GlobalLookup = std::function<TComponent *(const QString &name)>;
    using ComponentProc = std::function<void(std::unique_ptr<TComponent>)>;

    explicit TReader(QIODevice *stream, int bufferSize = 1000);
    ~TReader() override;

    ValueTag GetTag();
    ValueTag PeekTag();
    bool AtListEnd();
    void GetListStart();
    void GetListEnd();
    qint32 GetInteger();
    bool GetBoolean();
    QString GetString();
    QString GetIdent();
    double GetFloat();
    QChar GetChar();
    quint32 GetSet(const EnumType &elementType);
    // The member names of a set value as stored, for tools that have no element type.
    QStringList GetSetNames();
    QString GetShortName();
    QByteArray GetBinary();
    void SkipOneValue();
    void GetSignature();
    // Reads a root record into 'existing' (returns nullptr), or into a new object of the
    // registered class named in the record (returned).
    std::unique_ptr<TComponent> GetRootRecord(TComponent *existing = nullptr);
    // Reads one component record; returns the new object, or nullptr when the record
    // updated an existing (inherited) object.
    std::unique_ptr<TComponent> GetComponentRecord();
    // Reads root records until tagEnd, handing each new object to 'proc'.
    void GetComponentRecords(TComponent *owner, TComponent *parent, const ComponentProc &proc);

    void DeclareProperty(const QString &name, const ReadProc &read, const WriteProc &write,
                         bool hasData) override;
    void DeclareBinaryProperty(const QString &name, const BinaryReadProc &read,
                               const BinaryWriteProc &write, bool hasData) override;

    void setOwner(TComponent *owner) { m_owner = owner; }
    void setParent(TComponent *parent) { m_parent = parent; }
    TComponent *root() const { return m_root; }
    void setNamingHook(NamingHook hook) { m_namingHook = std::move(hook); }
    void setFindMethodHook(FindMethodHook hook) { m_findMethodHook = std::move(hook); }
    void setErrorHook(ErrorHook hook) { m_errorHook = std::move(hook); }
    void setGlobalLookup(GlobalLookup lookup) { m_globalLookup = std::move(lookup); }
    // Off by default. When on, a property whose value cannot be used is stepped over (the
    // value tags give its length) and reading goes on; a record that cannot be read to its
    // end is dropped and GetComponentRecords goes on at the next record signature. What
    // was left out is listed in damage().
    void setSkipDamage(bool on) { m_skipDamage = on; }
    const std::vector<ReadDamage> &damage() const { return m_damage; }

    qint64 position() const { return m_pos; }
    qint64 remaining() const { return m_data.size() - m_pos; }

private:
    struct Fixup {
        TPersistent *instance;
        const PropertyInfo *property;
        QString name;
        TComponent *root;
    };

    void need(qint64 count) const;
    quint8 readByte();
    QByteArray readBytes(qint64 count);
    qint32 readRaw32();
    qint32 readIntegerPayload(ValueTag tag);
    QString readShortText();
    QString readLongText();
    void checkListTag(ValueTag expected);
    void skipShortName();
    void skipBytes(qint64 count);
    void skipSetNames();
    void skipProperty();
    void skipComponentRest();
    void skipComponent();
    void enterNesting();
    bool skipDamagedValue(qint64 valueStart);
    bool seekNextRecord(qint64 recordStart);
    // Notes a list record that could not be read and moves to the next one; false when
    // there is none.
    bool dropRecord(int index, qint64 recordStart, const QString &reason);
    void readListRecord(TComponent *owner, const ComponentProc &proc);

    void readProperty(TPersistent &instance);
    void readPropertyPath(TPersistent &instance, const QString &path);
    void readPropertyValue(TPersistent &object, const PropertyInfo &property);
    void readOrdinalValue(TPersistent &object, const PropertyInfo &property);
    void readObjectValue(TPersistent &object, const PropertyInfo &property);
    void readMethodValue(TPersistent &object, const PropertyInfo &property);
    void readCollection(TCollection &collection);
    void readPropertiesAndChildren(TComponent &object);
    std::unique_ptr<TComponent> createComponent(const QString &className, const QString &name);
    const TClassInfo *findClass(const QString &className) const;
    void nameComponent(TComponent &object, QString name);
    void resolveFixups();
    void finishLoading();

    QByteArray m_data;
    qint64 m_pos = 0;
    qint64 m_streamStart = 0;
    int m_depth = 0;
    int m_childPosition = -1; // position flag of the record just read, for its parent

    TComponent *m_root = nullptr;
    TComponent *m_owner = nullptr;
    TComponent *m_parent = nullptr;
    std::vector<TComponent *> m_loaded;
    std::vector<Fixup> m_fixups;
    QString m_propName;
    bool m_defineMatched = false;
    bool m_skipDamage = false;
    std::vector<ReadDamage> m_damage;
    QString m_recordClass; // class named by the outermost record being read

    NamingHook m_namingHook;
    FindMethodHook m_findMethodHook;
    ErrorHook m_errorHook;
    GlobalLookup m_globalLookup;
};

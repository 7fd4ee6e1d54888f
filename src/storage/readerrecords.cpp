// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Component records and property records of TReader.
#include "reader.h"

#include "readerutil.h"

#include "persistent.h"
#include "streamerror.h"
#include "typeinfo.h"

namespace {

QString displayName(const TPersistent &instance)
{
    if (auto *component = dynamic_cast<const TComponent *>(&instance)) {
        if (!component->name().isEmpty())
            return component->name();
    }
    return instance.classInfo().name();
}

// "Component3 (TGPLabel)" for a named component, the class name for anything else.
QString describe(const TPersistent &instance)
{
    const QString className = instance.classInfo().name();
    const QString name = displayName(instance);
    return name == className ? name : QStringLiteral("%1 (%2)").arg(name, className);
}

} // namespace

using ReaderUtil::isIntegerTag;
using ReaderUtil::NestingGuard;

void TReader::skipProperty()
{
    skipShortName();
    SkipOneValue();
}

void TReader::skipComponentRest()
{
    while (!AtListEnd())
        skipProperty();
    ++m_pos;
    while (!AtListEnd())
        skipComponent();
    ++m_pos;
}

void TReader::skipComponent()
{
    NestingGuard guard(m_depth);
    if (PeekTag() >= ValueTag(0xF0)) {
        const quint8 prefix = readByte();
        if (prefix & 0x02)
            GetInteger();
    }
    skipShortName();
    skipShortName();
    skipComponentRest();
}

void TReader::readProperty(TPersistent &instance)
{
    const QString path = GetShortName();
    m_propName = path;
    const qint64 valueStart = m_pos;
    try {
        readPropertyPath(instance, path);
    } catch (const StreamError &error) {
        const QString message =
            StreamMessages::errorReading(displayName(instance), path, error.message());
        if (m_errorHook && m_errorHook(*this, message))
            return;
        if (m_skipDamage && skipDamagedValue(valueStart)) {
            m_damage.push_back({QStringLiteral("property %1 of %2").arg(path, describe(instance)),
                                error.message()});
            return;
        }
        throw StreamError(message);
    }
}

bool TReader::skipDamagedValue(qint64 valueStart)
{
    // The value may have been read in part, or not at all: step over it from its tag.
    m_pos = valueStart;
    try {
        SkipOneValue();
    } catch (const StreamError &) {
        return false;
    }
    return true;
}

void TReader::readPropertyPath(TPersistent &instance, const QString &path)
{
    const QStringList parts = path.split(QLatin1Char('.'));
    TPersistent *current = &instance;
    for (int i = 0; i + 1 < parts.size(); ++i) {
        const PropertyInfo *property = current->classInfo().findProperty(parts[i]);
        if (!property) {
            SkipOneValue();
            throw StreamError(StreamMessages::unknownProperty());
        }
        TPersistent *held = property->kind == PropertyKind::Class ? property->getObject(*current)
                                                                  : nullptr;
        if (!held) {
            SkipOneValue();
            throw StreamError(StreamMessages::invalidPath());
        }
        current = held;
    }
    const QString last = parts.last();
    if (const PropertyInfo *property = current->classInfo().findProperty(last)) {
        if (!property->writable()) {
            SkipOneValue();
            throw StreamError(StreamMessages::readOnly());
        }
        readPropertyValue(*current, *property);
        return;
    }
    m_propName = last;
    m_defineMatched = false;
    current->DefineProperties(*this);
    if (!m_defineMatched) {
        SkipOneValue();
        throw StreamError(StreamMessages::unknownProperty());
    }
}

void TReader::readPropertyValue(TPersistent &object, const PropertyInfo &property)
{
    switch (property.kind) {
    case PropertyKind::Float:
        property.setFloat(object, GetFloat());
        break;
    case PropertyKind::String:
        property.setString(object, GetString());
        break;
    case PropertyKind::Class:
        readObjectValue(object, property);
        break;
    case PropertyKind::Method:
        readMethodValue(object, property);
        break;
    default:
        readOrdinalValue(object, property);
        break;
    }
}

void TReader::readOrdinalValue(TPersistent &object, const PropertyInfo &property)
{
    switch (property.kind) {
    case PropertyKind::Char:
        property.setOrdinal(object, GetChar().unicode());
        return;
    case PropertyKind::Enumeration: {
        const EnumType &type = property.enumType ? *property.enumType : booleanType();
        const auto ordinal = type.ordinalOf(GetIdent());
        if (!ordinal)
            throw StreamError(StreamMessages::invalidValue());
        property.setOrdinal(object, *ordinal);
        return;
    }
    case PropertyKind::Set:
        property.setOrdinal(object, GetSet(*property.enumType));
        return;
    default:
        break;
    }
    const ValueTag tag = PeekTag();
    if (property.idents && (tag == ValueTag::Ident || tag == ValueTag::False
                            || tag == ValueTag::True || tag == ValueTag::Nil)) {
        const auto value = property.idents->valueOf(GetIdent());
        if (!value)
            throw StreamError(StreamMessages::invalidValue());
        property.setOrdinal(object, *value);
        return;
    }
    property.setOrdinal(object, GetInteger());
}

void TReader::readObjectValue(TPersistent &object, const PropertyInfo &property)
{
    switch (PeekTag()) {
    case ValueTag::Nil:
        GetTag();
        if (property.setObject)
            property.setObject(object, nullptr);
        return;
    case ValueTag::Collection: {
        auto *collection = dynamic_cast<TCollection *>(property.getObject(object));
        if (!collection) {
            SkipOneValue();
            throw StreamError(StreamMessages::invalidValue());
        }
        GetTag();
        readCollection(*collection);
        return;
    }
    case ValueTag::Ident:
        if (property.setObject) {
            m_fixups.push_back({&object, &property, GetIdent(), m_root});
            return;
        }
        break;
    default:
        break;
    }
    SkipOneValue();
    throw StreamError(StreamMessages::invalidValue());
}

void TReader::readMethodValue(TPersistent &object, const PropertyInfo &property)
{
    if (PeekTag() == ValueTag::Nil) {
        GetTag();
        property.setString(object, QString());
        return;
    }
    const QString name = GetIdent();
    const bool published =
        m_root && m_root->classInfo().publishedMethods.contains(name, Qt::CaseInsensitive);
    bool error = !published;
    if (m_findMethodHook)
        m_findMethodHook(*this, name, error);
    if (error)
        throw StreamError(StreamMessages::invalidValue());
    if (published)
        property.setString(object, name);
}

void TReader::readCollection(TCollection &collection)
{
    NestingGuard guard(m_depth);
    int next = 0;
    while (!AtListEnd()) {
        if (isIntegerTag(PeekTag())) {
            next = GetInteger();
            // Every item record takes at least two bytes, so a real index can't run
            // further ahead than the bytes left; this bounds the items appended.
            if (next < 0 || next > collection.count() + remaining())
                throw StreamError(StreamMessages::invalidValue());
        }
        GetListStart();
        while (collection.count() <= next)
            collection.add();
        TPersistent *item = collection.item(next);
        while (!AtListEnd())
            readProperty(*item);
        GetListEnd();
        ++next;
    }
    GetListEnd();
}

const TClassInfo *TReader::findClass(const QString &className) const
{
    for (const TClassInfo *c = m_root ? &m_root->classInfo() : nullptr; c; c = c->parent()) {
        for (const TClassInfo *field : c->fieldClasses) {
            if (field->name().compare(className, Qt::CaseInsensitive) == 0)
                return field;
        }
    }
    return ClassRegistry::find(className);
}

void TReader::nameComponent(TComponent &object, QString name)
{
    if (m_namingHook)
        m_namingHook(*this, object, name);
    object.setName(name);
}

std::unique_ptr<TComponent> TReader::createComponent(const QString &className,
                                                     const QString &name)
{
    const TClassInfo *info = findClass(className);
    if (!info || !info->factory())
        throw StreamError(StreamMessages::classNotFound(className));
    std::unique_ptr<TComponent> object = info->factory()(m_owner);
    nameComponent(*object, name);
    return object;
}

std::unique_ptr<TComponent> TReader::GetComponentRecord()
{
    NestingGuard guard(m_depth);
    quint8 flags = 0;
    int position = -1;
    if (PeekTag() >= ValueTag(0xF0)) {
        flags = readByte() & 0x0F;
        if (flags & 0x02)
            position = GetInteger();
    }
    const QString className = GetShortName();
    const QString name = GetShortName();
    if (m_depth == 1)
        m_recordClass = className;

    std::unique_ptr<TComponent> created;
    TComponent *object = nullptr;
    try {
        if (flags & 0x01) {
            object = m_root ? m_root->findComponent(name) : nullptr;
            if (!object)
                throw StreamError(StreamMessages::ancestorNotFound(name));
        } else {
            created = createComponent(className, name);
            object = created.get();
            if (!m_root)
                m_root = object; // a new root record: the object is its own root
        }
    } catch (const StreamError &error) {
        created.reset();
        skipComponentRest();
        if (m_errorHook && m_errorHook(*this, error.message()))
            return nullptr;
        throw;
    }

    const size_t loadedMark = m_loaded.size();
    const size_t fixupMark = m_fixups.size();
    try {
        readPropertiesAndChildren(*object);
    } catch (const StreamError &) {
        // Forget what was read inside the object that is now destroyed.
        m_loaded.resize(loadedMark);
        m_fixups.resize(fixupMark);
        throw;
    }
    if (flags & 0x02 && !created && object->parentComponent())
        object->parentComponent()->moveChild(object, position);
    m_childPosition = created && (flags & 0x02) ? position : -1;
    m_loaded.push_back(object);
    return created;
}

void TReader::readPropertiesAndChildren(TComponent &object)
{
    object.setLoading(true);
    object.setReading(true);
    while (!AtListEnd())
        readProperty(object);
    GetListEnd();
    TComponent *savedParent = std::exchange(m_parent, &object);
    try {
        while (!AtListEnd()) {
            std::unique_ptr<TComponent> child = GetComponentRecord();
            if (!child)
                continue;
            const int position = m_childPosition;
            TComponent *adopted = child.get();
            object.adoptChild(std::move(child));
            if (position >= 0)
                object.moveChild(adopted, position);
        }
        GetListEnd();
    } catch (...) {
        m_parent = savedParent;
        object.setReading(false);
        throw;
    }
    m_parent = savedParent;
    object.setReading(false);
}

std::unique_ptr<TComponent> TReader::GetRootRecord(TComponent *existing)
{
    GetSignature();
    if (!existing) {
        // A new root: the record names a registered class.
        TComponent *savedRoot = std::exchange(m_root, nullptr);
        std::unique_ptr<TComponent> object;
        try {
            object = GetComponentRecord();
            resolveFixups();
            finishLoading();
        } catch (...) {
            m_root = savedRoot;
            m_loaded.clear();
            m_fixups.clear();
            throw;
        }
        m_root = savedRoot;
        return object;
    }

    TComponent *savedRoot = std::exchange(m_root, existing);
    try {
        if (PeekTag() >= ValueTag(0xF0) && (readByte() & 0x02))
            GetInteger();
        GetShortName(); // the class name is not compared when filling an existing object
        QString name = GetShortName();
        if (m_namingHook)
            m_namingHook(*this, *existing, name);
        if (m_globalLookup && !name.isEmpty()) {
            const QString base = name;
            for (int n = 1; m_globalLookup(name) && m_globalLookup(name) != existing; ++n)
                name = QStringLiteral("%1_%2").arg(base).arg(n);
        }
        existing->setName(name);
        readPropertiesAndChildren(*existing);
        m_loaded.push_back(existing);
    } catch (...) {
        m_root = savedRoot;
        m_loaded.clear();
        m_fixups.clear();
        throw;
    }
    resolveFixups();
    finishLoading();
    m_root = savedRoot;
    return nullptr;
}

void TReader::readListRecord(TComponent *owner, const ComponentProc &proc)
{
    GetSignature();
    // Without an owner each record is its own root, and the one before may be gone.
    m_root = owner;
    std::unique_ptr<TComponent> object = GetComponentRecord();
    resolveFixups();
    finishLoading();
    if (object)
        proc(std::move(object));
}

bool TReader::seekNextRecord(qint64 recordStart)
{
    // A record that could not be read has no trustworthy end; the next one starts with
    // its signature.
    const qsizetype next = m_data.indexOf(QByteArrayView(kSignature, 4), recordStart + 1);
    if (next < 0)
        return false;
    m_pos = next;
    return true;
}

bool TReader::dropRecord(int index, qint64 recordStart, const QString &reason)
{
    // What the record's object left behind went with it.
    m_loaded.clear();
    m_fixups.clear();
    const QString what = m_recordClass.isEmpty()
                             ? QStringLiteral("object %1").arg(index)
                             : QStringLiteral("object %1 (%2)").arg(index).arg(m_recordClass);
    m_damage.push_back({what, reason, true});
    if (seekNextRecord(recordStart))
        return true;
    m_pos = m_data.size();
    return false;
}

void TReader::GetComponentRecords(TComponent *owner, TComponent *parent,
                                  const ComponentProc &proc)
{
    TComponent *savedRoot = std::exchange(m_root, owner);
    TComponent *savedOwner = std::exchange(m_owner, owner);
    TComponent *savedParent = std::exchange(m_parent, parent);
    try {
        bool listEnded = false;
        for (int index = 1; !listEnded; ++index) {
            if (m_skipDamage && remaining() == 0) {
                m_damage.push_back({QStringLiteral("the objects after object %1").arg(index - 1),
                                    StreamMessages::readError(), true});
                break;
            }
            if (AtListEnd()) {
                GetListEnd();
                break;
            }
            const qint64 start = m_pos;
            m_recordClass.clear();
            try {
                readListRecord(owner, proc);
            } catch (const StreamError &error) {
                if (!m_skipDamage)
                    throw;
                listEnded = !dropRecord(index, start, error.message());
            }
        }
    } catch (...) {
        m_root = savedRoot;
        m_owner = savedOwner;
        m_parent = savedParent;
        m_loaded.clear();
        m_fixups.clear();
        throw;
    }
    m_root = savedRoot;
    m_owner = savedOwner;
    m_parent = savedParent;
}

void TReader::resolveFixups()
{
    for (const Fixup &fixup : std::exchange(m_fixups, {})) {
        TComponent *target = nullptr;
        const int dot = fixup.name.indexOf(QLatin1Char('.'));
        if (dot < 0) {
            if (fixup.root && fixup.root->name().compare(fixup.name, Qt::CaseInsensitive) == 0)
                target = fixup.root;
            else if (fixup.root)
                target = fixup.root->findComponent(fixup.name);
        } else if (m_globalLookup) {
            if (TComponent *owner = m_globalLookup(fixup.name.left(dot)))
                target = owner->findComponent(fixup.name.mid(dot + 1));
        }
        if (target)
            fixup.property->setObject(*fixup.instance, target);
    }
}

void TReader::finishLoading()
{
    for (TComponent *object : std::exchange(m_loaded, {}))
        object->Loaded();
}

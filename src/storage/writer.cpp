// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "writer.h"

#include "extended80.h"
#include "persistent.h"
#include "streamerror.h"
#include "core/win1252.h"

#include <QIODevice>

TWriter::TWriter(QIODevice *stream, int bufferSize) : TFiler(stream, bufferSize)
{
    m_buffer.reserve(bufferSize);
}

TWriter::~TWriter()
{
    try {
        flush();
    } catch (const StreamError &) {
        // Reported to callers that flush() before committing; nothing to do here.
    }
}

void TWriter::flush()
{
    if (m_buffer.isEmpty())
        return;
    const QByteArray pending = std::exchange(m_buffer, QByteArray());
    if (!m_stream || m_stream->write(pending) != pending.size())
        throw StreamError(QStringLiteral("Stream write error"));
}

void TWriter::putBytes(const char *data, qint64 size)
{
    m_buffer.append(data, size);
    if (m_buffer.size() >= m_bufferSize)
        flush();
}

void TWriter::putRaw32(qint32 value)
{
    const quint32 v = quint32(value);
    const char bytes[4] = {char(v), char(v >> 8), char(v >> 16), char(v >> 24)};
    putBytes(bytes, 4);
}

void TWriter::putText(const QByteArray &bytes)
{
    putBytes(bytes.constData(), bytes.size());
}

void TWriter::PutTag(ValueTag tag)
{
    putByte(quint8(tag));
}

void TWriter::PutListStart()
{
    PutTag(ValueTag::List);
}

void TWriter::PutListEnd()
{
    PutTag(ValueTag::End);
}

void TWriter::PutInteger(qint32 value)
{
    if (value >= -128 && value <= 127) {
        PutTag(ValueTag::Int8);
        putByte(quint8(qint8(value)));
    } else if (value >= -32768 && value <= 32767) {
        PutTag(ValueTag::Int16);
        const quint16 v = quint16(qint16(value));
        const char bytes[2] = {char(v), char(v >> 8)};
        putBytes(bytes, 2);
    } else {
        PutTag(ValueTag::Int32);
        putRaw32(value);
    }
}

void TWriter::PutBoolean(bool value)
{
    PutTag(value ? ValueTag::True : ValueTag::False);
}

void TWriter::PutString(const QString &value)
{
    const QByteArray bytes = Win1252::fromUnicode(value);
    if (bytes.size() < 256) {
        PutTag(ValueTag::String);
        putByte(quint8(bytes.size()));
    } else {
        PutTag(ValueTag::LongString);
        putRaw32(qint32(bytes.size()));
    }
    putText(bytes);
}

void TWriter::PutIdent(const QString &ident)
{
    if (ident.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        PutTag(ValueTag::False);
    else if (ident.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        PutTag(ValueTag::True);
    else if (ident.compare(QLatin1String("nil"), Qt::CaseInsensitive) == 0)
        PutTag(ValueTag::Nil);
    else {
        PutTag(ValueTag::Ident);
        PutShortName(ident);
    }
}

void TWriter::PutFloat(double value)
{
    PutTag(ValueTag::Extended);
    const auto bytes = Extended80::fromDouble(value);
    putBytes(reinterpret_cast<const char *>(bytes.data()), qint64(bytes.size()));
}

void TWriter::PutChar(QChar value)
{
    PutTag(ValueTag::String);
    putByte(1);
    putText(Win1252::fromUnicode(QString(value)));
}

void TWriter::PutShortName(const QString &name)
{
    const QByteArray bytes = Win1252::fromUnicode(name).left(255);
    putByte(quint8(bytes.size()));
    putText(bytes);
}

void TWriter::PutSet(quint32 members, const EnumType &elementType)
{
    PutTag(ValueTag::Set);
    for (int i = 0; i < 32 && i < elementType.values.size(); ++i) {
        if (members & (1u << i))
            PutShortName(elementType.values[i]);
    }
    PutShortName(QString());
}

void TWriter::PutBinary(const BinaryWriteProc &write)
{
    QByteArray block;
    write(block);
    PutTag(ValueTag::Binary);
    putRaw32(qint32(block.size()));
    putText(block);
}

void TWriter::PutCollection(TCollection &collection)
{
    PutTag(ValueTag::Collection);
    const QString savedPath = std::exchange(m_propPath, QString());
    for (int i = 0; i < collection.count(); ++i) {
        PutListStart();
        writeProperties(*collection.item(i));
        PutListEnd();
    }
    m_propPath = savedPath;
    PutListEnd();
}

void TWriter::PutSignature()
{
    putBytes(kSignature, 4);
}

void TWriter::PutRootRecord(TComponent &object)
{
    TComponent *savedRoot = std::exchange(m_root, &object);
    PutSignature();
    PutComponentRecord(object);
    m_root = savedRoot;
}

void TWriter::PutComponentRecord(TComponent &object)
{
    if (!m_root)
        m_root = &object;
    PutShortName(object.classInfo().name());
    PutShortName(object.name());
    const QString savedPath = std::exchange(m_propPath, QString());
    writeProperties(object);
    m_propPath = savedPath;
    PutListEnd();
    for (TComponent *child : object.children())
        PutComponentRecord(*child);
    PutListEnd();
}

void TWriter::writeProperties(TPersistent &object)
{
    for (const PropertyInfo &property : object.classInfo().properties()) {
        if (!property.writable())
            continue;
        if (property.stored && !property.stored(object))
            continue;
        writeProperty(object, property);
    }
    object.DefineProperties(*this);
}

void TWriter::putPropertyName(const QString &name)
{
    PutShortName(m_propPath + name);
}

void TWriter::writeProperty(TPersistent &object, const PropertyInfo &property)
{
    switch (property.kind) {
    case PropertyKind::Float: {
        const double value = property.getFloat(object);
        if (value != 0) {
            putPropertyName(property.name);
            PutFloat(value);
        }
        break;
    }
    case PropertyKind::String: {
        const QString value = property.getString(object);
        if (!value.isEmpty()) {
            putPropertyName(property.name);
            PutString(value);
        }
        break;
    }
    case PropertyKind::Method: {
        const QString handler = property.getString(object);
        if (!handler.isEmpty() && m_root
            && m_root->classInfo().publishedMethods.contains(handler, Qt::CaseInsensitive)) {
            putPropertyName(property.name);
            PutIdent(handler);
        }
        break;
    }
    case PropertyKind::Class:
        writeObjectProperty(object, property);
        break;
    default:
        writeOrdinalProperty(object, property);
        break;
    }
}

void TWriter::writeOrdinalProperty(TPersistent &object, const PropertyInfo &property)
{
    const qint64 value = property.getOrdinal(object);
    if (value == property.defaultValue)
        return;
    putPropertyName(property.name);
    switch (property.kind) {
    case PropertyKind::Char:
        PutChar(Win1252::toUnicode(char(value)).at(0));
        break;
    case PropertyKind::Enumeration: {
        const EnumType &type = property.enumType ? *property.enumType : booleanType();
        PutIdent(type.values.value(int(value)));
        break;
    }
    case PropertyKind::Set:
        PutSet(quint32(value), *property.enumType);
        break;
    default: {
        const auto name = property.idents ? property.idents->nameOf(qint32(value)) : std::nullopt;
        if (name)
            PutIdent(*name);
        else
            PutInteger(qint32(value));
        break;
    }
    }
}

void TWriter::writeObjectProperty(TPersistent &object, const PropertyInfo &property)
{
    TPersistent *value = property.getObject(object);
    if (!value)
        return;
    if (auto *collection = dynamic_cast<TCollection *>(value)) {
        putPropertyName(property.name);
        PutCollection(*collection);
        return;
    }
    if (!property.heldObject) {
        if (auto *component = dynamic_cast<TComponent *>(value)) {
            if (!component->owner())
                return;
            putPropertyName(property.name);
            if (component->owner() == m_root)
                PutIdent(component->name());
            else
                PutIdent(component->owner()->name() + QLatin1Char('.') + component->name());
            return;
        }
    }
    const QString savedPath = m_propPath;
    m_propPath += property.name + QLatin1Char('.');
    writeProperties(*value);
    m_propPath = savedPath;
}

void TWriter::DeclareProperty(const QString &name, const ReadProc &, const WriteProc &write,
                              bool hasData)
{
    if (!hasData)
        return;
    putPropertyName(name);
    write(*this);
}

void TWriter::DeclareBinaryProperty(const QString &name, const BinaryReadProc &,
                                    const BinaryWriteProc &write, bool hasData)
{
    if (!hasData)
        return;
    putPropertyName(name);
    PutBinary(write);
}

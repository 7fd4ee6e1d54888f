// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "reader.h"

#include "readerutil.h"

#include "extended80.h"
#include "persistent.h"
#include "streamerror.h"
#include "core/win1252.h"

#include <QIODevice>

using ReaderUtil::isIntegerTag;
using ReaderUtil::NestingGuard;

TReader::TReader(QIODevice *stream, int bufferSize) : TFiler(stream, bufferSize)
{
    if (m_stream) {
        m_streamStart = m_stream->pos();
        m_data = m_stream->readAll();
    }
}

TReader::~TReader()
{
    if (m_stream && !m_stream->isSequential())
        m_stream->seek(m_streamStart + m_pos);
}

void TReader::need(qint64 count) const
{
    if (count < 0 || count > m_data.size() - m_pos)
        throw StreamError(StreamMessages::readError());
}

quint8 TReader::readByte()
{
    need(1);
    return quint8(m_data.at(m_pos++));
}

QByteArray TReader::readBytes(qint64 count)
{
    need(count);
    QByteArray out = m_data.mid(m_pos, count);
    m_pos += count;
    return out;
}

qint32 TReader::readRaw32()
{
    need(4);
    quint32 v = 0;
    for (int i = 0; i < 4; ++i)
        v |= quint32(quint8(m_data.at(m_pos + i))) << (8 * i);
    m_pos += 4;
    return qint32(v);
}

void TReader::skipBytes(qint64 count)
{
    need(count);
    m_pos += count;
}

ValueTag TReader::GetTag()
{
    return ValueTag(readByte());
}

ValueTag TReader::PeekTag()
{
    need(1);
    return ValueTag(quint8(m_data.at(m_pos)));
}

bool TReader::AtListEnd()
{
    return PeekTag() == ValueTag::End;
}

void TReader::checkListTag(ValueTag expected)
{
    if (PeekTag() == expected) {
        ++m_pos;
        return;
    }
    SkipOneValue();
    throw StreamError(StreamMessages::invalidValue());
}

void TReader::GetListStart()
{
    checkListTag(ValueTag::List);
}

void TReader::GetListEnd()
{
    checkListTag(ValueTag::End);
}

qint32 TReader::readIntegerPayload(ValueTag tag)
{
    switch (tag) {
    case ValueTag::Int8:
        return qint8(readByte());
    case ValueTag::Int16: {
        const quint8 lo = readByte();
        const quint8 hi = readByte();
        return qint16(quint16(lo | (hi << 8)));
    }
    case ValueTag::Int32:
        return readRaw32();
    default:
        throw StreamError(StreamMessages::invalidValue());
    }
}

qint32 TReader::GetInteger()
{
    return readIntegerPayload(GetTag());
}

bool TReader::GetBoolean()
{
    return GetTag() == ValueTag::True;
}

QString TReader::readShortText()
{
    const int length = readByte();
    return Win1252::toUnicode(readBytes(length));
}

QString TReader::readLongText()
{
    const qint32 length = readRaw32();
    return Win1252::toUnicode(readBytes(length));
}

QString TReader::GetString()
{
    switch (GetTag()) {
    case ValueTag::String: return readShortText();
    case ValueTag::LongString: return readLongText();
    default: throw StreamError(StreamMessages::invalidValue());
    }
}

QString TReader::GetIdent()
{
    switch (GetTag()) {
    case ValueTag::Ident: return readShortText();
    case ValueTag::False: return QStringLiteral("False");
    case ValueTag::True: return QStringLiteral("True");
    case ValueTag::Nil: return QStringLiteral("nil");
    default: throw StreamError(StreamMessages::invalidValue());
    }
}

double TReader::GetFloat()
{
    const ValueTag tag = GetTag();
    if (tag == ValueTag::Extended) {
        need(10);
        std::array<std::uint8_t, 10> bytes;
        for (int i = 0; i < 10; ++i)
            bytes[i] = quint8(m_data.at(m_pos + i));
        m_pos += 10;
        return Extended80::toDouble(bytes);
    }
    return double(readIntegerPayload(tag));
}

QChar TReader::GetChar()
{
    if (GetTag() != ValueTag::String)
        throw StreamError(StreamMessages::invalidValue());
    const QString text = readShortText();
    if (text.size() != 1)
        throw StreamError(StreamMessages::invalidValue());
    return text.at(0);
}

quint32 TReader::GetSet(const EnumType &elementType)
{
    if (GetTag() != ValueTag::Set)
        throw StreamError(StreamMessages::invalidValue());
    quint32 members = 0;
    for (;;) {
        const QString name = readShortText();
        if (name.isEmpty())
            break;
        const auto ordinal = elementType.ordinalOf(name);
        if (!ordinal)
            throw StreamError(StreamMessages::invalidValue());
        if (*ordinal <= 31)
            members |= 1u << *ordinal;
    }
    return members;
}

QStringList TReader::GetSetNames()
{
    if (GetTag() != ValueTag::Set)
        throw StreamError(StreamMessages::invalidValue());
    QStringList names;
    for (QString name = readShortText(); !name.isEmpty(); name = readShortText())
        names << name;
    return names;
}

QString TReader::GetShortName()
{
    return readShortText();
}

QByteArray TReader::GetBinary()
{
    if (GetTag() != ValueTag::Binary)
        throw StreamError(StreamMessages::invalidValue());
    const qint32 size = readRaw32();
    return readBytes(size);
}

void TReader::skipShortName()
{
    skipBytes(readByte());
}

void TReader::skipSetNames()
{
    for (int length = readByte(); length != 0; length = readByte())
        skipBytes(length);
}

void TReader::SkipOneValue()
{
    const ValueTag tag = GetTag();
    switch (tag) {
    case ValueTag::End:
    case ValueTag::False:
    case ValueTag::True:
    case ValueTag::Nil:
        break;
    case ValueTag::List: {
        NestingGuard guard(m_depth);
        while (!AtListEnd())
            SkipOneValue();
        ++m_pos;
        break;
    }
    case ValueTag::Int8: skipBytes(1); break;
    case ValueTag::Int16: skipBytes(2); break;
    case ValueTag::Int32: skipBytes(4); break;
    case ValueTag::Extended: skipBytes(10); break;
    case ValueTag::String:
    case ValueTag::Ident: skipShortName(); break;
    case ValueTag::Set: skipSetNames(); break;
    case ValueTag::Binary:
    case ValueTag::LongString: skipBytes(readRaw32()); break;
    case ValueTag::Collection: {
        NestingGuard guard(m_depth);
        while (!AtListEnd()) {
            if (isIntegerTag(PeekTag()))
                SkipOneValue();
            // An item is tagList, property records (name and value), tagEnd.
            checkListTag(ValueTag::List);
            while (!AtListEnd())
                skipProperty();
            ++m_pos;
        }
        ++m_pos;
        break;
    }
    default:
        // An undefined tag has no known length; nothing after it can be trusted.
        throw StreamError(StreamMessages::invalidValue());
    }
}

void TReader::GetSignature()
{
    const QByteArray signature = readBytes(4);
    if (signature != QByteArray(kSignature, 4))
        throw StreamError(StreamMessages::invalidFormat());
}

void TReader::DeclareProperty(const QString &name, const ReadProc &read, const WriteProc &,
                              bool)
{
    if (m_defineMatched || name.compare(m_propName, Qt::CaseInsensitive) != 0)
        return;
    m_defineMatched = true;
    read(*this);
}

void TReader::DeclareBinaryProperty(const QString &name, const BinaryReadProc &read,
                                    const BinaryWriteProc &, bool)
{
    if (m_defineMatched || name.compare(m_propName, Qt::CaseInsensitive) != 0)
        return;
    m_defineMatched = true;
    read(GetBinary());
}

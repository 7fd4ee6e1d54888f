// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "filer.h"
#include "valuetag.h"

struct EnumType;
class TCollection;
class TComponent;
class TPersistent;
struct PropertyInfo;

// Writes values and component records in the tagged stream format. Bytes are buffered and
// reach the stream when the buffer fills, on flush(), and when the writer is destroyed.
// A failing stream throws StreamError "Stream write error" from flush(); the destructor
// cannot report, so savers call flush() themselves before committing a file.
class TWriter : public TFiler
{
public:
    explicit TWriter(QIODevice *stream, int bufferSize = 1000);
    ~TWriter() override;

    void PutTag(ValueTag tag);
    void PutListStart();
    void PutListEnd();
    void PutInteger(qint32 value);
    void PutBoolean(bool value);
    void PutString(const QString &value);
    void PutIdent(const QString &ident);
    void PutFloat(double value);
    void PutChar(QChar value);
    void PutShortName(const QString &name);
    void PutSet(quint32 members, const EnumType &elementType);
    void PutBinary(const BinaryWriteProc &write);
    void PutCollection(TCollection &collection);
    void PutSignature();
    void PutRootRecord(TComponent &object);
    void PutComponentRecord(TComponent &object);

    void DeclareProperty(const QString &name, const ReadProc &read, const WriteProc &write,
                         bool hasData) override;
    void DeclareBinaryProperty(const QString &name, const BinaryReadProc &read,
                               const BinaryWriteProc &write, bool hasData) override;

    void flush();

private:
    void putBytes(const char *data, qint64 size);
    void putByte(quint8 byte) { putBytes(reinterpret_cast<const char *>(&byte), 1); }
    void putRaw32(qint32 value);
    void putText(const QByteArray &bytes);
    void writeProperties(TPersistent &object);
    void writeProperty(TPersistent &object, const PropertyInfo &property);
    void writeOrdinalProperty(TPersistent &object, const PropertyInfo &property);
    void writeObjectProperty(TPersistent &object, const PropertyInfo &property);
    void putPropertyName(const QString &name);

    QByteArray m_buffer;
    TComponent *m_root = nullptr;
    QString m_propPath;
};

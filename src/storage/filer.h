// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

class QIODevice;
class TReader;
class TWriter;

// Common base of TWriter and TReader: the stream they work on (not owned) and the
// define-property services objects use for values that are not published properties.
class TFiler
{
public:
    using ReadProc = std::function<void(TReader &)>;
    using WriteProc = std::function<void(TWriter &)>;
    using BinaryReadProc = std::function<void(const QByteArray &)>;
    using BinaryWriteProc = std::function<void(QByteArray &)>;

    TFiler(QIODevice *stream, int bufferSize) : m_stream(stream), m_bufferSize(bufferSize) {}
    virtual ~TFiler() = default;
    TFiler(const TFiler &) = delete;
    TFiler &operator=(const TFiler &) = delete;

    // The writer uses only the write procedure and hasData; the reader only the read
    // procedure, and only when the property being read has this name.
    virtual void DeclareProperty(const QString &name, const ReadProc &read, const WriteProc &write,
                                 bool hasData) = 0;
    virtual void DeclareBinaryProperty(const QString &name, const BinaryReadProc &read,
                                       const BinaryWriteProc &write, bool hasData) = 0;

protected:
    QIODevice *m_stream;
    int m_bufferSize;
};

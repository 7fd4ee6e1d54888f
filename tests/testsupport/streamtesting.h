// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Writing and reading the value stream in memory, for tests that link the storage library.

#include "storage/reader.h"
#include "storage/streamerror.h"
#include "storage/writer.h"

#include <QBuffer>

#include <functional>
#include <memory>

namespace StreamTesting {

// The bytes a writer produces.
inline QByteArray written(const std::function<void(TWriter &)> &write)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        TWriter writer(&buffer);
        write(writer);
    }
    return bytes;
}

inline QByteArray rootRecord(TComponent &object)
{
    return written([&object](TWriter &writer) { writer.PutRootRecord(object); });
}

// What 'read' returns when it reads the bytes.
template<class Read>
auto readBack(const QByteArray &bytes, Read read)
{
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    TReader reader(&buffer);
    return read(reader);
}

inline std::unique_ptr<TComponent> readRoot(const QByteArray &bytes, TReader::ErrorHook hook = {})
{
    return readBack(bytes, [&hook](TReader &reader) {
        reader.setErrorHook(std::move(hook));
        return reader.GetRootRecord();
    });
}

// The message the read fails with, or an empty string when it succeeds.
inline QString readError(const QByteArray &bytes, const std::function<void(TReader &)> &read)
{
    try {
        readBack(bytes, [&read](TReader &reader) {
            read(reader);
            return 0;
        });
    } catch (const StreamError &error) {
        return error.message();
    }
    return QString();
}

inline QString rootRecordError(const QByteArray &bytes)
{
    return readError(bytes, [](TReader &reader) { reader.GetRootRecord(); });
}

} // namespace StreamTesting

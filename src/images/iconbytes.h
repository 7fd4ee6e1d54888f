// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "metafile/wmfbytes.h"

#include <QByteArrayView>

#include <optional>

// Bounded access to the bytes of an icon file or module: every offset and length comes from
// the file, so each is checked against the bytes before use, in 64 bits so that no sum of
// file values can wrap.
namespace IconBytes {

// Little-endian fields from offset on; a reader that fails at once when offset lies outside.
inline WmfBytes fieldsAt(QByteArrayView bytes, qint64 offset)
{
    if (offset < 0 || offset > bytes.size()) {
        WmfBytes failed;
        failed.skip(1);
        return failed;
    }
    return WmfBytes(reinterpret_cast<const uchar *>(bytes.data()) + offset, bytes.size() - offset);
}

// The length bytes at offset, or nothing when they do not all lie inside.
inline std::optional<QByteArrayView> slice(QByteArrayView bytes, qint64 offset, qint64 length)
{
    if (offset < 0 || length < 0 || offset > bytes.size() || length > bytes.size() - offset)
        return std::nullopt;
    return bytes.sliced(qsizetype(offset), qsizetype(length));
}

} // namespace IconBytes

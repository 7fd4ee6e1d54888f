// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "metafilepicture.h"

#include "metafile/emfplayer.h"
#include "metafile/wmfplayer.h"

#include <QPainter>
#include <QtEndian>

namespace {

constexpr quint32 PlaceableKey = 0x9AC6CDD7;
constexpr int PlaceableHeaderSize = 22;
constexpr int MetaHeaderSize = 18;

const uchar *bytesAt(const QByteArray &bytes, qsizetype offset)
{
    return reinterpret_cast<const uchar *>(bytes.constData()) + offset;
}

bool isPlainHeaderAt(const QByteArray &bytes, qsizetype offset)
{
    if (offset < 0 || bytes.size() - offset < MetaHeaderSize)
        return false;
    const quint16 type = qFromLittleEndian<quint16>(bytesAt(bytes, offset));
    const quint16 headerWords = qFromLittleEndian<quint16>(bytesAt(bytes, offset + 2));
    return (type == 1 || type == 2) && headerWords == 9;
}

bool hasPlaceableKey(const QByteArray &bytes)
{
    return bytes.size() >= 4 && qFromLittleEndian<quint32>(bytesAt(bytes, 0)) == PlaceableKey;
}

} // namespace

bool MetafilePicture::looksLikeMetafile(const QByteArray &bytes)
{
    if (hasPlaceableKey(bytes))
        return isPlainHeaderAt(bytes, PlaceableHeaderSize);
    return isPlainHeaderAt(bytes, 0);
}

bool MetafilePicture::looksLikeEnhanced(const QByteArray &bytes)
{
    constexpr int MinimumSize = 89;
    constexpr int SignatureOffset = 40;
    constexpr quint32 EmrHeader = 1;
    return bytes.size() >= MinimumSize
        && qFromLittleEndian<quint32>(bytesAt(bytes, 0)) == EmrHeader
        && bytes.mid(SignatureOffset, 4) == QByteArrayLiteral(" EMF");
}

bool MetafilePicture::setEnhancedBytes(const QByteArray &bytes)
{
    if (!looksLikeEnhanced(bytes))
        return false;
    m_bytes = bytes;
    m_frame = {};
    m_unitsPerInch = 0;
    m_enhanced = true;
    return true;
}

bool MetafilePicture::setBytes(const QByteArray &bytes)
{
    if (!looksLikeMetafile(bytes))
        return false;
    m_bytes = bytes;
    m_frame = {};
    m_unitsPerInch = 0;
    m_enhanced = false;
    if (hasPlaceableKey(bytes)) {
        // Placeable header: key, handle, left, top, right, bottom (signed 16-bit), units
        // per inch.
        const auto word = [&bytes](int offset) {
            return int(qFromLittleEndian<qint16>(bytesAt(bytes, offset)));
        };
        m_frame = QRect(QPoint(word(6), word(8)), QPoint(word(10) - 1, word(12) - 1));
        m_unitsPerInch = int(qFromLittleEndian<quint16>(bytesAt(bytes, 14)));
    }
    return true;
}

void MetafilePicture::clear()
{
    m_bytes.clear();
    m_frame = {};
    m_unitsPerInch = 0;
    m_enhanced = false;
}

void MetafilePicture::draw(QPainter &painter, const QRectF &target) const
{
    if (m_bytes.isEmpty())
        return;
    // A damaged picture draws what it can up to the damage; the page goes on regardless.
    if (m_enhanced)
        EmfPlayer(m_bytes).play(painter, target);
    else
        WmfPlayer(m_bytes).play(painter, target);
}

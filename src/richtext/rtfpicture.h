// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSizeF>

// The data of one \pict group as it is read, and its decoding into an image.
class RtfPicture
{
public:
    enum class Format { Unknown, Png, Jpeg, WindowsMetafile, EnhancedMetafile, DeviceIndependentBitmap };
    // Limits for damaged or hostile pictures: the bytes held, the size a picture may
    // show at, the source image a picture may have, and the image kept in memory.
    enum Limit : int {
        MaxBytes = 32 * 1024 * 1024,
        MaxSide = 8192,
        MaxSourceSide = 8192,
        MaxDecodedSide = 1024,
    };

    void setFormat(Format format) { m_format = format; }
    Format format() const { return m_format; }
    void setSourceWidth(int value) { m_sourceWidth = value; }
    void setSourceHeight(int value) { m_sourceHeight = value; }
    void setGoalWidth(int twips) { m_goalWidth = twips; }
    void setGoalHeight(int twips) { m_goalHeight = twips; }
    void setScaleX(int percent) { m_scaleX = percent; }
    void setScaleY(int percent) { m_scaleY = percent; }

    // Hex digits of the picture data; anything else is skipped. False once the data
    // exceeds the limit.
    bool appendHex(QByteArrayView text);
    bool appendBinary(QByteArrayView bytes);
    bool isEmpty() const { return m_data.isEmpty(); }
    const QByteArray &data() const { return m_data; }

    // The decoded picture, no larger than MaxDecodedSide; null when the data is damaged
    // or of an unsupported kind. Remembers the source size for displaySize().
    QImage toImage();
    // The size the picture shows at, in layout pixels (see RtfUnits).
    QSizeF displaySize(const QImage &image) const;

private:
    QImage decodeRaster(const char *format);
    QImage decodeBitmap();
    QImage decodeBitFieldBitmap();
    QImage decode(QIODevice &device, const char *format);
    QImage drawMetafile() const;
    QSizeF goalSize() const;

    Format m_format = Format::Unknown;
    QByteArray m_data;
    int m_pendingNibble = -1;
    int m_sourceWidth = 0;
    int m_sourceHeight = 0;
    int m_goalWidth = 0;
    int m_goalHeight = 0;
    int m_scaleX = 100;
    int m_scaleY = 100;
};

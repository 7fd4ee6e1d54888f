// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "jpegsaver.h"

#include "core/filebytes.h"

#include <QBuffer>
#include <QImageWriter>

ImageStatus saveJpeg(const QImage &image, const QString &path)
{
    if (image.isNull())
        return ImageStatus::failed(QStringLiteral("There is no picture to save."));
    // Encoded in memory first, so the file sees one checked write rather than the encoder's
    // many unchecked ones.
    QByteArray encoded;
    QBuffer buffer(&encoded);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(JpegSaveQuality);
    if (!writer.write(image))
        return ImageStatus::failed(QStringLiteral("Cannot encode the picture: %1").arg(writer.errorString()));

    const QString reason = FileBytes::replaceFile(path, encoded);
    if (!reason.isEmpty())
        return ImageStatus::failed(QStringLiteral("Cannot write %1: %2").arg(path, reason));
    return {};
}

// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "icondrag.h"

#include <QMimeData>

namespace IconDrag {

QString mimeType()
{
    return QStringLiteral("application/x-orvane-icon");
}

QMimeData *createMimeData(const QImage &icon, const QString &file, int index)
{
    auto *data = new QMimeData;
    data->setImageData(icon);
    data->setData(mimeType(), (QString::number(index) + QLatin1Char('\n') + file).toUtf8());
    return data;
}

bool isIconDrag(const QMimeData *data)
{
    return data && data->hasFormat(mimeType()) && data->hasImage();
}

QImage picture(const QMimeData *data)
{
    if (!isIconDrag(data))
        return {};
    return qvariant_cast<QImage>(data->imageData());
}

} // namespace IconDrag

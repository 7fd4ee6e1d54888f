// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "picturecommands.h"

#include "renderoptions.h"
#include "terminaltext.h"

#include "images/picture.h"

#include <QImage>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>

#include <cstdio>

namespace {

QString kindName(Picture::Kind kind)
{
    switch (kind) {
    case Picture::Kind::Bitmap: return QStringLiteral("bitmap");
    case Picture::Kind::Metafile: return QStringLiteral("metafile");
    case Picture::Kind::Icon: return QStringLiteral("icon");
    case Picture::Kind::Svg: return QStringLiteral("svg");
    case Picture::Kind::None: break;
    }
    return QStringLiteral("none");
}


} // namespace

int runPicture(const RenderOptions &options)
{
    Picture picture;
    const ImageStatus status = loadBrowserPicture(options.pictureFile, picture);
    if (!status.ok())
        return failWith(status.error);
    if (options.pictureInfo) {
        const QJsonObject info{{QStringLiteral("kind"), kindName(picture.kind())},
                               {QStringLiteral("width"), picture.width()},
                               {QStringLiteral("height"), picture.height()}};
        const QByteArray json = QJsonDocument(info).toJson(QJsonDocument::Indented);
        std::fwrite(json.constData(), 1, size_t(json.size()), stdout);
    }
    if (options.outFile.isEmpty())
        return 0;
    const QSize size = options.pictureSize.value_or(picture.size());
    if (size.isEmpty())
        return failWith(QStringLiteral("%1 has no size to draw at.").arg(options.pictureFile));
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        picture.draw(painter, QRect(QPoint(0, 0), size));
    }
    if (!image.save(options.outFile))
        return failWith(QStringLiteral("Cannot write %1.").arg(options.outFile));
    return 0;
}

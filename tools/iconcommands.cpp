// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "iconcommands.h"

#include "renderoptions.h"
#include "terminaltext.h"

#include "images/iconlibrary.h"
#include "images/picturefile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>

int runIconList(const RenderOptions &options)
{
    // Read here rather than by path, so that a file that cannot be read says why.
    const BytesResult file = readPictureFile(options.iconsFile, MaxPictureFileBytes, QStringLiteral("an icon library"));
    if (!file.ok())
        return failWith(file.error);
    const int count = IconLibrary::iconCountOfBytes(file.bytes);
    QJsonArray icons;
    for (int index = 0; index < count; ++index) {
        const QImage icon = IconLibrary::iconOfBytes(file.bytes, index);
        icons.append(QJsonObject{{QStringLiteral("index"), index},
                                 {QStringLiteral("width"), icon.width()},
                                 {QStringLiteral("height"), icon.height()}});
    }
    const QJsonObject list{{QStringLiteral("count"), count}, {QStringLiteral("icons"), icons}};
    const QByteArray json = QJsonDocument(list).toJson(QJsonDocument::Indented);
    std::fwrite(json.constData(), 1, size_t(json.size()), stdout);
    return 0;
}

int runIcon(const RenderOptions &options)
{
    const BytesResult file = readPictureFile(options.iconFile, MaxPictureFileBytes, QStringLiteral("an icon library"));
    if (!file.ok())
        return failWith(file.error);
    const int count = IconLibrary::iconCountOfBytes(file.bytes);
    if (options.iconIndex >= count)
        return failWith(QStringLiteral("%1 has %2 icons; there is no icon %3.")
                        .arg(options.iconFile).arg(count).arg(options.iconIndex));
    const QImage icon = IconLibrary::iconOfBytes(file.bytes, options.iconIndex,
                                                 options.pictureSize.value_or(IconLibrary::desktopIconSize()));
    if (icon.isNull())
        return failWith(QStringLiteral("Icon %1 of %2 is damaged.").arg(options.iconIndex).arg(options.iconFile));
    if (!icon.save(options.outFile))
        return failWith(QStringLiteral("Cannot write %1.").arg(options.outFile));
    return 0;
}

// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "borderpicture.h"

#include "core/datafolders.h"
#include "core/filebytes.h"

#include "core/apppaths.h"

#include <QDir>
#include <QFile>

namespace {

// Border metafiles are a few hundred kilobytes; anything far larger is not one.
constexpr qint64 MaxBorderFileSize = 64 * 1024 * 1024;

} // namespace

bool BorderPicture::looksLikeMetafile(const QByteArray &bytes)
{
    return MetafilePicture::looksLikeMetafile(bytes);
}

bool BorderPicture::loadFromFile(const QString &path, QString *error)
{
    const auto fail = [error](const QString &message) {
        if (error)
            *error = message;
        return false;
    };
    const FileBytes::ReadResult file = FileBytes::readRegularFile(path, MaxBorderFileSize);
    if (file.failure == FileBytes::Failure::TooLarge)
        return fail(QStringLiteral("%1 is too large for a border picture").arg(path));
    if (!file.ok())
        return fail(QStringLiteral("Cannot open %1: %2").arg(path, file.reason));
    if (!m_picture.setBytes(file.bytes))
        return fail(QStringLiteral("%1 is not a Windows metafile").arg(path));
    return true;
}

QString BorderPicture::findFile(const QString &name, bool landscape)
{
    if (name.isEmpty() || name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\'))
        || name == QLatin1String(".") || name == QLatin1String(".."))
        return {};
    // The user's own border of that name comes before the program's.
    return DataFolders::find(QStringLiteral("Borders"), name + (landscape ? QStringLiteral(".wls") : QStringLiteral(".wpo")));
}

// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "picturefile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

QString pictureExtension(const QString &path)
{
    // Names from documents may use either separator, so both end the folder part.
    const qsizetype slash = std::max(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\'));
    const QString name = path.mid(slash + 1);
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot < 0 ? QString() : name.mid(dot + 1).toUpper();
}

PictureKind pictureKind(const QString &path)
{
    static const struct {
        const char *extension;
        PictureKind kind;
    } kinds[] = {
        {"JPG", PictureKind::Jpg}, {"GIF", PictureKind::Gif}, {"JIF", PictureKind::Jif},
        {"BMP", PictureKind::Bmp}, {"DIB", PictureKind::Dib}, {"RLE", PictureKind::Rle},
        {"TGA", PictureKind::Tga}, {"PCX", PictureKind::Pcx},
    };
    const QString extension = pictureExtension(path);
    for (const auto &entry : kinds) {
        if (extension == QLatin1String(entry.extension))
            return entry.kind;
    }
    return PictureKind::Other;
}

BytesResult readPictureFile(const QString &path, qint64 maxBytes)
{
    // Opened without blocking so a FIFO cannot stall us, then checked on the open
    // descriptor so the file cannot be swapped between the check and the read.
    const QByteArray native = QFile::encodeName(path);
    const int fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return {{}, QStringLiteral("Cannot open %1: %2").arg(path, QString::fromLocal8Bit(strerror(errno)))};
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        const bool folder = S_ISDIR(status.st_mode);
        return {{}, folder ? QStringLiteral("%1 is a folder, not a picture file.").arg(path)
                           : QStringLiteral("%1 is not a regular file.").arg(path)};
    }
    if (status.st_size > maxBytes) {
        ::close(fd);
        return {{}, QStringLiteral("%1 is too large to be read as a picture.").arg(path)};
    }
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return {{}, QStringLiteral("Cannot read %1.").arg(path)};
    }
    // One byte more than allowed tells a file that grew since fstat from one that fits.
    QByteArray bytes = file.read(maxBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return {{}, QStringLiteral("Cannot read %1: %2").arg(path, file.errorString())};
    if (bytes.size() > maxBytes)
        return {{}, QStringLiteral("%1 is too large to be read as a picture.").arg(path)};
    return {bytes, {}};
}

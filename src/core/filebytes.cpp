// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "filebytes.h"

#include <QFile>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace FileBytes {

namespace {

QString tooLarge(qint64 maxBytes)
{
    return QStringLiteral("the file is larger than %1 bytes").arg(maxBytes);
}

} // namespace

QString reasonOfErrno(int error)
{
    switch (error) {
    case ENOENT: return QStringLiteral("the file does not exist");
    case EACCES:
    case EPERM: return QStringLiteral("permission denied");
    case EISDIR: return QStringLiteral("it is a folder, not a file");
    case ENOSPC: return QStringLiteral("the disk is full");
    case EDQUOT: return QStringLiteral("the disk quota is used up");
    case EROFS: return QStringLiteral("the disk is read-only");
    case ENAMETOOLONG: return QStringLiteral("the file name is too long");
    default: return QString::fromLocal8Bit(std::strerror(error));
    }
}

ReadResult readRegularFile(const QString &path, qint64 maxBytes)
{
    const QByteArray native = QFile::encodeName(path);
    const int fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        const Failure failure = error == ENOENT ? Failure::NotFound
                              : (error == EACCES || error == EPERM) ? Failure::NoPermission
                                                                    : Failure::ReadError;
        return {{}, failure, reasonOfErrno(error)};
    }
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        if (S_ISDIR(status.st_mode))
            return {{}, Failure::Folder, QStringLiteral("it is a folder, not a file")};
        return {{}, Failure::NotRegular,
                QStringLiteral("it is not a regular file (a device, pipe or socket)")};
    }
    if (status.st_size > maxBytes) {
        ::close(fd);
        return {{}, Failure::TooLarge, tooLarge(maxBytes)};
    }
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return {{}, Failure::ReadError, file.errorString()};
    }
    // One byte more than allowed tells a file that grew since fstat from one that fits.
    QByteArray bytes = file.read(maxBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return {{}, Failure::ReadError, file.errorString()};
    if (bytes.size() > maxBytes)
        return {{}, Failure::TooLarge, tooLarge(maxBytes)};
    return {bytes, Failure::None, QString()};
}

QString unsafeSaveTarget(const QString &path)
{
    struct stat status {};
    // stat follows links: a link to a regular file may be saved through.
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return {};
    if (S_ISDIR(status.st_mode))
        return QStringLiteral("it is a folder, not a file");
    if (!S_ISREG(status.st_mode))
        return QStringLiteral("it is not a regular file (a device, pipe or socket) and is left as it is");
    return {};
}

} // namespace FileBytes

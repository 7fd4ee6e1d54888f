// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "filebytes.h"

#include <QFile>
#include <QRandomGenerator>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace FileBytes {

namespace {

QString tooLarge(qint64 maxBytes)
{
    return QStringLiteral("the file is larger than %1 bytes").arg(maxBytes);
}

constexpr char16_t EscapeBase = 0xDC00;

// The length of the valid UTF-8 sequence at the start of bytes, or 0 when it is not one
// (a stray continuation byte, a cut sequence, an overlong form, a surrogate, beyond U+10FFFF).
int validSequenceLength(const uchar *bytes, qsizetype available)
{
    const uchar lead = bytes[0];
    if (lead < 0x80)
        return 1;
    int length = 0;
    char32_t code = 0;
    char32_t smallest = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2, code = lead & 0x1F, smallest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, code = lead & 0x0F, smallest = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, code = lead & 0x07, smallest = 0x10000;
    } else {
        return 0;
    }
    if (available < length)
        return 0;
    for (int i = 1; i < length; ++i) {
        if ((bytes[i] & 0xC0) != 0x80)
            return 0;
        code = (code << 6) | (bytes[i] & 0x3F);
    }
    if (code < smallest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return 0;
    return length;
}

bool isEscapedByte(const QString &name, qsizetype at)
{
    const char16_t unit = name.at(at).unicode();
    if (unit < EscapeBase + 0x80 || unit > EscapeBase + 0xFF)
        return false;
    // The second half of a surrogate pair is a character of its own, not an escape.
    return at == 0 || !name.at(at - 1).isHighSurrogate();
}

// Writes all of bytes, however the kernel splits the writes.
bool writeAll(int fd, const QByteArray &bytes)
{
    qsizetype written = 0;
    while (written < bytes.size()) {
        const ssize_t step = ::write(fd, bytes.constData() + written, size_t(bytes.size() - written));
        if (step < 0 && errno == EINTR)
            continue;
        if (step <= 0)
            return false;
        written += step;
    }
    return true;
}

// Temporary files of saves begin with this, so that a later save into the same folder can
// tell what a killed save left behind from the user's own files.
constexpr char TemporaryPrefix[] = ".orvane-save-";

// The target's name is kept in the temporary's only so a person can tell whose it was;
// it is cut so the whole name stays within the file system's limit.
constexpr qsizetype KeptNameBytes = 160;

bool sameFile(int fd, const char *path)
{
    struct stat opened {};
    struct stat named {};
    return ::fstat(fd, &opened) == 0 && ::lstat(path, &named) == 0 && opened.st_dev == named.st_dev
        && opened.st_ino == named.st_ino;
}

QByteArray folderOf(const QByteArray &target)
{
    const qsizetype slash = target.lastIndexOf('/');
    return slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : target.left(slash);
}

// Takes the lock of a temporary file that no save holds any more and removes it.
bool removeIfStale(int folder, const char *name)
{
    const int fd = ::openat(folder, name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat status {};
    bool removed = false;
    // Only our own regular files, and only those whose writer is gone: a save holds its
    // lock until it renames or removes the file.
    if (::fstat(fd, &status) == 0 && S_ISREG(status.st_mode) && status.st_uid == ::geteuid()
        && ::flock(fd, LOCK_EX | LOCK_NB) == 0) {
        struct stat named {};
        removed = ::fstatat(folder, name, &named, AT_SYMLINK_NOFOLLOW) == 0
               && named.st_ino == status.st_ino && named.st_dev == status.st_dev
               && ::unlinkat(folder, name, 0) == 0;
    }
    ::close(fd);
    return removed;
}

} // namespace

int createSaveTemporary(const QString &path, QString *temporary)
{
    const QByteArray target = encodeName(path);
    const qsizetype slash = target.lastIndexOf('/');
    const QByteArray folder = target.left(slash + 1);
    const QByteArray name = target.mid(slash + 1).left(KeptNameBytes);
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QByteArray candidate = folder + TemporaryPrefix
                                   + QByteArray::number(QRandomGenerator::global()->generate(), 36)
                                   + '-' + name;
        const int fd = ::open(candidate.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno == EEXIST)
            continue;
        if (fd < 0)
            return -1;
        // Held for the life of the save; a cleaner that got the file first between the
        // open and the lock has removed it, so another name is tried.
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && sameFile(fd, candidate.constData())) {
            *temporary = decodeName(candidate);
            return fd;
        }
        ::close(fd);
    }
    errno = EEXIST;
    return -1;
}

int removeStaleTemporaries(const QString &folderPath)
{
    const int folder = ::open(encodeName(folderPath).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder < 0)
        return 0;
    DIR *entries = ::fdopendir(folder);
    if (!entries) {
        ::close(folder);
        return 0;
    }
    int removed = 0;
    while (const dirent *entry = ::readdir(entries)) {
        if (std::strncmp(entry->d_name, TemporaryPrefix, sizeof TemporaryPrefix - 1) == 0)
            removed += removeIfStale(folder, entry->d_name);
    }
    ::closedir(entries);
    return removed;
}

QString reasonOfErrno(int error)
{
    switch (error) {
    case ENOENT: return QStringLiteral("the file does not exist");
    case EACCES:
    case EPERM: return QStringLiteral("permission denied");
    case EISDIR: return QStringLiteral("it is a folder, not a file");
    case ENOSPC: return QStringLiteral("no space is left on the disk");
    case EDQUOT: return QStringLiteral("the disk quota is used up");
    case EROFS: return QStringLiteral("the disk is read-only");
    case ENAMETOOLONG: return QStringLiteral("the file name is too long");
    default: return QString::fromLocal8Bit(std::strerror(error));
    }
}

ReadResult readRegularFile(const QString &path, qint64 maxBytes)
{
    const QByteArray native = encodeName(path);
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
    // Reading asks for a buffer of the size requested, so it asks for what fstat saw and
    // one byte more, not for the limit: that byte tells a file that grew since, which is
    // then read on up to one byte past the limit.
    QByteArray bytes = file.read(std::min<qint64>(status.st_size, maxBytes) + 1);
    if (file.error() == QFileDevice::NoError && bytes.size() > status.st_size && bytes.size() <= maxBytes)
        bytes += file.read(maxBytes + 1 - bytes.size());
    if (file.error() != QFileDevice::NoError)
        return {{}, Failure::ReadError, file.errorString()};
    if (bytes.size() > maxBytes)
        return {{}, Failure::TooLarge, tooLarge(maxBytes)};
    return {bytes, Failure::None, QString()};
}

bool exists(const QString &path)
{
    struct stat status {};
    return ::stat(encodeName(path).constData(), &status) == 0;
}

bool isFolder(const QString &path)
{
    struct stat status {};
    return ::stat(encodeName(path).constData(), &status) == 0 && S_ISDIR(status.st_mode);
}

QString unsafeSaveTarget(const QString &path)
{
    const QByteArray native = encodeName(path);
    struct stat status {};
    // stat follows links: a link to a regular file may be saved through. A link that
    // leads nowhere is not replaced by a file of its own: the user meant what it names.
    if (::stat(native.constData(), &status) != 0) {
        const int error = errno;
        struct stat link {};
        if (::lstat(native.constData(), &link) != 0 || !S_ISLNK(link.st_mode))
            return {};
        if (error == ELOOP)
            return QStringLiteral("it is a link that leads round in a loop");
        if (error == ENOENT || error == ENOTDIR)
            return QStringLiteral("it is a link to a file that does not exist");
        return QStringLiteral("it is a link that cannot be followed: %1").arg(reasonOfErrno(error));
    }
    if (S_ISDIR(status.st_mode))
        return QStringLiteral("it is a folder, not a file");
    if (!S_ISREG(status.st_mode))
        return QStringLiteral("it is not a regular file (a device, pipe or socket) and is left as it is");
    return {};
}

QString replaceFile(const QString &path, const QByteArray &bytes)
{
    const QString unsafe = unsafeSaveTarget(path);
    if (!unsafe.isEmpty())
        return unsafe;
    QByteArray target = encodeName(path);
    struct stat existing {};
    const bool exists = ::stat(target.constData(), &existing) == 0;
    if (exists) {
        // The file a link points to is replaced, not the link.
        char resolved[PATH_MAX];
        if (::realpath(target.constData(), resolved))
            target = resolved;
    }
    removeStaleTemporaries(decodeName(folderOf(target)));
    QString temporaryName;
    const int fd = createSaveTemporary(decodeName(target), &temporaryName);
    if (fd < 0) {
        // The new file goes beside the target, so a missing name here is its folder's.
        const int error = errno;
        return error == ENOENT ? QStringLiteral("the folder does not exist") : reasonOfErrno(error);
    }
    const QByteArray temporary = encodeName(temporaryName);
    bool written = writeAll(fd, bytes);
    if (written && exists)
        written = ::fchmod(fd, existing.st_mode & 07777) == 0;
    // The data must be on the disk before the new name points at it.
    if (written)
        written = ::fsync(fd) == 0;
    int error = errno;
    if (::close(fd) != 0 && written) {
        written = false;
        error = errno;
    }
    if (written && ::rename(temporary.constData(), target.constData()) == 0)
        return {};
    if (written)
        error = errno;
    ::unlink(temporary.constData());
    return reasonOfErrno(error);
}

QString decodeName(const QByteArray &name)
{
    const auto *bytes = reinterpret_cast<const uchar *>(name.constData());
    QString decoded;
    decoded.reserve(name.size());
    qsizetype runStart = 0;
    qsizetype at = 0;
    while (at < name.size()) {
        const int length = validSequenceLength(bytes + at, name.size() - at);
        if (length > 0) {
            at += length;
            continue;
        }
        decoded += QString::fromUtf8(name.constData() + runStart, at - runStart);
        decoded += QChar(char16_t(EscapeBase + bytes[at]));
        runStart = ++at;
    }
    decoded += QString::fromUtf8(name.constData() + runStart, at - runStart);
    return decoded;
}

QByteArray encodeName(const QString &name)
{
    QByteArray encoded;
    encoded.reserve(name.size());
    qsizetype runStart = 0;
    for (qsizetype at = 0; at < name.size(); ++at) {
        if (!isEscapedByte(name, at))
            continue;
        encoded += QFile::encodeName(name.mid(runStart, at - runStart));
        encoded += char(name.at(at).unicode() - EscapeBase);
        runStart = at + 1;
    }
    encoded += QFile::encodeName(name.mid(runStart));
    return encoded;
}

QString displayName(const QString &name)
{
    QString shown = name;
    for (qsizetype at = 0; at < shown.size(); ++at) {
        if (isEscapedByte(shown, at))
            shown[at] = QChar::ReplacementCharacter;
    }
    return shown;
}

FolderListing listFolder(const QString &folder)
{
    FolderListing listing;
    const QByteArray native = encodeName(folder);
    DIR *entries = ::opendir(native.constData());
    if (!entries) {
        listing.reason = reasonOfErrno(errno);
        return listing;
    }
    while (const dirent *entry = ::readdir(entries)) {
        const QByteArray name(entry->d_name);
        if (name == "." || name == "..")
            continue;
        struct stat status {};
        const QByteArray full = native + (native.endsWith('/') ? "" : "/") + name;
        // A link that leads nowhere is listed as a file, which opening then explains.
        const bool known = ::stat(full.constData(), &status) == 0;
        FolderEntry item;
        item.name = decodeName(name);
        item.folder = known && S_ISDIR(status.st_mode);
        item.size = known ? qint64(status.st_size) : 0;
        item.modified = known ? qint64(status.st_mtime) : 0;
        listing.entries.append(item);
    }
    ::closedir(entries);
    return listing;
}

} // namespace FileBytes

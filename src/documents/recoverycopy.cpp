// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "recoverycopy.h"

#include "core/apppaths.h"
#include "core/filebytes.h"
#include "storage/calendarfile.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <algorithm>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

// Version 1 held the name as UTF-8 text, which loses names that are not UTF-8 and breaks on
// a line feed in a name; version 2 holds the name's bytes, percent-encoded.
constexpr char SignatureV1[] = "Orvane recovery 1\n";
constexpr char SignatureV2[] = "Orvane recovery 2\n";
const QString kSuffix = QStringLiteral(".OVR");
const QString kLegacyOwner = QStringLiteral("legacy");

QString documentKey(const QString &documentName)
{
    if (documentName.isEmpty())
        return QStringLiteral("untitled");
    const QByteArray hash =
        QCryptographicHash::hash(FileBytes::encodeName(documentName), QCryptographicHash::Sha1);
    return QString::fromLatin1(hash.toHex().left(16));
}

// The owner of a copy named "<owner>-<key>.OVR"; empty for other names.
QString ownerOfCopy(const QString &fileName)
{
    if (!fileName.endsWith(kSuffix))
        return QString();
    const qsizetype dash = fileName.lastIndexOf(QLatin1Char('-'));
    return dash > 0 ? fileName.left(dash) : QString();
}

std::optional<RecoveryCopy::Contents> parse(const QByteArray &bytes)
{
    const bool version2 = bytes.startsWith(SignatureV2);
    if (!version2 && !bytes.startsWith(SignatureV1))
        return std::nullopt;
    const qsizetype nameStart = qsizetype(sizeof SignatureV1) - 1;
    const qsizetype nameEnd = bytes.indexOf('\n', nameStart);
    if (nameEnd < 0)
        return std::nullopt;
    QByteArray name = bytes.mid(nameStart, nameEnd - nameStart);
    if (version2)
        name = QByteArray::fromPercentEncoding(name);
    return RecoveryCopy::Contents{FileBytes::decodeName(name), bytes.mid(nameEnd + 1)};
}

} // namespace

// An exclusive lock on a file, held while the object lives. flock() belongs to the open
// file, so a second open of the same file, in this process or another, cannot take it.
class RecoveryCopy::HeldLock
{
public:
    static std::unique_ptr<HeldLock> take(const QString &path)
    {
        const int fd = ::open(QFile::encodeName(path).constData(),
                              O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
        if (fd < 0)
            return nullptr;
        int result;
        do {
            result = ::flock(fd, LOCK_EX | LOCK_NB);
        } while (result != 0 && errno == EINTR);
        if (result != 0) {
            ::close(fd);
            return nullptr;
        }
        return std::unique_ptr<HeldLock>(new HeldLock(fd, path));
    }
    ~HeldLock() { ::close(m_fd); }
    // Removed while still held, so no other program sees the file free in between.
    void removeFile() { QFile::remove(m_path); }

private:
    HeldLock(int fd, QString path) : m_fd(fd), m_path(std::move(path)) {}
    int m_fd;
    QString m_path;
};

RecoveryCopy::RecoveryCopy(QString folder, QString owner, QString legacyPath)
    : m_folder(std::move(folder)), m_owner(std::move(owner)), m_legacyPath(std::move(legacyPath))
{
    if (!m_folder.endsWith(QLatin1Char('/')))
        m_folder += QLatin1Char('/');
}

RecoveryCopy::~RecoveryCopy()
{
    // Copies still here belong to a document whose changes were not saved or given up: the
    // lock goes with this object, which makes them copies whose owner is gone.
    if (m_ownLock && !ownerHasCopies(m_owner))
        m_ownLock->removeFile();
}

RecoveryCopy::RecoveryCopy(RecoveryCopy &&other) noexcept = default;
RecoveryCopy &RecoveryCopy::operator=(RecoveryCopy &&other) noexcept = default;

QString RecoveryCopy::defaultFolder()
{
    return AppPaths::userFile(QStringLiteral("Recovery/"));
}

QString RecoveryCopy::defaultLegacyPath()
{
    return AppPaths::userFile(QStringLiteral("Recovery.OVR"));
}

QString RecoveryCopy::processOwner()
{
    static const QString owner = QStringLiteral("%1-%2")
                                     .arg(QCoreApplication::applicationPid())
                                     .arg(QRandomGenerator::system()->generate(), 8, 16, QLatin1Char('0'));
    return owner;
}

QString RecoveryCopy::pathFor(const QString &documentName) const
{
    return m_folder + m_owner + QLatin1Char('-') + documentKey(documentName) + kSuffix;
}

QString RecoveryCopy::lockPath(const QString &owner) const
{
    return m_folder + owner + QStringLiteral(".lock");
}

bool RecoveryCopy::writeCopy(const Contents &contents)
{
    if (!QDir().mkpath(m_folder))
        return false;
    // The lock comes first: a copy must never be seen without its owner's lock held.
    if (!m_ownLock)
        m_ownLock = HeldLock::take(lockPath(m_owner));
    if (!m_ownLock)
        return false;
    QByteArray bytes(SignatureV2);
    bytes += FileBytes::encodeName(contents.documentName).toPercentEncoding() + '\n';
    bytes += contents.state;
    return CalendarFile::writeFileBytes(pathFor(contents.documentName), bytes).ok;
}

bool RecoveryCopy::writeExtra(const Contents &contents)
{
    if (!writeCopy(contents))
        return false;
    if (!m_extras.contains(contents.documentName))
        m_extras.append(contents.documentName);
    return true;
}

void RecoveryCopy::removeExtra(const QString &documentName)
{
    if (m_extras.removeAll(documentName) > 0 && pathFor(documentName) != m_written)
        QFile::remove(pathFor(documentName));
}

void RecoveryCopy::removeExtras()
{
    const QStringList extras = m_extras;
    for (const QString &name : extras)
        removeExtra(name);
}

bool RecoveryCopy::write(const Contents &contents)
{
    if (!writeCopy(contents))
        return false;
    const QString path = pathFor(contents.documentName);
    if (!m_written.isEmpty() && m_written != path && !isExtraPath(m_written))
        QFile::remove(m_written);
    m_written = path;
    return true;
}

bool RecoveryCopy::isExtraPath(const QString &path) const
{
    return std::any_of(m_extras.begin(), m_extras.end(),
                       [this, &path](const QString &name) { return pathFor(name) == path; });
}

void RecoveryCopy::remove()
{
    // A copy that is also an extra one stays until the extra one goes.
    if (!m_written.isEmpty() && !isExtraPath(m_written))
        QFile::remove(m_written);
    m_written.clear();
}

std::optional<RecoveryCopy::Contents> RecoveryCopy::readFile(const QString &path)
{
    const FileBytes::ReadResult file = FileBytes::readRegularFile(path, CalendarFile::kMaxFileSize);
    if (!file.ok())
        return std::nullopt;
    return parse(file.bytes);
}

bool RecoveryCopy::ownerHasCopies(const QString &owner) const
{
    if (owner == kLegacyOwner)
        return QFileInfo::exists(m_legacyPath);
    const QStringList copies = QDir(m_folder).entryList({owner + QStringLiteral("-*") + kSuffix}, QDir::Files);
    return std::any_of(copies.cbegin(), copies.cend(),
                       [&owner](const QString &name) { return ownerOfCopy(name) == owner; });
}

bool RecoveryCopy::claim(const QString &owner)
{
    if (m_claims.count(owner))
        return true;
    if (!QDir().mkpath(m_folder))
        return false;
    std::unique_ptr<HeldLock> lock = HeldLock::take(lockPath(owner));
    if (!lock)
        return false;
    m_claims.emplace(owner, std::move(lock));
    return true;
}

std::optional<RecoveryCopy::Orphan> RecoveryCopy::readOrphan(const QString &path, const QString &owner)
{
    if (owner == m_owner || !claim(owner))
        return std::nullopt;
    // Read after the claim: the owner may have removed the copy before it ended.
    std::optional<Contents> contents = readFile(path);
    if (!contents)
        return std::nullopt;
    return Orphan{path, owner, std::move(*contents), QFileInfo(path).lastModified()};
}

QList<RecoveryCopy::Orphan> RecoveryCopy::claimOrphans()
{
    QList<Orphan> orphans;
    const QDir folder(m_folder);
    for (const QString &name : folder.entryList({QLatin1Char('*') + kSuffix}, QDir::Files)) {
        const QString owner = ownerOfCopy(name);
        if (owner.isEmpty() || owner == kLegacyOwner)
            continue;
        if (std::optional<Orphan> orphan = readOrphan(folder.filePath(name), owner))
            orphans.append(std::move(*orphan));
    }
    if (!m_legacyPath.isEmpty() && QFileInfo::exists(m_legacyPath)) {
        if (std::optional<Orphan> orphan = readOrphan(m_legacyPath, kLegacyOwner))
            orphans.append(std::move(*orphan));
    }
    std::stable_sort(orphans.begin(), orphans.end(),
                     [](const Orphan &a, const Orphan &b) { return a.written > b.written; });
    return orphans;
}

void RecoveryCopy::discardOrphan(const Orphan &orphan)
{
    const auto claimed = m_claims.find(orphan.owner);
    if (claimed == m_claims.end())
        return;
    QFile::remove(orphan.path);
    if (!ownerHasCopies(orphan.owner))
        claimed->second->removeFile();
}

void RecoveryCopy::releaseOrphans()
{
    m_claims.clear();
}

// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "recoverycopy.h"

#include "core/apppaths.h"
#include "core/filebytes.h"
#include "storage/calendarfile.h"

#include <QFile>

namespace {

constexpr char Signature[] = "Orvane recovery 1\n";

} // namespace

RecoveryCopy::RecoveryCopy(QString path) : m_path(std::move(path)) {}

QString RecoveryCopy::defaultPath()
{
    return AppPaths::userFile(QStringLiteral("Recovery.OVR"));
}

bool RecoveryCopy::write(const Contents &contents)
{
    QByteArray bytes(Signature);
    bytes += contents.documentName.toUtf8() + '\n';
    bytes += contents.state;
    return CalendarFile::writeFileBytes(m_path, bytes).ok;
}

std::optional<RecoveryCopy::Contents> RecoveryCopy::read() const
{
    const FileBytes::ReadResult file = FileBytes::readRegularFile(m_path, CalendarFile::kMaxFileSize);
    if (!file.ok() || !file.bytes.startsWith(Signature))
        return std::nullopt;
    const qsizetype nameStart = qsizetype(sizeof Signature) - 1;
    const qsizetype nameEnd = file.bytes.indexOf('\n', nameStart);
    if (nameEnd < 0)
        return std::nullopt;
    return Contents{QString::fromUtf8(file.bytes.mid(nameStart, nameEnd - nameStart)),
                    file.bytes.mid(nameEnd + 1)};
}

void RecoveryCopy::remove()
{
    QFile::remove(m_path);
}

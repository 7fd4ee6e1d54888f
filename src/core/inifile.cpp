// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "inifile.h"

#include "core/filebytes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <optional>

namespace {

// The section name of a "[name]" line, or nullopt for any other line.
std::optional<QString> sectionOf(const QString &line)
{
    const QString t = line.trimmed();
    if (t.size() >= 2 && t.startsWith(QLatin1Char('[')) && t.endsWith(QLatin1Char(']')))
        return t.mid(1, t.size() - 2).trimmed();
    return std::nullopt;
}

bool sameName(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// Index range [first, end) of the lines inside a section; first is -1 when it is missing.
std::pair<int, int> sectionRange(const QStringList &lines, const QString &section)
{
    for (int i = 0; i < lines.size(); ++i) {
        const auto name = sectionOf(lines[i]);
        if (!name || !sameName(*name, section))
            continue;
        int end = i + 1;
        while (end < lines.size() && !sectionOf(lines[end]))
            ++end;
        return {i + 1, end};
    }
    return {-1, -1};
}

QString keyOf(const QString &line)
{
    const int eq = line.indexOf(QLatin1Char('='));
    return eq < 0 ? QString() : line.left(eq).trimmed();
}

} // namespace

QStringList IniFile::load() const
{
    // Preferences are a few kilobytes; anything far larger is not ours to read.
    const FileBytes::ReadResult file = FileBytes::readRegularFile(m_path, MaxFileSize);
    if (!file.ok())
        return {};
    return parse(file.bytes);
}

std::optional<QStringList> IniFile::loadForChange() const
{
    // A file that is there but cannot be read (too large, unreadable, not a file) is
    // left as it is: writing the one changed key would replace everything else in it.
    const FileBytes::ReadResult file = FileBytes::readRegularFile(m_path, MaxFileSize);
    if (file.failure == FileBytes::Failure::NotFound)
        return QStringList();
    if (!file.ok())
        return std::nullopt;
    return parse(file.bytes);
}

QStringList IniFile::parse(const QByteArray &bytes)
{
    QString text = QString::fromUtf8(bytes);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    QStringList lines = text.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

bool IniFile::store(const QStringList &lines)
{
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += line.toUtf8() + "\n";
    return FileBytes::replaceFile(m_path, bytes).isEmpty();
}

std::optional<QString> IniFile::value(const QString &section, const QString &key) const
{
    return find(load(), section, key);
}

std::optional<QString> IniFile::find(const QStringList &lines, const QString &section,
                                     const QString &key)
{
    const auto [first, end] = sectionRange(lines, section);
    for (int i = first; i >= 0 && i < end; ++i) {
        if (sameName(keyOf(lines[i]), key))
            return lines[i].mid(lines[i].indexOf(QLatin1Char('=')) + 1).trimmed();
    }
    return std::nullopt;
}

QString IniFile::readString(const QString &section, const QString &key, const QString &def) const
{
    return value(section, key).value_or(def);
}

int IniFile::readInteger(const QString &section, const QString &key, int def) const
{
    const auto text = value(section, key);
    if (!text)
        return def;
    bool ok = false;
    int result;
    if (text->size() > 2 && (text->startsWith(QLatin1String("0x"), Qt::CaseInsensitive)))
        result = int(text->mid(2).toUInt(&ok, 16));
    else
        result = text->toInt(&ok, 10);
    return ok ? result : def;
}

bool IniFile::readBool(const QString &section, const QString &key, bool def) const
{
    return readInteger(section, key, def ? 1 : 0) != 0;
}

QStringList IniFile::readSection(const QString &section) const
{
    return sectionIn(load(), section);
}

QStringList IniFile::sectionIn(const QStringList &lines, const QString &section)
{
    const auto [first, end] = sectionRange(lines, section);
    QStringList out;
    for (int i = first; i >= 0 && i < end; ++i) {
        if (lines[i].contains(QLatin1Char('=')))
            out << lines[i];
    }
    return out;
}

bool IniFile::hasSection(const QString &section) const
{
    return sectionRange(load(), section).first >= 0;
}

bool IniFile::writeString(const QString &section, const QString &key, const QString &value)
{
    std::optional<QStringList> loaded = loadForChange();
    if (!loaded)
        return false;
    QStringList &lines = *loaded;
    const QString line = key + QLatin1Char('=') + value;
    auto [first, end] = sectionRange(lines, section);
    if (first < 0) {
        if (!lines.isEmpty() && !lines.last().trimmed().isEmpty())
            lines << QString();
        lines << QLatin1Char('[') + section + QLatin1Char(']') << line;
        return store(lines);
    }
    for (int i = first; i < end; ++i) {
        if (sameName(keyOf(lines[i]), key)) {
            lines[i] = line;
            return store(lines);
        }
    }
    // New keys go after the section's last key, before any blank lines that close it.
    int at = end;
    while (at > first && lines[at - 1].trimmed().isEmpty())
        --at;
    lines.insert(at, line);
    return store(lines);
}

bool IniFile::writeInteger(const QString &section, const QString &key, int value)
{
    return writeString(section, key, QString::number(value));
}

bool IniFile::writeBool(const QString &section, const QString &key, bool value)
{
    return writeString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

bool IniFile::eraseSection(const QString &section)
{
    std::optional<QStringList> loaded = loadForChange();
    if (!loaded)
        return false;
    QStringList &lines = *loaded;
    const auto [first, end] = sectionRange(lines, section);
    if (first < 0)
        return true;
    lines.erase(lines.begin() + (first - 1), lines.begin() + end);
    return store(lines);
}

// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// An INI file with the behaviour settings files have always had: sections and keys match
// without regard to case, the order of lines is kept, a value is everything after the
// first '='. Every call reads the file afresh and every write stores it at once (through
// a temporary file), so several users of one file never overwrite each other's keys.
// Text is UTF-8, so paths with any characters survive.
class IniFile
{
public:
    // Larger files are not read: preferences are a few kilobytes.
    static constexpr qint64 MaxFileSize = 4 * 1024 * 1024;

    explicit IniFile(QString path) : m_path(std::move(path)) {}

    const QString &path() const { return m_path; }

    QString readString(const QString &section, const QString &key, const QString &def) const;
    // Decimal, or hexadecimal after "0x"/"0X" (when more than two characters); a value
    // that does not convert gives the default.
    int readInteger(const QString &section, const QString &key, int def) const;
    // Any integer other than 0 is true.
    bool readBool(const QString &section, const QString &key, bool def) const;
    // The lines of a section ("key=value"), in file order.
    QStringList readSection(const QString &section) const;
    bool hasSection(const QString &section) const;

    // Writes return false (and leave the file as it was) when the file cannot be stored,
    // or when it exists but cannot be read.
    bool writeString(const QString &section, const QString &key, const QString &value);
    bool writeInteger(const QString &section, const QString &key, int value);
    bool writeBool(const QString &section, const QString &key, bool value);
    bool eraseSection(const QString &section);

    // The file's text as lines, as every read sees it, and what the reads find in them.
    // They work on bytes and lines alone, so the parser can be tested and fuzzed without
    // a file.
    static QStringList parse(const QByteArray &bytes);
    static std::optional<QString> find(const QStringList &lines, const QString &section,
                                       const QString &key);
    static QStringList sectionIn(const QStringList &lines, const QString &section);

private:
    QStringList load() const;
    std::optional<QStringList> loadForChange() const;
    bool store(const QStringList &lines);
    std::optional<QString> value(const QString &section, const QString &key) const;

    QString m_path;
};

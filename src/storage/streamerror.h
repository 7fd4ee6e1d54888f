// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <exception>

// A failure while reading or writing the value stream. The message is one of the fixed
// texts the document code recognises ("Stream read error", "Invalid property value" ...).
class StreamError : public std::exception
{
public:
    explicit StreamError(QString message) : m_message(std::move(message)), m_utf8(m_message.toUtf8()) {}
    const QString &message() const { return m_message; }
    const char *what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
};

namespace StreamMessages {
inline QString readError() { return QStringLiteral("Stream read error"); }
inline QString invalidFormat() { return QStringLiteral("Invalid stream format"); }
inline QString invalidValue() { return QStringLiteral("Invalid property value"); }
inline QString invalidPath() { return QStringLiteral("Invalid property path"); }
inline QString unknownProperty() { return QStringLiteral("Property does not exist"); }
inline QString readOnly() { return QStringLiteral("Property is read-only"); }
inline QString classNotFound(const QString &name) { return QStringLiteral("Class %1 not found").arg(name); }
inline QString ancestorNotFound(const QString &name)
{
    return QStringLiteral("Ancestor for '%1' not found").arg(name);
}
inline QString duplicateName(const QString &name)
{
    return QStringLiteral("A component named %1 already exists").arg(name);
}
inline QString duplicateClass(const QString &name)
{
    return QStringLiteral("A class named %1 already exists").arg(name);
}
inline QString errorReading(const QString &object, const QString &property, const QString &message)
{
    return QStringLiteral("Error reading %1.%2: %3").arg(object, property, message);
}
} // namespace StreamMessages

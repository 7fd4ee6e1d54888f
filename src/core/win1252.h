// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// Files keep text as Windows-1252, one byte a character; the program works in QString.
namespace Win1252 {

QString toUnicode(const QByteArray &bytes);
QString toUnicode(char byte);
// Characters the code page cannot hold become '?'; callers that must not lose text
// check canEncode() first.
QByteArray fromUnicode(const QString &text);
bool canEncode(QChar c);
bool canEncode(const QString &text);

} // namespace Win1252

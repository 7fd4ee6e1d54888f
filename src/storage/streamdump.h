// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

// Readable text of a calendar document or style sheet: each value with its tag, the page
// block with field names, and each root record in object-text form. Damaged input is
// dumped as far as it can be read, followed by the offset and reason where it stopped.
struct StreamDump {
    QString text;
    bool complete = false;
};

// With write set, the text goes to it piece by piece as it is made (a large document's dump
// is several times its size) and the result's text stays empty.
StreamDump dumpCalendarFile(const QByteArray &bytes, const std::function<void(const QString &)> &write = {});

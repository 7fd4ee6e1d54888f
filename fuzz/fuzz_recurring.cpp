// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the recurring-date list as OVRECUR.DAX holds it: every line is
// described for the list and evaluated for a few months, as the dialogs and the fill do.
// Any outcome but a crash, a hang or a huge allocation is fine.
#include "recurring/recurringdays.h"
#include "recurring/recurringentry.h"
#include "recurring/recurringstore.h"

#include <QCoreApplication>

#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QStringList lines = RecurringStore::parseLines(bytes);
    for (const QString &line : lines) {
        DescribeRecurringEntry(line);
        for (const auto &[year, month] : {std::pair{1, 1}, std::pair{1997, 2}, std::pair{2024, 3},
                                          std::pair{9999, 12}})
            recurringLineDays(line, year, month);
    }
    // A list read and written again keeps every line.
    if (RecurringStore::parseLines(RecurringStore::serializeLines(lines)).size() < lines.size())
        __builtin_trap();
    return 0;
}

// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "objectnames.h"

std::optional<QString> firstFreeObjectName(const QString &prefix, int first,
                                           const std::function<bool(const QString &)> &taken)
{
    for (int n = first; n <= 1000; ++n) {
        const QString name = prefix + QString::number(n);
        if (!taken(name))
            return name;
    }
    return std::nullopt;
}

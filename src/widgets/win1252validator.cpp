// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "win1252validator.h"

#include "core/win1252.h"

QValidator::State Win1252Validator::validate(QString &input, int &) const
{
    for (QChar c : input) {
        if (!Win1252::canEncode(c)) {
            emit refused(refusalText(c));
            return Invalid;
        }
    }
    return Acceptable;
}

QString Win1252Validator::refusalText(QChar refused)
{
    return QStringLiteral("\u201c%1\u201d can't be kept in a calendar file; "
                          "use letters of Western European languages.")
        .arg(refused);
}

// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

// The 26 built-in holidays as complete entry lines, in alphabetical order. The Easter-family
// keywords are padded to 11 characters; the other formulas to the usual 10.
QStringList holidayLines();

// Whether the list holds the built-in holiday, as it is now or as an earlier version of the
// program wrote it (the clock-change days followed older rules), so that adding the
// holidays again does not list it twice.
bool holidayListed(const QStringList &lines, const QString &holiday);

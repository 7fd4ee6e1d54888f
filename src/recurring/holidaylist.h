// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

// The 26 built-in holidays as complete entry lines, in alphabetical order. The Easter-family
// keywords are padded to 11 characters; the other formulas to the usual 10.
QStringList holidayLines();

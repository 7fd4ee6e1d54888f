// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>

// Easter Sunday: the Gregorian computus from 1583 on; before, the short integer formula
// the program always used (it equals the computus for 1900 to 2099, so no stored page
// changes). Invalid for years outside 1..9999.
QDate easterSunday(int year);

// The day of the month on which the feast falls in that year, or 0 when it falls in
// another month (or the year is outside 1..9999).
int EasterDay(int year, int month);
int GoodFridayDay(int year, int month);
int PalmSundayDay(int year, int month);

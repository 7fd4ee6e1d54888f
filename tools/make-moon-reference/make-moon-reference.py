#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Orvane developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the reference table of the moon's principal phases that the phase test checks
our own computation against.

The times come from PyEphem (Debian package python3-ephem), which finds each phase by
searching the moon's and the sun's apparent longitudes in libastro's lunar and solar
theories (ELP 2000-82 and VSOP87) with its own Delta T table: a source independent of the
series the program evaluates. Developers run it; the build never does.

    /usr/bin/python3 tools/make-moon-reference/make-moon-reference.py > tests/recurring/data/moonphases.ref
"""
import datetime
import ephem

FIRST_YEAR, LAST_YEAR, STEP = 1900, 2100, 4
FINDERS = [
    ("new", ephem.next_new_moon),
    ("first-quarter", ephem.next_first_quarter_moon),
    ("full", ephem.next_full_moon),
    ("last-quarter", ephem.next_last_quarter_moon),
]


def phases_of(year):
    start = ephem.Date(datetime.datetime(year, 1, 1))
    end = ephem.Date(datetime.datetime(year + 1, 1, 1))
    found = []
    for name, finder in FINDERS:
        when = finder(start)
        while when < end:
            found.append((when.datetime(), name))
            when = finder(ephem.Date(when + 1))
    return sorted(found)


def main():
    print("# The moon's principal phases in UTC, every %dth year from %d to %d." % (STEP, FIRST_YEAR, LAST_YEAR))
    print("# Source: PyEphem %s (libastro: ELP 2000-82 moon, VSOP87 sun), written by" % ephem.__version__)
    print("# tools/make-moon-reference/make-moon-reference.py. Times rounded to the second.")
    for year in list(range(FIRST_YEAR, LAST_YEAR + 1, STEP)):
        for when, name in phases_of(year):
            rounded = (when + datetime.timedelta(microseconds=500000)).replace(microsecond=0)
            print("%s %s" % (rounded.strftime("%Y-%m-%dT%H:%M:%SZ"), name))


if __name__ == "__main__":
    main()

// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// The program's command line: orvane [--help | --version] [calendar.ovf].
struct ProgramArguments
{
    // Printed on standard output before ending (--help, --version).
    QString output;
    // A wrong command line, for standard error.
    QString error;
    // The document to open, made absolute so another running copy can open it too.
    QString documentPath;
};

// Help and version need no display, so they are answered from the raw arguments before
// the application starts; everything else after Qt has taken its own options out.
ProgramArguments earlyProgramArguments(const QStringList &arguments);
ProgramArguments parseProgramArguments(const QStringList &arguments);

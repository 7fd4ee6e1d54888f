// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// Text from documents and file names on its way to a terminal: control characters (C0, DEL,
// C1) and the marks that reorder text are written as escapes ("\x1B", "\u202E"), so a file
// cannot send the terminal commands or hide what a line says. Line ends and tabs are kept
// when keepLines is set, for the multi-line dump.
QString terminalText(const QString &text, bool keepLines = false);

// A message on standard error, after "orvane-render: ", in terminal text (its own line
// breaks kept).
void printProblem(const QString &message);
// printProblem, then the status of a command that failed (1).
int failWith(const QString &message);

// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QStringList>

struct RunResult
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

class QProcess;

// Runs orvane-render with the arguments and collects its output.
RunResult render(const QStringList &arguments);
// Waits for a started process (at most a minute) and collects its output.
RunResult waitForRun(QProcess &process);

// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "renderprocess.h"

#include <QProcess>

RunResult render(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral(ORVANE_RENDER_PROGRAM), arguments);
    return waitForRun(process);
}

RunResult waitForRun(QProcess &process)
{
    RunResult result;
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return result;
    }
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    return result;
}

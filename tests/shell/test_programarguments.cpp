// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QDir>

#include "shell/programarguments.h"

TEST(ProgramArguments, HelpAndVersionAreAnsweredBeforeTheWindowStarts)
{
    const ProgramArguments version = earlyProgramArguments({"orvane", "-platform", "xcb", "--version"});
    EXPECT_EQ(version.output, QStringLiteral("orvane " ORVANE_VERSION "\n"));
    EXPECT_TRUE(earlyProgramArguments({"orvane", "-h"}).output.startsWith("Usage: orvane"));
    EXPECT_TRUE(earlyProgramArguments({"orvane", "Plan.OVF"}).output.isEmpty());
    EXPECT_TRUE(earlyProgramArguments({"orvane", "--", "--version"}).output.isEmpty())
        << "after -- a file may be named like an option";
}

TEST(ProgramArguments, TheDocumentIsMadeAbsoluteForAnotherRunningCopy)
{
    const ProgramArguments relative = parseProgramArguments({"orvane", "cal/June.OVF"});
    EXPECT_TRUE(relative.error.isEmpty());
    EXPECT_EQ(relative.documentPath, QDir::current().absoluteFilePath(QStringLiteral("cal/June.OVF")));
    EXPECT_EQ(parseProgramArguments({"orvane", "--", "--odd.OVF"}).documentPath,
              QDir::current().absoluteFilePath(QStringLiteral("--odd.OVF")));
    EXPECT_TRUE(parseProgramArguments({"orvane"}).documentPath.isEmpty());

    EXPECT_FALSE(parseProgramArguments({"orvane", "a.OVF", "b.OVF"}).error.isEmpty());
    EXPECT_FALSE(parseProgramArguments({"orvane", "--frobnicate"}).error.isEmpty());
}

// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "core/inifile.h"

namespace {

QString writeFile(const QTemporaryDir &dir, const QByteArray &text)
{
    const QString path = dir.filePath(QStringLiteral("OV.INI"));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(text);
    return path;
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

} // namespace

TEST(IniFile, ReadsIgnoreCaseAndTakeEverythingAfterTheFirstEquals)
{
    QTemporaryDir dir;
    IniFile ini(writeFile(dir, "[Zooming]\r\nMAIN=75\r\n[Default Font]\r\nName = Times=Roman \r\n"));
    EXPECT_EQ(ini.readInteger(QStringLiteral("zooming"), QStringLiteral("main"), 60), 75);
    EXPECT_EQ(ini.readString(QStringLiteral("Default Font"), QStringLiteral("Name"), QString()),
              QStringLiteral("Times=Roman"));
    EXPECT_EQ(ini.readInteger(QStringLiteral("Zooming"), QStringLiteral("Prop"), 30), 30);
    EXPECT_EQ(ini.readString(QStringLiteral("Nope"), QStringLiteral("Name"), QStringLiteral("d")),
              QStringLiteral("d"));
}

TEST(IniFile, IntegersFollowTheHexRuleAndFallBackToTheDefault)
{
    QTemporaryDir dir;
    IniFile ini(writeFile(dir, "[S]\na=0x1F\nb=0X\nc=12abc\nd=-7\ne=0x\nf=2\n"));
    const QString s = QStringLiteral("S");
    EXPECT_EQ(ini.readInteger(s, QStringLiteral("a"), 0), 31);
    EXPECT_EQ(ini.readInteger(s, QStringLiteral("b"), 5), 5);
    EXPECT_EQ(ini.readInteger(s, QStringLiteral("c"), 5), 5);
    EXPECT_EQ(ini.readInteger(s, QStringLiteral("d"), 5), -7);
    EXPECT_EQ(ini.readInteger(s, QStringLiteral("e"), 9), 9);
    EXPECT_TRUE(ini.readBool(s, QStringLiteral("f"), false));
    EXPECT_TRUE(ini.readBool(s, QStringLiteral("missing"), true));
}

TEST(IniFile, WritesKeepOtherLinesInOrder)
{
    QTemporaryDir dir;
    const QString path = writeFile(dir, "; comment\n[A]\nx=1\n\n[B]\ny=2\n");
    IniFile ini(path);
    ASSERT_TRUE(ini.writeInteger(QStringLiteral("a"), QStringLiteral("X"), 5));
    ASSERT_TRUE(ini.writeString(QStringLiteral("A"), QStringLiteral("z"), QStringLiteral("new")));
    ASSERT_TRUE(ini.writeBool(QStringLiteral("C"), QStringLiteral("On"), true));
    EXPECT_EQ(contents(path), QByteArray("; comment\n[A]\nX=5\nz=new\n\n[B]\ny=2\n\n[C]\nOn=1\n"));
}

TEST(IniFile, ErasingASectionRemovesItsHeaderAndLines)
{
    QTemporaryDir dir;
    const QString path = writeFile(dir, "[MRU]\nF0=a\nF1=b\n[Hints]\nOn=0\n");
    IniFile ini(path);
    EXPECT_EQ(ini.readSection(QStringLiteral("mru")),
              (QStringList{QStringLiteral("F0=a"), QStringLiteral("F1=b")}));
    ASSERT_TRUE(ini.eraseSection(QStringLiteral("MRU")));
    EXPECT_FALSE(ini.hasSection(QStringLiteral("MRU")));
    EXPECT_EQ(contents(path), QByteArray("[Hints]\nOn=0\n"));
}

TEST(IniFile, AMissingFileGivesDefaultsAndIsCreatedOnWrite)
{
    QTemporaryDir dir;
    IniFile ini(dir.filePath(QStringLiteral("sub/OV.INI")));
    EXPECT_EQ(ini.readInteger(QStringLiteral("Zooming"), QStringLiteral("Main"), 60), 60);
    EXPECT_TRUE(ini.readSection(QStringLiteral("MRU")).isEmpty());
    EXPECT_TRUE(ini.writeString(QStringLiteral("MRU"), QStringLiteral("F0"), QStringLiteral("/tmp/ä.OVF")));
    EXPECT_EQ(ini.readString(QStringLiteral("MRU"), QStringLiteral("F0"), QString()),
              QStringLiteral("/tmp/ä.OVF"));
}

TEST(IniFile, AFailedWriteIsReported)
{
    QTemporaryDir dir;
    const QString blocker = writeFile(dir, "[A]\nx=1\n");
    // A regular file where a folder should be: no user, not even root, can create it.
    IniFile ini(blocker + QStringLiteral("/OV.INI"));
    EXPECT_FALSE(ini.writeInteger(QStringLiteral("A"), QStringLiteral("x"), 2));
    EXPECT_FALSE(ini.eraseSection(QStringLiteral("A")) && ini.hasSection(QStringLiteral("A")));
    EXPECT_EQ(contents(blocker), QByteArray("[A]\nx=1\n"));
}

TEST(IniFile, AFileThatCannotBeReadIsNeverReplacedByAWrite)
{
    // Too large to read: a write would keep only the key it sets.
    QTemporaryDir dir;
    QByteArray large = "[Zooming]\nMain=80\n";
    large += QByteArray(IniFile::MaxFileSize, ';');
    const QString path = writeFile(dir, large);
    IniFile ini(path);
    EXPECT_EQ(ini.readInteger(QStringLiteral("Zooming"), QStringLiteral("Main"), 60), 60);
    EXPECT_FALSE(ini.writeInteger(QStringLiteral("Zooming"), QStringLiteral("Main"), 100));
    EXPECT_FALSE(ini.eraseSection(QStringLiteral("Zooming")));
    EXPECT_EQ(contents(path), large);
}

TEST(IniFile, ParsesBytesAsTheFileReadsThem)
{
    const QStringList lines = IniFile::parse("[Main]\r\nZoom=75\r\n[ Recent ]\nfile1 = a=b.OVF\nno key\n");
    EXPECT_EQ(lines.size(), 5);
    EXPECT_EQ(IniFile::find(lines, QStringLiteral("main"), QStringLiteral("ZOOM")), QStringLiteral("75"));
    EXPECT_EQ(IniFile::find(lines, QStringLiteral("Recent"), QStringLiteral("File1")),
              QStringLiteral("a=b.OVF"));
    EXPECT_FALSE(IniFile::find(lines, QStringLiteral("Main"), QStringLiteral("file1")));
    EXPECT_EQ(IniFile::sectionIn(lines, QStringLiteral("recent")), QStringList{QStringLiteral("file1 = a=b.OVF")});
    EXPECT_TRUE(IniFile::parse({}).isEmpty());
}

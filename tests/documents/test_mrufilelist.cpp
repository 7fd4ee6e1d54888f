// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QMenu>
#include <QSignalSpy>
#include <QTemporaryDir>

#include "core/filebytes.h"
#include "core/inifile.h"
#include "documents/mrufilelist.h"

namespace {

QStringList captions(const QMenu &menu)
{
    QStringList out;
    for (const QAction *a : menu.actions())
        out << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return out;
}

struct MruFixture : ::testing::Test {
    MruFixture()
    {
        menu.addAction(QStringLiteral("&Open"));
        menu.addAction(QStringLiteral("E&xit"));
        list.SetFileMenu(&menu);
        list.SetAutoSaveName(dir.filePath(QStringLiteral("OV.INI")));
        list.SetAutoSaveKey(QStringLiteral("MRU"));
    }
    QTemporaryDir dir;
    QMenu menu;
    TMRUFileList list;
};

} // namespace

TEST_F(MruFixture, SixFilesKeepTheFiveNewestNumberedAtTheEndOfTheMenu)
{
    EXPECT_EQ(captions(menu), (QStringList{QStringLiteral("&Open"), QStringLiteral("E&xit")}));
    for (int i = 1; i <= 6; ++i)
        list.AddFile(QStringLiteral("/docs/f%1.OVF").arg(i));
    EXPECT_EQ(list.files().size(), 5);
    EXPECT_EQ(captions(menu),
              (QStringList{QStringLiteral("&Open"), QStringLiteral("E&xit"), QStringLiteral("-"),
                           QStringLiteral("&1 /docs/f6.OVF"), QStringLiteral("&2 /docs/f5.OVF"),
                           QStringLiteral("&3 /docs/f4.OVF"), QStringLiteral("&4 /docs/f3.OVF"),
                           QStringLiteral("&5 /docs/f2.OVF")}));
}

TEST_F(MruFixture, ARepeatedFileMovesToTheTopWhateverItsCase)
{
    list.AddFile(QStringLiteral("/a.OVF"));
    list.AddFile(QStringLiteral("/b.OVF"));
    list.AddFile(QStringLiteral("/A.ovf"));
    EXPECT_EQ(list.files(), (QStringList{QStringLiteral("/A.ovf"), QStringLiteral("/b.OVF")}));
}

TEST_F(MruFixture, StoredListKeepsLineOrderNotKeyNumbers)
{
    IniFile ini(dir.filePath(QStringLiteral("OV.INI")));
    ini.writeString(QStringLiteral("MRU"), QStringLiteral("F3"), QStringLiteral("a"));
    ini.writeString(QStringLiteral("MRU"), QStringLiteral("F1"), QStringLiteral("b"));
    list.LoadList();
    EXPECT_EQ(list.files(), (QStringList{QStringLiteral("a"), QStringLiteral("b")}));
    ASSERT_TRUE(list.SaveList());
    EXPECT_EQ(ini.readSection(QStringLiteral("MRU")),
              (QStringList{QStringLiteral("F0=a"), QStringLiteral("F1=b")}));
}

TEST_F(MruFixture, ClickingRemovesTheEntryAndAsksToOpenIt)
{
    list.AddFile(QStringLiteral("/x.OVF"));
    list.AddFile(QStringLiteral("/y.OVF"));
    QSignalSpy spy(&list, &TMRUFileList::OnMRUItemClick);
    QAction *second = menu.actions().last();
    second->trigger();
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy.at(0).at(0).toString(), QStringLiteral("/x.OVF"));
    EXPECT_EQ(list.files(), QStringList{QStringLiteral("/y.OVF")});
    list.clickEntry(1);
    EXPECT_TRUE(list.files().isEmpty());
    // An empty list leaves no separator behind.
    EXPECT_EQ(captions(menu), (QStringList{QStringLiteral("&Open"), QStringLiteral("E&xit")}));
}

TEST_F(MruFixture, LoweringTheMaximumDropsTheOldestAndSubmenusHoldTheEntries)
{
    for (int i = 1; i <= 4; ++i)
        list.AddFile(QStringLiteral("f%1").arg(i));
    list.SetMaximum(2);
    EXPECT_EQ(list.files(), (QStringList{QStringLiteral("f4"), QStringLiteral("f3")}));
    list.SetMaximum(9);
    EXPECT_EQ(list.files().size(), 2);
    list.SetUseSubmenu(true);
    const QStringList items = captions(menu);
    ASSERT_EQ(items.size(), 4);
    EXPECT_EQ(items[3], QStringLiteral("Reopen"));
    EXPECT_EQ(captions(*menu.actions().last()->menu()),
              (QStringList{QStringLiteral("&1 f4"), QStringLiteral("&2 f3")}));
}

TEST_F(MruFixture, NamesThatAreNotUtf8SurviveThePreferencesFile)
{
    // A name with a Latin-1 byte, one with a line feed, one that looks like an encoded entry,
    // and a plain one, which is stored as readable text as before.
    const QStringList names{FileBytes::decodeName("/home/me/caf\xe9 plan.OVF"),
                            FileBytes::decodeName("/home/me/two\nlines.OVF"),
                            QStringLiteral("bytes:%41.OVF"),
                            QStringLiteral("/home/me/\u00e9t\u00e9 100%.OVF")};
    for (const QString &name : names)
        list.AddFile(name);
    ASSERT_TRUE(list.SaveList());
    const IniFile ini(dir.filePath(QStringLiteral("OV.INI")));
    EXPECT_EQ(ini.readString(QStringLiteral("MRU"), QStringLiteral("F0"), QString()),
              QStringLiteral("/home/me/\u00e9t\u00e9 100%.OVF"));
    EXPECT_EQ(ini.readSection(QStringLiteral("MRU")).size(), 4);

    TMRUFileList reread;
    reread.SetAutoSaveName(dir.filePath(QStringLiteral("OV.INI")));
    reread.SetAutoSaveKey(QStringLiteral("MRU"));
    reread.LoadList();
    ASSERT_EQ(reread.files().size(), 4);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(FileBytes::encodeName(reread.files().at(i)), FileBytes::encodeName(names.at(3 - i)));
    // The menu shows the byte it cannot decode as a replacement character.
    EXPECT_EQ(captions(menu).last(), QStringLiteral("&4 /home/me/caf\ufffd plan.OVF"));
}

// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindowfixture.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>

#include "dialogs/configinfo.h"
#include "shell/configreport.h"
#include "shell/splashform.h"

TEST(ConfigurationReport, SectionsStandInOrderWithTheIniSummaryLast)
{
    ConfigurationReport::Settings settings;
    settings.preferences.defaultFont.bold = true;
    settings.preferences.defaultFont.color = 255;
    settings.preferences.iconFile = QStringLiteral("/usr/share/orvane/MISC1.ICL");
    settings.preferences.iconsVisible = false;
    const QStringList environment{QStringLiteral("System:      \tTest system"),
                                  QStringLiteral("CPU:         \tTest cpu")};
    const QDate day(2027, 3, 14);
    const QStringList lines = ConfigurationReport::build(QStringLiteral("1.2.3"), settings, environment, day)
                                  .split(QLatin1Char('\n'));
    const QStringList expected{
        QLocale::system().toString(day, QLocale::LongFormat), QString(),
        "[Product]", "Program:     \tOrvane", "Version:     \t1.2.3", QString(),
        "[Environment]", "System:      \tTest system", "CPU:         \tTest cpu", QString(),
        "[OV.INI]", QString(),
        "LastZoom:    \t60/30",
        "DeFFont      \tArial,10,1,0,0,255",
        "LastIconFile:\t/usr/share/orvane/MISC1.ICL",
        "IconShowing :\t0",
        "ShowHint:   :\t1"};
    EXPECT_EQ(lines, expected);
}

TEST(ConfigurationReport, EnvironmentCoversSystemMemoryLocalePrintersAndInput)
{
    const QStringList lines = ConfigurationReport::environmentLines();
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_TRUE(lines.first().startsWith(QStringLiteral("System:      \t")));
    for (const char *label : {"CPU:         \t", "Video:       \t", "Font:        \t", "Memory Load: \t",
                              "Language:    \t", "Country:     \t", "Date Format: \tShort: ",
                              "Time Format: \tShort: ", "Video Driver:\t", "Keyboard:    \t", "Mouse:       \t"}) {
        const bool found = std::any_of(lines.cbegin(), lines.cend(),
                                       [label](const QString &l) { return l.startsWith(QLatin1String(label)); });
        EXPECT_TRUE(found) << label;
    }
    for (const char *section : {"[Printers]", "[Screens]", "[International]"})
        EXPECT_TRUE(lines.contains(QLatin1String(section))) << section;
}

TEST(ConfigurationReport, MeminfoAndFontSizes)
{
    const auto mem = ConfigurationReport::parseMeminfo(
        "MemTotal:       16303480 kB\nMemAvailable:    9000000 kB\nHugePages_Total:       0\ngarbage\n:5\n");
    EXPECT_EQ(mem.value(QStringLiteral("MemTotal")), 16303480);
    EXPECT_EQ(mem.value(QStringLiteral("MemAvailable")), 9000000);
    EXPECT_EQ(mem.value(QStringLiteral("HugePages_Total"), -1), 0);
    EXPECT_EQ(mem.size(), 3);
    EXPECT_EQ(ConfigurationReport::fontSizeText(96), QStringLiteral("Small Fonts in use"));
    EXPECT_EQ(ConfigurationReport::fontSizeText(120), QStringLiteral("Large Fonts in use"));
    EXPECT_EQ(ConfigurationReport::fontSizeText(144), QStringLiteral("Custom font size in use"));
}

TEST_F(MainWindowFixture, ConfigurationInformationShowsTheReportAndCopiesIt)
{
    QString shown;
    m_dialogs->onDialog = [&shown](QDialog &dialog) {
        auto &info = dynamic_cast<TConfigurationInfo &>(dialog);
        EXPECT_EQ(info.windowTitle(), QStringLiteral("Configuration Information"));
        shown = info.report();
        info.findChild<QPushButton *>(QStringLiteral("CopyButton"))->click();
        return int(QDialog::Accepted);
    };
    window().ConfigurationInformation1Click();
    EXPECT_TRUE(shown.contains(QStringLiteral("\n[OV.INI]\n")));
    EXPECT_TRUE(shown.endsWith(QStringLiteral("ShowHint:   :\t1")));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), shown);
    ASSERT_EQ(m_dialogs->messages.size(), 1);
    EXPECT_EQ(m_dialogs->messages[0].caption, QStringLiteral("Information"));
    EXPECT_EQ(m_dialogs->messages[0].text, QStringLiteral("Information copied to clipboard"));
}

TEST_F(MainWindowFixture, AboutBoxShowsTheVersion)
{
    QString caption;
    QString text;
    m_dialogs->onDialog = [&](QDialog &dialog) {
        caption = dialog.windowTitle();
        text = dialog.findChild<QLabel *>(QStringLiteral("VersionText"))->text();
        EXPECT_TRUE(dialog.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        return int(QDialog::Accepted);
    };
    window().About1Click();
    EXPECT_EQ(caption, QStringLiteral("About Orvane"));
    EXPECT_TRUE(text.contains(TCalendarMain::version()));
    // The shipped holiday data's licence asks for its attribution.
    EXPECT_TRUE(text.contains(QStringLiteral("date-holidays")));
    EXPECT_TRUE(text.contains(QStringLiteral("CC BY-SA 3.0")));
}

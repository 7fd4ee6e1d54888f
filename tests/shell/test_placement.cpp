// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QDialog>
#include <QGuiApplication>
#include <QScreen>
#include <QLabel>
#include <QVBoxLayout>
#include <QMainWindow>
#include <QTemporaryDir>

#include "core/inifile.h"
#include "shell/placement.h"

TEST(Placement, SectionNamesCarryTheDpiAbove96)
{
    EXPECT_EQ(Placement::sectionName(QStringLiteral("TCalendarMain"), 96),
              QStringLiteral("TCalendarMain_Placement"));
    EXPECT_EQ(Placement::sectionName(QStringLiteral("TCalendarMain"), 120),
              QStringLiteral("TCalendarMain_Placement120"));
    EXPECT_EQ(Placement::sectionName(QStringLiteral("TFloatingPalette"), 72),
              QStringLiteral("TFloatingPalette_Placement"));
}

TEST(Placement, StoredBoundsAreKeptWithinTheScreensFreeArea)
{
    const QRect screen(0, 0, 1024, 768);
    EXPECT_EQ(Placement::fitToScreen(QRect(QPoint(400, 10), QSize(900, 490)), screen),
              QRect(QPoint(124, 10), QSize(900, 490)));
    EXPECT_EQ(Placement::fitToScreen(QRect(QPoint(0, 600), QSize(300, 300)), screen),
              QRect(QPoint(0, 468), QSize(300, 300)));
    // Saved at twice the scale: off to the top left and larger than the screen.
    EXPECT_EQ(Placement::fitToScreen(QRect(QPoint(-50, -20), QSize(350, 220)), screen),
              QRect(QPoint(0, 0), QSize(350, 220)));
    EXPECT_EQ(Placement::fitToScreen(QRect(QPoint(-300, 200), QSize(2400, 1600)), screen), screen);
    // A second screen to the right, below a panel.
    EXPECT_EQ(Placement::fitToScreen(QRect(QPoint(900, 0), QSize(400, 300)), QRect(1024, 32, 1280, 992)),
              QRect(QPoint(1024, 32), QSize(400, 300)));
}

TEST(Placement, DialogsCentreOverTheMainWindow)
{
    EXPECT_EQ(Placement::centeredOver(QRect(100, 50, 801, 600), QSize(300, 201)), QPoint(350, 249));
}

TEST(Placement, RestoreUsesStoredBoundsAndStoresThemAgain)
{
    QTemporaryDir dir;
    IniFile ini(dir.filePath(QStringLiteral("OV.INI")));
    const QString section = QStringLiteral("TCalendarMain_Placement");
    ini.writeInteger(section, QStringLiteral("Left"), 30);
    ini.writeInteger(section, QStringLiteral("Top"), 40);
    ini.writeInteger(section, QStringLiteral("Right"), 630);
    ini.writeInteger(section, QStringLiteral("Bottom"), 440);
    QMainWindow window;
    RestorePlacement(window, QStringLiteral("TCalendarMain"), ini, &window);
    EXPECT_EQ(window.geometry(), QRect(30, 40, 600, 400));
    EXPECT_FALSE(window.isMaximized());
    window.setGeometry(10, 20, 500, 300);
    SavePlacement(window, QStringLiteral("TCalendarMain"), ini);
    EXPECT_EQ(ini.readInteger(section, QStringLiteral("Right"), 0), 510);
    EXPECT_EQ(ini.readInteger(section, QStringLiteral("Bottom"), 0), 320);
    EXPECT_FALSE(ini.readBool(section, QStringLiteral("Maximized"), true));
}

TEST(Placement, NothingStoredCentresTheWindowAndRecordsIt)
{
    QTemporaryDir dir;
    IniFile ini(dir.filePath(QStringLiteral("OV.INI")));
    QMainWindow main;
    main.setGeometry(100, 100, 800, 600);
    QDialog dialog;
    dialog.resize(200, 100);
    RestorePlacement(dialog, QStringLiteral("TCalendarProperties"), ini, &main);
    EXPECT_EQ(dialog.pos(), QPoint(400, 350));
    EXPECT_EQ(ini.readInteger(QStringLiteral("TCalendarProperties_Placement"), QStringLiteral("Left"), 0), 400);
}

TEST(Placement, CrossedEdgesCountAsNothingStored)
{
    QTemporaryDir dir;
    IniFile ini(dir.filePath(QStringLiteral("OV.INI")));
    const QString section = QStringLiteral("TCalendarProperties_Placement");
    ini.writeInteger(section, QStringLiteral("Left"), 500);
    ini.writeInteger(section, QStringLiteral("Top"), 300);
    ini.writeInteger(section, QStringLiteral("Right"), 100);
    ini.writeInteger(section, QStringLiteral("Bottom"), 200);
    QMainWindow main;
    main.setGeometry(100, 100, 800, 600);
    QDialog dialog;
    dialog.resize(200, 100);
    RestorePlacement(dialog, QStringLiteral("TCalendarProperties"), ini, &main);
    EXPECT_EQ(dialog.geometry(), QRect(400, 350, 200, 100));
}

TEST(Placement, AFormWithoutAGivenSizeIsCentredAtItsLaidOutSize)
{
    QMainWindow main;
    main.setGeometry(100, 100, 800, 600);
    QDialog form;
    auto *layout = new QVBoxLayout(&form);
    auto *wide = new QLabel(QStringLiteral("a line of text wide enough to set the form's width"), &form);
    layout->addWidget(wide);
    CenterForm(form, &main);
    form.show();
    const QPoint formCentre = form.geometry().center();
    EXPECT_NEAR(formCentre.x(), main.geometry().center().x(), 2);
    EXPECT_NEAR(formCentre.y(), main.geometry().center().y(), 2);
}

TEST(Placement, RestoredWindowsAndDialogsFitTheScreen)
{
    QTemporaryDir dir;
    IniFile ini(dir.filePath(QStringLiteral("OV.INI")));
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    const QString section = QStringLiteral("TCalendarMain_Placement");
    ini.writeInteger(section, QStringLiteral("Left"), -400);
    ini.writeInteger(section, QStringLiteral("Top"), -300);
    ini.writeInteger(section, QStringLiteral("Right"), available.width() * 2);
    ini.writeInteger(section, QStringLiteral("Bottom"), available.height() * 2);
    QMainWindow window;
    RestorePlacement(window, QStringLiteral("TCalendarMain"), ini, &window);
    EXPECT_TRUE(available.contains(window.geometry())) << window.geometry().x() << "," << window.geometry().y();

    // A dialog wider than the screen, over a main window at its edge.
    QMainWindow main;
    main.setGeometry(available.right() - 100, available.top(), 400, 300);
    QDialog dialog;
    dialog.resize(available.width() + 300, 200);
    CenterForm(dialog, &main);
    EXPECT_TRUE(available.contains(dialog.geometry()));
}

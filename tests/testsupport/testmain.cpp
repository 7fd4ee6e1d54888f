// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QApplication>
#include <QLocale>
#include <QTemporaryDir>

#include "core/apppaths.h"

int main(int argc, char **argv)
{
    // Tests never touch the user's real configuration.
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    // Nor the user's own borders, icon sets, textures and clip art.
    QTemporaryDir data;
    qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // Defaults that follow the locale (the paper of a new page) are the same on every
    // machine; tests of them pass their locale explicitly.
    QLocale::setDefault(QLocale::c());
    const QString sourceData = qEnvironmentVariable("ORVANE_SOURCE_DATA");
    if (!sourceData.isEmpty())
        AppPaths::setDataFolderOverride(sourceData);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QWidget>

#include <functional>
#include <memory>

// One picture of the manual: the real window or dialog, built as the program builds it but
// with fixed dates and no user files, so the same code always gives the same structure.
struct Shot
{
    QString name; // images/<name>.png and <name>.txt
    QSize size;   // empty: the widget's own size hint
    std::function<std::unique_ptr<QWidget>()> make;
};

// Every shot the manual uses, in a stable order. Needs a QApplication, and the user folder
// pointed somewhere harmless first (AppPaths::setUserFolderOverride).
QList<Shot> manualShots();

// The structure of a widget tree as text, one line a widget in tree order: its class, its
// object name and its captions (window title, label and button texts, group titles, tab
// names, menu titles). Sizes, pixels and the contents of lists and fields are left out, so
// fonts and the user's data do not change it.
QString widgetFingerprint(const QWidget &top);

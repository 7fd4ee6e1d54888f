// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

// The about box: the program's picture, name and version.
class TSplashform : public QDialog
{
    Q_OBJECT

public:
    explicit TSplashform(const QString &version, QWidget *parent = nullptr);
};

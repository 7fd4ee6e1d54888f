// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QComboBox>

// A drop-down of font families that asks the font database for them only when it is first
// opened: until then it holds the family it shows. Listing every family takes time and
// memory a program should not spend at start for a list nobody may open.
class FontNameBox : public QComboBox
{
    Q_OBJECT

public:
    explicit FontNameBox(QWidget *parent = nullptr);

    // Shows family, which need not be installed.
    void setCurrentFamily(const QString &family);
    QString currentFamily() const { return currentText(); }
    // Whether the families have been listed.
    bool isFilled() const { return m_filled; }

    void showPopup() override;

private:
    void fill();

    bool m_filled = false;
};

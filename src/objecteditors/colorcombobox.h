// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "graphics/tcolor.h"

#include <QComboBox>

// A drop-down of the sixteen standard colours with their names and a last entry "Other..."
// that opens the colour dialog. A colour that is not one of the sixteen is shown as an extra
// "Custom" entry, so any stored colour survives editing.
class ColorComboBox : public QComboBox
{
    Q_OBJECT

public:
    explicit ColorComboBox(QWidget *parent = nullptr);

    TColor color() const;
    void setColor(TColor color);

signals:
    void colorChanged(TColor color);

private:
    void addColor(const QString &name, TColor color);
    void chooseOther();
    int m_customIndex = -1;
    int m_otherIndex = -1;
    int m_lastIndex = 0;
};

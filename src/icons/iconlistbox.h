// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "icons/iconlistview.h"

// The icon list box of the icons window: cells 6 pixels larger than an icon, sized by the
// number of columns and visible rows it should show.
class TIconListBox : public IconListView
{
    Q_OBJECT

public:
    explicit TIconListBox(QWidget *parent = nullptr);

    int XIcons() const { return m_xIcons; }
    int YIcons() const { return m_yIcons; }
    // Values below 1 are ignored; a change sizes the control.
    void SetXIcons(int columns);
    void SetYIcons(int rows);
    QString Version() const { return QStringLiteral("TIconListBox v1.10"); }
    // Kept for stored forms; the version cannot be changed.
    void SetVersion(const QString &) {}

private:
    void sizeToIcons();

    int m_xIcons = 4;
    int m_yIcons = 1;
};

// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "fontnamebox.h"

#include <QFontDatabase>

FontNameBox::FontNameBox(QWidget *parent) : QComboBox(parent)
{
    setEditable(false);
    // Wide enough for common names without measuring every family.
    setMinimumContentsLength(16);
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
}

void FontNameBox::setCurrentFamily(const QString &family)
{
    int index = findText(family, Qt::MatchFixedString);
    if (index < 0) {
        // A family of a text typed elsewhere, or the only one before the list is filled.
        if (!m_filled)
            clear();
        addItem(family);
        index = count() - 1;
    }
    setCurrentIndex(index);
}

void FontNameBox::fill()
{
    const QString current = currentText();
    const QSignalBlocker blocker(this);
    clear();
    for (const QString &family : QFontDatabase::families()) {
        // The rich text is scaled with the page: only scalable faces keep their shape.
        if (!QFontDatabase::isPrivateFamily(family) && QFontDatabase::isSmoothlyScalable(family))
            addItem(family);
    }
    m_filled = true;
    if (!current.isEmpty())
        setCurrentFamily(current);
}

void FontNameBox::showPopup()
{
    if (!m_filled)
        fill();
    QComboBox::showPopup();
}

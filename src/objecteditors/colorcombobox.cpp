// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "colorcombobox.h"

#include <QPixmap>

ColorComboBox::ColorComboBox(QWidget *parent) : QComboBox(parent)
{
    using namespace Colors;
    const std::pair<const char *, TColor> standard[] = {
        {"Black", clBlack},   {"Maroon", clMaroon}, {"Green", clGreen},   {"Olive", clOlive},
        {"Navy", clNavy},     {"Purple", clPurple}, {"Teal", clTeal},     {"Gray", clGray},
        {"Silver", clSilver}, {"Red", clRed},       {"Lime", clLime},     {"Yellow", clYellow},
        {"Blue", clBlue},     {"Fuchsia", clFuchsia}, {"Aqua", clAqua},   {"White", clWhite},
    };
    for (const auto &[name, color] : standard)
        addColor(QString::fromLatin1(name), color);
    connect(this, &QComboBox::activated, this, [this] { emit colorChanged(color()); });
}

void ColorComboBox::addColor(const QString &name, TColor color)
{
    QPixmap swatch(16, 12);
    swatch.fill(Colors::toQColor(color));
    addItem(QIcon(swatch), name, QVariant::fromValue<qint32>(color));
}

TColor ColorComboBox::color() const
{
    const QVariant data = currentData();
    return data.isValid() ? data.value<qint32>() : Colors::clBlack;
}

void ColorComboBox::setColor(TColor color)
{
    int index = findData(QVariant::fromValue<qint32>(color));
    if (index < 0) {
        if (m_customIndex >= 0)
            removeItem(m_customIndex);
        addColor(QStringLiteral("Custom"), color);
        m_customIndex = count() - 1;
        index = m_customIndex;
    }
    setCurrentIndex(index);
}

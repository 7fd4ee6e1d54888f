// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "colorcombobox.h"

#include "widgets/choosers.h"

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
    addItem(QStringLiteral("Other..."));
    m_otherIndex = count() - 1;
    connect(this, &QComboBox::activated, this, [this](int index) {
        if (index == m_otherIndex) {
            chooseOther();
            return;
        }
        m_lastIndex = index;
        emit colorChanged(color());
    });
}

void ColorComboBox::chooseOther()
{
    // The list shows the colour in use until the dialog gives another.
    setCurrentIndex(m_lastIndex);
    const std::optional<TColor> chosen = Choosers::chooseColor(this, color());
    if (!chosen)
        return;
    setColor(*chosen);
    emit colorChanged(color());
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
        if (m_customIndex >= 0) {
            removeItem(m_customIndex);
            --m_otherIndex;
        }
        // The custom colour goes before "Other...", which stays last.
        QPixmap swatch(16, 12);
        swatch.fill(Colors::toQColor(color));
        insertItem(m_otherIndex, QIcon(swatch), QStringLiteral("Custom"),
                   QVariant::fromValue<qint32>(color));
        m_customIndex = m_otherIndex;
        ++m_otherIndex;
        index = m_customIndex;
    }
    m_lastIndex = index;
    setCurrentIndex(index);
}

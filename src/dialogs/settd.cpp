// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "settd.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kMinuteColumns = 10;
const QColor kCurrent(Qt::yellow);
const QColor kSilver(192, 192, 192);

void setCellColour(QPushButton *cell, const QColor &colour)
{
    QPalette palette = cell->palette();
    palette.setColor(QPalette::Button, colour);
    cell->setPalette(palette);
}

QLabel *rowLabel(const QString &text, QWidget *parent)
{
    // Row labels are silver and never change colour.
    auto *label = new QLabel(text, parent);
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, kSilver);
    label->setPalette(palette);
    label->setAlignment(Qt::AlignCenter);
    label->setMinimumWidth(30);
    return label;
}

} // namespace

TSetTimeDialog::TSetTimeDialog(const QTime &time, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("SetTimeDialog"));
    auto *buttons = new QDialogButtonBox(this);
    QPushButton *ok = buttons->addButton(QStringLiteral("&Ok"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("&Cancel"), QDialogButtonBox::RejectRole);
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(createHourGrid());
    layout->addWidget(createMinuteGrid());
    layout->addWidget(buttons);
    setTime(time);
}

QPushButton *TSetTimeDialog::makeCell(const QString &caption, QWidget *parent)
{
    auto *cell = new QPushButton(caption, parent);
    cell->setFixedSize(32, 24);
    cell->setAutoFillBackground(true);
    cell->setFlat(true);
    return cell;
}

QWidget *TSetTimeDialog::createHourGrid()
{
    auto *box = new QGroupBox(QStringLiteral("  Hour"), this);
    box->setToolTip(QStringLiteral("Click to set the hours portion of the time"));
    auto *grid = new QGridLayout(box);
    grid->setSpacing(1);
    grid->addWidget(rowLabel(QStringLiteral("AM"), box), 0, 0);
    grid->addWidget(rowLabel(QStringLiteral("PM"), box), 1, 0);
    for (int hour = 0; hour < 24; ++hour) {
        const int twelve = hour % 12;
        QPushButton *cell = makeCell(QString::number(twelve == 0 ? 12 : twelve), box);
        connect(cell, &QPushButton::clicked, this, [this, hour] { clickHour(hour); });
        grid->addWidget(cell, hour / 12, twelve + 1);
        m_hourCells << cell;
    }
    return box;
}

QWidget *TSetTimeDialog::createMinuteGrid()
{
    auto *box = new QGroupBox(QStringLiteral("  Minute"), this);
    box->setToolTip(QStringLiteral("Click to set the minutes portion of the time"));
    auto *grid = new QGridLayout(box);
    grid->setSpacing(1);
    for (int minute = 0; minute < 60; ++minute) {
        QPushButton *cell = makeCell(QStringLiteral("%1").arg(minute, 2, 10, QLatin1Char('0')), box);
        connect(cell, &QPushButton::clicked, this, [this, minute] { clickMinute(minute); });
        grid->addWidget(cell, minute / kMinuteColumns, minute % kMinuteColumns);
        m_minuteCells << cell;
    }
    return box;
}

void TSetTimeDialog::setTime(const QTime &time)
{
    const QTime valid = time.isValid() ? time : QTime(0, 0);
    m_hour = valid.hour();
    m_minute = valid.minute();
    refresh();
}

void TSetTimeDialog::clickHour(int hour)
{
    if (hour < 0 || hour > 23)
        return;
    m_hour = hour;
    refresh();
}

void TSetTimeDialog::clickMinute(int minute)
{
    if (minute < 0 || minute > 59)
        return;
    m_minute = minute;
    refresh();
}

QString TSetTimeDialog::twelveHourText(const QTime &time)
{
    const int twelve = time.hour() % 12;
    return QStringLiteral("%1:%2 %3")
        .arg(twelve == 0 ? 12 : twelve, 2, 10, QLatin1Char('0'))
        .arg(time.minute(), 2, 10, QLatin1Char('0'))
        .arg(time.hour() < 12 ? QStringLiteral("am") : QStringLiteral("pm"));
}

void TSetTimeDialog::refresh()
{
    setWindowTitle(QStringLiteral("Set Time As: ") + twelveHourText(time()));
    const QColor face = palette().color(QPalette::Button);
    for (int hour = 0; hour < m_hourCells.size(); ++hour)
        setCellColour(m_hourCells[hour], hour == m_hour ? kCurrent : face);
    for (int minute = 0; minute < m_minuteCells.size(); ++minute)
        setCellColour(m_minuteCells[minute], minute == m_minute ? kCurrent : face);
}

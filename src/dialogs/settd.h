// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QList>
#include <QTime>

class QPushButton;

// Picks a time of day by clicking an hour and a minute, each from a grid of cells; the
// caption shows the time chosen so far.
class TSetTimeDialog : public QDialog
{
    Q_OBJECT

public:
    explicit TSetTimeDialog(const QTime &time, QWidget *parent = nullptr);

    // Hours and minutes only; seconds are dropped.
    QTime time() const { return QTime(m_hour, m_minute); }
    void setTime(const QTime &time);
    void clickHour(int hour);
    void clickMinute(int minute);
    QPushButton *hourCell(int hour) const { return m_hourCells.value(hour); }
    QPushButton *minuteCell(int minute) const { return m_minuteCells.value(minute); }

    // "hh:mm am/pm" with a 12-hour clock: 00:30 is "12:30 am", 13:05 is "01:05 pm".
    static QString twelveHourText(const QTime &time);

private:
    QWidget *createHourGrid();
    QWidget *createMinuteGrid();
    QPushButton *makeCell(const QString &caption, QWidget *parent);
    void refresh();

    int m_hour = 0;
    int m_minute = 0;
    QList<QPushButton *> m_hourCells;
    QList<QPushButton *> m_minuteCells;
};

// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QString>

class IniFile;
class QWidget;

// Windows keep their normal bounds between runs in a section named after their class,
// with the screen's DPI appended when it is above 96 so every resolution keeps its own.
namespace Placement {

QString sectionName(const QString &className, int dpi);
// A stored rectangle (left, top, right, bottom) moved back inside a screen of this size
// where it sticks out to the right or bottom; left and top overhangs are kept.
QRect fitToScreen(int left, int top, int right, int bottom, const QSize &screen);
// Top-left corner that centres a window of 'size' over 'over' (integer division).
QPoint centeredOver(const QRect &over, const QSize &size);

} // namespace Placement

void RestorePlacement(QWidget &window, const QString &className, IniFile &ini,
                      QWidget *mainWindow);
void SavePlacement(const QWidget &window, const QString &className, IniFile &ini);
// Centres the main window on the screen, and any other window over the main window (on
// the screen while the main window is maximised).
void CenterForm(QWidget &window, QWidget *mainWindow);

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
// A stored rectangle made no larger than the screen's free area and moved inside it, so a
// placement saved on a larger screen, or at another scale, never opens out of reach.
QRect fitToScreen(const QRect &wanted, const QRect &available);
// Top-left corner that centres a window of 'size' over 'over' (integer division).
QPoint centeredOver(const QRect &over, const QSize &size);

} // namespace Placement

void RestorePlacement(QWidget &window, const QString &className, IniFile &ini,
                      QWidget *mainWindow);
void SavePlacement(const QWidget &window, const QString &className, IniFile &ini);
// Centres the main window on the screen, and any other window over the main window (on
// the screen while the main window is maximised).
void CenterForm(QWidget &window, QWidget *mainWindow);

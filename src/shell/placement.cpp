// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "placement.h"

#include "core/inifile.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <cmath>

namespace {

QScreen *screenOf(const QWidget &window)
{
    QScreen *screen = window.screen();
    return screen ? screen : QGuiApplication::primaryScreen();
}

int screenDpi(const QWidget &window)
{
    QScreen *screen = screenOf(window);
    return screen ? int(std::lround(screen->logicalDotsPerInchY())) : 96;
}

// The screen less its panels and docks.
QRect availableArea(const QWidget &window)
{
    QScreen *screen = screenOf(window);
    return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

// Some window systems (Wayland) don't let programs place their windows.
bool canPlaceWindows()
{
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

} // namespace

namespace Placement {

QString sectionName(const QString &className, int dpi)
{
    QString name = className + QStringLiteral("_Placement");
    if (dpi > 96)
        name += QString::number(dpi);
    return name;
}

QRect fitToScreen(const QRect &wanted, const QRect &available)
{
    if (available.isEmpty())
        return wanted;
    QRect fitted(wanted.topLeft(), wanted.size().boundedTo(available.size()));
    if (fitted.right() > available.right())
        fitted.moveRight(available.right());
    if (fitted.bottom() > available.bottom())
        fitted.moveBottom(available.bottom());
    if (fitted.left() < available.left())
        fitted.moveLeft(available.left());
    if (fitted.top() < available.top())
        fitted.moveTop(available.top());
    return fitted;
}

QPoint centeredOver(const QRect &over, const QSize &size)
{
    return QPoint(over.left() + (over.width() - size.width()) / 2,
                  over.top() + (over.height() - size.height()) / 2);
}

} // namespace Placement

void RestorePlacement(QWidget &window, const QString &className, IniFile &ini,
                      QWidget *mainWindow)
{
    const QString section = Placement::sectionName(className, screenDpi(window));
    const int left = ini.readInteger(section, QStringLiteral("Left"), 0);
    const int top = ini.readInteger(section, QStringLiteral("Top"), 0);
    const int right = ini.readInteger(section, QStringLiteral("Right"), 0);
    const int bottom = ini.readInteger(section, QStringLiteral("Bottom"), 0);
    const bool maximized = ini.readBool(section, QStringLiteral("Maximized"), window.isMaximized());
    // A hand-edited section with its edges crossed would give a window of no size that
    // the user could never find again; it counts as nothing stored.
    if (bottom != 0 && right > left && bottom > top) {
        const QRect stored(QPoint(left, top), QSize(right - left, bottom - top));
        const QRect bounds = Placement::fitToScreen(stored, availableArea(window));
        if (canPlaceWindows())
            window.setGeometry(bounds);
        else
            window.resize(bounds.size());
    } else {
        CenterForm(window, mainWindow);
    }
    if (maximized)
        window.setWindowState(window.windowState() | Qt::WindowMaximized);
    SavePlacement(window, className, ini);
}

void SavePlacement(const QWidget &window, const QString &className, IniFile &ini)
{
    const QString section = Placement::sectionName(className, screenDpi(window));
    const bool maximized = window.isMaximized();
    const QRect normal = maximized && window.normalGeometry().isValid() ? window.normalGeometry()
                                                                          : window.geometry();
    ini.writeInteger(section, QStringLiteral("Left"), normal.left());
    ini.writeInteger(section, QStringLiteral("Top"), normal.top());
    ini.writeInteger(section, QStringLiteral("Right"), normal.left() + normal.width());
    ini.writeInteger(section, QStringLiteral("Bottom"), normal.top() + normal.height());
    ini.writeBool(section, QStringLiteral("Maximized"), maximized);
}

void CenterForm(QWidget &window, QWidget *mainWindow)
{
    if (!canPlaceWindows())
        return;
    // A form not sized by hand takes its layout's size only when first shown; centre it at
    // that size, not at the default one it has until then.
    if (!window.isVisible() && !window.testAttribute(Qt::WA_Resized))
        window.adjustSize();
    const QRect available = availableArea(window);
    // A dialog larger than the screen would hide its buttons; it gets the screen's size.
    const QSize fitting = window.size().boundedTo(available.size());
    if (!available.isEmpty() && fitting != window.size())
        window.resize(fitting);
    const bool overScreen = !mainWindow || mainWindow == &window || mainWindow->isMaximized();
    const QRect over = overScreen ? available : mainWindow->geometry();
    const QRect centred(Placement::centeredOver(over, window.size()), window.size());
    window.move(Placement::fitToScreen(centred, available).topLeft());
    if (window.windowFlags() & Qt::WindowMaximizeButtonHint)
        window.setWindowFlag(Qt::WindowSystemMenuHint);
}

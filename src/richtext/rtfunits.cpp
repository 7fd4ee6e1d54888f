// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "rtfunits.h"

#include <QGuiApplication>

#include <cmath>

// The resolution QTextDocument uses when it has no paint device. Qt Gui exports it but
// declares it only in a private header.
Q_GUI_EXPORT int qt_defaultDpiY();

namespace RtfUnits {

int layoutDpi()
{
    // Without a GUI application there is no screen to ask; 96 is what such documents
    // would use on a standard display.
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return 96;
    return qMax(1, qt_defaultDpiY());
}

qreal twipsToPixels(int twips)
{
    return qreal(twips) * layoutDpi() / TwipsPerInch;
}

int pixelsToTwips(qreal pixels)
{
    const qreal twips = std::round(pixels * TwipsPerInch / layoutDpi());
    return int(qBound<qreal>(-1e9, twips, 1e9));
}

} // namespace RtfUnits

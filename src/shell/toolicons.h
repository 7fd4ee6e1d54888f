// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QPixmap>

// The tool bar's pictures, drawn in code so they look the same with every icon theme.
namespace ToolIcons {

QIcon properties();
QIcon print();
QIcon pointer();
QIcon label();
QIcon clipArt();
QIcon richText();
QIcon superText();
QIcon miniCalendar();
// The program's picture (window icon, about box), 'size' pixels square.
QPixmap programPicture(int size);

} // namespace ToolIcons

// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QPixmap>

// The tool bar's own pictures; the drawing tools' pictures come with their kinds of object.
namespace ToolIcons {

QIcon properties();
QIcon print();
QIcon pointer();
// The program's picture (window icon, about box), 'size' pixels square.
QPixmap programPicture(int size);

} // namespace ToolIcons

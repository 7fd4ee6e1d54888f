// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QMenu;
class QWidget;

// Context help on the right mouse button: every child of a dialog that has a "What's this"
// text offers a "What's this?" entry in its popup menu (after the standard entries of an
// edit box), which shows that text where the menu was asked for.
namespace WhatsThisMenu {

void install(QWidget *dialog);

// The popup menu a control shows; the caller owns it.
QMenu *menuFor(QWidget *control);

} // namespace WhatsThisMenu

// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "graphics/tcolor.h"

#include <QString>

class TFont;
class TGGraphicControl;

// The dialogs the objects' menus open. The program installs one implementation at start;
// without one (tests, tools) the entries that need a dialog do nothing. Every method
// returns true when the user confirmed.
class ObjectEditors
{
public:
    virtual ~ObjectEditors() = default;

    // The system font and colour dialogs, preset with the value passed in.
    virtual bool chooseFont(TFont &font) = 0;
    virtual bool chooseColor(TColor &color) = 0;
    // A dialog of the subject's kind, found by its class name: the kind's own dialog (the
    // one its tool opens) when dialog is empty, else the one of that name. The subject is
    // the object itself or a preview it prepared, as the kind's class says where it asks;
    // the dialog changes it only when the user confirms. False when the user cancelled or
    // the kind has no such dialog.
    virtual bool editObject(TGGraphicControl &subject, const QString &dialog = {}) = 0;

    // The installed editors, or null. The program owns them.
    static ObjectEditors *instance();
    static void setInstance(ObjectEditors *editors);
};

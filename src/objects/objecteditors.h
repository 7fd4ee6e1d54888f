// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "graphics/tcolor.h"

#include <QString>

class TFont;
class TGBaseLabel;
class Picture;
class TGFlatCalendar;
class TGPRichBaseLabel;
class TGSuperText;
class TWPRtfStorage;

// The dialogs the objects' menus open. The program installs one implementation at start;
// without one (tests, tools) the entries that need a dialog do nothing. Every method
// returns true when the user confirmed.
class ObjectEditors
{
public:
    virtual ~ObjectEditors() = default;

    // The label text dialog, filled with the current text.
    virtual bool editLabelText(QString &text) = 0;
    // The 3D effects dialog. On OK it copies its sample back with
    // TGBaseLabel::assign3DEffects() before returning.
    virtual bool edit3DEffects(TGBaseLabel &label) = 0;
    // The system font and colour dialogs, preset with the value passed in.
    virtual bool chooseFont(TFont &font) = 0;
    virtual bool chooseColor(TColor &color) = 0;
    // The floating calendar dialog edits a preview that the object prepared; the object
    // takes the preview's properties back on OK.
    virtual bool editFlatCalendar(TGFlatCalendar &sample) = 0;
    // The image browser, its options preset with stretch and autoSize. On OK picture holds
    // the file chosen and the two options the user's choice.
    virtual bool browseImage(Picture &picture, bool &stretch, bool &autoSize)
    {
        (void)picture, (void)stretch, (void)autoSize;
        return false;
    }
    // The rich text editor, sized and zoomed like the label, starting with text; on OK
    // text holds what the user wrote.
    virtual bool editRichLabel(const TGPRichBaseLabel &label, TWPRtfStorage &text)
    {
        (void)label, (void)text;
        return false;
    }
    // The SuperText properties dialog edits a preview that the object prepared, starting
    // from the texture file last chosen; on OK lastTexture holds the file chosen now.
    virtual bool editSuperText(TGSuperText &preview, QString &lastTexture)
    {
        (void)preview, (void)lastTexture;
        return false;
    }

    // The installed editors, or null. The program owns them.
    static ObjectEditors *instance();
    static void setInstance(ObjectEditors *editors);
};

// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "objects/tgbaselabel.h"

// The 3D label the label tool creates and documents store: the base label with a text
// dialog, a "Rotation" submenu, and growing to fit its text after the font or text changed.
class TGPLabel : public TGBaseLabel
{
public:
    TGPLabel() = default;

    QString className() const override { return QStringLiteral("TGPLabel"); }

    void AfterLoad() override;
    bool EditFont() override;
    // The "Text" entry: the label's own dialog edits the caption of the label itself; on OK
    // the object grows to fit it. True when the user confirmed.
    virtual bool EditText();
    // Run by the page right after it created a label with the tool. True when the user
    // confirmed the text.
    virtual bool EditNew();
    bool PlacedWithTool() override;

    // Grows the object until its unrotated text fits; never shrinks it, and does nothing
    // while the text is turned.
    void fitToText();

private:
    void rotate(int angle);
};

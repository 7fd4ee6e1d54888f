// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "objects/objecteditors.h"

class QWidget;

// The object dialogs as the program shows them, each through the dialog service.
class DialogObjectEditors : public ObjectEditors
{
public:
    // parent: the window the dialogs are centred over (the main window).
    explicit DialogObjectEditors(QWidget *parent = nullptr, int ppi = 96);

    bool editLabelText(QString &text) override;
    bool edit3DEffects(TGBaseLabel &label) override;
    bool chooseFont(TFont &font) override;
    bool chooseColor(TColor &color) override;
    bool editFlatCalendar(TGFlatCalendar &sample) override;
    bool browseImage(Picture &picture, bool &stretch, bool &autoSize) override;
    bool editRichLabel(const TGPRichBaseLabel &label, TWPRtfStorage &text) override;
    bool editSuperText(TGSuperText &preview, QString &lastTexture) override;

private:
    QWidget *m_parent;
    int m_ppi;
};

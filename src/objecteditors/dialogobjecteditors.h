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

    bool chooseFont(TFont &font) override;
    bool chooseColor(TColor &color) override;
    // The kind's dialog from the table of kind editors (KindEditors).
    bool editObject(TGGraphicControl &subject, const QString &dialog) override;

private:
    QWidget *m_parent;
    int m_ppi;
};

// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogobjecteditors.h"

#include "objecteditors/kindeditors.h"
#include "objects/tggraphiccontrol.h"
#include "widgets/choosers.h"

DialogObjectEditors::DialogObjectEditors(QWidget *parent, int ppi)
    : m_parent(parent), m_ppi(ppi > 0 ? ppi : 96)
{
}

bool DialogObjectEditors::chooseFont(TFont &font)
{
    const auto chosen = Choosers::chooseFont(m_parent, font, m_ppi);
    if (!chosen)
        return false;
    font = *chosen;
    return true;
}

bool DialogObjectEditors::chooseColor(TColor &color)
{
    const auto chosen = Choosers::chooseColor(m_parent, color);
    if (!chosen)
        return false;
    color = *chosen;
    return true;
}

bool DialogObjectEditors::editObject(TGGraphicControl &subject, const QString &dialog)
{
    const KindEditor *editor = KindEditors::find(subject.className(), dialog);
    return editor && editor->edit(subject, EditorPlace{m_parent, m_ppi});
}

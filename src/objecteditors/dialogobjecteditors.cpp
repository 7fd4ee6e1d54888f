// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogobjecteditors.h"

#include "objecteditors/gcalflateditor.h"
#include "objecteditors/gf3d.h"
#include "objecteditors/gimageb.h"
#include "objecteditors/richtextlabeleditor.h"
#include "richtext/rtfstorage.h"
#include "objecteditors/ggettext.h"
#include "objecteditors/gstprop.h"
#include "widgets/choosers.h"
#include "widgets/dialogs.h"

DialogObjectEditors::DialogObjectEditors(QWidget *parent, int ppi)
    : m_parent(parent), m_ppi(ppi > 0 ? ppi : 96)
{
}

bool DialogObjectEditors::editLabelText(QString &text)
{
    TGetLabelText dialog(m_parent);
    dialog.setText(text);
    if (Dialogs::exec(dialog) != QDialog::Accepted)
        return false;
    text = dialog.text();
    return true;
}

bool DialogObjectEditors::edit3DEffects(TGBaseLabel &label)
{
    TGFont3DEffects dialog(label, m_parent);
    if (Dialogs::exec(dialog) != QDialog::Accepted)
        return false;
    dialog.applyTo(label);
    return true;
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

bool DialogObjectEditors::editFlatCalendar(TGFlatCalendar &sample)
{
    TFlatCalendarEditor dialog(sample, m_parent);
    return Dialogs::exec(dialog) == QDialog::Accepted;
}

bool DialogObjectEditors::browseImage(Picture &picture, bool &stretch, bool &autoSize)
{
    TGImageBrowser browser(stretch, autoSize, m_parent);
    if (Dialogs::exec(browser) != QDialog::Accepted || !browser.refusal().isEmpty())
        return false;
    picture = browser.preview();
    stretch = browser.stretch();
    autoSize = browser.autoSize();
    return true;
}

bool DialogObjectEditors::editRichLabel(const TGPRichBaseLabel &label, TWPRtfStorage &text)
{
    TRichTextLabelEditor editor(label, text, m_parent);
    if (Dialogs::exec(editor) != QDialog::Accepted)
        return false;
    text = editor.text();
    return true;
}

bool DialogObjectEditors::editSuperText(TGSuperText &preview, QString &lastTexture)
{
    TSuperTextProperties dialog(preview, lastTexture, m_parent);
    if (Dialogs::exec(dialog) != QDialog::Accepted)
        return false;
    lastTexture = dialog.LastBitmapFileNameandPath();
    return true;
}

// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "kindeditors.h"

#include "objecteditors/gcalflateditor.h"
#include "objecteditors/gf3d.h"
#include "objecteditors/ggettext.h"
#include "objecteditors/gimageb.h"
#include "objecteditors/gstprop.h"
#include "objecteditors/richtextlabeleditor.h"
#include "objects/tgflatcalendar.h"
#include "objects/tgimage.h"
#include "objects/tgplabel.h"
#include "objects/tgprichbaselabel.h"
#include "objects/tgsupertext.h"
#include "widgets/dialogs.h"

#include <algorithm>

namespace {

bool editLabelText(TGGraphicControl &subject, const EditorPlace &place)
{
    auto *label = dynamic_cast<TGPLabel *>(&subject);
    if (!label)
        return false;
    TGetLabelText dialog(place.parent);
    dialog.setText(label->Caption());
    if (Dialogs::exec(dialog) != QDialog::Accepted)
        return false;
    label->SetCaption(dialog.text());
    return true;
}

bool edit3DEffects(TGGraphicControl &subject, const EditorPlace &place)
{
    auto *label = dynamic_cast<TGBaseLabel *>(&subject);
    if (!label)
        return false;
    TGFont3DEffects dialog(*label, place.parent);
    if (Dialogs::exec(dialog) != QDialog::Accepted)
        return false;
    dialog.applyTo(*label);
    return true;
}

bool editFlatCalendar(TGGraphicControl &subject, const EditorPlace &place)
{
    auto *sample = dynamic_cast<TGFlatCalendar *>(&subject);
    if (!sample)
        return false;
    TFlatCalendarEditor dialog(*sample, place.parent);
    return Dialogs::exec(dialog) == QDialog::Accepted;
}

bool browseImage(TGGraphicControl &subject, const EditorPlace &place)
{
    auto *image = dynamic_cast<TGImage *>(&subject);
    if (!image)
        return false;
    TGImageBrowser browser(image->Stretch(), image->AutoSize(), place.parent);
    if (Dialogs::exec(browser) != QDialog::Accepted || !browser.refusal().isEmpty())
        return false;
    image->setSizingFlags(browser.stretch(), browser.autoSize());
    image->SetPicture(browser.preview());
    return true;
}

bool editRichLabel(TGGraphicControl &subject, const EditorPlace &place)
{
    auto *label = dynamic_cast<TGPRichBaseLabel *>(&subject);
    if (!label)
        return false;
    TRichTextLabelEditor editor(*label, label->RTFText(), place.parent);
    if (Dialogs::exec(editor) != QDialog::Accepted)
        return false;
    label->SetRTFText(editor.text());
    return true;
}

bool editSuperText(TGGraphicControl &subject, const EditorPlace &place)
{
    auto *preview = dynamic_cast<TGSuperText *>(&subject);
    if (!preview)
        return false;
    TSuperTextProperties dialog(*preview, preview->LastBitmapFileNameandPath(), place.parent);
    if (Dialogs::exec(dialog) != QDialog::Accepted)
        return false;
    preview->SetLastBitmapFileNameandPath(dialog.LastBitmapFileNameandPath());
    return true;
}

// One row per dialog; every kind has its own dialog (the row without a name).
const KindEditor kEditors[] = {
    {"TGPLabel", "", &editLabelText},
    {"TGPLabel", TGBaseLabel::EffectsDialog, &edit3DEffects},
    {"TGImage", "", &browseImage},
    {"TGPRichBaseLabel", "", &editRichLabel},
    {"TGSuperText", "", &editSuperText},
    {"TGFlatCalendar", "", &editFlatCalendar},
};

} // namespace

namespace KindEditors {

std::span<const KindEditor> all()
{
    return kEditors;
}

const KindEditor *find(const QString &className, const QString &dialog)
{
    const auto found = std::find_if(std::begin(kEditors), std::end(kEditors), [&](const KindEditor &editor) {
        return className == QLatin1String(editor.className) && dialog == QLatin1String(editor.dialog);
    });
    return found == std::end(kEditors) ? nullptr : &*found;
}

} // namespace KindEditors

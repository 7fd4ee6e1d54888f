// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <span>

class QWidget;
class TGGraphicControl;

// Where a kind's dialog opens: centred over parent, point sizes shown at ppi.
struct EditorPlace
{
    QWidget *parent = nullptr;
    int ppi = 96;
};

// One dialog of a kind of object, found by the kind's class name and the dialog's name
// (empty for the kind's own dialog, the one its tool opens). It edits the subject the
// object hands over (ObjectEditors::editObject) and changes it only on OK; a subject of
// another class is refused.
struct KindEditor
{
    const char *className;
    const char *dialog;
    bool (*edit)(TGGraphicControl &subject, const EditorPlace &place);
};

namespace KindEditors {

std::span<const KindEditor> all();
// The dialog of that kind and name; null when there is none.
const KindEditor *find(const QString &className, const QString &dialog = {});

} // namespace KindEditors

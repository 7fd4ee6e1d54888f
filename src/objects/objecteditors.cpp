// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "objecteditors.h"

namespace {

ObjectEditors *installedEditors = nullptr;

} // namespace

ObjectEditors *ObjectEditors::instance()
{
    return installedEditors;
}

void ObjectEditors::setInstance(ObjectEditors *editors)
{
    installedEditors = editors;
}

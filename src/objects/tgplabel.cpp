// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tgplabel.h"

#include "objects/objecteditors.h"
#include "graphics/fontcache.h"

#include <algorithm>

void TGPLabel::AfterLoad()
{
    TGBaseLabel::AfterLoad();
    using E = ObjectMenuEntry;
    ObjectMenu &menu = popupMenu();
    menu.push_back(E::makeSeparator());
    menu.push_back(E::makeAction(QStringLiteral("Text"), [this] { EditText(); }));
    EditAction = [this] { EditText(); };
    menu.push_back(E::makeSeparator());
    std::vector<ObjectMenuEntry> rotation;
    const auto entry = [this](const QString &caption, int angle) {
        return E::makeCheck(caption, [this, angle] { rotate(angle); });
    };
    rotation.push_back(entry(QStringLiteral("No Rotation"), 0));
    rotation.push_back(entry(QStringLiteral("90 Degrees"), 90));
    rotation.push_back(entry(QStringLiteral("180 Degrees"), 180));
    rotation.push_back(entry(QStringLiteral("270 Degrees"), 270));
    menu.push_back(E::makeSubmenu(QStringLiteral("Rotation"), std::move(rotation)));
    setHasRotationMenu(true);
}

bool TGPLabel::EditFont()
{
    if (!TGBaseLabel::EditFont())
        return false;
    fitToText();
    return true;
}

bool TGPLabel::EditText()
{
    ObjectEditors *editors = ObjectEditors::instance();
    if (!editors)
        return false;
    const QString before = Caption();
    if (!editors->editObject(*this))
        return false;
    fitToText();
    invalidate();
    // A new caption alone does not move the object, so nothing else would tell the
    // document that it changed.
    if (Caption() != before)
        ReportChange();
    return true;
}

bool TGPLabel::EditNew()
{
    return EditText();
}

bool TGPLabel::PlacedWithTool()
{
    return !ObjectEditors::instance() || EditNew();
}

void TGPLabel::fitToText()
{
    if (Angle() != 0)
        return;
    // In page pixels at 100 %, where the object's size is kept.
    const CachedFont &font = FontCache::font(fullScaleFont(), pixelsPerInch());
    const LabelLayout layers = fullScaleLayout();
    const int x0 = std::max({layers.face.left, layers.shadow.left, layers.highlight.left});
    const int y0 = std::max({layers.face.top, layers.shadow.top, layers.highlight.top});
    const double neededWidth = x0 + font.width(Caption() + QStringLiteral("     "));
    const double neededHeight = y0 + font.height();
    const QRectF page = pageBounds();
    setPageBounds(QRectF(page.topLeft(), QSizeF(std::max(page.width(), neededWidth),
                                                std::max(page.height(), neededHeight))));
    setLayoutDirty();
    invalidate();
}

void TGPLabel::rotate(int angle)
{
    const int before = Angle();
    SetAngle(angle);
    // Turning does not always resize the object; the document must learn of it anyway.
    if (Angle() != before)
        ReportChange();
}

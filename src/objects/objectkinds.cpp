// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "objectkinds.h"

#include "objects/tgflatcalendar.h"
#include "objects/tgimage.h"
#include "objects/tgprichbaselabel.h"
#include "objects/tgplabel.h"
#include "objects/tgsupertext.h"

std::unique_ptr<TGPLabel> createToolLabel(const TFont &pageFont)
{
    auto label = std::make_unique<TGPLabel>();
    label->AfterLoad();
    label->SetCaption(QStringLiteral("Enter text..."));
    TFont font = pageFont;
    font.setSize(20);
    label->SetFont(font);
    label->SetTransparent(false);
    label->SetBorderStyle(bsSingle);
    return label;
}

std::unique_ptr<TGFlatCalendar> createToolFlatCalendar(const QDate &today)
{
    auto calendar = std::make_unique<TGFlatCalendar>(today);
    calendar->AfterLoad();
    return calendar;
}

std::unique_ptr<TGSuperText> createToolSuperText()
{
    auto text = std::make_unique<TGSuperText>(TGSuperText::ToolObject{});
    text->AfterLoad();
    return text;
}

std::unique_ptr<TGGraphicControl> createObjectForTool(TLPanelState tool, const TFont &pageFont,
                                                      const QDate &today)
{
    switch (tool) {
    case psLabel: return createToolLabel(pageFont);
    case psFlatCalendar: return createToolFlatCalendar(today);
    case psImage: {
        auto image = std::make_unique<TGImage>();
        image->AfterLoad();
        return image;
    }
    case psRichLabel: {
        auto label = std::make_unique<TGPRichBaseLabel>();
        label->AfterLoad();
        label->SetTransparent(false);
        label->SetBorderStyle(bsSingle);
        return label;
    }
    case psSuperText: return createToolSuperText();
    case psPointing: break;
    }
    return nullptr;
}

std::unique_ptr<TGGraphicControl> createObjectOfClass(const QString &className)
{
    if (className == QLatin1String("TGPLabel"))
        return std::make_unique<TGPLabel>();
    if (className == QLatin1String("TGFlatCalendar"))
        return std::make_unique<TGFlatCalendar>();
    if (className == QLatin1String("TGImage"))
        return std::make_unique<TGImage>();
    if (className == QLatin1String("TGPRichBaseLabel"))
        return std::make_unique<TGPRichBaseLabel>();
    if (className == QLatin1String("TGSuperText"))
        return std::make_unique<TGSuperText>();
    return nullptr;
}

// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "objectkinds.h"

#include "objects/tgflatcalendar.h"
#include "objects/tgimage.h"
#include "objects/tgprichbaselabel.h"
#include "objects/tgplabel.h"
#include "objects/tgsupertext.h"
#include "graphics/toolpictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

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

std::unique_ptr<TGFlatCalendar> createToolFlatCalendar(const ToolPage &page)
{
    auto calendar = createToolFlatCalendar(page.date);
    calendar->SetStartOfWeek(page.startOfWeek == 2 ? 2 : 1);
    if (page.language) {
        switch (*page.language) {
        case CalendarLanguage::English: calendar->SetLanguage(fclEnglish); break;
        case CalendarLanguage::French: calendar->SetLanguage(fclFrench); break;
        case CalendarLanguage::German: calendar->SetLanguage(fclGerman); break;
        case CalendarLanguage::Italian: calendar->SetLanguage(fclItalian); break;
        case CalendarLanguage::Spanish: calendar->SetLanguage(fclSpanish); break;
        }
    }
    return calendar;
}

std::unique_ptr<TGSuperText> createToolSuperText()
{
    auto text = std::make_unique<TGSuperText>(TGSuperText::ToolObject{});
    text->AfterLoad();
    return text;
}

namespace {

template<class Kind>
std::unique_ptr<TGGraphicControl> emptyObject()
{
    return std::make_unique<Kind>();
}

// The tool pictures, on the 24 x 24 grid.

void drawLabelPicture(QPainter &p)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(19);
    font.setBold(true);
    p.translate(1.5, 1.5);
    ToolPictures::drawLetter(p, QStringLiteral("A"), font, QColor(120, 120, 120));
    p.translate(-1.5, -1.5);
    ToolPictures::drawLetter(p, QStringLiteral("A"), font, QColor(200, 40, 40));
}

void drawClipArtPicture(QPainter &p)
{
    p.setPen(QPen(QColor(50, 50, 50), 1));
    p.setBrush(QColor(170, 215, 250));
    p.drawRect(QRectF(2.5, 4.5, 19, 15));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 200, 40));
    p.drawEllipse(QPointF(16.5, 8.5), 2, 2);
    QPainterPath hills;
    hills.moveTo(3, 19);
    hills.lineTo(9, 10);
    hills.lineTo(13, 15);
    hills.lineTo(16, 12);
    hills.lineTo(21, 19);
    hills.closeSubpath();
    p.setBrush(QColor(60, 150, 70));
    p.drawPath(hills);
}

void drawRichTextPicture(QPainter &p)
{
    QFont serif(QStringLiteral("Times New Roman"));
    serif.setPixelSize(15);
    serif.setItalic(true);
    QFont sans(QStringLiteral("Arial"));
    sans.setPixelSize(13);
    sans.setBold(true);
    p.setPen(QColor(30, 60, 170));
    p.setFont(serif);
    p.drawText(QPointF(2, 14), QStringLiteral("R"));
    p.setPen(QColor(190, 40, 40));
    p.setFont(sans);
    p.drawText(QPointF(11, 20), QStringLiteral("t"));
    p.setPen(QPen(QColor(40, 140, 60), 1.4));
    p.drawLine(QPointF(2, 22), QPointF(22, 22));
}

void drawSuperTextPicture(QPainter &p)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(21);
    font.setBold(true);
    QLinearGradient fill(0, 3, 0, 21);
    fill.setColorAt(0, QColor(250, 220, 50));
    fill.setColorAt(1, QColor(210, 60, 20));
    ToolPictures::drawLetter(p, QStringLiteral("S"), font, fill);
}

void drawMiniCalendarPicture(QPainter &p)
{
    ToolPictures::drawMonthGrid(p, QRectF(3.5, 4.5, 17, 15), QColor(200, 60, 60));
}

// One row per kind, in the order of the tool bar.
const ObjectKind kKinds[] = {
    {
        "TGPLabel", "DrawLabelButton", "Label tool", &drawLabelPicture, &emptyObject<TGPLabel>,
        [](const ToolPage &page) -> std::unique_ptr<TGGraphicControl> {
            return createToolLabel(page.font);
        },
    },
    {
        "TGImage", "DrawImageButton", "Clip Art Tool", &drawClipArtPicture, &emptyObject<TGImage>,
        [](const ToolPage &) -> std::unique_ptr<TGGraphicControl> {
            auto image = std::make_unique<TGImage>();
            image->AfterLoad();
            return image;
        },
    },
    {
        "TGPRichBaseLabel", "DrawRichText", "Rich Text tool \rMixed fonts, colors and styles",
        &drawRichTextPicture, &emptyObject<TGPRichBaseLabel>,
        [](const ToolPage &) -> std::unique_ptr<TGGraphicControl> {
            auto label = std::make_unique<TGPRichBaseLabel>();
            label->AfterLoad();
            label->SetTransparent(false);
            label->SetBorderStyle(bsSingle);
            return label;
        },
    },
    {
        "TGSuperText", "DrawSuperText",
        "SuperText tool \rSpecial Effects Text - fill with gradients or bitmaps",
        &drawSuperTextPicture, &emptyObject<TGSuperText>,
        [](const ToolPage &) -> std::unique_ptr<TGGraphicControl> {
            return createToolSuperText();
        },
    },
    {
        "TGFlatCalendar", "PSpeedButton1",
        "Floating Calendar tool \rMini Calendar that you can place anywhere",
        &drawMiniCalendarPicture, &emptyObject<TGFlatCalendar>,
        [](const ToolPage &page) -> std::unique_ptr<TGGraphicControl> {
            return createToolFlatCalendar(page);
        },
    },
};

} // namespace

namespace ObjectKinds {

std::span<const ObjectKind> all()
{
    return kKinds;
}

const ObjectKind *find(const QString &className)
{
    const auto found = std::find_if(std::begin(kKinds), std::end(kKinds), [className](const ObjectKind &kind) {
        return className == QLatin1String(kind.className);
    });
    return found == std::end(kKinds) ? nullptr : &*found;
}

QIcon toolIcon(const ObjectKind &kind)
{
    return ToolPictures::icon(kind.drawToolPicture);
}

} // namespace ObjectKinds

std::unique_ptr<TGGraphicControl> createObjectOfClass(const QString &className)
{
    const ObjectKind *kind = ObjectKinds::find(className);
    return kind ? kind->create() : nullptr;
}

// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "objects/tgsupertext.h"
#include "page/calpanel32.h"
#include "storage/calendarfile.h"
#include "storage/objectrecords.h"

#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include "renderprocess.h"

TEST(RenderSuperText, TheRendererListsAndDrawsSpecialEffectsText)
{
    QTemporaryDir dir;
    TCalendarPanel32 page;
    page.ResetToDefaults(QDate(2027, 1, 1));
    auto text = std::make_unique<TGSuperText>(TGSuperText::ToolObject{});
    text->setName(QStringLiteral("Special1"));
    text->SetCaption(QString(7, QChar(0x2588)));
    text->SetFont(TFont(QStringLiteral("DejaVu Sans"), 40));
    text->setBounds(100, 150, 300, 90);
    page.appendObject(std::move(text));
    const QString document = dir.filePath(QStringLiteral("supertext.OVF"));
    const ObjectRecords::RecordList records(page.objects());
    ASSERT_TRUE(CalendarFile::SaveDocument(page.document(), document, records.components()).ok);

    const RunResult geometry = render({document, QStringLiteral("--geometry")});
    ASSERT_EQ(geometry.exitCode, 0) << geometry.err.constData();
    const QJsonArray objects =
        QJsonDocument::fromJson(geometry.out).object().value(QStringLiteral("objects")).toArray();
    ASSERT_EQ(objects.size(), 1);
    EXPECT_EQ(objects[0].toObject().value(QStringLiteral("class")).toString(), QStringLiteral("TGSuperText"));
    EXPECT_EQ(objects[0].toObject().value(QStringLiteral("rect")).toArray().toVariantList(),
              (QVariantList{100, 150, 400, 240}));

    const QString png = dir.filePath(QStringLiteral("page.png"));
    ASSERT_EQ(render({document, QStringLiteral("--out"), png}).exitCode, 0);
    const QImage image(png);
    ASSERT_FALSE(image.isNull());
    // The blocks show the start of the gradient.
    int blue = 0;
    for (int y = 160; y < 230; ++y) {
        for (int x = 100; x < 400; ++x) {
            const QRgb pixel = image.pixel(x, y);
            blue += qBlue(pixel) > 180 && qRed(pixel) < 80 ? 1 : 0;
        }
    }
    EXPECT_GT(blue, 100);
}

// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "objects/tgflatcalendar.h"
#include "objects/tgplabel.h"
#include "page/calpanel32.h"
#include "storage/calendarfile.h"
#include "storage/objectrecords.h"

#include <QFileInfo>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include "renderprocess.h"

namespace {

// A January 2027 page with a locked label and a floating calendar on it, or without them.
QString writeDocumentWithObjects(const QTemporaryDir &dir, bool withObjects = true)
{
    TCalendarPanel32 page;
    page.ResetToDefaults(QDate(2027, 1, 1));
    if (!withObjects) {
        const QString path = dir.filePath(QStringLiteral("bare.OVF"));
        EXPECT_TRUE(CalendarFile::SaveDocument(page.document(), path, {}).ok);
        return path;
    }
    auto label = std::make_unique<TGPLabel>();
    label->setName(QStringLiteral("Special1"));
    label->setBounds(100, 200, 300, 60);
    label->SetCaption(QStringLiteral("Orvane"));
    label->SetFont(TFont(QStringLiteral("Liberation Sans"), 28, {}, Colors::clRed));
    label->SetLocked(true);
    page.appendObject(std::move(label));
    auto calendar = std::make_unique<TGFlatCalendar>(QDate(2027, 2, 1));
    calendar->setName(QStringLiteral("Special2"));
    calendar->setBounds(500, 600, 200, 160);
    page.appendObject(std::move(calendar));
    const QString path = dir.filePath(QStringLiteral("objects.OVF"));
    const ObjectRecords::RecordList records(page.objects());
    EXPECT_TRUE(CalendarFile::SaveDocument(page.document(), path, records.components()).ok);
    return path;
}

} // namespace

TEST(RenderObjects, GeometryListsTheObjectsBackToFrontAtTheZoom)
{
    QTemporaryDir dir;
    const QString document = writeDocumentWithObjects(dir);
    const RunResult run = render({document, QStringLiteral("--geometry"), QStringLiteral("--zoom"),
                                  QStringLiteral("0.5")});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    const QJsonArray objects = QJsonDocument::fromJson(run.out).object().value(QStringLiteral("objects")).toArray();
    ASSERT_EQ(objects.size(), 2);
    const QJsonObject label = objects[0].toObject();
    EXPECT_EQ(label.value(QStringLiteral("class")).toString(), QStringLiteral("TGPLabel"));
    EXPECT_EQ(label.value(QStringLiteral("name")).toString(), QStringLiteral("Component0"));
    // The label keeps its place and width; its layout fits the height to the zoomed text.
    const QJsonArray labelRect = label.value(QStringLiteral("rect")).toArray();
    ASSERT_EQ(labelRect.size(), 4);
    EXPECT_EQ(labelRect[0].toInt(), 50);
    EXPECT_EQ(labelRect[1].toInt(), 100);
    EXPECT_EQ(labelRect[2].toInt(), 200);
    EXPECT_GT(labelRect[3].toInt(), 100);
    EXPECT_TRUE(label.value(QStringLiteral("locked")).toBool());
    EXPECT_FALSE(label.value(QStringLiteral("unselectable")).toBool());
    const QJsonObject calendar = objects[1].toObject();
    EXPECT_EQ(calendar.value(QStringLiteral("class")).toString(), QStringLiteral("TGFlatCalendar"));
    EXPECT_EQ(calendar.value(QStringLiteral("name")).toString(), QStringLiteral("Component1"));
    EXPECT_EQ(calendar.value(QStringLiteral("rect")).toArray().toVariantList(),
              (QVariantList{250, 300, 350, 380}));
}

TEST(RenderObjects, ImagesAndPdfsShowTheObjects)
{
    QTemporaryDir dir;
    const QString document = writeDocumentWithObjects(dir);
    const QString png = dir.filePath(QStringLiteral("page.png"));
    ASSERT_EQ(render({document, QStringLiteral("--out"), png}).exitCode, 0);
    const QImage image(png);
    ASSERT_FALSE(image.isNull());
    // The label's red caption lies inside its bounds; the floating calendar's frame is black.
    int red = 0;
    for (int y = 200; y < 260; ++y)
        for (int x = 100; x < 400; ++x)
            red += qRed(image.pixel(x, y)) > 180 && qGreen(image.pixel(x, y)) < 90 ? 1 : 0;
    EXPECT_GT(red, 50);
    int dark = 0;
    for (int x = 500; x < 700; ++x)
        dark += qGray(image.pixel(x, 600)) < 100 ? 1 : 0;
    EXPECT_GT(dark, 150) << "the calendar's top edge";

    const QString pdf = dir.filePath(QStringLiteral("page.pdf"));
    ASSERT_EQ(render({document, QStringLiteral("--out"), pdf}).exitCode, 0);
    const QString withoutObjects = dir.filePath(QStringLiteral("bare.pdf"));
    ASSERT_EQ(render({writeDocumentWithObjects(dir, false), QStringLiteral("--out"), withoutObjects}).exitCode, 0);
    EXPECT_GT(QFileInfo(pdf).size(), QFileInfo(withoutObjects).size());
}

// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "objects/objectkinds.h"
#include "objects/tgflatcalendar.h"
#include "objects/tggraphiccontrol.h"
#include "graphics/tfont.h"

#include <QSet>

TEST(ObjectKinds, EachKindMakesObjectsOfItsOwnClass)
{
    ASSERT_FALSE(ObjectKinds::all().empty());
    for (const ObjectKind &kind : ObjectKinds::all()) {
        const QString name = QString::fromLatin1(kind.className);
        SCOPED_TRACE(name.toStdString());
        EXPECT_EQ(ObjectKinds::find(name), &kind);

        const std::unique_ptr<TGGraphicControl> empty = kind.create();
        ASSERT_TRUE(empty);
        EXPECT_EQ(empty->className(), name);
        EXPECT_TRUE(empty->popupMenu().empty()) << "a reader's object gets its menu once read";
        EXPECT_EQ(createObjectOfClass(name)->className(), name);

        const std::unique_ptr<TGGraphicControl> made = kind.createForTool({TFont(), QDate(2026, 3, 1)});
        ASSERT_TRUE(made);
        EXPECT_EQ(made->className(), name);
        EXPECT_FALSE(made->popupMenu().empty()) << "the tool's object is ready to be placed";
    }
}

TEST(ObjectKinds, NamesMatchExactlyAndOnlyRegisteredKinds)
{
    EXPECT_FALSE(ObjectKinds::find(QStringLiteral("TGMystery")));
    EXPECT_FALSE(ObjectKinds::find(QStringLiteral("tgplabel")));
    EXPECT_FALSE(ObjectKinds::find(QString()));
    // The ancestors documents name are no kinds of their own.
    EXPECT_FALSE(ObjectKinds::find(QStringLiteral("TGBaseLabel")));
    EXPECT_FALSE(ObjectKinds::find(QStringLiteral("TGGraphicControl")));
    EXPECT_FALSE(createObjectOfClass(QStringLiteral("TGBaseLabel")));
}

TEST(ObjectKinds, EveryToolHasItsOwnButtonAHintAndAPicture)
{
    QSet<QString> classes;
    QSet<QString> buttons;
    for (const ObjectKind &kind : ObjectKinds::all()) {
        SCOPED_TRACE(kind.className);
        classes.insert(QString::fromLatin1(kind.className));
        buttons.insert(QString::fromLatin1(kind.toolName));
        EXPECT_STRNE(kind.toolHint, "");
        const QIcon icon = ObjectKinds::toolIcon(kind);
        const QImage picture = icon.pixmap(24, 24).toImage();
        ASSERT_FALSE(picture.isNull());
        // Something is drawn: not every pixel is the transparent background.
        bool drawn = false;
        for (int y = 0; y < picture.height() && !drawn; ++y)
            for (int x = 0; x < picture.width() && !drawn; ++x)
                drawn = qAlpha(picture.pixel(x, y)) != 0;
        EXPECT_TRUE(drawn);
    }
    EXPECT_EQ(classes.size(), qsizetype(ObjectKinds::all().size()));
    EXPECT_EQ(buttons.size(), qsizetype(ObjectKinds::all().size()));
}

TEST(ObjectKinds, ANewFloatingCalendarTakesThePagesMonthWeekStartAndLanguage)
{
    const ObjectKind *kind = ObjectKinds::find(QStringLiteral("TGFlatCalendar"));
    ASSERT_NE(kind, nullptr);
    const std::unique_ptr<TGGraphicControl> made
        = kind->createForTool({TFont(), QDate(2027, 3, 1), 2, CalendarLanguage::German});
    const auto *calendar = dynamic_cast<const TGFlatCalendar *>(made.get());
    ASSERT_NE(calendar, nullptr);
    EXPECT_EQ(calendar->Month(), 3);
    EXPECT_EQ(calendar->Year(), 2027);
    EXPECT_EQ(calendar->StartOfWeek(), 2);
    EXPECT_EQ(calendar->Language(), fclGerman);
    EXPECT_EQ(calendar->titleText(), QStringLiteral("M\u00e4rz"));

    // A page in a language the calendar does not have leaves it in English.
    const auto other = createToolFlatCalendar(ToolPage{TFont(), QDate(2027, 3, 1), 1, std::nullopt});
    EXPECT_EQ(other->Language(), fclEnglish);
    EXPECT_EQ(other->StartOfWeek(), 1);
}

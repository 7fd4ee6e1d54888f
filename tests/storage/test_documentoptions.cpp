// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "page/calpanel32.h"
#include "pagefiles.h"
#include "sampleobjects.h"
#include "storage/calendarfile.h"
#include "storage/streamdump.h"
#include "calendar/pageoptions.h"


using namespace PageFiles;

namespace {

DocumentOptions someOptions()
{
    DocumentOptions options;
    options.setValue(QStringLiteral("WeekNumbers"), QStringLiteral("iso"));
    options.setValue(QStringLiteral("MoonPhases"), true);
    options.setValue(QStringLiteral("HolidayColour"), 0x0000C0);
    options.setValue(QStringLiteral("Caption"), QStringLiteral("\u6708\u66dc\u65e5"));
    return options;
}

} // namespace

TEST(DocumentOptions, ValuesKeepTheirOrderAndTypes)
{
    DocumentOptions options = someOptions();
    options.setValue(QStringLiteral("MoonPhases"), false);
    options.setValue(QStringLiteral("Large"), qint64(1) << 40);
    EXPECT_EQ(options.entries().at(1), DocumentOptions::Entry(QStringLiteral("MoonPhases"), false));
    EXPECT_EQ(options.value(QStringLiteral("Large")), QVariant(QStringLiteral("1099511627776")));
    options.setValue(QStringLiteral("WeekNumbers"), QVariant());
    EXPECT_FALSE(options.contains(QStringLiteral("WeekNumbers")));
    EXPECT_EQ(options.value(QStringLiteral("None"), 7), QVariant(7));
}

TEST(DocumentOptions, AreWrittenAfterTheLastListOnlyWhenThereAreAny)
{
    TCalendarPanel32 page;
    page.ResetToDefaults(QDate(2027, 5, 1));
    // A document as older versions wrote it: new pages now carry the locale-dates option.
    page.setOptions({});
    const QByteArray plain = documentBytes(page, {});
    const QByteArray plainSheet = styleSheetBytes(page);
    page.setOptions(someOptions());
    const QByteArray withOptions = documentBytes(page, {});
    const QByteArray sheetWithOptions = styleSheetBytes(page);

    // Without options the file is what it always was; with them it only grows at the end,
    // where readers that stop at the last end marker never look.
    ASSERT_GT(withOptions.size(), plain.size());
    EXPECT_EQ(withOptions.left(plain.size()), plain);
    EXPECT_EQ(withOptions.at(plain.size()), '\x01') << "a list of its own";
    EXPECT_EQ(sheetWithOptions.left(plainSheet.size()), plainSheet);

    TCalendarPanel32 reopened;
    reopened.ResetToDefaults();
    const CalendarFile::LoadOutcome outcome = loadDocumentBytes(reopened, withOptions, nullptr, {});
    ASSERT_TRUE(outcome.ok);
    EXPECT_TRUE(outcome.dropped.isEmpty());
    EXPECT_EQ(reopened.options(), someOptions());
    EXPECT_EQ(documentBytes(reopened, {}), withOptions);
    // A file without them leaves none behind from the page before.
    ASSERT_TRUE(loadDocumentBytes(reopened, plain, nullptr, {}).ok);
    EXPECT_TRUE(reopened.options().isEmpty());

    TCalendarPanel32 styled;
    styled.ResetToDefaults();
    ASSERT_TRUE(loadStyleSheetBytes(styled, sheetWithOptions).ok);
    EXPECT_EQ(styled.options(), someOptions());
}

TEST(DocumentOptions, NamesOfALaterVersionAreKeptAndADamagedListCostsOnlyTheOptions)
{
    TCalendarPanel32 page;
    page.ResetToDefaults(QDate(2027, 5, 1));
    DocumentOptions later = someOptions();
    later.setValue(QStringLiteral("SomethingNewer"), 42);
    page.setOptions(later);
    const QByteArray bytes = documentBytes(page, {});
    TCalendarPanel32 reopened;
    reopened.ResetToDefaults();
    ASSERT_TRUE(loadDocumentBytes(reopened, bytes, nullptr, {}).ok);
    EXPECT_EQ(reopened.options().value(QStringLiteral("SomethingNewer")), QVariant(42));

    TCalendarPanel32 bare;
    bare.ResetToDefaults(QDate(2027, 5, 1));
    bare.setOptions({});
    const qint64 plainSize = documentBytes(bare, {}).size();
    ASSERT_EQ(bytes.left(plainSize), documentBytes(bare, {}));
    const QList<QByteArray> damaged{
        bytes.left(bytes.size() - 3),                                  // cut short
        bytes.left(plainSize) + QByteArray("\x01\x06\x03xyz\x00", 7),  // someone else's list
        bytes + QByteArray("\x02\x07", 2),                             // more after it
        bytes.left(plainSize) + QByteArray(40, '\xff'),                // not a list at all
    };
    for (const QByteArray &file : damaged) {
        TCalendarPanel32 target;
        target.ResetToDefaults();
        target.SetUserTitle(QStringLiteral("before"));
        const CalendarFile::LoadOutcome outcome = loadDocumentBytes(target, file, nullptr, {});
        ASSERT_TRUE(outcome.ok) << outcome.message.toStdString();
        EXPECT_TRUE(target.options().isEmpty());
        ASSERT_EQ(outcome.dropped.size(), 1);
        EXPECT_TRUE(outcome.dropped.first().contains(QStringLiteral("options")));
        EXPECT_EQ(target.MainCalMonth(), 5) << "the document itself is read";
    }
}

TEST(DocumentOptions, TheDumpShowsThem)
{
    TCalendarPanel32 page;
    page.ResetToDefaults(QDate(2027, 5, 1));
    page.setOptions(someOptions());
    const StreamDump dump = dumpCalendarFile(documentBytes(page, {}));
    EXPECT_TRUE(dump.complete) << qPrintable(dump.text);
    EXPECT_TRUE(dump.text.contains(QStringLiteral("tagList (options): tagString 'Orvane options'")))
        << qPrintable(dump.text);
    EXPECT_TRUE(dump.text.contains(QStringLiteral("'WeekNumbers' = 'iso'"))) << qPrintable(dump.text);
    EXPECT_TRUE(dump.text.contains(QStringLiteral("'MoonPhases' = True"))) << qPrintable(dump.text);
    EXPECT_TRUE(dumpCalendarFile(styleSheetBytes(page)).complete);
}

TEST(DocumentOptions, NewPagesSaveTheLocaleDatesOptionAndReadItBack)
{
    TCalendarPanel32 page;
    page.ResetToDefaults(QDate(2027, 5, 1));
    ASSERT_TRUE(PageOptions::localeDates(page.options()));
    TCalendarPanel32 reopened;
    reopened.ResetToDefaults();
    reopened.setOptions({});
    ASSERT_TRUE(loadDocumentBytes(reopened, documentBytes(page, {}), nullptr, {}).ok);
    EXPECT_TRUE(PageOptions::localeDates(reopened.options()));

    DocumentOptions off = page.options();
    PageOptions::setLocaleDates(off, false);
    page.setOptions(off);
    ASSERT_TRUE(loadDocumentBytes(reopened, documentBytes(page, {}), nullptr, {}).ok);
    EXPECT_FALSE(PageOptions::localeDates(reopened.options()));
}

TEST(DocumentOptions, NamesTheCharacterSetCannotHoldSurviveSaving)
{
    const QLocale polish(QStringLiteral("pl_PL"));
    TCalendarPanel32 page;
    page.ResetToDefaults(QDate(2027, 5, 1));
    page.setNames(localeNames(polish));
    DocumentOptions options = page.options();
    PageOptions::setLanguage(options, QStringLiteral("pl"));
    page.setOptions(options);
    const QByteArray bytes = documentBytes(page, {});
    // Readers before this version see the names with '?' for what they cannot show.
    EXPECT_TRUE(bytes.contains(QByteArray("\x07stycze?", 8)));

    TCalendarPanel32 reopened;
    reopened.ResetToDefaults();
    ASSERT_TRUE(loadDocumentBytes(reopened, bytes, nullptr, {}).ok);
    EXPECT_EQ(reopened.names(), localeNames(polish));
    EXPECT_EQ(reopened.options(), page.options()) << "the names are not an option of the page";
    EXPECT_EQ(documentBytes(reopened, {}), bytes);

    TCalendarPanel32 styled;
    styled.ResetToDefaults();
    ASSERT_TRUE(loadStyleSheetBytes(styled, styleSheetBytes(page)).ok);
    EXPECT_EQ(styled.names(), localeNames(polish));

    // Names another program changed in the block since win over the copy in the options.
    QByteArray changed = bytes;
    changed.replace(QByteArray("\x07stycze?", 8), QByteArray("\x07Month 1", 8));
    ASSERT_TRUE(loadDocumentBytes(reopened, changed, nullptr, {}).ok);
    EXPECT_EQ(reopened.names().month(1), QStringLiteral("Month 1"));
    EXPECT_EQ(reopened.names().month(2), QStringLiteral("luty"));
    EXPECT_EQ(reopened.names().month(11), QStringLiteral("listopad"));
    EXPECT_EQ(reopened.names().month(12), QStringLiteral("grudzie?"));

    // Names it can hold add nothing.
    page.setNames(languageNames(CalendarLanguage::French));
    EXPECT_FALSE(documentBytes(page, {}).contains("Names"));
}

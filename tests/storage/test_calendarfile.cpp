// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>

#include "calendar/calendardates.h"
#include "page/calpanel32.h"
#include "storage/calendarfile.h"
#include "pagefiles.h"
#include "storage/cellrecord.h"
#include "storage/streamdump.h"
#include "storage/streamerror.h"
#include "storage/writer.h"
#include "sampleobjects.h"

using namespace CalendarFile;
using namespace PageFiles;

namespace {

const QByteArray kParagraph("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\pard Dentist 3pm\\par}");

// A page with every stored setting away from its defaults.
void styleEverything(TCalendarPanel32 &page)
{
    page.SetPaperSize(PaperA4);
    page.SetCalendarLayout(lo2Week);
    page.SetLeftMarginInch(0.29f);
    page.SetTopMarginInch(1.0f);
    page.SetRightMarginInch(0.07f);
    page.SetBottomMarginInch(2.55f);
    page.SetCalendarLineLayout(llCellsOnly);
    page.SetCalendarBorder(cbTopBottom);
    page.SetMonthName(3, QStringLiteral("M\u00e4rz"));
    page.SetDayName(6, QStringLiteral("Freitag "));
    page.SetTitleBGColor(0x123456);
    page.SetTitleFont(TFont(QStringLiteral("Liberation Sans"), 31, TFont::Style::Italic, 0x0000FF));
    page.SetTitleShowYear(false);
    page.SetHeadersFont(TFont(QStringLiteral("Arial"), 12, TFont::Style::StrikeOut));
    page.SetHeadersBorder(cbBottom);
    page.SetHeadersStyle(dsFirstChar);
    page.SetHeadersBGColor(qint32(0x8000000F));
    page.SetCellFont(TFont(QStringLiteral("Courier New"), 9, TFont::Style::Underline));
    page.SetCellBorder(cbTop);
    page.SetMiniCalendarLineLayout(mllMinimal);
    page.SetMiniCalBorder(cbAll);
    page.SetMiniCalBGColor(0x00FF00);
    page.SetMiniShowYear(false);
    page.SetMiniTitleFont(TFont(QStringLiteral("Times New Roman"), 7, TFont::Style::Bold));
    page.SetMiniHeadersFont(TFont(QStringLiteral("Times New Roman"), 5));
    page.SetMiniHeadersBGColor(0x0F0F0F);
    page.SetMiniHeadersStyle(dsWhole);
    page.SetMiniHeadersBorder(cbTopBottom);
    page.SetMiniCellBorder(cbBottom);
    page.SetMiniCellFont(TFont(QStringLiteral("Arial"), 4));
    page.SetNumberPosition(cnpCenter);
    page.SetMainCalYear(2031);
    page.SetMainCalMonth(2);
    page.SetMainCalDay(14);
    page.SetStartOfWeek(2);
    page.SetDayPlannerStartTime(EncodeTime(20, 45));
    page.SetUserTitle(QStringLiteral("Team rota"));
    page.SetCellRtfText(5, TWPRtfStorage(kParagraph));
    page.SetCellRtfText(42, TWPRtfStorage(kParagraph));
}

void expectSameStoredState(const TCalendarPanel32 &a, const TCalendarPanel32 &b)
{
    EXPECT_TRUE(a.SameSettings(b));
    EXPECT_EQ(a.CalendarBorder(), b.CalendarBorder());
    EXPECT_EQ(a.HeadersBorder(), b.HeadersBorder());
    EXPECT_EQ(a.CellBorder(), b.CellBorder());
    EXPECT_EQ(a.MiniCalBorder(), b.MiniCalBorder());
    EXPECT_EQ(a.MiniHeadersBorder(), b.MiniHeadersBorder());
    EXPECT_EQ(a.MiniCellBorder(), b.MiniCellBorder());
    EXPECT_EQ(a.NumberPosition(), b.NumberPosition());
    EXPECT_EQ(a.StartOfWeek(), b.StartOfWeek());
    for (int cell = 1; cell <= 42; ++cell)
        EXPECT_EQ(a.GetCellRtfText(cell, {}).rtf(), b.GetCellRtfText(cell, {}).rtf()) << cell;
}

} // namespace

TEST(CalendarFile, DocumentsAndStyleSheetsStartAndEndWithTheFixedBytes)
{
    TCalendarPanel32 page;
    page.ResetToDefaults();
    // A document as older versions wrote it: new pages now carry the locale-dates option.
    page.setOptions({});
    const QByteArray letter = documentBytes(page, {});
    EXPECT_EQ(letter.left(7), QByteArray("\x01\x02\x04\x02\x01\x02\x00", 7));
    EXPECT_TRUE(letter.endsWith(QByteArray("\x00\x01\x00", 3)));
    const QByteArray emptyCell = QByteArray("TPF0\x0dTWPRtfStorage\x00\x00\x00", 20);
    EXPECT_EQ(letter.count(emptyCell), 42);

    page.SetPaperSize(PaperA4);
    EXPECT_EQ(documentBytes(page, {}).left(7), QByteArray("\x01\x02\x04\x02\x01\x02\x01", 7));
    EXPECT_EQ(styleSheetBytes(page).left(5), QByteArray("\x01\x02\x04\x02\x02", 5));
    EXPECT_TRUE(styleSheetBytes(page).endsWith(QByteArray("\x06\x00\x00", 3)));
}

TEST(CalendarFile, CellTextIsRtfFollowedByFourZeroBytes)
{
    TCalendarPanel32 page;
    page.ResetToDefaults();
    page.SetCellRtfText(1, TWPRtfStorage(kParagraph));
    const QByteArray bytes = documentBytes(page, {});
    QByteArray record = QByteArray("TPF0\x0dTWPRtfStorage\x00\x0cRtfText.Data\x0a", 33);
    const quint32 size = quint32(kParagraph.size() + 4);
    record += QByteArray(reinterpret_cast<const char *>(&size), 4) + kParagraph
              + QByteArray(4, '\0') + QByteArray("\x00\x00", 2);
    EXPECT_TRUE(bytes.contains(record));
}

TEST(CalendarFile, EveryStoredSettingRoundTrips)
{
    TCalendarPanel32 source;
    source.ResetToDefaults();
    styleEverything(source);
    const QByteArray bytes = documentBytes(source, {});

    TCalendarPanel32 target;
    target.ResetToDefaults();
    const LoadOutcome outcome = loadDocumentBytes(target, bytes, nullptr, {});
    EXPECT_TRUE(outcome.objectsError.isEmpty());
    expectSameStoredState(source, target);
    EXPECT_EQ(target.UserTitle(), QStringLiteral("Team rota"));
    EXPECT_EQ(target.LeftMarginInch(), source.LeftMarginInch());
    // What was read is written back byte for byte.
    EXPECT_EQ(documentBytes(target, {}), bytes);
}

TEST(CalendarFile, MarginsSurviveEverySave)
{
    for (int stored = 0; stored <= 1000; ++stored)
        ASSERT_EQ(marginToStored(marginFromStored(stored)), stored) << stored;
    EXPECT_EQ(marginToStored(0.2899f), 28);
    EXPECT_EQ(marginToStored(0.5f), 50);
}

TEST(CalendarFile, StyleSheetsCarryTheLookButNotTheCells)
{
    TCalendarPanel32 source;
    source.ResetToDefaults();
    styleEverything(source);
    TCalendarPanel32 target;
    target.ResetToDefaults();
    target.SetMainCalMonth(7);
    loadStyleSheetBytes(target, styleSheetBytes(source));
    EXPECT_EQ(target.CalendarLayout(), lo2Week);
    EXPECT_EQ(target.HeadersBorder(), cbBottom);
    EXPECT_EQ(target.TitleFont(), source.TitleFont());
    EXPECT_EQ(target.MainCalMonth(), 7);
    EXPECT_TRUE(target.GetCellRtfText(5, {}).isEmpty());
}

TEST(CalendarFile, OlderAndNewerVersionsReadByTheirRules)
{
    TCalendarPanel32 source;
    source.ResetToDefaults();
    styleEverything(source);
    QByteArray v7 = documentBytes(source, {});
    v7[2] = 7;
    TCalendarPanel32 fromV7;
    fromV7.ResetToDefaults();
    loadDocumentBytes(fromV7, v7, nullptr, {});
    expectSameStoredState(source, fromV7);

    // Version 1: no border path, no user title, no object list.
    QByteArray v1;
    QBuffer buffer(&v1);
    buffer.open(QIODevice::WriteOnly);
    {
        TWriter w(&buffer);
        w.PutListStart();
        w.PutInteger(1);
        w.PutInteger(1);
        WritePageBlock(w, pageBlockOf(source.document()), 96);
        for (int value : {3, 4, 1998, 1, 9, 30})
            w.PutInteger(value);
        for (int cell = 1; cell <= 42; ++cell) {
            TWPRtfStorage text(cell == 2 ? kParagraph : QByteArray());
            CellTextRecord record(text);
            w.PutRootRecord(record);
        }
        w.PutListEnd();
    }
    TCalendarPanel32 fromV1;
    fromV1.ResetToDefaults();
    fromV1.SetUserTitle(QStringLiteral("stale"));
    const LoadOutcome outcome = loadDocumentBytes(fromV1, v1, nullptr, {});
    EXPECT_TRUE(outcome.objectsError.isEmpty());
    EXPECT_TRUE(fromV1.UserTitle().isEmpty());
    EXPECT_TRUE(fromV1.WMFBorderFile().isEmpty());
    EXPECT_EQ(fromV1.MainCalMonth(), 4);
    EXPECT_EQ(HourOfDateTime(fromV1.DayPlannerStartTime()), 9);
    EXPECT_EQ(MinuteOfDateTime(fromV1.DayPlannerStartTime()), 30);
    EXPECT_EQ(fromV1.GetCellRtfText(2, {}).rtf(), kParagraph);
}

TEST(CalendarFile, DroppedObjectsTakeTheFirstFreeComponentName)
{
    SampleForm owner;
    SampleShape a(&owner);
    a.setName(QStringLiteral("Component0"));
    SampleShape b(&owner);
    b.setName(QStringLiteral("Component2"));
    EXPECT_EQ(NameDroppedObject(&owner, QStringLiteral("Special1")), QStringLiteral("Component1"));
    EXPECT_EQ(NameDroppedObject(nullptr, QStringLiteral("Special1")), QStringLiteral("Component0"));
}

TEST(CalendarFile, PlainTextCellsBecomeRtf)
{
    EXPECT_EQ(CellTextRecord::rtfFromBlock(QByteArray("  {\\rtf1 x}\0\0\0\0", 15)), QByteArray("{\\rtf1 x}"));
    const QByteArray converted = CellTextRecord::rtfFromBlock(QByteArray("Line {1}\r\nZ\xfc", 13));
    EXPECT_TRUE(converted.startsWith("{\\rtf1"));
    EXPECT_TRUE(converted.contains("Line \\{1\\}\\par Z\\'fc"));
    EXPECT_FALSE(TWPRtfStorage(converted).isEmpty());
}

TEST(CalendarFile, SavedFilesAreDumpedInFull)
{
    TCalendarPanel32 page;
    page.ResetToDefaults();
    styleEverything(page);
    const StreamDump dump = dumpCalendarFile(documentBytes(page, {}));
    EXPECT_TRUE(dump.complete) << qPrintable(dump.text);
    EXPECT_TRUE(dump.text.contains(QStringLiteral("CalendarLayout: tagInt8 19")));
    EXPECT_TRUE(dump.text.contains(QStringLiteral("MonthName[3]: tagString 'M\u00e4rz'")));
    EXPECT_TRUE(dump.text.contains(QStringLiteral("object : TWPRtfStorage")));
    EXPECT_TRUE(dump.text.contains(QStringLiteral("RtfText.Data = {")));
    // Binary values are shown whole, as hex lines; rich text also as its plain words.
    const QString rtfHex = QString::fromLatin1(QByteArray("{\\rtf").toHex().toUpper());
    EXPECT_TRUE(dump.text.contains(rtfHex)) << qPrintable(dump.text);
    EXPECT_FALSE(dump.text.contains(QStringLiteral(" bytes: ")));
    EXPECT_TRUE(dump.text.contains(QStringLiteral("// text: Dentist 3pm")));
    EXPECT_TRUE(dump.text.contains(QStringLiteral("UserTitle: tagString 'Team rota'")));
    EXPECT_TRUE(dumpCalendarFile(styleSheetBytes(page)).complete);
}

TEST(CalendarFile, AFailedSaveKeepsTheOldFile)
{
    QTemporaryDir dir;
    TCalendarPanel32 page;
    page.ResetToDefaults();
    const QString path = dir.filePath(QStringLiteral("Jan1997.OVF"));
    SaveDocument(page, path, {});
    QFile saved(path);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QByteArray before = saved.readAll();
    saved.close();
    const FileResult failed = SaveDocument(page, path + QStringLiteral("/inside"), {});
    EXPECT_FALSE(failed.ok);
    EXPECT_FALSE(failed.message.isEmpty()) << "the system's reason is passed on";
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), before);
    const LoadOutcome missing = LoadDocument(page, dir.filePath(QStringLiteral("missing.OVF")), nullptr, {});
    EXPECT_FALSE(missing.ok);
    EXPECT_FALSE(missing.message.isEmpty());
    EXPECT_TRUE(SaveStyleSheet(page, dir.filePath(QStringLiteral("Look.OVS"))).ok);
    EXPECT_FALSE(SaveStyleSheet(page, path + QStringLiteral("/Look.OVS")).ok);
}

TEST(CalendarFile, HugeFilesAreRefusedBeforeReading)
{
    QTemporaryDir dir;
    QFile huge(dir.filePath(QStringLiteral("huge.OVF")));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
    ASSERT_TRUE(huge.resize(kMaxFileSize + 1)); // sparse: no disk is used
    huge.close();
    TCalendarPanel32 page;
    const LoadOutcome document = LoadDocument(page, huge.fileName(), nullptr, {});
    EXPECT_FALSE(document.ok);
    EXPECT_EQ(document.message, QStringLiteral("The file is too large to be a calendar file"));
    EXPECT_FALSE(LoadStyleSheet(page, huge.fileName()).ok);
}

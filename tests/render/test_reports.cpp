// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QFontDatabase>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include "renderprocess.h"
#include "page/calpanel32.h"
#include "storage/calendarfile.h"

namespace {

QString writeFile(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    return path;
}

QByteArray entryLine(const QByteArray &name, const QByteArray &formula)
{
    return name.leftJustified(120, ' ', true) + formula.leftJustified(10, ' ', true) + "\r\n";
}

std::vector<int> daysOf(const QJsonValue &entry)
{
    std::vector<int> days;
    for (const QJsonValue &d : entry.toObject().value(QStringLiteral("days")).toArray())
        days.push_back(d.toInt());
    return days;
}

} // namespace

TEST(RenderReports, HolidaysOfAMonthListTheirDays)
{
    const RunResult run = render({QStringLiteral("--holidays"), QStringLiteral("--month"),
                                  QStringLiteral("12"), QStringLiteral("--year"),
                                  QStringLiteral("2026")});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    const QJsonArray entries = QJsonDocument::fromJson(run.out).array();
    bool christmas = false;
    for (const QJsonValue &e : entries) {
        const QJsonObject o = e.toObject();
        if (o.value(QStringLiteral("description")).toString().startsWith(QStringLiteral("Christmas Day"))) {
            christmas = true;
            EXPECT_EQ(daysOf(e), std::vector<int>{25});
        }
    }
    EXPECT_TRUE(christmas);
    EXPECT_TRUE(run.err.isEmpty()) << run.err.constData();
}

TEST(RenderReports, ARecurringFileIsReportedInFileOrder)
{
    QTemporaryDir dir;
    const QString path = writeFile(dir, QStringLiteral("OVRECUR.DAX"),
                                   entryLine("Book club", "$5 4 11") + entryLine("Not in November", "@0704")
                                       + entryLine("Gym", "%246"));
    const RunResult run = render({QStringLiteral("--recurring"), path, QStringLiteral("--month"),
                                  QStringLiteral("11"), QStringLiteral("--year"), QStringLiteral("2026")});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    const QJsonArray entries = QJsonDocument::fromJson(run.out).array();
    ASSERT_EQ(entries.size(), 2) << run.out.constData();
    EXPECT_EQ(entries[0].toObject().value(QStringLiteral("line")).toInt(), 1);
    EXPECT_EQ(daysOf(entries[0]), std::vector<int>{26}) << run.out.constData();
    EXPECT_EQ(entries[1].toObject().value(QStringLiteral("line")).toInt(), 3);
    EXPECT_EQ(daysOf(entries[1]).size(), 13u);
}

TEST(RenderReports, MissingFilesFailWithStatusOne)
{
    const RunResult recurring = render({QStringLiteral("--recurring"), QStringLiteral("/no/such/file")});
    EXPECT_EQ(recurring.exitCode, 1);
    EXPECT_FALSE(recurring.err.isEmpty());
    const RunResult dump = render({QStringLiteral("--dump"), QStringLiteral("/no/such/file.OVF")});
    EXPECT_EQ(dump.exitCode, 1);
}

TEST(RenderReports, ADamagedFileIsDumpedUpToTheDamage)
{
    QTemporaryDir dir;
    const QString path = writeFile(dir, QStringLiteral("cut.OVS"),
                                   QByteArray("\x01\x02\x04\x02\x02\x02\x00\x02\x01", 9));
    const RunResult run = render({QStringLiteral("--dump"), path});
    EXPECT_EQ(run.exitCode, 1);
    const QString text = QString::fromUtf8(run.out);
    EXPECT_TRUE(text.contains(QStringLiteral("version: tagInt8 4"))) << qPrintable(text);
    EXPECT_TRUE(text.contains(QStringLiteral("PaperSize: tagInt8 0"))) << qPrintable(text);
    EXPECT_TRUE(text.contains(QStringLiteral("CalendarOrientation: tagInt8 1"))) << qPrintable(text);
    EXPECT_TRUE(text.contains(QStringLiteral("stopped at offset 9: Stream read error"))) << qPrintable(text);
}

TEST(RenderDocuments, SavedDocumentsAndStyleSheetsAreReadBack)
{
    QTemporaryDir dir;
    const QString doc = dir.filePath(QStringLiteral("Mar1998.OVF"));
    const QString style = dir.filePath(QStringLiteral("MyStyle.ovs"));
    ASSERT_EQ(render({QStringLiteral("--layout"), QStringLiteral("18"), QStringLiteral("--month"),
                      QStringLiteral("3"), QStringLiteral("--year"), QStringLiteral("1998"),
                      QStringLiteral("--save"), doc}).exitCode, 0);
    ASSERT_EQ(render({QStringLiteral("--layout"), QStringLiteral("9"), QStringLiteral("--paper"),
                      QStringLiteral("a4"), QStringLiteral("--save"), style}).exitCode, 0);

    const RunResult fromDoc = render({doc, QStringLiteral("--geometry")});
    ASSERT_EQ(fromDoc.exitCode, 0) << fromDoc.err.constData();
    const QJsonObject json = QJsonDocument::fromJson(fromDoc.out).object();
    EXPECT_TRUE(json.value(QStringLiteral("isPlanner")).toBool());

    const RunResult styled = render({doc, QStringLiteral("--style"), style, QStringLiteral("--geometry")});
    ASSERT_EQ(styled.exitCode, 0) << styled.err.constData();
    const QJsonObject styledJson = QJsonDocument::fromJson(styled.out).object();
    EXPECT_EQ(styledJson.value(QStringLiteral("minis")).toArray().size(), 6);
    EXPECT_EQ(styledJson.value(QStringLiteral("orientation")).toString(), QStringLiteral("landscape"));

    const RunResult dump = render({QStringLiteral("--dump"), doc});
    EXPECT_EQ(dump.exitCode, 0);
    EXPECT_TRUE(dump.out.contains("CalendarLayout: tagInt8 18"));
}

TEST(RenderDocuments, TextFromDocumentsReachesTheTerminalEscaped)
{
    // A title that would clear the screen and retitle the terminal window.
    QTemporaryDir dir;
    TCalendarPanel32 page;
    page.ResetToDefaults(QDate(2026, 12, 1));
    page.SetUserTitle(QStringLiteral("Trip\x1b[2J\x1b]0;owned\x07"));
    const QString doc = dir.filePath(QStringLiteral("trip.OVF"));
    ASSERT_TRUE(CalendarFile::SaveDocument(page.document(), doc, {}).ok);
    const RunResult dump = render({QStringLiteral("--dump"), doc});
    EXPECT_EQ(dump.exitCode, 0) << dump.err.constData();
    EXPECT_FALSE(dump.out.contains('\x1b'));
    EXPECT_FALSE(dump.out.contains('\x07'));
    EXPECT_TRUE(dump.out.contains("Trip\\x1B[2J\\x1B]0;owned\\x07")) << dump.out.left(2000).constData();

    // A file name in an error message, too.
    const RunResult missing = render({QStringLiteral("--dump"), dir.filePath(QStringLiteral("gone\x1b[31m.OVF"))});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_FALSE(missing.err.contains('\x1b'));
    EXPECT_TRUE(missing.err.contains("gone\\x1B[31m.OVF")) << missing.err.constData();
}

TEST(RenderDocuments, TheDumpSaysWhichInstalledFamilyDrawsEachFont)
{
    if (!QFontDatabase::hasFamily(QStringLiteral("Liberation Sans")))
        GTEST_SKIP() << "the Liberation fonts are not installed";
    QTemporaryDir dir;
    TCalendarPanel32 page;
    page.ResetToDefaults(QDate(2026, 12, 1));
    page.SetCellFont(TFont(QStringLiteral("Arial"), 9));
    page.SetTitleFont(TFont(QStringLiteral("DejaVu Sans"), 20));
    const QString doc = dir.filePath(QStringLiteral("fonts.OVF"));
    ASSERT_TRUE(CalendarFile::SaveDocument(page.document(), doc, {}).ok);
    const RunResult dump = render({QStringLiteral("--dump"), doc});
    ASSERT_EQ(dump.exitCode, 0) << dump.err.constData();
    const QByteArray fonts = dump.out.mid(dump.out.lastIndexOf("\nfonts\n"));
    EXPECT_TRUE(fonts.contains("\n  Arial: drawn with Liberation Sans\n")) << fonts.constData();
    EXPECT_TRUE(fonts.contains("\n  DejaVu Sans: drawn with DejaVu Sans\n")) << fonts.constData();
    EXPECT_EQ(fonts.count("Arial"), 1) << "each family once";
}

TEST(RenderReports, OversizedFilesAreNamedAsWhatTheyWereReadFor)
{
    // Sparse files past every limit: nothing is read, and the message says which kind of file.
    QTemporaryDir dir;
    const QString huge = dir.filePath(QStringLiteral("huge.rtf"));
    QFile file(huge);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_TRUE(file.resize(qint64(200) * 1024 * 1024));
    file.close();
    const RunResult rtf = render({QStringLiteral("--rtf"), huge, QStringLiteral("--runs")});
    EXPECT_EQ(rtf.exitCode, 1);
    EXPECT_TRUE(rtf.err.contains("is too large to be read as a rich-text file")) << rtf.err.constData();
    const RunResult icons = render({QStringLiteral("--icons"), huge});
    EXPECT_EQ(icons.exitCode, 1);
    EXPECT_TRUE(icons.err.contains("is too large to be read as an icon library")) << icons.err.constData();
    EXPECT_FALSE(icons.err.contains("picture")) << icons.err.constData();
}

TEST(RenderDocuments, UnreadableFilesGiveTheProgramsMessage)
{
    QTemporaryDir dir;
    const QString junk = writeFile(dir, QStringLiteral("junk.OVF"), QByteArray("not a calendar"));
    const RunResult run = render({junk, QStringLiteral("--geometry")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_TRUE(run.err.contains("Unable to open " + junk.toLocal8Bit()
                                 + ". Possibly  corrupted, possibly not a Calendar file"))
        << run.err.constData();
    const RunResult style = render({QStringLiteral("--style"), junk});
    EXPECT_EQ(style.exitCode, 1);
    EXPECT_TRUE(style.err.contains("possibly not a Calendar Style file")) << style.err.constData();
    // --style is ours alone: Qt, which has an option of that name, never sees it.
    EXPECT_FALSE(style.err.contains("style override")) << style.err.constData();
    // A device named like a document is refused with the reason, at once.
    const QString device = dir.filePath(QStringLiteral("device.OVS"));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), device));
    const RunResult fromDevice = render({QStringLiteral("--style"), device});
    EXPECT_EQ(fromDevice.exitCode, 1);
    EXPECT_TRUE(fromDevice.err.contains("not a regular file")) << fromDevice.err.constData();
    const RunResult dumpDevice = render({QStringLiteral("--dump"), device});
    EXPECT_EQ(dumpDevice.exitCode, 1);
    EXPECT_TRUE(dumpDevice.err.contains("not a regular file")) << dumpDevice.err.constData();
    const RunResult badSave = render({QStringLiteral("--save"), dir.filePath(QStringLiteral("x.txt"))});
    EXPECT_EQ(badSave.exitCode, 2);
}

TEST(RenderReports, HelpListsTheOptions)
{
    const RunResult run = render({QStringLiteral("--help")});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.out.startsWith("Usage: orvane-render [options] [document]")) << run.out.constData();
    for (const char *option : {"--layout", "--out", "--months", "--geometry", "--recurring", "--dump", "--save"})
        EXPECT_TRUE(run.out.contains(option)) << option;
}

// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Calendar documents and style sheets.
#include "calendarfile.h"

#include "calendar/calendardates.h"
#include "page/calpanel32.h"
#include "storage/cellrecord.h"
#include "storage/reader.h"
#include "storage/streamerror.h"
#include "storage/writer.h"

#include <QBuffer>
#include <QFile>
#include <QSaveFile>

namespace {

QByteArray readWholeFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw StreamError(file.errorString());
    // Reading is done in memory; no real calendar comes near this size.
    if (file.size() > CalendarFile::kMaxFileSize)
        throw StreamError(QStringLiteral("The file is too large to be a calendar file"));
    return file.readAll();
}

void writeWholeFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw StreamError(file.errorString());
    if (file.write(bytes) != bytes.size() || !file.commit())
        throw StreamError(file.errorString());
}

// Runs file work and turns the stream's or the file's failure into a result, so no
// exception leaves the public functions.
template<class Work>
CalendarFile::FileResult guarded(Work work)
{
    try {
        work();
    } catch (const StreamError &error) {
        return {false, error.message()};
    }
    return {};
}

// Runs a writer over a memory buffer and returns what it wrote.
QByteArray writeToBytes(const std::function<void(TWriter &)> &write)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        TWriter writer(&buffer);
        write(writer);
        writer.flush();
    }
    return bytes;
}

void writeDocument(TWriter &w, const DocumentContent &c, int ppi,
                   const std::vector<TComponent *> &objects)
{
    using namespace CalendarFile;
    w.PutListStart();
    w.PutInteger(kVersion);
    w.PutInteger(kKindDocument);
    WritePageBlock(w, c.page, ppi);
    w.PutString(c.borderFile);
    for (int value : {c.day, c.month, c.year, c.startOfWeek, c.plannerHour, c.plannerMinute})
        w.PutInteger(value);
    for (const TWPRtfStorage &cell : c.cells) {
        TWPRtfStorage copy = cell;
        CellTextRecord record(copy);
        w.PutRootRecord(record);
    }
    w.PutString(c.userTitle);
    w.PutListEnd();
    w.PutListStart();
    for (TComponent *object : objects)
        w.PutRootRecord(*object);
    w.PutListEnd();
}

DocumentContent readFirstList(TReader &r)
{
    using namespace CalendarFile;
    DocumentContent c;
    r.GetListStart();
    c.version = r.GetInteger();
    r.GetInteger(); // the kind is not checked
    c.page = ReadPageBlock(r);
    if (c.version > 3)
        c.borderFile = r.GetString();
    c.day = r.GetInteger();
    c.month = r.GetInteger();
    c.year = r.GetInteger();
    c.startOfWeek = r.GetInteger();
    c.plannerHour = r.GetInteger();
    c.plannerMinute = r.GetInteger();
    if (c.plannerHour < 0 || c.plannerHour > 23 || c.plannerMinute < 0 || c.plannerMinute > 59)
        throw StreamError(StreamMessages::invalidValue());
    for (TWPRtfStorage &cell : c.cells) {
        CellTextRecord record(cell);
        r.GetRootRecord(&record);
    }
    if (c.version > 1)
        c.userTitle = r.GetString();
    r.GetListEnd();
    return c;
}

} // namespace

namespace CalendarFile {

DocumentContent documentContentOf(const TCalendarPanel32 &page)
{
    DocumentContent c;
    c.page = pageBlockOf(page);
    c.borderFile = page.WMFBorderFile();
    c.day = page.MainCalDay();
    c.month = page.MainCalMonth();
    c.year = page.MainCalYear();
    c.startOfWeek = page.StartOfWeek();
    c.plannerHour = HourOfDateTime(page.DayPlannerStartTime());
    c.plannerMinute = MinuteOfDateTime(page.DayPlannerStartTime());
    for (int cell = 1; cell <= 42; ++cell)
        c.cells[size_t(cell - 1)] = page.GetCellRtfText(cell, TWPRtfStorage());
    c.userTitle = page.UserTitle();
    return c;
}

void applyDocumentContent(const DocumentContent &c, TCalendarPanel32 &page)
{
    applyPageBlock(c.page, page);
    page.SetWMFBorderFile(c.borderFile);
    page.SetMainCalYear(c.year);
    page.SetMainCalMonth(c.month);
    page.SetMainCalDay(c.day);
    page.SetStartOfWeek(c.startOfWeek);
    page.SetDayPlannerStartTime(EncodeTime(c.plannerHour, c.plannerMinute));
    for (int cell = 1; cell <= 42; ++cell)
        page.SetCellRtfText(cell, c.cells[size_t(cell - 1)]);
    page.SetUserTitle(c.userTitle);
}

QByteArray documentBytes(const TCalendarPanel32 &page, const std::vector<TComponent *> &objects)
{
    const DocumentContent content = documentContentOf(page);
    return writeToBytes([&](TWriter &w) { writeDocument(w, content, page.pixelsPerInch(), objects); });
}

QByteArray styleSheetBytes(const TCalendarPanel32 &page)
{
    return writeToBytes([&](TWriter &w) {
        w.PutListStart();
        w.PutInteger(kVersion);
        w.PutInteger(kKindStyleSheet);
        WritePageBlock(w, pageBlockOf(page), page.pixelsPerInch());
        w.PutString(page.WMFBorderFile());
        w.PutListEnd();
    });
}

FileResult SaveDocument(const TCalendarPanel32 &page, const QString &path,
                        const std::vector<TComponent *> &objects)
{
    return guarded([&] { writeWholeFile(path, documentBytes(page, objects)); });
}

FileResult SaveStyleSheet(const TCalendarPanel32 &page, const QString &path)
{
    return guarded([&] { writeWholeFile(path, styleSheetBytes(page)); });
}

QString NameDroppedObject(const TComponent *owner, const QString &nameInFile)
{
    for (int n = 0; n <= 1000; ++n) {
        const QString name = QStringLiteral("Component%1").arg(n);
        if (!owner || !owner->findComponent(name))
            return name;
    }
    return nameInFile;
}

// Throws StreamError when the settings or cells cannot be read.
static LoadOutcome readDocumentBytes(TCalendarPanel32 &page, const QByteArray &bytes, TComponent *owner,
                                     const ObjectSink &sink)
{
    QByteArray data = bytes;
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    TReader reader(&buffer);
    const DocumentContent content = readFirstList(reader);
    applyDocumentContent(content, page);
    LoadOutcome outcome;
    if (content.version <= 2)
        return outcome;
    reader.setNamingHook([owner](TReader &, TComponent &, QString &name) {
        name = NameDroppedObject(owner, name);
    });
    reader.setFindMethodHook([](TReader &, const QString &, bool &error) { error = false; });
    try {
        reader.GetListStart();
        reader.GetComponentRecords(owner, nullptr, sink);
    } catch (const StreamError &error) {
        outcome.objectsError = error.message();
    }
    return outcome;
}

LoadOutcome loadDocumentBytes(TCalendarPanel32 &page, const QByteArray &bytes, TComponent *owner,
                              const ObjectSink &sink)
{
    LoadOutcome outcome;
    const FileResult read = guarded([&] { outcome = readDocumentBytes(page, bytes, owner, sink); });
    if (!read.ok)
        return {false, read.message, QString()};
    return outcome;
}

LoadOutcome LoadDocument(TCalendarPanel32 &page, const QString &path, TComponent *owner,
                         const ObjectSink &sink)
{
    QByteArray bytes;
    const FileResult opened = guarded([&] { bytes = readWholeFile(path); });
    if (!opened.ok)
        return {false, opened.message, QString()};
    return loadDocumentBytes(page, bytes, owner, sink);
}

// Throws StreamError when the style sheet cannot be read.
static void readStyleSheetBytes(TCalendarPanel32 &page, const QByteArray &bytes)
{
    QByteArray data = bytes;
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    TReader r(&buffer);
    r.GetListStart();
    const int version = r.GetInteger();
    r.GetInteger();
    const PageBlock block = ReadPageBlock(r);
    const QString border = version < 4 ? QString() : r.GetString();
    r.GetListEnd();
    applyPageBlock(block, page);
    page.SetWMFBorderFile(border);
}

FileResult loadStyleSheetBytes(TCalendarPanel32 &page, const QByteArray &bytes)
{
    return guarded([&] { readStyleSheetBytes(page, bytes); });
}

FileResult LoadStyleSheet(TCalendarPanel32 &page, const QString &path)
{
    return guarded([&] { readStyleSheetBytes(page, readWholeFile(path)); });
}

} // namespace CalendarFile

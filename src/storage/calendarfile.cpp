// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Calendar documents and style sheets.
#include "calendarfile.h"

#include "calendar/calendardates.h"
#include "images/decodebudget.h"
#include "objects/objectnames.h"
#include "objects/tgflatcalendar.h"
#include "storage/cellrecord.h"
#include "storage/documentmessages.h"
#include "storage/objectrecords.h"
#include "storage/optionslist.h"
#include "storage/picturesources.h"
#include "storage/reader.h"
#include "storage/streamerror.h"
#include "storage/writer.h"
#include "core/filebytes.h"

#include <QBuffer>
#include <QSet>

#include <new>

namespace {

QByteArray readWholeFile(const QString &path)
{
    // Reading is done in memory; no real calendar comes near the limit.
    FileBytes::ReadResult file = FileBytes::readRegularFile(path, CalendarFile::kMaxFileSize);
    if (file.failure == FileBytes::Failure::TooLarge)
        throw StreamError(QStringLiteral("The file is too large to be a calendar file"));
    if (!file.ok())
        throw StreamError(file.reason);
    return std::move(file.bytes);
}

void writeWholeFile(const QString &path, const QByteArray &bytes)
{
    // Written by name as the file system holds it, so names that are not UTF-8 stay as
    // they are; a failed write keeps the old file.
    const QString failure = FileBytes::replaceFile(path, bytes);
    if (!failure.isEmpty())
        throw StreamError(failure);
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
    } catch (const std::bad_alloc &) {
        // Whatever was being built is released by now; the program goes on.
        return {false, DocumentMessages::outOfMemory()};
    }
    return {};
}

// Floating calendars' week numbers are no stored property of theirs, which older readers
// would trip over: the options list keeps them as "position:numbering" by the objects'
// places in the document ("2:iso,5:us"), written only when some calendar has them.
const QString kFlatCalendarWeekNumbers = QStringLiteral("FlatCalendarWeekNumbers");

// The floating calendar a document's record holds; null for any other component.
TGFlatCalendar *flatCalendarOf(TComponent *component)
{
    return dynamic_cast<TGFlatCalendar *>(PictureSources::objectOf(component));
}

DocumentOptions withFlatCalendarWeekNumbers(const DocumentOptions &options,
                                            const std::vector<TComponent *> &objects)
{
    QStringList entries;
    for (size_t i = 0; i < objects.size(); ++i) {
        const TGFlatCalendar *calendar = flatCalendarOf(objects[i]);
        if (!calendar || calendar->weekNumbers() == PageOptions::WeekNumbers::None)
            continue;
        entries.append(QStringLiteral("%1:%2").arg(i).arg(PageOptions::weekNumbersName(calendar->weekNumbers())));
    }
    DocumentOptions written = options;
    written.remove(kFlatCalendarWeekNumbers);
    if (!entries.isEmpty())
        written.setValue(kFlatCalendarWeekNumbers, entries.join(QLatin1Char(',')));
    return written;
}

// Gives the calendars read back their week numbers and takes the entry out of the page's
// options. Parts that name no floating calendar are left out.
void takeFlatCalendarWeekNumbers(DocumentOptions &options, const std::vector<TGGraphicControl *> &objects)
{
    const QString text = options.value(kFlatCalendarWeekNumbers).toString();
    options.remove(kFlatCalendarWeekNumbers);
    for (const QString &entry : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const QStringList parts = entry.split(QLatin1Char(':'));
        bool ok = false;
        const int index = parts.value(0).toInt(&ok);
        if (parts.size() != 2 || !ok || index < 0 || size_t(index) >= objects.size())
            continue;
        const std::optional<PageOptions::WeekNumbers> numbers = PageOptions::weekNumbersNamed(parts[1]);
        if (auto *calendar = dynamic_cast<TGFlatCalendar *>(objects[size_t(index)]); calendar && numbers)
            calendar->setWeekNumbers(*numbers);
    }
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
                   const std::vector<TComponent *> &objects, const DocumentOptions &options)
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
    OptionsList::write(w, options);
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

DocumentContent documentContentOf(const PageDocument &doc)
{
    const PageSettings &p = doc.settings;
    DocumentContent c;
    c.page = pageBlockOf(doc);
    c.borderFile = p.borderFile;
    c.day = p.day;
    c.month = p.month;
    c.year = p.year;
    c.startOfWeek = p.startOfWeek;
    c.plannerHour = HourOfDateTime(p.dayPlannerStart);
    c.plannerMinute = MinuteOfDateTime(p.dayPlannerStart);
    c.cells = doc.cells;
    c.userTitle = p.userTitle;
    return c;
}

void applyDocumentContent(const DocumentContent &c, PageDocument &doc)
{
    applyPageBlock(c.page, doc);
    PageSettings &p = doc.settings;
    p.borderFile = c.borderFile;
    p.year = c.year;
    p.month = c.month;
    p.day = c.day;
    p.startOfWeek = c.startOfWeek;
    p.dayPlannerStart = EncodeTime(c.plannerHour, c.plannerMinute);
    doc.cells = c.cells;
    p.userTitle = c.userTitle;
}

QByteArray documentBytes(const PageDocument &doc, const std::vector<TComponent *> &objects)
{
    const DocumentContent content = documentContentOf(doc);
    return writeToBytes(
        [&](TWriter &w) {
            const DocumentOptions named = OptionsList::withNames(doc.options, doc.settings.names);
            writeDocument(w, content, doc.pixelsPerInch, objects,
                          PictureSources::withSources(withFlatCalendarWeekNumbers(named, objects), objects));
        });
}

QByteArray styleSheetBytes(const PageDocument &doc)
{
    return writeToBytes([&](TWriter &w) {
        w.PutListStart();
        w.PutInteger(kVersion);
        w.PutInteger(kKindStyleSheet);
        WritePageBlock(w, pageBlockOf(doc), doc.pixelsPerInch);
        w.PutString(doc.settings.borderFile);
        w.PutListEnd();
        OptionsList::write(w, OptionsList::withNames(doc.options, doc.settings.names));
    });
}

FileResult SaveDocument(const PageDocument &doc, const QString &path,
                        const std::vector<TComponent *> &objects)
{
    return guarded([&] { writeWholeFile(path, documentBytes(doc, objects)); });
}

FileResult SaveStyleSheet(const PageDocument &doc, const QString &path)
{
    return guarded([&] { writeWholeFile(path, styleSheetBytes(doc)); });
}

QString firstFreeComponentName(const std::function<bool(const QString &)> &taken,
                               const QString &nameInFile)
{
    return firstFreeObjectName(QStringLiteral("Component"), 0, taken).value_or(nameInFile);
}

QString NameDroppedObject(const TComponent *owner, const QString &nameInFile,
                          const QSet<QString> &taken)
{
    return firstFreeComponentName(
        [&](const QString &name) {
            return (owner && owner->findComponent(name)) || taken.contains(name);
        },
        nameInFile);
}

// The options after the last list; a damaged list costs only the options.
static void readOptions(TReader &reader, PageDocument &doc, LoadOutcome &outcome)
{
    doc.options.clear();
    if (reader.remaining() == 0)
        return;
    try {
        doc.options = OptionsList::read(reader);
    } catch (const StreamError &error) {
        doc.options.clear();
        outcome.dropped << QStringLiteral("the options of this version of Orvane: ") + error.message();
    }
    OptionsList::takeNames(doc.options, doc.settings.names);
}

// Throws StreamError when the settings or cells cannot be read.
static LoadOutcome readDocumentBytes(PageDocument &doc, const QByteArray &bytes, TComponent *owner,
                                     const ObjectSink &sink)
{
    // Documents name the object classes.
    ObjectRecords::registerObjectClasses();
    DecodeBudget pictures;
    const DecodeBudget::Scope charged(pictures);
    QByteArray data = bytes;
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    TReader reader(&buffer);
    const DocumentContent content = readFirstList(reader);
    applyDocumentContent(content, doc);
    doc.options.clear();
    LoadOutcome outcome;
    if (content.version <= 2)
        return outcome;
    // Objects handed to the sink may leave the owner at once, so the names given are kept.
    auto given = std::make_shared<QSet<QString>>();
    // The objects by their places in the file, for the options that name them (floating
    // calendars' week numbers, pictures' sources). They reach the sink once those are read,
    // so a sink that lets an object go cannot leave the options naming a freed object.
    std::vector<std::unique_ptr<TComponent>> read;
    const ObjectSink held = [&read](std::unique_ptr<TComponent> component) {
        read.push_back(std::move(component));
    };
    reader.setNamingHook([owner, given](TReader &, TComponent &, QString &name) {
        name = NameDroppedObject(owner, name, *given);
        given->insert(name);
    });
    reader.setFindMethodHook([](TReader &, const QString &, bool &error) { error = false; });
    reader.setSkipDamage(true);
    try {
        reader.GetListStart();
        reader.GetComponentRecords(owner, nullptr, held);
    } catch (const StreamError &error) {
        outcome.objectsError = error.message();
        outcome.dropped << QStringLiteral("the object list: ") + error.message();
    }
    for (const ReadDamage &damage : reader.damage()) {
        if (damage.objectLost && outcome.objectsError.isEmpty())
            outcome.objectsError = damage.reason;
        outcome.dropped << damage.text();
    }
    if (outcome.objectsError.isEmpty()) {
        std::vector<TGGraphicControl *> objects;
        for (const std::unique_ptr<TComponent> &component : read)
            objects.push_back(PictureSources::objectOf(component.get()));
        readOptions(reader, doc, outcome);
        takeFlatCalendarWeekNumbers(doc.options, objects);
        PictureSources::takeSources(doc.options, objects, outcome.dropped);
    }
    for (std::unique_ptr<TComponent> &component : read) {
        if (sink)
            sink(std::move(component));
    }
    return outcome;
}

LoadOutcome loadDocumentBytes(PageDocument &doc, const QByteArray &bytes, TComponent *owner,
                              const ObjectSink &sink)
{
    LoadOutcome outcome;
    const FileResult read = guarded([&] { outcome = readDocumentBytes(doc, bytes, owner, sink); });
    if (!read.ok)
        return {false, read.message, QString(), {}};
    return outcome;
}

LoadOutcome LoadDocument(PageDocument &doc, const QString &path, TComponent *owner,
                         const ObjectSink &sink)
{
    QByteArray bytes;
    const FileResult opened = guarded([&] { bytes = readWholeFile(path); });
    if (!opened.ok)
        return {false, opened.message, QString(), {}};
    return loadDocumentBytes(doc, bytes, owner, sink);
}

// Throws StreamError when the style sheet cannot be read.
static void readStyleSheetBytes(PageDocument &doc, const QByteArray &bytes)
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
    // A style sheet brings its options, or none when it has none; a damaged list is
    // left out as a document's is.
    DocumentOptions options;
    if (r.remaining() > 0) {
        try {
            options = OptionsList::read(r);
        } catch (const StreamError &) {
            options.clear();
        }
    }
    applyPageBlock(block, doc);
    doc.settings.borderFile = border;
    OptionsList::takeNames(options, doc.settings.names);
    doc.options = PictureSources::withoutSources(options);
}

FileResult loadStyleSheetBytes(PageDocument &doc, const QByteArray &bytes)
{
    return guarded([&] { readStyleSheetBytes(doc, bytes); });
}

FileResult LoadStyleSheet(PageDocument &doc, const QString &path)
{
    return guarded([&] { readStyleSheetBytes(doc, readWholeFile(path)); });
}

FileResult readFileBytes(const QString &path, QByteArray &bytes)
{
    return guarded([&] { bytes = readWholeFile(path); });
}

FileResult writeFileBytes(const QString &path, const QByteArray &bytes)
{
    return guarded([&] { writeWholeFile(path, bytes); });
}

} // namespace CalendarFile

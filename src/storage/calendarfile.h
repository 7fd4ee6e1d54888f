// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calendar/pagedocument.h"
#include "calendar/pagetypes.h"
#include "richtext/rtfstorage.h"
#include "graphics/tcolor.h"
#include "graphics/tfont.h"

#include <QSet>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <memory>
#include <vector>

class TComponent;
class TReader;
class TWriter;

// The page settings a style sheet carries, in the order files store them.
struct PageBlock {
    int paperSize = 0;
    int orientation = 0;
    std::array<int, 4> margins{}; // left, top, right, bottom: inches x 100
    int layout = 0;
    int calendarBorder = 0;
    int lineLayout = 0;
    QStringList monthNames; // 12
    QStringList dayNames;   // 7, Sunday first
    TColor titleBGColor = 0;
    TFont titleFont;
    bool titleShowYear = true;
    TFont headersFont;
    int headersBorder = 0;
    int headersStyle = 0;
    TColor headersBGColor = 0;
    TFont cellFont;
    int cellBorder = 0;
    int miniLineLayout = 0;
    int miniCalBorder = 0;
    TColor miniCalBGColor = 0;
    bool miniShowYear = true;
    TFont miniTitleFont;
    TFont miniHeadersFont;
    TColor miniHeadersBGColor = 0;
    int miniHeadersStyle = 0;
    int miniHeadersBorder = 0;
    int miniCellBorder = 0;
    TFont miniCellFont;
    int numberPosition = 0;
};

// Everything a document holds besides its drawing objects.
struct DocumentContent {
    int version = 4;
    PageBlock page;
    QString borderFile;
    int day = 0;
    int month = 1;
    int year = 1997;
    int startOfWeek = 1;
    int plannerHour = 8;
    int plannerMinute = 0;
    std::array<TWPRtfStorage, 42> cells;
    QString userTitle;
};

// Calendar documents (.OVF) and style sheets (.OVS). Loading and saving report failures in
// their results, with the stream's fixed messages or, for files that cannot be opened or
// written, the system's reason. The page and font blocks, which run on a reader or writer
// the caller holds, throw StreamError as the reader does.
namespace CalendarFile {

constexpr int kVersion = 4;
constexpr int kKindDocument = 1;
constexpr int kKindStyleSheet = 2;
// Larger files are refused before they are read.
constexpr qint64 kMaxFileSize = 256LL * 1024 * 1024;

// Margins are stored as inches x 100, truncated. The tiny allowance keeps a margin that
// was read as n / 100 at n when written back, although n / 100 is not exact in binary.
int marginToStored(float inches);
float marginFromStored(int hundredths);

void WriteFontBlock(TWriter &writer, const TFont &font, int ppi);
TFont ReadFontBlock(TReader &reader);
PageBlock pageBlockOf(const PageDocument &doc);
void WritePageBlock(TWriter &writer, const PageBlock &block, int ppi);
PageBlock ReadPageBlock(TReader &reader);
void applyPageBlock(const PageBlock &block, PageDocument &doc);

DocumentContent documentContentOf(const PageDocument &doc);
void applyDocumentContent(const DocumentContent &content, PageDocument &doc);

// The whole file in bytes; objects are the page's drawing objects back to front. Throws
// StreamError for an object whose kind has no stored properties (SaveDocument reports it).
QByteArray documentBytes(const PageDocument &doc, const std::vector<TComponent *> &objects);
QByteArray styleSheetBytes(const PageDocument &doc);

// How saving or reading a file ended: ok, or the reason it failed.
struct FileResult {
    bool ok = true;
    QString message;
};

// Saving replaces the file only once everything is written; a failed save leaves the old
// file as it was.
FileResult SaveDocument(const PageDocument &doc, const QString &path,
                        const std::vector<TComponent *> &objects);
FileResult SaveStyleSheet(const PageDocument &doc, const QString &path);

// How a document was read. Not ok: the settings or cells could not be read, message says
// why and the document value is unchanged. Damage among the drawing objects costs only what
// it touches: an unknown or unusable property is left out, a record that cannot be read is
// dropped, and reading goes on with the next. dropped names each ("property Lefz of
// Component3 (TGPLabel): Property does not exist"); objectsError is the stream's message for
// the first object lost, empty when every object was read.
struct LoadOutcome {
    bool ok = true;
    QString message;
    QString objectsError;
    QStringList dropped;

    // The document was read, but not all of it: saving it over its file loses what was left out.
    bool readInPart() const { return ok && !dropped.isEmpty(); }
};
using ObjectSink = std::function<void(std::unique_ptr<TComponent>)>;

// Reads the document into doc, which changes only when its settings and cells were read
// whole.
// Drawing objects are created with 'owner' (their naming scope) and handed to 'sink' in file
// order once the options after them are read (they may name objects), or not at all when
// reading fails.
LoadOutcome LoadDocument(PageDocument &doc, const QString &path, TComponent *owner,
                         const ObjectSink &sink);
LoadOutcome loadDocumentBytes(PageDocument &doc, const QByteArray &bytes, TComponent *owner,
                              const ObjectSink &sink);
// A style sheet changes the page block and the border of doc, nothing else, and only when
// the whole style sheet was read.
FileResult LoadStyleSheet(PageDocument &doc, const QString &path);
FileResult loadStyleSheetBytes(PageDocument &doc, const QByteArray &bytes);

// The checked whole-file reading and saving that documents use, for other files of objects.
FileResult readFileBytes(const QString &path, QByteArray &bytes);
FileResult writeFileBytes(const QString &path, const QByteArray &bytes);

// The name a read drawing object takes: the first "Component<n>" (n = 0..1000) that the
// owner does not hold, or the name from the file when all are taken.
// The first "Component<n>" (n = 0..1000) that taken says is free, else nameInFile.
QString firstFreeComponentName(const std::function<bool(const QString &)> &taken,
                               const QString &nameInFile);
// Names in taken count as held too.
QString NameDroppedObject(const TComponent *owner, const QString &nameInFile,
                          const QSet<QString> &taken = {});

} // namespace CalendarFile

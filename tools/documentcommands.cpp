// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "documentcommands.h"

#include "renderoptions.h"
#include "terminaltext.h"

#include "core/filebytes.h"
#include "pagemodel/pagemodel.h"
#include "storage/calendarfile.h"
#include "storage/objectrecords.h"
#include "storage/documentmessages.h"
#include "storage/persistent.h"

#include <QFileInfo>

#include <cstdio>

#include <sys/stat.h>

namespace {

// Messages break lines with "\r"; a terminal line reads better with a blank there.
void printMessage(const QString &message)
{
    QString line = message;
    line.replace(QLatin1String("\r"), QLatin1String(" "));
    printProblem(line);
}

// The naming scope of drawing objects read from a document. No object kinds are
// registered with the renderer yet, so objects are reported as unreadable.
class ObjectScope : public TComponent
{
public:
    const TClassInfo &classInfo() const override
    {
        static const TClassInfo info(QStringLiteral("TCalendarMain"), nullptr, {});
        return info;
    }
};

// Whether two names lead to the same file, through links and other spellings alike.
bool sameFile(const QString &first, const QString &second)
{
    struct stat a {};
    struct stat b {};
    if (first.isEmpty() || second.isEmpty()
        || ::stat(FileBytes::encodeName(first).constData(), &a) != 0
        || ::stat(FileBytes::encodeName(second).constData(), &b) != 0)
        return false;
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

} // namespace

bool loadRenderInputs(const RenderOptions &options, PageModel &page, bool &readInPart)
{
    readInPart = false;
    if (!options.documentFile.isEmpty()) {
        ObjectScope scope;
        PageDocument doc = page.document();
        std::vector<std::unique_ptr<TGGraphicControl>> objects;
        const CalendarFile::LoadOutcome outcome = CalendarFile::LoadDocument(
            doc, options.documentFile, &scope, ObjectRecords::collectObjects(objects));
        if (!outcome.ok) {
            printMessage(DocumentMessages::openFailed(options.documentFile, outcome.message));
            return false;
        }
        page.applyDocument(doc);
        page.adoptReadObjects(std::move(objects));
        if (outcome.readInPart()) {
            readInPart = true;
            printMessage(DocumentMessages::readInPart(options.documentFile, outcome.dropped)
                             .replace(QLatin1String("\r- "), QLatin1String("\n  ")));
        }
    }
    if (!options.styleFile.isEmpty()) {
        PageDocument doc = page.document();
        const CalendarFile::FileResult loaded = CalendarFile::LoadStyleSheet(doc, options.styleFile);
        if (!loaded.ok) {
            printMessage(DocumentMessages::styleOpenFailed(options.styleFile, loaded.message));
            return false;
        }
        page.applyStyle(doc);
    }
    return true;
}

int saveRenderOutput(const RenderOptions &options, PageModel &page, bool inputReadInPart)
{
    if (options.saveFile.isEmpty())
        return 0;
    if (inputReadInPart && sameFile(options.documentFile, options.saveFile)) {
        printMessage(QStringLiteral("%1 was read only in part; it is not saved over. Save to "
                                    "another file to keep what was read.")
                         .arg(options.saveFile));
        return kExitReadInPart;
    }
    const bool styleSheet
        = QFileInfo(options.saveFile).suffix().compare(QLatin1String("OVS"), Qt::CaseInsensitive) == 0;
    const ObjectRecords::RecordList records(page.objects());
    const CalendarFile::FileResult saved
        = styleSheet ? CalendarFile::SaveStyleSheet(page.document(), options.saveFile)
                     : CalendarFile::SaveDocument(page.document(), options.saveFile, records.components());
    if (!saved.ok) {
        printMessage(DocumentMessages::saveFailed(options.saveFile, saved.message));
        return 1;
    }
    return 0;
}

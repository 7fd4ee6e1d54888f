// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "documentcommands.h"

#include "renderoptions.h"

#include "page/calpanel32.h"
#include "storage/calendarfile.h"
#include "storage/documentmessages.h"
#include "storage/persistent.h"
#include "storage/streamerror.h"

#include <QFileInfo>

#include <cstdio>

namespace {

// Messages break lines with "\r"; a terminal line reads better with a blank there.
void printMessage(const QString &message)
{
    QString line = message;
    line.replace(QLatin1String("\r"), QLatin1String(" "));
    std::fprintf(stderr, "orvane-render: %s\n", line.toLocal8Bit().constData());
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

} // namespace

bool loadRenderInputs(const RenderOptions &options, TCalendarPanel32 &page)
{
    if (!options.documentFile.isEmpty()) {
        ObjectScope scope;
        try {
            PageDocument doc = page.document();
            const CalendarFile::LoadOutcome outcome = CalendarFile::LoadDocument(
                doc, options.documentFile, &scope, [](std::unique_ptr<TComponent>) {});
            page.applyDocument(doc);
            if (!outcome.objectsError.isEmpty())
                printMessage(DocumentMessages::objectsDamaged(options.documentFile, outcome.objectsError));
        } catch (const StreamError &) {
            printMessage(DocumentMessages::openFailed(options.documentFile));
            return false;
        }
    }
    if (!options.styleFile.isEmpty()) {
        try {
            PageDocument doc = page.document();
            CalendarFile::LoadStyleSheet(doc, options.styleFile);
            page.applyStyle(doc);
        } catch (const StreamError &) {
            printMessage(DocumentMessages::styleOpenFailed(options.styleFile));
            return false;
        }
    }
    return true;
}

bool saveRenderOutput(const RenderOptions &options, const TCalendarPanel32 &page)
{
    if (options.saveFile.isEmpty())
        return true;
    try {
        if (QFileInfo(options.saveFile).suffix().compare(QLatin1String("OVS"), Qt::CaseInsensitive) == 0)
            CalendarFile::SaveStyleSheet(page.document(), options.saveFile);
        else
            CalendarFile::SaveDocument(page.document(), options.saveFile, {});
    } catch (const StreamError &error) {
        printMessage(DocumentMessages::saveFailed(options.saveFile, error.message()));
        return false;
    }
    return true;
}

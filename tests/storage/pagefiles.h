// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "page/calpanel32.h"
#include "storage/calendarfile.h"

// The file functions over a page, as the program uses them: the page's document value is
// written, and what was read whole is applied to the page afterwards.
namespace PageFiles {

inline QByteArray documentBytes(const TCalendarPanel32 &page,
                                const std::vector<TComponent *> &objects)
{
    return CalendarFile::documentBytes(page.document(), objects);
}

inline QByteArray styleSheetBytes(const TCalendarPanel32 &page)
{
    return CalendarFile::styleSheetBytes(page.document());
}

template <class Read>
auto readIntoPage(TCalendarPanel32 &page, bool wholeDocument, const Read &read)
{
    PageDocument doc = page.document();
    const auto result = read(doc);
    if (result.ok) {
        if (wholeDocument)
            page.applyDocument(doc);
        else
            page.applyStyle(doc);
    }
    return result;
}

inline CalendarFile::LoadOutcome loadDocumentBytes(TCalendarPanel32 &page, const QByteArray &bytes,
                                                   TComponent *owner,
                                                   const CalendarFile::ObjectSink &sink)
{
    return readIntoPage(page, true, [&](PageDocument &doc) {
        return CalendarFile::loadDocumentBytes(doc, bytes, owner, sink);
    });
}

inline CalendarFile::LoadOutcome LoadDocument(TCalendarPanel32 &page, const QString &path,
                                              TComponent *owner, const CalendarFile::ObjectSink &sink)
{
    return readIntoPage(page, true, [&](PageDocument &doc) {
        return CalendarFile::LoadDocument(doc, path, owner, sink);
    });
}

inline CalendarFile::FileResult loadStyleSheetBytes(TCalendarPanel32 &page, const QByteArray &bytes)
{
    return readIntoPage(page, false,
                        [&](PageDocument &doc) { return CalendarFile::loadStyleSheetBytes(doc, bytes); });
}

inline CalendarFile::FileResult LoadStyleSheet(TCalendarPanel32 &page, const QString &path)
{
    return readIntoPage(page, false,
                        [&](PageDocument &doc) { return CalendarFile::LoadStyleSheet(doc, path); });
}

inline CalendarFile::FileResult SaveDocument(const TCalendarPanel32 &page, const QString &path,
                                             const std::vector<TComponent *> &objects)
{
    return CalendarFile::SaveDocument(page.document(), path, objects);
}

inline CalendarFile::FileResult SaveStyleSheet(const TCalendarPanel32 &page, const QString &path)
{
    return CalendarFile::SaveStyleSheet(page.document(), path);
}

} // namespace PageFiles

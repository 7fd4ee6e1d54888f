// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "page/calpanel32.h"
#include "storage/calendarfile.h"

// The file functions over a page, as the program uses them: the page's document value is
// written, and what is read is applied to the page afterwards.
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

inline CalendarFile::LoadOutcome loadDocumentBytes(TCalendarPanel32 &page, const QByteArray &bytes,
                                                   TComponent *owner,
                                                   const CalendarFile::ObjectSink &sink)
{
    PageDocument doc = page.document();
    const CalendarFile::LoadOutcome outcome = CalendarFile::loadDocumentBytes(doc, bytes, owner, sink);
    page.applyDocument(doc);
    return outcome;
}

inline void loadStyleSheetBytes(TCalendarPanel32 &page, const QByteArray &bytes)
{
    PageDocument doc = page.document();
    CalendarFile::loadStyleSheetBytes(doc, bytes);
    page.applyStyle(doc);
}

inline void SaveDocument(const TCalendarPanel32 &page, const QString &path,
                         const std::vector<TComponent *> &objects)
{
    CalendarFile::SaveDocument(page.document(), path, objects);
}

inline CalendarFile::LoadOutcome LoadDocument(TCalendarPanel32 &page, const QString &path,
                                              TComponent *owner, const CalendarFile::ObjectSink &sink)
{
    PageDocument doc = page.document();
    const CalendarFile::LoadOutcome outcome = CalendarFile::LoadDocument(doc, path, owner, sink);
    page.applyDocument(doc);
    return outcome;
}

inline void LoadStyleSheet(TCalendarPanel32 &page, const QString &path)
{
    PageDocument doc = page.document();
    CalendarFile::LoadStyleSheet(doc, path);
    page.applyStyle(doc);
}

} // namespace PageFiles

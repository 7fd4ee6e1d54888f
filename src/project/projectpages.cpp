// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "projectpages.h"

#include "pagemodel/pagemodel.h"
#include "storage/objectrecords.h"
#include "storage/persistent.h"

namespace ProjectPages {

namespace {

// The naming scope of the objects read: a page of its own, so they are named afresh.
class PageScope : public TComponent
{
public:
    const TClassInfo &classInfo() const override
    {
        static const TClassInfo info(QStringLiteral("TCalendarMain"), nullptr, {});
        return info;
    }
};

template<typename Read>
CalendarFile::LoadOutcome loadWith(PageModel &page, const Read &read)
{
    PageScope scope;
    PageDocument doc = page.document();
    PageModel::ObjectList objects;
    const CalendarFile::LoadOutcome outcome = read(doc, scope, ObjectRecords::collectObjects(objects));
    if (!outcome.ok)
        return outcome;
    page.objectList().clear();
    page.applyDocument(doc);
    page.adoptReadObjects(std::move(objects));
    return outcome;
}

} // namespace

QByteArray documentBytes(const PageModel &page)
{
    const ObjectRecords::RecordList records(page.objects());
    return CalendarFile::documentBytes(page.document(), records.components());
}

CalendarFile::LoadOutcome loadBytes(PageModel &page, const QByteArray &bytes)
{
    return loadWith(page, [&bytes](PageDocument &doc, TComponent &scope, const CalendarFile::ObjectSink &sink) {
        return CalendarFile::loadDocumentBytes(doc, bytes, &scope, sink);
    });
}

CalendarFile::LoadOutcome load(PageModel &page, const QString &path)
{
    return loadWith(page, [&path](PageDocument &doc, TComponent &scope, const CalendarFile::ObjectSink &sink) {
        return CalendarFile::LoadDocument(doc, path, &scope, sink);
    });
}

CalendarFile::FileResult save(const PageModel &page, const QString &path)
{
    const ObjectRecords::RecordList records(page.objects());
    return CalendarFile::SaveDocument(page.document(), path, records.components());
}

} // namespace ProjectPages

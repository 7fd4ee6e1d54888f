// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to every reader of documents and style sheets. Any outcome but a
// crash, a hang, a leak or a huge allocation is fine.
#include <QGuiApplication>

#include "storage/calendarfile.h"
#include "storage/objectrecords.h"
#include "storage/persistent.h"
#include "storage/streamdump.h"

#include <cstdint>
#include <memory>

namespace {

class Scope : public TComponent
{
public:
    const TClassInfo &classInfo() const override
    {
        static const TClassInfo info(QStringLiteral("TCalendarMain"), nullptr, {});
        return info;
    }
};

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    // Documents name the object classes, so their records are read as the program reads them.
    ObjectRecords::registerObjectClasses();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    dumpCalendarFile(bytes);
    Scope scope;
    // Failures come back as results; an exception escaping here is a finding.
    PageDocument document;
    CalendarFile::loadDocumentBytes(document, bytes, &scope, [](std::unique_ptr<TComponent>) {});
    PageDocument style;
    CalendarFile::loadStyleSheetBytes(style, bytes);
    // The same bytes as an object clipboard file.
    ObjectRecords::readObjectList(bytes, {}, 15);
    return 0;
}

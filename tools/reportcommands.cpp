// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "reportcommands.h"

#include "renderoptions.h"
#include "terminaltext.h"

#include "graphics/fontfamilies.h"

#include "core/filebytes.h"
#include "output/pageoutput.h"
#include "pagemodel/pagemodel.h"
#include "recurring/holidaylist.h"
#include "recurring/recurringreport.h"
#include "storage/calendarfile.h"
#include "storage/streamdump.h"

#include <QDate>

#include <QRegularExpression>

#include <cstdio>

namespace {

void write(const QByteArray &bytes)
{
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
}


} // namespace

int runRecurringReport(const RenderOptions &options)
{
    const QDate today = QDate::currentDate();
    const int month = options.month.value_or(today.month());
    const int year = options.year.value_or(today.year());
    if (const QString error = recurringReportMonthError(month, year); !error.isEmpty())
        return failWith(error);
    QStringList lines;
    if (options.holidays) {
        lines = holidayLines();
    } else {
        QString error;
        lines = loadRecurringReportFile(options.recurringFile, &error);
        if (!error.isEmpty())
            return failWith(error);
    }
    write(recurringReportJson(lines, month, year));
    return 0;
}

int runDump(const RenderOptions &options)
{
    const FileBytes::ReadResult file
        = FileBytes::readRegularFile(options.dumpFile, CalendarFile::kMaxFileSize);
    if (file.failure == FileBytes::Failure::TooLarge)
        return failWith(QStringLiteral("%1 is too large to be a calendar file").arg(options.dumpFile));
    if (!file.ok())
        return failWith(QStringLiteral("Unable to open %1: %2").arg(options.dumpFile, file.reason));
    // The font families the document names, in the order first met: the page's font blocks
    // ("Name: tagString 'Arial'") and the objects' fonts ("Font.Name = 'Arial'").
    static const QRegularExpression fontName(QStringLiteral("^\\s*(?:Name: \\S+ |\\w*Font\\.Name = )'(.+)'$"),
                                             QRegularExpression::MultilineOption);
    QStringList families;
    const StreamDump dump = dumpCalendarFile(file.bytes, [&families](const QString &text) {
        for (auto match = fontName.globalMatch(text); match.hasNext();) {
            const QString family = match.next().captured(1);
            if (!families.contains(family, Qt::CaseInsensitive))
                families << family;
        }
        write(terminalText(text, true).toUtf8());
    });
    if (!families.isEmpty()) {
        QString fonts = QStringLiteral("fonts\n");
        for (const QString &family : families)
            fonts += QStringLiteral("  %1: drawn with %2\n").arg(family, FontFamilies::drawnWith(family));
        write(terminalText(fonts, true).toUtf8());
    }
    return dump.complete ? 0 : 1;
}

int runOutput(const RenderOptions &options, PageModel &page)
{
    QString error;
    const bool pdf = PageOutput::formatOfPath(options.outFile) == PageOutput::Format::Pdf;
    const bool ok = pdf ? PageOutput::savePdf(page, options.months, options.outFile, &error)
                        : PageOutput::saveImages(page, options.months, options.outFile, &error);
    return ok ? 0 : failWith(error);
}

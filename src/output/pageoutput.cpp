// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "pageoutput.h"

#include "core/filebytes.h"

#include "calendar/calendardates.h"
#include "pagemodel/pagemodel.h"
#include "pagemodel/pagepainter.h"
#include "graphics/reportcanvas.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageWriter>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

namespace PageOutput {

namespace {

constexpr int JpegQuality = 80;
// Fine enough that no line or letter lands visibly off its place on paper.
constexpr int PdfResolution = 600;
// SVG coordinates are whole numbers in places: fine enough that nothing lands visibly off.
constexpr int SvgResolution = 300;

bool fail(QString *error, const QString &message)
{
    if (error)
        *error = message;
    return false;
}

const char *formatName(Format format)
{
    switch (format) {
    case Format::Png: return "png";
    case Format::Bmp: return "bmp";
    case Format::Jpg: return "jpg";
    case Format::Pdf: return "pdf";
    case Format::Svg: return "svg";
    case Format::Unknown: break;
    }
    return nullptr;
}

// Shows month offset months after the first one, keeping the page's own date otherwise.
void showMonth(PageModel &page, const MonthOfYear &first, int offset)
{
    const MonthOfYear shown = AddMonths(first.month, first.year, offset);
    page.SetMainCalYear(shown.year);
    page.SetMainCalMonth(shown.month);
}

QPageLayout pageLayoutOf(const PageModel &page)
{
    const QPageSize size(page.PaperSize() == PaperA4 ? QPageSize::A4 : QPageSize::Letter);
    return QPageLayout(size,
                       page.CalendarOrientation() == coLandscape ? QPageLayout::Landscape
                                                                 : QPageLayout::Portrait,
                       QMarginsF());
}

// Files are made in memory and written by the name's bytes, so a name that is not UTF-8
// is kept and a failed write (a full disk) leaves the old file.
bool writeFile(const QString &path, const QByteArray &bytes, QString *error)
{
    const QString failure = FileBytes::replaceFile(path, bytes);
    if (!failure.isEmpty())
        return fail(error, QStringLiteral("Cannot write %1: %2").arg(path, failure));
    return true;
}

} // namespace

Format formatOfPath(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("png"))
        return Format::Png;
    if (suffix == QLatin1String("bmp"))
        return Format::Bmp;
    if (suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg"))
        return Format::Jpg;
    if (suffix == QLatin1String("pdf"))
        return Format::Pdf;
    if (suffix == QLatin1String("svg"))
        return Format::Svg;
    return Format::Unknown;
}

QString numberedPath(const QString &path, int number)
{
    const QFileInfo info(path);
    const QString suffix = info.suffix();
    const QString number2 = QStringLiteral("-%1").arg(number, 2, 10, QLatin1Char('0'));
    if (suffix.isEmpty())
        return path + number2;
    return path.left(path.size() - suffix.size() - 1) + number2 + QLatin1Char('.') + suffix;
}

bool saveImage(const QImage &image, const QString &path, QString *error)
{
    if (image.isNull())
        return fail(error, QStringLiteral("%1: the page is too large for an image").arg(path));
    const Format format = formatOfPath(path);
    if (format == Format::Unknown || format == Format::Pdf || format == Format::Svg)
        return fail(error, QStringLiteral("%1: not an image file name (.png, .bmp, .jpg)").arg(path));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, formatName(format));
    if (format == Format::Jpg)
        writer.setQuality(JpegQuality);
    if (!writer.write(image))
        return fail(error, QStringLiteral("Cannot write %1: %2").arg(path, writer.errorString()));
    return writeFile(path, bytes, error);
}

bool paintPages(QPagedPaintDevice &device, int count, const PageSource &pageAt, QString *error,
                const PageProgress &progress)
{
    QPainter painter;
    bool cancelled = false;
    for (int k = 0; k < count && !cancelled; ++k) {
        PageModel *page = pageAt(k, error);
        if (!page) {
            if (painter.isActive())
                painter.end();
            return false;
        }
        if (progress && !progress(k)) {
            cancelled = true;
            break;
        }
        device.setPageLayout(pageLayoutOf(*page));
        if (k == 0 ? !painter.begin(&device) : !device.newPage())
            return fail(error, QStringLiteral("Cannot start the PDF document"));
        ReportCanvas report(painter);
        PagePainter::printPage(*page, report, 0, 0);
    }
    const bool written = !painter.isActive() || painter.end();
    if (cancelled)
        return fail(error, QStringLiteral("Cancelled"));
    return written || fail(error, QStringLiteral("Cannot write the PDF document"));
}

bool writePdf(PageModel &page, int count, QIODevice &device, QString *error,
              const PageProgress &progress)
{
    const MonthOfYear first{page.MainCalMonth(), page.MainCalYear()};
    QPdfWriter writer(&device);
    writer.setResolution(PdfResolution);
    writer.setCreator(QStringLiteral("Orvane"));
    const bool written = paintPages(
        writer, count,
        [&page, &first](int k, QString *) {
            showMonth(page, first, k);
            return &page;
        },
        error, progress);
    showMonth(page, first, 0);
    return written;
}

namespace {

// A device, pipe or folder is refused before the pages are drawn, and the file is made in
// memory first so a failed write leaves the old one.
bool savePdfWith(const QString &path, QString *error, const std::function<bool(QIODevice &)> &write)
{
    const QString unsafe = FileBytes::unsafeSaveTarget(path);
    if (!unsafe.isEmpty())
        return fail(error, QStringLiteral("Cannot write %1: %2").arg(path, unsafe));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!write(buffer))
        return false;
    return writeFile(path, bytes, error);
}

} // namespace

bool savePdf(PageModel &page, int count, const QString &path, QString *error,
             const PageProgress &progress)
{
    return savePdfWith(path, error, [&](QIODevice &device) {
        return writePdf(page, count, device, error, progress);
    });
}

bool savePdfPages(int count, const PageSource &pageAt, const QString &path, QString *error,
                  const PageProgress &progress)
{
    return savePdfWith(path, error, [&](QIODevice &device) {
        QPdfWriter writer(&device);
        writer.setResolution(PdfResolution);
        writer.setCreator(QStringLiteral("Orvane"));
        return paintPages(writer, count, pageAt, error, progress);
    });
}

bool saveSvg(const PageModel &page, const QString &path, QString *error)
{
    const QString unsafe = FileBytes::unsafeSaveTarget(path);
    if (!unsafe.isEmpty())
        return fail(error, QStringLiteral("Cannot write %1: %2").arg(path, unsafe));
    const QPageLayout layout = pageLayoutOf(page);
    const QSizeF inches = layout.fullRect(QPageLayout::Inch).size();
    const QSize dots(qRound(inches.width() * SvgResolution), qRound(inches.height() * SvgResolution));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setResolution(SvgResolution);
    generator.setSize(dots);
    generator.setViewBox(QRect(QPoint(0, 0), dots));
    generator.setTitle(page.titleText());
    generator.setDescription(QStringLiteral("Made with Orvane"));
    QPainter painter;
    if (!painter.begin(&generator))
        return fail(error, QStringLiteral("Cannot start the SVG drawing"));
    ReportCanvas report(painter);
    PagePainter::printPage(page, report, 0, 0);
    painter.end();
    return writeFile(path, bytes, error);
}

bool saveImages(PageModel &page, int count, const QString &path, QString *error)
{
    const MonthOfYear first{page.MainCalMonth(), page.MainCalYear()};
    bool ok = true;
    for (int k = 0; k < count && ok; ++k) {
        showMonth(page, first, k);
        const QString file = count > 1 ? numberedPath(path, k + 1) : path;
        ok = formatOfPath(path) == Format::Svg ? saveSvg(page, file, error)
                                               : saveImage(PagePainter::renderPage(page), file, error);
    }
    showMonth(page, first, 0);
    return ok;
}

} // namespace PageOutput

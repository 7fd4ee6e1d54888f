// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "printcommands.h"

#include "output/pageoutput.h"
#include "output/printsupport.h"
#include "page/calpanel32.h"
#include "documents/busycursor.h"
#include "documents/documentcommands.h"
#include "widgets/choosers.h"
#include "widgets/dialogs.h"
#include "graphics/reportcanvas.h"
#include "documents/documenthost.h"
#include "documents/scopedflag.h"

#include <QApplication>
#include <QPainter>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProgressDialog>

namespace {

QMarginsF unprintableInches(const QPrinter &printer)
{
    // Minimum margins come in the layout's own units, which depend on the printer.
    QPageLayout layout = printer.pageLayout();
    layout.setUnits(QPageLayout::Inch);
    return layout.minimumMargins();
}

// Qt's own PDF printer is part of its print support and always there: a machine without
// system printers still prints to a file.
constexpr bool pdfPrinterOffered()
{
    return true;
}

} // namespace

PrintCommands::PrintCommands(DocumentHost &host, QObject *parent)
    : QObject(parent), m_host(host)
{
}

PrintCommands::~PrintCommands() = default;

QPrinter &PrintCommands::printer()
{
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *m_printer;
}

bool PrintCommands::checkPrinterAvailable()
{
    // Asking the print system for its printers loads its plugin and connects to it, which
    // would slow every start for an answer that cannot change whether printing works.
    if (pdfPrinterOffered())
        return true;
    const QString problem = PrintSupport::printerProblem(QPrinterInfo::availablePrinterNames(),
                                                         QPrinterInfo::defaultPrinterName(),
                                                         pdfPrinterOffered());
    if (problem.isEmpty())
        return true;
    Dialogs::informationBox(m_host.dialogParent(), problem);
    return false;
}

void PrintCommands::mnuPrintSetupClick()
{
    // Qt's print dialog is the printer setup there is, and its button says Print: pressing
    // it prints, as Print Calendar does. Cancel keeps the printer as it was.
    printThroughDialog(tr("Print Setup"));
}

bool PrintCommands::CheckPrinterMargins()
{
    const QString warnings = PrintSupport::marginWarnings(unprintableInches(printer()), m_host.page().model());
    if (warnings.isEmpty())
        return true;
    return Dialogs::yesNoQuestion(m_host.dialogParent(), QStringLiteral("Margin Warning"),
                                  PrintSupport::marginQuestion(warnings));
}

void PrintCommands::setPrinterToPage(QPrinter &printer)
{
    const TCalendarPanel32 &page = m_host.page();
    printer.setPageOrientation(page.CalendarOrientation() == coLandscape ? QPageLayout::Landscape
                                                                        : QPageLayout::Portrait);
    // The sheet is the page's own paper.
    printer.setPageSize(QPageSize(page.PaperSize() == PaperA4 ? QPageSize::A4 : QPageSize::Letter));
}

void PrintCommands::mnuPrintCalendarClick()
{
    printThroughDialog(QString());
}

void PrintCommands::printThroughDialog(const QString &title)
{
    m_printed = false;
    const bool wasModified = m_host.Modified();
    QPrintDialog dialog(&printer(), m_host.dialogParent());
    if (!title.isEmpty())
        dialog.setWindowTitle(title);
    bool failed = false;
    if (Dialogs::exec(dialog) == QDialog::Accepted) {
        setPrinterToPage(printer());
        // Printing to a file that has no name yet asks for one rather than doing nothing.
        if (printer().outputFormat() == QPrinter::PdfFormat && printer().outputFileName().isEmpty()) {
            const auto path = Choosers::chooseSaveFile(
                m_host.dialogParent(), QStringLiteral("Print To File"),
                exportFolder() + QLatin1Char('/')
                    + PrintSupport::proposedExportName(m_host.documentFileName(), m_host.page().model(),
                                                       QStringLiteral("pdf")),
                QStringLiteral("PDF File|*.pdf"), QStringLiteral("pdf"));
            if (!path) {
                m_host.SetModified(wasModified);
                return;
            }
            printer().setOutputFileName(*path);
        }
        if (!CheckPrinterMargins())
            return;
        int copies = std::max(1, printer().copyCount());
        if (printer().supportsMultipleCopies())
            copies = 1;
        else
            printer().setCopyCount(1);
        ReportPrinter1Print(copies);
        failed = !m_printed;
    }
    if (m_printed) {
        const bool toFile = printer().outputFormat() == QPrinter::PdfFormat;
        Dialogs::informationBox(m_host.dialogParent(),
                                toFile ? QStringLiteral("The calendar was printed to the file\r")
                                             + printer().outputFileName()
                                       : PrintSupport::completedMessage(m_host.page().HasSuperTextObjects()));
    } else if (failed) {
        const QString target = printer().outputFormat() == QPrinter::PdfFormat ? printer().outputFileName()
                                                                               : printer().printerName();
        Dialogs::informationBox(m_host.dialogParent(),
                                QStringLiteral("The calendar could not be printed to ") + target);
    }
    // Printing never changes whether the document counts as modified.
    m_host.SetModified(wasModified);
}

void PrintCommands::ReportPrinter1Print(int copies)
{
    m_host.DoSaveRichtext();
    m_host.SetModified(false);
    m_printed = paintPages(printer(), copies);
    m_host.SetModified(false);
}

bool PrintCommands::paintPages(QPrinter &printer, int copies)
{
    TCalendarPanel32 &page = m_host.page();
    bool painted = false;
    {
        const ScopedFlag suspended([&page](bool on) { page.SetPaintSuspended(on); });
        // Objects report no changes while they print themselves.
        const ScopedFlag printing([&page](bool on) { page.SetPrinting(on); });
        const BusyCursor busy;
        // Positions are in inches from the paper's corner.
        printer.setFullPage(true);
        QPainter painter;
        if (painter.begin(&printer)) {
            ReportCanvas report(painter, unprintableInches(printer));
            for (int copy = 0; copy < copies; ++copy) {
                if (copy > 0)
                    printer.newPage();
                page.PrintPage(report, 0, 0);
            }
            painted = painter.end();
        }
    }
    page.update();
    return painted;
}

void PrintCommands::mnuPrintPreviewClick()
{
    const bool wasModified = m_host.Modified();
    m_host.DoSaveRichtext();
    setPrinterToPage(printer());
    QPrintPreviewDialog dialog(&printer(), m_host.dialogParent());
    dialog.setWindowTitle(QStringLiteral("Print Preview"));
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter *printer) { paintPages(*printer, 1); });
    Dialogs::exec(dialog);
    m_host.SetModified(wasModified);
}

QString PrintCommands::exportFolder() const
{
    return DocumentCommands::startFolderFor(m_host.documentFileName());
}

void PrintCommands::mnuSaveAsPdfClick()
{
    exportPdf(1);
}

void PrintCommands::mnuSaveYearAsPdfClick()
{
    exportPdf(12);
}

void PrintCommands::exportPdf(int months)
{
    TCalendarPanel32 &page = m_host.page();
    const QString name = PrintSupport::proposedExportName(m_host.documentFileName(), page.model(), QStringLiteral("pdf"));
    const auto path = Choosers::chooseSaveFile(
        m_host.dialogParent(),
        months > 1 ? QStringLiteral("Save Year As PDF File") : QStringLiteral("Save Calendar As PDF File"),
        exportFolder() + QLatin1Char('/') + name, QStringLiteral("PDF File|*.pdf"), QStringLiteral("pdf"));
    if (!path)
        return;
    const bool wasModified = m_host.Modified();
    m_host.DoSaveRichtext();
    QString error;
    bool saved = false;
    bool cancelled = false;
    {
        const ScopedFlag suspended([&page](bool on) { page.SetPaintSuspended(on); });
        const ScopedFlag printing([&page](bool on) { page.SetPrinting(on); });
        // The typed texts belong to the page's own month; the later months show the style,
        // layout and objects only, and the page gets its texts back afterwards.
        const PageDocument kept = page.document();
        std::unique_ptr<QProgressDialog> progress;
        if (months > 1) {
            progress = std::make_unique<QProgressDialog>(QStringLiteral("Writing the months to ") + *path,
                                                         QStringLiteral("Cancel"), 0, months,
                                                         m_host.dialogParent());
            progress->setWindowTitle(QStringLiteral("Save Year As PDF File"));
            progress->setWindowModality(Qt::WindowModal);
            progress->setMinimumDuration(0);
        }
        const PageOutput::PageProgress step = [&](int month) {
            if (month == 1)
                page.ClearAllCells();
            if (!progress)
                return true;
            progress->setValue(month);
            cancelled = progress->wasCanceled();
            return !cancelled;
        };
        {
            const BusyCursor busy;
            saved = PageOutput::savePdf(page.model(), months, *path, &error, step);
        }
        if (progress)
            progress->setValue(months);
        page.applyDocument(kept);
    }
    page.update();
    m_host.SetModified(wasModified);
    m_host.SetButtons();
    m_host.SetCaption();
    if (cancelled)
        return;
    Dialogs::informationBox(m_host.dialogParent(),
                            saved ? QStringLiteral("The calendar was saved as the PDF file\r") + *path
                                  : PrintSupport::exportFailedMessage(*path) + QStringLiteral("\r") + error);
}

void PrintCommands::exportImage(bool asJpg)
{
    const QString extension = asJpg ? QStringLiteral("JPG") : QStringLiteral("BMP");
    const QString name = PrintSupport::proposedExportName(m_host.documentFileName(), m_host.page().model(), extension);
    const auto path = Choosers::chooseSaveFile(
        m_host.dialogParent(),
        asJpg ? QStringLiteral("Save Calendar As JPG") : QStringLiteral("Save Calendar As Bitmap"),
        exportFolder() + QLatin1Char('/') + name,
        asJpg ? QStringLiteral("JPG File|*.JPG") : QStringLiteral("Bitmap File|*.BMP"), extension);
    if (!path)
        return;
    bool saved;
    QString error;
    {
        const BusyCursor busy;
        saved = PrintSupport::SaveCalendarToBitmap(m_host.page().model(), *path, asJpg, &error);
    }
    m_host.page().update();
    m_host.SetButtons();
    m_host.SetCaption();
    Dialogs::informationBox(m_host.dialogParent(),
                            saved ? PrintSupport::exportSavedMessage(*path, m_host.page().ZoomFactor())
                                  : PrintSupport::exportFailedMessage(*path) + QStringLiteral("\r") + error);
}

void PrintCommands::mnuSaveAsImageClick()
{
    const QString name = PrintSupport::proposedExportName(m_host.documentFileName(), m_host.page().model(),
                                                          QStringLiteral("png"));
    const auto path = Choosers::chooseSaveFile(
        m_host.dialogParent(), QStringLiteral("Save Calendar As Image"), exportFolder() + QLatin1Char('/') + name,
        QStringLiteral("PNG Image|*.png|JPEG Image|*.jpg|Bitmap|*.bmp|SVG Drawing|*.svg"), QStringLiteral("png"));
    if (!path)
        return;
    const PageOutput::Format format = PageOutput::formatOfPath(*path);
    bool saved = false;
    QString error;
    if (format == PageOutput::Format::Unknown || format == PageOutput::Format::Pdf) {
        error = QStringLiteral("Name the picture .png, .jpg, .bmp or .svg.");
    } else {
        const BusyCursor busy;
        const PageModel &page = m_host.page().model();
        saved = format == PageOutput::Format::Svg
                    ? PageOutput::saveSvg(page, *path, &error)
                    : PageOutput::saveImage(PrintSupport::exportImage(page), *path, &error);
    }
    m_host.page().update();
    Dialogs::informationBox(m_host.dialogParent(),
                            saved ? PrintSupport::exportSavedMessage(*path, m_host.page().ZoomFactor())
                                  : PrintSupport::exportFailedMessage(*path) + QStringLiteral("\r") + error);
}

void PrintCommands::mnuSaveAsBitmapClick()
{
    exportImage(false);
}

void PrintCommands::mnuSaveAsJPGClick()
{
    exportImage(true);
}

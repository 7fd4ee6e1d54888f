// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "printcommands.h"

#include "output/printsupport.h"
#include "page/calpanel32.h"
#include "shell/busycursor.h"
#include "widgets/choosers.h"
#include "widgets/dialogs.h"
#include "graphics/reportcanvas.h"
#include "shell/documenthost.h"
#include "shell/scopedflag.h"
#include "shell/zoomguard.h"

#include <QApplication>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace {

QMarginsF unprintableInches(const QPrinter &printer)
{
    // Minimum margins come in the layout's own units, which depend on the printer.
    QPageLayout layout = printer.pageLayout();
    layout.setUnits(QPageLayout::Inch);
    return layout.minimumMargins();
}

} // namespace

PrintCommands::PrintCommands(DocumentHost &host, QObject *parent)
    : QObject(parent), m_host(host), m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
}

PrintCommands::~PrintCommands() = default;

bool PrintCommands::checkPrinterAvailable()
{
    const QString problem = PrintSupport::printerProblem(QPrinterInfo::availablePrinterNames(),
                                                         QPrinterInfo::defaultPrinterName());
    if (problem.isEmpty())
        return true;
    Dialogs::informationBox(m_host.dialogParent(), problem);
    return false;
}

void PrintCommands::mnuPrintSetupClick()
{
    QPrintDialog dialog(m_printer.get(), m_host.dialogParent());
    dialog.setWindowTitle(tr("Print Setup"));
    Dialogs::exec(dialog);
}

bool PrintCommands::CheckPrinterMargins()
{
    const QString warnings = PrintSupport::marginWarnings(unprintableInches(*m_printer), m_host.page());
    if (warnings.isEmpty())
        return true;
    return Dialogs::yesNoQuestion(m_host.dialogParent(), QStringLiteral("Margin Warning"),
                                  PrintSupport::marginQuestion(warnings));
}

void PrintCommands::mnuPrintCalendarClick()
{
    m_printed = false;
    const bool wasModified = m_host.Modified();
    QPrintDialog dialog(m_printer.get(), m_host.dialogParent());
    if (Dialogs::exec(dialog) == QDialog::Accepted) {
        TCalendarPanel32 &page = m_host.page();
        m_printer->setPageOrientation(page.CalendarOrientation() == coLandscape ? QPageLayout::Landscape
                                                                               : QPageLayout::Portrait);
        // The sheet is the page's own paper.
        m_printer->setPageSize(QPageSize(page.PaperSize() == PaperA4 ? QPageSize::A4 : QPageSize::Letter));
        if (!CheckPrinterMargins())
            return;
        int copies = std::max(1, m_printer->copyCount());
        if (m_printer->supportsMultipleCopies())
            copies = 1;
        else
            m_printer->setCopyCount(1);
        ReportPrinter1Print(copies);
    }
    if (m_printed)
        Dialogs::informationBox(m_host.dialogParent(),
                                PrintSupport::completedMessage(m_host.page().HasSuperTextObjects()));
    // Printing never changes whether the document counts as modified.
    m_host.SetModified(wasModified);
}

void PrintCommands::ReportPrinter1Print(int copies)
{
    TCalendarPanel32 &page = m_host.page();
    m_host.DoSaveRichtext();
    {
        const ScopedFlag suspended([&page](bool on) { page.SetPaintSuspended(on); });
        // Objects report no changes while they print themselves.
        const ScopedFlag printing([&page](bool on) { page.SetPrinting(on); });
        m_host.SetModified(false);
        m_printed = true;
        ZoomGuard zoom(page);
        const BusyCursor busy;
        zoom.toFullScale();
        // Positions are in inches from the paper's corner.
        m_printer->setFullPage(true);
        QPainter painter(m_printer.get());
        ReportCanvas report(painter, unprintableInches(*m_printer));
        for (int copy = 0; copy < copies; ++copy) {
            if (copy > 0)
                m_printer->newPage();
            page.PrintPage(report, 0, 0);
        }
    }
    page.update();
    m_host.SetModified(false);
}

void PrintCommands::exportImage(bool asJpg)
{
    const QString extension = asJpg ? QStringLiteral("JPG") : QStringLiteral("BMP");
    const QString name = PrintSupport::proposedExportName(m_host.documentFileName(), m_host.page(), extension);
    const auto path = Choosers::chooseSaveFile(
        m_host.dialogParent(), QStringLiteral("Save Calendar As Bitmap"),
        Choosers::documentsFolder() + QLatin1Char('/') + name,
        asJpg ? QStringLiteral("JPG File|*.JPG") : QStringLiteral("Bitmap File|*.BMP"), extension);
    if (!path)
        return;
    bool saved;
    {
        const BusyCursor busy;
        saved = PrintSupport::SaveCalendarToBitmap(m_host.page(), *path, asJpg);
    }
    m_host.page().update();
    m_host.SetButtons();
    m_host.SetCaption();
    Dialogs::informationBox(m_host.dialogParent(),
                            saved ? PrintSupport::exportSavedMessage(*path, m_host.page().ZoomFactor())
                                  : PrintSupport::exportFailedMessage(*path));
}

void PrintCommands::mnuSaveAsBitmapClick()
{
    exportImage(false);
}

void PrintCommands::mnuSaveAsJPGClick()
{
    exportImage(true);
}

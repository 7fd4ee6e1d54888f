// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include <memory>

class DocumentHost;
class QPrinter;
class QWidget;

// Printing and export of the page: the printer check made at start, Print Setup, Print
// Calendar with its margin check and copies, Print Preview, Save As Bitmap / JPG File, and
// the page or a whole year as a PDF file. The printer keeps the user's setup choices for
// the next print. None of these changes the document or whether it counts as modified.
class PrintCommands : public QObject
{
    Q_OBJECT
public:
    explicit PrintCommands(DocumentHost &host, QObject *parent = nullptr);
    ~PrintCommands() override;

    // True when a default printer exists or Qt can print to a PDF file; otherwise says
    // why, once.
    bool checkPrinterAvailable();
    // The print dialog titled Print Setup; its Print button prints.
    void mnuPrintSetupClick();
    void mnuPrintCalendarClick();
    void mnuSaveAsBitmapClick();
    void mnuSaveAsJPGClick();
    void mnuPrintPreviewClick();
    void mnuSaveAsPdfClick();
    void mnuSaveYearAsPdfClick();
    bool CheckPrinterMargins();

    // The device pages go to; tests point it at a PDF file.
    // Made on first use: setting up a printer loads the print system's plugin, which a
    // start that prints nothing should not wait for.
    QPrinter &printer();

private:
    // The print dialog, titled title unless that is empty; on Print, prints the page with
    // the margin check and the copies asked for, and says how it went.
    void printThroughDialog(const QString &title);
    void ReportPrinter1Print(int copies);
    // Paints copies sheets of the page at full scale into printer; false when the device
    // could not be opened (a PDF file that cannot be written).
    bool paintPages(QPrinter &printer, int copies);
    void setPrinterToPage(QPrinter &printer);
    void exportImage(bool asJpg);
public:
    // "Save As Image...": PNG, JPG or BMP at the page's zoom, or an SVG drawing of vectors,
    // by the extension of the name chosen.
    void mnuSaveAsImageClick();
private:
    // The page's months from its own as one PDF file, after asking for its name.
    void exportPdf(int months);
    QString exportFolder() const;

    DocumentHost &m_host;
    std::unique_ptr<QPrinter> m_printer;
    bool m_printed = false;
};

// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include <memory>

class DocumentHost;
class QPrinter;
class QWidget;

// Printing and image export of the page: the printer check made at start, Print Setup,
// Print Calendar with its margin check and copies, and Save As Bitmap / JPG File. The
// printer keeps the user's setup choices for the next print.
class PrintCommands : public QObject
{
    Q_OBJECT
public:
    explicit PrintCommands(DocumentHost &host, QObject *parent = nullptr);
    ~PrintCommands() override;

    // True when a default printer exists; otherwise says why, once.
    bool checkPrinterAvailable();
    void mnuPrintSetupClick();
    void mnuPrintCalendarClick();
    void mnuSaveAsBitmapClick();
    void mnuSaveAsJPGClick();
    bool CheckPrinterMargins();

    // The device pages go to; tests point it at a PDF file.
    QPrinter &printer() { return *m_printer; }

private:
    void ReportPrinter1Print(int copies);
    void exportImage(bool asJpg);

    DocumentHost &m_host;
    std::unique_ptr<QPrinter> m_printer;
    bool m_printed = false;
};

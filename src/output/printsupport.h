// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QMarginsF>
#include <QString>
#include <QStringList>

class PageModel;

// The rules behind printing and image export that need no window: the printer check, the
// margin warning, export file names, messages and the exported picture.
namespace PrintSupport {

// Empty when printing is possible; otherwise the message to show once at start. A PDF
// printer counts as a printer, so printing to a file works without system printers.
QString printerProblem(const QStringList &printers, const QString &defaultPrinter,
                       bool pdfPrinter = false);

// An unprintable width cut to hundredths of an inch, as page margins are kept.
float cutToHundredths(double inches);
// The lines of the margin warning ("\rLeft Margin is possibly ..."), empty when every
// page margin lies inside the printable area.
QString marginWarnings(const QMarginsF &unprintableInches, const PageModel &page);
QString marginQuestion(const QString &warnings);

QString completedMessage(bool complexShapes);

// "Dec1997.BMP" for an untitled December 1997 page, else the document's name with the
// extension replaced.
QString proposedExportName(const QString &documentFileName, const PageModel &page,
                           const QString &extension);
QString exportSavedMessage(const QString &path, float zoom);
QString exportFailedMessage(const QString &path);

// The page as it shows at its zoom, without its margins.
QImage exportImage(const PageModel &page);
// Writes the exported picture as BMP, or JPEG at quality 80; false on any failure, with
// the reason in error when it is given.
bool SaveCalendarToBitmap(const PageModel &page, const QString &path, bool asJpg,
                          QString *error = nullptr);

} // namespace PrintSupport

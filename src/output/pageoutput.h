// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>

#include <functional>

class QIODevice;
class QPagedPaintDevice;
class PageModel;

// Writing pages to image and PDF files.
namespace PageOutput {

enum class Format { Unknown, Png, Bmp, Jpg, Pdf, Svg };

// By the file's extension, without regard to case.
Format formatOfPath(const QString &path);

// Writes through a temporary file that replaces path only when complete. JPG files are
// written at quality 80. On failure error says why.
bool saveImage(const QImage &image, const QString &path, QString *error);

// Told the index of each month before it is painted (0 for the page's own month); false
// stops the output, which then fails and leaves no file.
using PageProgress = std::function<bool(int month)>;

// Prints count consecutive months starting at the page's month, one sheet each, in the
// page's paper size and orientation. The page shows its own month again afterwards (a
// view that shows the page follows it).
bool writePdf(PageModel &page, int count, QIODevice &device, QString *error,
              const PageProgress &progress = {});
bool savePdf(PageModel &page, int count, const QString &path, QString *error,
             const PageProgress &progress = {});

// The page of index k (0-based) of a run of pages, ready to print; null stops the output,
// with error saying why.
using PageSource = std::function<PageModel *(int index, QString *error)>;
// Prints count pages, each on a sheet of its own paper size and orientation, onto a device
// that has begun no painting yet (a PDF writer or a printer).
bool paintPages(QPagedPaintDevice &device, int count, const PageSource &pageAt, QString *error,
                const PageProgress &progress = {});
// One PDF document of count pages.
bool savePdfPages(int count, const PageSource &pageAt, const QString &path, QString *error,
                  const PageProgress &progress = {});

// The page as an SVG drawing: lines, shapes and text stay vectors (text stays text), the
// paper's size in millimetres; written as saveImage writes.
bool saveSvg(const PageModel &page, const QString &path, QString *error);
// Writes count consecutive months as images at the page's zoom (SVG drawings for .svg);
// with more than one page the files are numbered (name-01.png, name-02.png ...).
bool saveImages(PageModel &page, int count, const QString &path, QString *error);

// path with "-NN" (two digits at least) before its extension.
QString numberedPath(const QString &path, int number);

} // namespace PageOutput

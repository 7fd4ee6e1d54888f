// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "printsupport.h"

#include "core/filebytes.h"
#include "pagemodel/pagemodel.h"
#include "pagemodel/pagepainter.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPainter>

#include <cmath>

namespace PrintSupport {

QString printerProblem(const QStringList &printers, const QString &defaultPrinter, bool pdfPrinter)
{
    if (pdfPrinter)
        return QString();
    if (printers.isEmpty())
        return QStringLiteral("There are no installed printers.\r\nUnable to perform printer related operations");
    if (defaultPrinter.isEmpty())
        return QStringLiteral("There is no default printer selected.\r\nUnable to perform printer related operations");
    return QString();
}

float cutToHundredths(double inches)
{
    return float(std::trunc(inches * 100.0) * 0.01);
}

QString marginWarnings(const QMarginsF &unprintable, const PageModel &page)
{
    const struct {
        double waste;
        float margin;
        const char *side;
    } sides[] = {{unprintable.left(), page.LeftMarginInch(), "Left"},
                 {unprintable.top(), page.TopMarginInch(), "Top"},
                 {unprintable.right(), page.RightMarginInch(), "Right"},
                 {unprintable.bottom(), page.BottomMarginInch(), "Bottom"}};
    QString text;
    for (const auto &s : sides) {
        if (cutToHundredths(s.waste) > s.margin)
            text += QStringLiteral("\r%1 Margin is possibly outside of Printer printable area")
                        .arg(QLatin1String(s.side));
    }
    return text;
}

QString marginQuestion(const QString &warnings)
{
    return QStringLiteral("Margin Warning:\r") + warnings + QStringLiteral("\r\rPrint anyways?");
}

QString completedMessage(bool complexShapes)
{
    if (!complexShapes)
        return QStringLiteral("Print job completed and sent to printer!");
    return QStringLiteral("Print job completed and sent to printer!\r\r"
                          "Note: this design contains complex shapes or text.\r"
                          "Please be patient while the printer produces its\r"
                          "output...");
}

QString proposedExportName(const QString &documentFileName, const PageModel &page,
                           const QString &extension)
{
    if (!documentFileName.isEmpty())
        return QFileInfo(documentFileName).completeBaseName() + QLatin1Char('.') + extension;
    QString month;
    page.GetMonthName(page.MainCalMonth(), month);
    return month.left(3) + QString::number(page.MainCalYear()) + QLatin1Char('.') + extension;
}

QString exportSavedMessage(const QString &path, float zoom)
{
    return QStringLiteral("Saved as ") + path
           + QStringLiteral("\r\rNote: the calendar has been saved at its\rcurrent magnification level of ")
           + QString::number(std::lround(double(zoom) * 100.0)) + QLatin1Char('%');
}

QString exportFailedMessage(const QString &path)
{
    return QStringLiteral("Unable to save ") + path
           + QStringLiteral("\r\rPossible reasons include:\r -Not enough available memory\r"
                            " -Not enough disk space\r -Invalid file name");
}

QImage exportImage(const PageModel &page)
{
    const QImage whole = PagePainter::renderPage(page);
    if (whole.isNull())
        return {};
    const double scale = double(page.pixelsPerInch()) * double(page.zoom());
    const int left = int(scale * double(page.LeftMarginInch()));
    const int top = int(scale * double(page.TopMarginInch()));
    const int right = int(scale * double(page.RightMarginInch()));
    const int bottom = int(scale * double(page.BottomMarginInch()));
    const QRect source(QPoint(left, top), QPoint(whole.width() - right - 1, whole.height() - bottom - 1));
    if (source.width() < 2 || source.height() < 2)
        return {};
    // One pixel less each way than the source, the source scaled to fit.
    QImage out(source.width() - 1, source.height() - 1, QImage::Format_RGB32);
    out.fill(Qt::white);
    QPainter painter(&out);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRectF(out.rect()), whole, QRectF(source));
    return out;
}

bool SaveCalendarToBitmap(const PageModel &page, const QString &path, bool asJpg, QString *error)
{
    const auto fail = [error](const QString &reason) {
        if (error)
            *error = reason;
        return false;
    };
    // Refused before the page is drawn, as the PDF export does.
    const QString unsafe = FileBytes::unsafeSaveTarget(path);
    if (!unsafe.isEmpty())
        return fail(QStringLiteral("Cannot write %1: %2").arg(path, unsafe));
    const QImage image = exportImage(page);
    if (image.isNull())
        return fail(QStringLiteral("The page could not be drawn at this magnification (too large, or no room inside its margins)."));
    // Encoded in memory first: a write that fails on the disk then shows as a failure
    // instead of a short file in place of the old one.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!(asJpg ? image.save(&buffer, "JPG", 80) : image.save(&buffer, "BMP")))
        return fail(QStringLiteral("The picture could not be encoded as %1.").arg(asJpg ? "JPEG" : "BMP"));
    const QString reason = FileBytes::replaceFile(path, bytes);
    if (!reason.isEmpty())
        return fail(QStringLiteral("Cannot write %1: %2").arg(path, reason));
    return true;
}

} // namespace PrintSupport

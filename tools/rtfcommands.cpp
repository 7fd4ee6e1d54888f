// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "rtfcommands.h"

#include "renderoptions.h"
#include "terminaltext.h"

#include "images/picturefile.h"
#include "richtext/richtextcellrenderer.h"
#include "richtext/rtfparser.h"
#include "richtext/rtfreader.h"
#include "richtext/rtfunits.h"
#include "richtext/rtfwriter.h"
#include "storage/calendarfile.h"

#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QTextBlock>
#include <QTextDocument>

#include <cmath>
#include <cstdio>

namespace {

QString alignmentName(Qt::Alignment alignment)
{
    if (alignment & Qt::AlignJustify)
        return QStringLiteral("justify");
    if (alignment & Qt::AlignHCenter)
        return QStringLiteral("center");
    if (alignment & (Qt::AlignRight | Qt::AlignTrailing))
        return QStringLiteral("right");
    return QStringLiteral("left");
}

QJsonValue colorValue(const QBrush &brush)
{
    if (brush.style() == Qt::NoBrush)
        return QJsonValue::Null;
    return brush.color().name().toUpper();
}

// Layout pixels at 96 pixels an inch.
int screenPixels(qreal layoutPixels)
{
    return int(std::lround(layoutPixels * 96.0 / RtfUnits::layoutDpi()));
}

QJsonObject runJson(const QTextDocument &document, const QTextFragment &fragment, int index)
{
    const QTextCharFormat format = fragment.charFormat();
    if (format.isImageFormat()) {
        const QTextImageFormat image = format.toImageFormat();
        QSizeF size(image.width(), image.height());
        if (size.width() <= 0 || size.height() <= 0)
            size = document.resource(QTextDocument::ImageResource, QUrl(image.name()))
                       .value<QImage>()
                       .size();
        return {{QStringLiteral("picture"),
                 QJsonArray{screenPixels(size.width()), screenPixels(size.height())}}};
    }
    (void)index;
    const QFont font = format.font();
    const QStringList families = format.fontFamilies().toStringList();
    const QString family = families.isEmpty() ? font.family() : families.first();
    const qreal points = format.hasProperty(QTextFormat::FontPointSize)
        ? format.fontPointSize()
        : document.defaultFont().pointSizeF();
    QJsonObject run{
        {QStringLiteral("text"), fragment.text().replace(QChar::LineSeparator, QLatin1Char('\n'))},
        {QStringLiteral("font"), family},
        {QStringLiteral("size"), points},
        {QStringLiteral("bold"), format.fontWeight() > QFont::Medium},
        {QStringLiteral("italic"), format.fontItalic()},
        {QStringLiteral("underline"), format.fontUnderline()},
        {QStringLiteral("strike"), format.fontStrikeOut()},
        {QStringLiteral("color"),
         format.hasProperty(QTextFormat::ForegroundBrush) ? colorValue(format.foreground())
                                                          : QJsonValue(QStringLiteral("#000000"))},
        {QStringLiteral("background"), format.hasProperty(QTextFormat::BackgroundBrush)
                                           ? colorValue(format.background())
                                           : QJsonValue::Null},
    };
    return run;
}

QByteArray runsJson(const QTextDocument &document)
{
    QJsonArray paragraphs;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        QJsonArray runs;
        int index = 0;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.isValid())
                continue;
            if (fragment.charFormat().isImageFormat()) {
                for (int i = 0; i < fragment.length(); ++i)
                    runs.append(runJson(document, fragment, index++));
                continue;
            }
            runs.append(runJson(document, fragment, index++));
        }
        paragraphs.append(QJsonObject{{QStringLiteral("align"), alignmentName(block.blockFormat().alignment())},
                                      {QStringLiteral("runs"), runs}});
    }
    return QJsonDocument(QJsonObject{{QStringLiteral("paragraphs"), paragraphs}})
        .toJson(QJsonDocument::Indented);
}

} // namespace

int runRichText(const RenderOptions &options)
{
    const BytesResult file = readPictureFile(options.rtfFile, RtfParser::MaxInputBytes, QStringLiteral("a rich-text file"));
    if (!file.ok())
        return failWith(file.error);
    QTextDocument document;
    QString error;
    if (!RtfReader::read(file.bytes, document, &error))
        return failWith(QStringLiteral("%1 is damaged: %2").arg(options.rtfFile, error));
    if (options.rtfRuns) {
        const QByteArray json = runsJson(document);
        std::fwrite(json.constData(), 1, size_t(json.size()), stdout);
    }
    if (!options.saveRtfFile.isEmpty()) {
        const CalendarFile::FileResult written = CalendarFile::writeFileBytes(options.saveRtfFile, RtfWriter::write(document));
        if (!written.ok)
            return failWith(written.message);
    }
    if (!options.outFile.isEmpty()) {
        const QSize size = options.pictureSize.value_or(QSize());
        if (size.isEmpty())
            return failWith(QStringLiteral("--rtf with --out needs --width and --height"));
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::white);
        RichTextCellRenderer renderer;
        renderer.setPixelsPerInch(96);
        renderer.loadRtf(TWPRtfStorage(file.bytes));
        renderer.setZoomPercent(qMax(1, int(options.zoom * 100)));
        renderer.setPageSize(size);
        {
            QPainter painter(&image);
            renderer.paint(painter, QRectF(QPointF(0, 0), QSizeF(size)));
        }
        if (!image.save(options.outFile))
            return failWith(QStringLiteral("Cannot write %1.").arg(options.outFile));
    }
    return 0;
}

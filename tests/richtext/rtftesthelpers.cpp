// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "rtftesthelpers.h"

#include <QBuffer>
#include <QTextBlock>
#include <QTextFragment>
#include <QTextImageFormat>
#include <QUrl>

namespace RtfTest {

QByteArray pngHex(const QSize &size, QColor color)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(color);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return png.toHex();
}

namespace {

QString describeFormat(const QTextCharFormat &format)
{
    return QStringLiteral("%1 %2pt%3%4%5%6 fg=%7 bg=%8 va=%9")
            .arg(format.fontFamilies().toStringList().value(0))
            .arg(format.fontPointSize())
            .arg(format.fontWeight() > QFont::Medium ? " b" : "")
            .arg(format.fontItalic() ? " i" : "")
            .arg(format.fontUnderline() ? " ul" : "")
            .arg(format.fontStrikeOut() ? " s" : "")
            .arg(format.hasProperty(QTextFormat::ForegroundBrush)
                         ? format.foreground().color().name()
                         : "auto")
            .arg(format.hasProperty(QTextFormat::BackgroundBrush)
                         ? format.background().color().name()
                         : "none")
            .arg(int(format.verticalAlignment()));
}

QString describeRun(const QTextDocument &document, const QTextFragment &fragment)
{
    const QTextCharFormat format = fragment.charFormat();
    if (!format.isImageFormat())
        return QStringLiteral("  \"%1\" %2\n").arg(fragment.text(), describeFormat(format));
    const QTextImageFormat picture = format.toImageFormat();
    const QImage image
            = document.resource(QTextDocument::ImageResource, QUrl(picture.name())).value<QImage>();
    return QStringLiteral("  picture %1x%2 of %3x%4 pixels, corner %5\n")
            .arg(picture.width(), 0, 'f', 1)
            .arg(picture.height(), 0, 'f', 1)
            .arg(image.width())
            .arg(image.height())
            .arg(image.isNull() ? QString() : image.pixelColor(0, 0).name());
}

} // namespace

QString describe(const QTextDocument &document)
{
    QString out;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QTextBlockFormat format = block.blockFormat();
        out += QStringLiteral("paragraph align=%1 li=%2 ri=%3 fi=%4 sb=%5 sa=%6\n")
                       .arg(int(format.alignment()))
                       .arg(format.leftMargin())
                       .arg(format.rightMargin())
                       .arg(format.textIndent())
                       .arg(format.topMargin())
                       .arg(format.bottomMargin());
        for (auto it = block.begin(); !it.atEnd(); ++it)
            out += describeRun(document, it.fragment());
    }
    return out;
}

} // namespace RtfTest

// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "rtfwriter.h"

#include "richtext/rtfunits.h"
#include "core/win1252.h"

#include <QBuffer>
#include <QFont>
#include <QImage>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextImageFormat>
#include <QUrl>

#include <cmath>

namespace {

enum Layout : int { HexLineLength = 128, DefaultPointSize = 12 };

QByteArray number(const char *word, qint64 value)
{
    return QByteArray(word) + QByteArray::number(value);
}

QByteArray alignmentWord(Qt::Alignment alignment)
{
    if (alignment & Qt::AlignHCenter)
        return "\\qc";
    if (alignment & Qt::AlignRight)
        return "\\qr";
    if (alignment & Qt::AlignJustify)
        return "\\qj";
    return {};
}

QByteArray lengthWord(const char *word, qreal pixels)
{
    const int twips = RtfUnits::pixelsToTwips(pixels);
    return twips == 0 ? QByteArray() : number(word, twips);
}

// The escape of a character that RTF spells with a control word or symbol; empty for
// characters written as they are.
QByteArray specialCharacter(char16_t c)
{
    switch (c) {
    case u'\\':
        return "\\\\";
    case u'{':
        return "\\{";
    case u'}':
        return "\\}";
    case u'\t':
        return "\\tab ";
    case u'\u2028':
        return "\\line ";
    case u'\u00A0':
        return "\\~";
    case u'\u00AD':
        return "\\-";
    case u'\u2011':
        return "\\_";
    default:
        return {};
    }
}

QByteArray hexLines(const QByteArray &bytes)
{
    const QByteArray hex = bytes.toHex();
    QByteArray out;
    out.reserve(hex.size() + hex.size() / HexLineLength + 1);
    for (qsizetype pos = 0; pos < hex.size(); pos += HexLineLength)
        out.append('\n').append(hex.mid(pos, HexLineLength));
    return out;
}

} // namespace

QByteArray RtfWriter::write(const QTextDocument &document)
{
    return RtfWriter(document).run();
}

QByteArray RtfWriter::run()
{
    for (QTextBlock block = m_document.begin(); block.isValid(); block = block.next())
        writeBlock(block);
    return header() + m_body + "}";
}

QByteArray RtfWriter::header() const
{
    QByteArray out = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1";
    out += "{\\fonttbl";
    for (int i = 0; i < m_fonts.size(); ++i) {
        out += number("{\\f", i) + "\\fnil\\fcharset0 ";
        writeText(m_fonts.at(i), out);
        out += ";}";
    }
    out += "}\n{\\colortbl;";
    for (const QColor &color : m_colors)
        out += number("\\red", color.red()) + number("\\green", color.green())
                + number("\\blue", color.blue()) + ";";
    out += "}\n";
    return out;
}

void RtfWriter::writeBlock(const QTextBlock &block)
{
    const QTextBlockFormat format = block.blockFormat();
    m_body += "\\pard" + alignmentWord(format.alignment());
    m_body += lengthWord("\\li", format.leftMargin()) + lengthWord("\\ri", format.rightMargin());
    m_body += lengthWord("\\fi", format.textIndent());
    m_body += lengthWord("\\sb", format.topMargin()) + lengthWord("\\sa", format.bottomMargin());
    for (const QTextOption::Tab &tab : format.tabPositions()) {
        if (tab.type == QTextOption::RightTab)
            m_body += "\\tqr";
        else if (tab.type == QTextOption::CenterTab)
            m_body += "\\tqc";
        else if (tab.type == QTextOption::DelimiterTab)
            m_body += "\\tqdec";
        m_body += number("\\tx", RtfUnits::pixelsToTwips(tab.position));
    }
    m_body += ' ';
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        if (it.fragment().isValid())
            writeFragment(it.fragment());
    }
    // The paragraph mark carries the format that sizes an empty paragraph.
    m_body += "{" + characterFormat(block.charFormat()) + "\\par}\n";
}

void RtfWriter::writeFragment(const QTextFragment &fragment)
{
    const QTextCharFormat format = fragment.charFormat();
    if (format.isImageFormat()) {
        // Each picture is a fragment character of its own.
        for (int i = 0; i < fragment.length(); ++i)
            writePicture(format.toImageFormat());
        return;
    }
    m_body += "{" + characterFormat(format) + " ";
    writeText(fragment.text(), m_body);
    m_body += "}";
}

void RtfWriter::writeText(const QString &text, QByteArray &out) const
{
    for (QChar qc : text) {
        const char16_t c = qc.unicode();
        const QByteArray special = specialCharacter(c);
        if (!special.isEmpty())
            out += special;
        else if (c < 0x20)
            continue;
        else if (c < 0x80)
            out += char(c);
        else if (Win1252::canEncode(qc))
            out += "\\'" + Win1252::fromUnicode(QString(qc)).toHex();
        else
            out += number("\\u", qint16(c)) + "?";
    }
}

void RtfWriter::writePicture(const QTextImageFormat &format)
{
    const QVariant resource
            = m_document.resource(QTextDocument::ImageResource, QUrl(format.name()));
    const QImage image = resource.value<QImage>();
    if (image.isNull())
        return;
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG"))
        return;
    const qreal width = format.width() > 0 ? format.width() : image.width();
    const qreal height = format.height() > 0 ? format.height() : image.height();
    m_body += "{\\pict\\pngblip" + number("\\picw", image.width())
            + number("\\pich", image.height());
    m_body += number("\\picwgoal", RtfUnits::pixelsToTwips(width));
    m_body += number("\\pichgoal", RtfUnits::pixelsToTwips(height));
    m_body += hexLines(png) + "}";
}

QByteArray RtfWriter::characterFormat(const QTextCharFormat &format)
{
    qreal points = format.hasProperty(QTextFormat::FontPointSize)
            ? format.fontPointSize()
            : m_document.defaultFont().pointSizeF();
    // A default font given in pixels has no point size.
    if (points <= 0)
        points = DefaultPointSize;
    // A run without a font of its own stays without one: it takes the reader's default.
    const QString family = familyOf(format);
    QByteArray out = family.isEmpty() ? QByteArray() : number("\\f", fontIndex(family));
    out += number("\\fs", qMax(1, int(std::lround(points * 2))));
    if (format.fontWeight() > QFont::Medium)
        out += "\\b";
    if (format.fontItalic())
        out += "\\i";
    if (format.fontUnderline())
        out += "\\ul";
    if (format.fontStrikeOut())
        out += "\\strike";
    if (format.verticalAlignment() == QTextCharFormat::AlignSuperScript)
        out += "\\super";
    else if (format.verticalAlignment() == QTextCharFormat::AlignSubScript)
        out += "\\sub";
    if (format.hasProperty(QTextFormat::ForegroundBrush)
        && format.foreground().style() != Qt::NoBrush)
        out += number("\\cf", colorIndex(format.foreground().color()));
    if (format.hasProperty(QTextFormat::BackgroundBrush)
        && format.background().style() != Qt::NoBrush)
        out += number("\\highlight", colorIndex(format.background().color()));
    return out;
}

QString RtfWriter::familyOf(const QTextCharFormat &format) const
{
    const QStringList families = format.fontFamilies().toStringList();
    if (!families.isEmpty())
        return families.first();
    // Formats made with the single-family setter keep the name under its older property.
    return format.stringProperty(QTextFormat::FontFamily);
}

int RtfWriter::fontIndex(const QString &family)
{
    const qsizetype index = m_fonts.indexOf(family);
    if (index >= 0)
        return int(index);
    m_fonts.append(family);
    return int(m_fonts.size() - 1);
}

// Index 0 of the table is the automatic colour, so entries count from 1.
int RtfWriter::colorIndex(const QColor &color)
{
    const QRgb rgb = color.rgb();
    for (size_t i = 0; i < m_colors.size(); ++i) {
        if (m_colors[i].rgb() == rgb)
            return int(i + 1);
    }
    m_colors.push_back(QColor::fromRgb(rgb));
    return int(m_colors.size());
}

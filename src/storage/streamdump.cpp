// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "streamdump.h"

#include "reader.h"
#include "readerutil.h"
#include "streamerror.h"

#include "images/picture.h"
#include "richtext/rtfreader.h"
#include "storage/optionslist.h"

#include <QBuffer>
#include <QTextDocument>

namespace {

const char *const kFontFields[] = {"Name", "Size", "Bold", "Italic", "Underline", "Strikeout",
                                   "Color"};

// The page block in file order; an entry starting with '*' is a font block.
const char *const kPageFields[] = {
    "PaperSize", "CalendarOrientation", "LeftMarginInch (x100)", "TopMarginInch (x100)",
    "RightMarginInch (x100)", "BottomMarginInch (x100)", "CalendarLayout", "CalendarBorder",
    "CalendarLineLayout", "MonthName[1]", "MonthName[2]", "MonthName[3]", "MonthName[4]",
    "MonthName[5]", "MonthName[6]", "MonthName[7]", "MonthName[8]", "MonthName[9]",
    "MonthName[10]", "MonthName[11]", "MonthName[12]", "DayName[1]", "DayName[2]", "DayName[3]",
    "DayName[4]", "DayName[5]", "DayName[6]", "DayName[7]", "TitleBGColor", "*TitleFont",
    "TitleShowYear", "*HeadersFont", "HeadersBorder", "HeadersStyle", "HeadersBGColor",
    "*CellFont", "CellBorder", "MiniCalendarLineLayout", "MiniCalBorder", "MiniCalBGColor",
    "MiniShowYear", "*MiniTitleFont", "*MiniHeadersFont", "MiniHeadersBGColor",
    "MiniHeadersStyle", "MiniHeadersBorder", "MiniCellBorder", "*MiniCellFont",
    "NumberPosition"};

QString quoted(const QString &text)
{
    QString out = text;
    out.replace(QLatin1Char('\''), QLatin1String("''"));
    return QLatin1Char('\'') + out + QLatin1Char('\'');
}

// A binary block in full, as hex lines of 32 bytes, each line indented one step deeper than
// the value's own line. Rich text also gets its plain text on a comment line first, so a
// cell's words can be read in the dump.
void forEachBinaryLine(const QByteArray &bytes, int indent, const std::function<void(const QString &)> &put)
{
    const QString inner(indent * 2 + 2, QLatin1Char(' '));
    const QByteArrayView rich = RtfReader::skipLeadingBlanks(bytes);
    if (rich.startsWith("{\\rtf")) {
        QTextDocument text;
        RtfReader::read(bytes, text);
        QString plain = text.toPlainText();
        plain.replace(QLatin1Char('\n'), QStringLiteral(" / "));
        put(inner + QStringLiteral("// text: ") + plain);
    }
    for (qsizetype at = 0; at < bytes.size(); at += 32)
        put(inner + QString::fromLatin1(bytes.mid(at, 32).toHex().toUpper()));
}

// The block between braces, for values inside other values.
QString binaryText(const QByteArray &bytes, int indent)
{
    QString out = QStringLiteral("{");
    forEachBinaryLine(bytes, indent, [&out](const QString &text) { out += QLatin1Char('\n') + text; });
    return out + QLatin1Char('\n') + QString(indent * 2, QLatin1Char(' ')) + QLatin1Char('}');
}

class Dumper
{
public:
    Dumper(const QByteArray &bytes, std::function<void(const QString &)> write)
        : m_bytes(bytes), m_buffer(&m_bytes), m_write(std::move(write))
    {
        m_buffer.open(QIODevice::ReadOnly);
        m_reader = std::make_unique<TReader>(&m_buffer);
    }

    StreamDump run();

private:
    void line(const QString &text) { putLine(QString(m_indent * 2, QLatin1Char(' ')) + text); }
    void putLine(const QString &text)
    {
        if (m_write)
            m_write(text + QLatin1Char('\n'));
        else
            m_out += text + QLatin1Char('\n');
    }
    void binaryProperty(const QString &property);
    QString value();
    QString collection();
    QString tagged();
    int integerField(const QString &name);
    void pageBlock();
    void rootRecord(const QString &label);
    void componentRecord();
    void document(int version, int kind);
    void optionsList();

    QByteArray m_bytes;
    QBuffer m_buffer;
    std::unique_ptr<TReader> m_reader;
    std::function<void(const QString &)> m_write;
    QString m_out;
    int m_indent = 0;
    int m_depth = 0;
};

QString Dumper::value()
{
    TReader &r = *m_reader;
    switch (r.PeekTag()) {
    case ValueTag::Int8:
    case ValueTag::Int16:
    case ValueTag::Int32: return QString::number(r.GetInteger());
    case ValueTag::Extended: return QString::number(r.GetFloat(), 'g', 17);
    case ValueTag::String:
    case ValueTag::LongString: return quoted(r.GetString());
    case ValueTag::Ident:
    case ValueTag::False:
    case ValueTag::True:
    case ValueTag::Nil: return r.GetIdent();
    case ValueTag::Binary: return binaryText(r.GetBinary(), m_indent);
    case ValueTag::Set: return QLatin1Char('[') + r.GetSetNames().join(QStringLiteral(", ")) + QLatin1Char(']');
    case ValueTag::List: {
        ReaderUtil::NestingGuard guard(m_depth);
        r.GetListStart();
        QStringList items;
        while (!r.AtListEnd())
            items << value();
        r.GetListEnd();
        return QLatin1Char('(') + items.join(QStringLiteral(", ")) + QLatin1Char(')');
    }
    case ValueTag::Collection: return collection();
    default: throw StreamError(StreamMessages::invalidValue());
    }
}

QString Dumper::collection()
{
    ReaderUtil::NestingGuard guard(m_depth);
    TReader &r = *m_reader;
    r.GetTag();
    QStringList items;
    while (!r.AtListEnd()) {
        QString item = QStringLiteral("item");
        if (ReaderUtil::isIntegerTag(r.PeekTag()))
            item += QStringLiteral(" [%1]").arg(r.GetInteger());
        r.GetListStart();
        QStringList props;
        while (!r.AtListEnd()) {
            const QString name = r.GetShortName();
            props << name + QStringLiteral(" = ") + value();
        }
        r.GetListEnd();
        items << item + QStringLiteral(" ") + props.join(QStringLiteral("; ")) + QStringLiteral(" end");
    }
    r.GetListEnd();
    return QLatin1Char('<') + items.join(QStringLiteral(", ")) + QLatin1Char('>');
}

QString Dumper::tagged()
{
    const int tag = int(m_reader->PeekTag());
    return QString::fromLatin1(valueTagName(tag)) + QLatin1Char(' ') + value();
}

int Dumper::integerField(const QString &name)
{
    const int tag = int(m_reader->PeekTag());
    const int v = m_reader->GetInteger();
    line(QStringLiteral("%1: %2 %3").arg(name, QString::fromLatin1(valueTagName(tag))).arg(v));
    return v;
}

void Dumper::pageBlock()
{
    line(QStringLiteral("page block"));
    ++m_indent;
    for (const char *field : kPageFields) {
        if (field[0] != '*') {
            line(QString::fromLatin1(field) + QStringLiteral(": ") + tagged());
            continue;
        }
        line(QString::fromLatin1(field + 1) + QStringLiteral(": font block"));
        ++m_indent;
        for (const char *part : kFontFields)
            line(QString::fromLatin1(part) + QStringLiteral(": ") + tagged());
        --m_indent;
    }
    --m_indent;
}

void Dumper::componentRecord()
{
    ReaderUtil::NestingGuard guard(m_depth);
    TReader &r = *m_reader;
    QString flags;
    if (r.PeekTag() >= ValueTag(0xF0)) {
        const int prefix = int(r.GetTag()) & 0x0F;
        flags = (prefix & 1) ? QStringLiteral("inherited ") : QString();
        if (prefix & 2)
            flags += QStringLiteral("[%1] ").arg(r.GetInteger());
    }
    const QString className = r.GetShortName();
    const QString name = r.GetShortName();
    line(QStringLiteral("object %1%2: %3").arg(flags, name, className));
    ++m_indent;
    while (!r.AtListEnd()) {
        const QString property = r.GetShortName();
        if (r.PeekTag() == ValueTag::Binary)
            binaryProperty(property);
        else
            line(property + QStringLiteral(" = ") + value());
    }
    r.GetListEnd();
    while (!r.AtListEnd())
        componentRecord();
    r.GetListEnd();
    --m_indent;
    line(QStringLiteral("end"));
}

// Pictures are the bulk of a document: their lines go out one by one instead of as one text.
void Dumper::binaryProperty(const QString &property)
{
    const QByteArray bytes = m_reader->GetBinary();
    line(property + QStringLiteral(" = {"));
    forEachBinaryLine(bytes, m_indent, [this](const QString &text) { putLine(text); });
    line(QStringLiteral("}"));
}

void Dumper::rootRecord(const QString &label)
{
    line(label);
    ++m_indent;
    m_reader->GetSignature();
    componentRecord();
    --m_indent;
}

void Dumper::document(int version, int kind)
{
    TReader &r = *m_reader;
    pageBlock();
    if (kind == 2) {
        if (version >= 4)
            line(QStringLiteral("WMFBorderFile: ") + tagged());
        r.GetListEnd();
        line(QStringLiteral("tagEnd"));
        return;
    }
    if (version > 3)
        line(QStringLiteral("WMFBorderFile: ") + tagged());
    for (const char *name : {"MainCalDay", "MainCalMonth", "MainCalYear", "StartOfWeek",
                             "DayPlannerStartTime hour", "DayPlannerStartTime minute"})
        integerField(QString::fromLatin1(name));
    for (int cell = 1; cell <= 42; ++cell)
        rootRecord(QStringLiteral("cell %1").arg(cell));
    if (version > 1)
        line(QStringLiteral("UserTitle: ") + tagged());
    r.GetListEnd();
    line(QStringLiteral("tagEnd"));
    if (version <= 2)
        return;
    r.GetListStart();
    line(QStringLiteral("tagList (drawing objects)"));
    for (int n = 1; !r.AtListEnd(); ++n)
        rootRecord(QStringLiteral("drawing object %1").arg(n));
    r.GetListEnd();
    line(QStringLiteral("tagEnd"));
}

// Orvane's own options, after the last list.
void Dumper::optionsList()
{
    TReader &r = *m_reader;
    r.GetListStart();
    line(QStringLiteral("tagList (options): ") + tagged());
    ++m_indent;
    integerField(QStringLiteral("version"));
    while (!r.AtListEnd()) {
        const bool text = r.PeekTag() == ValueTag::String || r.PeekTag() == ValueTag::LongString;
        const QString raw = text ? r.GetString() : QString();
        const QString name = text ? quoted(raw) : value();
        // A picture's source file is summed up rather than shown: it is most of the file.
        if (OptionsList::holdsBytes(raw) && r.PeekTag() == ValueTag::Binary)
            line(name + QStringLiteral(" = {") + Picture::sourceDataSummary(r.GetBinary()) + QLatin1Char('}'));
        else
            line(name + QStringLiteral(" = ") + value());
    }
    --m_indent;
    r.GetListEnd();
    line(QStringLiteral("tagEnd"));
}

StreamDump Dumper::run()
{
    StreamDump dump;
    TReader &r = *m_reader;
    try {
        r.GetListStart();
        line(QStringLiteral("tagList"));
        const int version = integerField(QStringLiteral("version"));
        const int kind = integerField(QStringLiteral("kind (1 document, 2 style sheet)"));
        document(version, kind);
        if (r.remaining() > 0 && r.PeekTag() == ValueTag::List)
            optionsList();
        if (r.remaining() > 0)
            line(QStringLiteral("%1 more bytes after the end").arg(r.remaining()));
        dump.complete = r.remaining() == 0;
    } catch (const StreamError &error) {
        line(QStringLiteral("stopped at offset %1: %2").arg(r.position()).arg(error.message()));
    }
    dump.text = m_out;
    return dump;
}

} // namespace

StreamDump dumpCalendarFile(const QByteArray &bytes, const std::function<void(const QString &)> &write)
{
    return Dumper(bytes, write).run();
}

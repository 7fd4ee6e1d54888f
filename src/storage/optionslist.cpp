// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "optionslist.h"

#include "core/win1252.h"
#include "storage/reader.h"
#include "storage/streamerror.h"
#include "storage/writer.h"

namespace OptionsList {

namespace {

// Text that Windows-1252 cannot hold goes as UTF-8 in a binary value, so it survives.
void writeText(TWriter &writer, const QString &text)
{
    if (Win1252::canEncode(text)) {
        writer.PutString(text);
        return;
    }
    const QByteArray utf8 = text.toUtf8();
    writer.PutBinary([utf8](QByteArray &bytes) { bytes = utf8; });
}

void writeValue(TWriter &writer, const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::Bool: writer.PutBoolean(value.toBool()); break;
    case QMetaType::Int: writer.PutInteger(value.toInt()); break;
    case QMetaType::QByteArray: {
        const QByteArray bytes = value.toByteArray();
        writer.PutBinary([&bytes](QByteArray &out) { out = bytes; });
        break;
    }
    default: writeText(writer, value.toString()); break;
    }
}

// A binary value is bytes under the names that hold bytes, text under any other.
QVariant readValue(TReader &reader, bool bytes = false)
{
    if (bytes && reader.PeekTag() == ValueTag::Binary)
        return reader.GetBinary();
    switch (reader.PeekTag()) {
    case ValueTag::Int8:
    case ValueTag::Int16:
    case ValueTag::Int32: return reader.GetInteger();
    case ValueTag::False:
    case ValueTag::True: return reader.GetBoolean();
    case ValueTag::String:
    case ValueTag::LongString: return reader.GetString();
    case ValueTag::Binary: return QString::fromUtf8(reader.GetBinary());
    default: throw StreamError(StreamMessages::invalidValue());
    }
}

} // namespace

bool holdsBytes(const QString &name)
{
    return name.startsWith(kPictureSourcePrefix);
}

void write(TWriter &writer, const DocumentOptions &options)
{
    if (options.isEmpty())
        return;
    writer.PutListStart();
    writer.PutString(kName);
    writer.PutInteger(kVersion);
    for (const DocumentOptions::Entry &entry : options.entries()) {
        writeText(writer, entry.first);
        writeValue(writer, entry.second);
    }
    writer.PutListEnd();
}

DocumentOptions read(TReader &reader)
{
    reader.GetListStart();
    if (reader.PeekTag() != ValueTag::String || reader.GetString() != kName)
        throw StreamError(QStringLiteral("the data after the document is not Orvane's options"));
    // A later version may add kinds of value; what this one cannot read it says so.
    reader.GetInteger();
    DocumentOptions options;
    while (!reader.AtListEnd()) {
        const QVariant name = readValue(reader);
        if (name.typeId() != QMetaType::QString || name.toString().isEmpty())
            throw StreamError(StreamMessages::invalidValue());
        options.setValue(name.toString(), readValue(reader, holdsBytes(name.toString())));
    }
    reader.GetListEnd();
    if (reader.remaining() > 0)
        throw StreamError(QStringLiteral("%1 bytes follow the options").arg(reader.remaining()));
    return options;
}

namespace {

const QString kNames = QStringLiteral("Names");

QStringList nameList(const CalendarNames &names)
{
    QStringList list(names.months.begin(), names.months.end());
    for (const QString &day : names.days)
        list.append(day);
    return list;
}

} // namespace

DocumentOptions withNames(const DocumentOptions &options, const CalendarNames &names)
{
    DocumentOptions written = options;
    const QStringList list = nameList(names);
    if (Win1252::canEncode(list.join(QString())))
        written.remove(kNames);
    else
        written.setValue(kNames, list.join(QLatin1Char('\n')));
    return written;
}

void takeNames(DocumentOptions &options, CalendarNames &names)
{
    const QVariant value = options.value(kNames);
    options.remove(kNames);
    if (value.typeId() != QMetaType::QString)
        return;
    const QStringList list = value.toString().split(QLatin1Char('\n'));
    if (list.size() != int(names.months.size() + names.days.size()))
        return;
    const QStringList block = nameList(names);
    for (qsizetype i = 0; i < list.size(); ++i) {
        if (Win1252::toUnicode(Win1252::fromUnicode(list[i])) != block[i])
            return;
    }
    for (size_t i = 0; i < names.months.size(); ++i)
        names.months[i] = list[qsizetype(i)];
    for (size_t i = 0; i < names.days.size(); ++i)
        names.days[i] = list[qsizetype(names.months.size() + i)];
}

} // namespace OptionsList

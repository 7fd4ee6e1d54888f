// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cellrecord.h"

#include "storage/filer.h"
#include "richtext/rtfstorage.h"

const TClassInfo &CellRtfText::classInfo() const
{
    static const TClassInfo info(QStringLiteral("TWPRtfText"), nullptr, {});
    return info;
}

void CellRtfText::DefineProperties(TFiler &filer)
{
    filer.DeclareBinaryProperty(
        QStringLiteral("Data"),
        [this](const QByteArray &block) { m_storage.setRtf(CellTextRecord::rtfFromBlock(block)); },
        [this](QByteArray &out) { out = m_storage.rtf() + QByteArray(4, '\0'); },
        !m_storage.isEmpty());
}

CellTextRecord::CellTextRecord(TWPRtfStorage &storage) : m_storage(storage), m_rtfText(storage)
{
}

const TClassInfo &CellTextRecord::classInfo() const
{
    static const TClassInfo info = [] {
        PropertyInfo rtfText;
        rtfText.name = QStringLiteral("RtfText");
        rtfText.kind = PropertyKind::Class;
        rtfText.heldObject = true;
        rtfText.getObject = [](const TPersistent &object) -> TPersistent * {
            return &const_cast<CellTextRecord &>(static_cast<const CellTextRecord &>(object)).m_rtfText;
        };
        return TClassInfo(QStringLiteral("TWPRtfStorage"), nullptr, {rtfText});
    }();
    return info;
}

QByteArray CellTextRecord::rtfFromBlock(const QByteArray &block)
{
    QByteArray bytes = block;
    while (bytes.endsWith('\0'))
        bytes.chop(1);
    int start = 0;
    while (start < bytes.size() && (bytes[start] == ' ' || bytes[start] == '\t'
                                    || bytes[start] == '\r' || bytes[start] == '\n'
                                    || bytes[start] == '\b'))
        ++start;
    if (bytes.mid(start, 5) == "{\\rtf")
        return bytes.mid(start);
    return rtfFromPlainText(bytes);
}

QByteArray CellTextRecord::rtfFromPlainText(const QByteArray &text)
{
    QByteArray body;
    for (int i = 0; i < text.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            continue;
        if (c == '\r' || c == '\n')
            body += "\\par ";
        else if (c == '\\' || c == '{' || c == '}')
            body += '\\' + QByteArray(1, char(c));
        else if (c < 0x20 || c >= 0x80)
            body += "\\'" + QByteArray::number(c, 16).rightJustified(2, '0');
        else
            body += char(c);
    }
    return "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}\\pard " + body + "\\par}";
}

// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/persistent.h"

#include <QByteArray>

class TWPRtfStorage;

// The "RtfText" object inside a cell record: no published properties of its own, only the
// binary "Data" block.
class CellRtfText : public TPersistent
{
public:
    explicit CellRtfText(TWPRtfStorage &storage) : m_storage(storage) {}
    const TClassInfo &classInfo() const override;
    void DefineProperties(TFiler &filer) override;

private:
    TWPRtfStorage &m_storage;
};

// The streamed form of one day cell's text: a component of class "TWPRtfStorage" whose
// only record is "RtfText.Data", the RTF bytes followed by four zero bytes. An empty cell
// has no record at all. The record reads and writes the storage it is given.
class CellTextRecord : public TComponent
{
public:
    explicit CellTextRecord(TWPRtfStorage &storage);
    const TClassInfo &classInfo() const override;

    TWPRtfStorage &storage() { return m_storage; }

    // The RTF kept for a block read from a file: blocks starting "{\rtf" (after blanks)
    // are taken as they are, without their trailing zero bytes; anything else is plain
    // text and is wrapped into RTF so it survives the next save.
    static QByteArray rtfFromBlock(const QByteArray &block);
    static QByteArray rtfFromPlainText(const QByteArray &text);

private:
    TWPRtfStorage &m_storage;
    CellRtfText m_rtfText;
};

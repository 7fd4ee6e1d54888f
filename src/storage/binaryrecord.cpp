// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "binaryrecord.h"

#include "storage/filer.h"

void BinaryRecord::DefineProperties(TFiler &filer)
{
    filer.DeclareBinaryProperty(
        QStringLiteral("Data"), [this](const QByteArray &block) { m_take(block); },
        [this](QByteArray &out) { out = m_make(); }, m_hasData());
}

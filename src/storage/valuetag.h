// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

// The one-byte tag in front of every value of the stream.
enum class ValueTag : quint8 {
    End = 0,
    List = 1,
    Int8 = 2,
    Int16 = 3,
    Int32 = 4,
    Extended = 5,
    String = 6,
    Ident = 7,
    False = 8,
    True = 9,
    Binary = 10,
    Set = 11,
    LongString = 12,
    Nil = 13,
    Collection = 14,
};

constexpr int kMaxValueTag = 14;

// The record signature "TPF0" in front of every root record.
constexpr char kSignature[4] = {'T', 'P', 'F', '0'};

// Name used in diagnostics and dumps ("tagInt8" ...); "tag?" for undefined values.
const char *valueTagName(int tag);

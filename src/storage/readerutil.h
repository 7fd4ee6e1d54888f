// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "streamerror.h"
#include "valuetag.h"

namespace ReaderUtil {

// Lists, collections and child records nest; a hostile file must not exhaust the stack.
constexpr int kMaxNesting = 256;

struct NestingGuard {
    explicit NestingGuard(int &depth) : m_depth(depth)
    {
        if (++m_depth > kMaxNesting) {
            --m_depth;
            throw StreamError(StreamMessages::invalidFormat());
        }
    }
    ~NestingGuard() { --m_depth; }
    NestingGuard(const NestingGuard &) = delete;
    NestingGuard &operator=(const NestingGuard &) = delete;
    int &m_depth;
};

inline bool isIntegerTag(ValueTag tag)
{
    return tag == ValueTag::Int8 || tag == ValueTag::Int16 || tag == ValueTag::Int32;
}

} // namespace ReaderUtil

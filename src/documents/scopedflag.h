// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <utility>

// Turns a flag on through its setter for the lifetime of the object and off again when the
// scope ends, whichever way it ends. For flags behind setters (a page's paint suspension,
// its loading state), which QScopedValueRollback cannot reach.
class ScopedFlag
{
public:
    explicit ScopedFlag(std::function<void(bool)> set) : m_set(std::move(set)) { m_set(true); }
    ~ScopedFlag() { m_set(false); }
    ScopedFlag(const ScopedFlag &) = delete;
    ScopedFlag &operator=(const ScopedFlag &) = delete;

private:
    std::function<void(bool)> m_set;
};

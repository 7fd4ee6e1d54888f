// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>
#include <optional>

// The first of prefix + first, prefix + (first + 1) ... prefix + 1000 that taken says is
// free: objects made with a tool are "Special" + n from 1, objects read or pasted
// "Component" + n from 0. Nothing when all are taken.
std::optional<QString> firstFreeObjectName(const QString &prefix, int first,
                                           const std::function<bool(const QString &)> &taken);

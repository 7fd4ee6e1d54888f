// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>

// 80-bit IEEE extended precision as stored in the value stream: 64-bit significand with an
// explicit integer bit, then 15-bit exponent (bias 16383) with the sign in the top bit,
// little-endian. Written by hand so the bytes don't depend on the compiler's long double.
namespace Extended80 {

std::array<std::uint8_t, 10> fromDouble(double value);
double toDouble(const std::array<std::uint8_t, 10> &bytes);

} // namespace Extended80

// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "extended80.h"

#include <bit>
#include <cmath>
#include <limits>

namespace Extended80 {

std::array<std::uint8_t, 10> fromDouble(double value)
{
    const auto bits = std::bit_cast<std::uint64_t>(value);
    const bool negative = bits >> 63;
    const int exponent = int((bits >> 52) & 0x7FF);
    std::uint64_t fraction = bits & ((std::uint64_t(1) << 52) - 1);

    std::uint64_t mantissa = 0;
    int extExponent = 0;
    if (exponent == 0x7FF) {
        extExponent = 0x7FFF;
        mantissa = (std::uint64_t(1) << 63) | (fraction << 11);
    } else if (exponent != 0) {
        extExponent = exponent - 1023 + 16383;
        mantissa = (std::uint64_t(1) << 63) | (fraction << 11);
    } else if (fraction != 0) {
        // A subnormal double is a normal extended value: shift its leading one up.
        const int shift = std::countl_zero(fraction);
        mantissa = fraction << shift;
        extExponent = 1 - 1023 + 16383 - (shift - 11);
    }

    std::array<std::uint8_t, 10> out{};
    for (int i = 0; i < 8; ++i)
        out[i] = std::uint8_t(mantissa >> (8 * i));
    const std::uint16_t top = std::uint16_t(extExponent | (negative ? 0x8000 : 0));
    out[8] = std::uint8_t(top);
    out[9] = std::uint8_t(top >> 8);
    return out;
}

double toDouble(const std::array<std::uint8_t, 10> &bytes)
{
    std::uint64_t mantissa = 0;
    for (int i = 0; i < 8; ++i)
        mantissa |= std::uint64_t(bytes[i]) << (8 * i);
    const int top = bytes[8] | (bytes[9] << 8);
    const bool negative = top & 0x8000;
    const int exponent = top & 0x7FFF;

    double result;
    if (exponent == 0x7FFF) {
        const bool nan = (mantissa << 1) != 0;
        result = nan ? std::numeric_limits<double>::quiet_NaN()
                     : std::numeric_limits<double>::infinity();
    } else {
        // Denormal and unnormal extended values follow the same formula; ldexp saturates.
        const int e = exponent == 0 ? 1 - 16383 : exponent - 16383;
        result = std::ldexp(double(mantissa), e - 63);
    }
    return negative ? -result : result;
}

} // namespace Extended80

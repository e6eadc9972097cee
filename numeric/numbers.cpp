// SPDX-License-Identifier: GPL-3.0-or-later
#include "numeric/numbers.h"

#include <charconv>
#include <cmath>

namespace abacolo {

std::string wholeText(long long value) {
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::string numberText(double value) {
    constexpr double exactWholeLimit = 1e15; // beyond this a double no longer holds every whole number
    if (std::isfinite(value) && value == std::trunc(value) && std::fabs(value) < exactWholeLimit)
        return wholeText(static_cast<long long>(value));
    constexpr int significantDigits = 15;
    char buffer[40];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, significantDigits);
    return std::string(buffer, result.ptr);
}

} // namespace abacolo

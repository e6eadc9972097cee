// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/numeric/val.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace abacolo {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The numeric prefix of `s` (blanks already removed): its length, 0 when there is none.
std::size_t numericPrefix(std::string_view s) {
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        ++i;
    std::size_t digits = 0;
    while (i < s.size() && isDigit(s[i])) {
        ++i;
        ++digits;
    }
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && isDigit(s[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return 0;
    // An exponent counts only when at least one digit follows the E and its sign.
    std::size_t e = i;
    if (e < s.size() && (s[e] == 'e' || s[e] == 'E')) {
        ++e;
        if (e < s.size() && (s[e] == '+' || s[e] == '-'))
            ++e;
        if (e < s.size() && isDigit(s[e])) {
            while (e < s.size() && isDigit(s[e]))
                ++e;
            i = e;
        }
    }
    return i;
}

// Whether an out-of-range number lies beyond the largest double (true) or below the smallest (false):
// decided by the position of its first significant digit once the exponent is applied.
bool overflows(std::string_view number) {
    std::size_t i = (number[0] == '+' || number[0] == '-') ? 1 : 0;
    long long position = 0; // decimal exponent of the first significant digit, up to a constant
    bool seenPoint = false;
    bool found = false;
    long long integerDigits = 0;
    long long leadingFractionZeros = 0;
    for (; i < number.size() && (isDigit(number[i]) || number[i] == '.'); ++i) {
        if (number[i] == '.') {
            seenPoint = true;
            continue;
        }
        if (!found && number[i] == '0') {
            if (seenPoint)
                ++leadingFractionZeros;
            continue;
        }
        if (!found) {
            found = true;
            position = seenPoint ? -(leadingFractionZeros + 1) : 0;
        }
        if (!seenPoint)
            ++integerDigits;
    }
    if (integerDigits > 0)
        position = integerDigits - 1;
    long long exponent = 0;
    if (i < number.size()) { // the exponent part
        ++i;
        bool negative = false;
        if (number[i] == '+' || number[i] == '-')
            negative = number[i++] == '-';
        constexpr long long cap = 1'000'000'000;
        for (; i < number.size(); ++i)
            exponent = std::min(cap, exponent * 10 + (number[i] - '0'));
        if (negative)
            exponent = -exponent;
    }
    return position + exponent > 0;
}

} // namespace

double Val(std::string_view text) {
    std::string compact;
    compact.reserve(text.size());
    for (char c : text)
        if (!isBlank(c))
            compact.push_back(c);

    const std::size_t length = numericPrefix(compact);
    if (length == 0)
        return 0.0;
    std::string_view number(compact.data(), length);
    const bool negative = number.front() == '-';
    if (number.front() == '+' || number.front() == '-')
        number.remove_prefix(1);

    double value = 0.0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    (void)end;
    if (error == std::errc::result_out_of_range)
        value = overflows(number) ? std::numeric_limits<double>::infinity() : 0.0;
    else if (error != std::errc())
        value = 0.0;
    return negative ? -value : value;
}

std::optional<double> strictNumber(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    if (text.empty() || numericPrefix(text) != text.size())
        return std::nullopt;
    return Val(text);
}

} // namespace abacolo

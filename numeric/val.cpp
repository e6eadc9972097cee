// SPDX-License-Identifier: GPL-3.0-or-later
#include "numeric/val.h"

#include <locale.h>
#include <stdlib.h>
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

// The C library's correctly rounded reading of `number` (digits, point and exponent, no sign) in the
// "C" locale, whatever locale the program runs in: past the largest double it gives an infinity, below
// the smallest what is left of the number once rounded, 0 when nothing is.
double converted(std::string_view number) {
    const std::string text(number);
#ifdef _WIN32
    static const _locale_t c = _create_locale(LC_NUMERIC, "C");
    return _strtod_l(text.c_str(), nullptr, c);
#else
    static const locale_t c = newlocale(LC_NUMERIC_MASK, "C", locale_t{});
    return strtod_l(text.c_str(), nullptr, c);
#endif
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

    const double value = converted(number);
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

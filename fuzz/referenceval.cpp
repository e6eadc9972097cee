// SPDX-License-Identifier: GPL-3.0-or-later
// The reference reading as a textbook lexer: a small state machine that keeps the last accepting
// position (longest match), and the C library's correctly rounded conversion for the value.
#include "referenceval.h"

#include <cstdlib>
#include <locale.h>
#include <stdlib.h>
#include <string>

namespace abacolo::reference {
namespace {

enum class State {
    start,         // nothing read
    sign,          // + or -
    whole,         // digits before any point: accepting
    barePoint,     // a point with no digit before it
    fraction,      // a point after digits, or digits after a point: accepting
    exponentMark,  // E or e after a number
    exponentSign,  // + or - after the E
    exponentDigit, // digits of the exponent: accepting
    dead,
};

bool accepting(State s) {
    return s == State::whole || s == State::fraction || s == State::exponentDigit;
}

State step(State s, char c) {
    const bool digit = c >= '0' && c <= '9';
    const bool sign = c == '+' || c == '-';
    const bool point = c == '.';
    const bool mark = c == 'e' || c == 'E';
    switch (s) {
    case State::start:
        return digit ? State::whole : sign ? State::sign : point ? State::barePoint : State::dead;
    case State::sign:
        return digit ? State::whole : point ? State::barePoint : State::dead;
    case State::whole:
        return digit ? State::whole : point ? State::fraction : mark ? State::exponentMark : State::dead;
    case State::barePoint:
        return digit ? State::fraction : State::dead;
    case State::fraction:
        return digit ? State::fraction : mark ? State::exponentMark : State::dead;
    case State::exponentMark:
        return digit ? State::exponentDigit : sign ? State::exponentSign : State::dead;
    case State::exponentSign:
        return digit ? State::exponentDigit : State::dead;
    case State::exponentDigit:
        return digit ? State::exponentDigit : State::dead;
    case State::dead:
        break;
    }
    return State::dead;
}

bool blank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// Length of the longest prefix of `s` that is a number, 0 when none is.
std::size_t longestNumber(const std::string& s) {
    State state = State::start;
    std::size_t best = 0;
    for (std::size_t i = 0; i < s.size() && state != State::dead; ++i) {
        state = step(state, s[i]);
        if (accepting(state))
            best = i + 1;
    }
    return best;
}

// The C library reads the number in the "C" locale, whatever the program's locale is.
double convert(const std::string& number) {
#ifdef _WIN32
    static const _locale_t c = _create_locale(LC_NUMERIC, "C");
    return _strtod_l(number.c_str(), nullptr, c);
#else
    static const locale_t c = newlocale(LC_NUMERIC_MASK, "C", locale_t{});
    return strtod_l(number.c_str(), nullptr, c);
#endif
}

} // namespace

double readNumber(std::string_view text) {
    std::string kept;
    for (char c : text)
        if (!blank(c))
            kept += c;
    const std::size_t length = longestNumber(kept);
    if (length == 0)
        return 0.0;
    // strtod gives ±HUGE_VAL (an infinity) past the largest double and a correctly rounded value, 0
    // when nothing is left of it, below the smallest.
    return convert(kept.substr(0, length));
}

std::optional<double> readWholeNumber(std::string_view text) {
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && blank(text[first]))
        ++first;
    while (last > first && blank(text[last - 1]))
        --last;
    const std::string inner(text.substr(first, last - first));
    if (inner.empty() || longestNumber(inner) != inner.size())
        return std::nullopt;
    return convert(inner);
}

} // namespace abacolo::reference

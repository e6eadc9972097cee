// SPDX-License-Identifier: GPL-3.0-or-later
// A second, deliberately plain reading of the pupil's number rules, written apart from the program's
// own: the fuzzer and the randomized pupil compare the program against it.
#pragma once

#include <optional>
#include <string_view>

namespace abacolo::reference {

// The lenient reading: blanks (space, tab, CR, LF) anywhere are dropped, then the longest leading
// number is read (sign, digits, point, digits, exponent with sign and digits; at least one digit
// before the exponent). No number reads as 0; beyond a double's range it reads as an infinity of its
// sign, below the smallest one as 0.
double readNumber(std::string_view text);

// The strict reading: blanks around the text allowed, everything else must be one number.
std::optional<double> readWholeNumber(std::string_view text);

} // namespace abacolo::reference

// SPDX-License-Identifier: GPL-3.0-or-later
// Lenient reading of what a pupil typed: the text's leading number, or 0 when it has none.
#pragma once

#include <optional>
#include <string_view>

namespace abacolo {

// Reads the longest leading part of `text` that forms a number (optional sign, digits, optional
// decimal point and digits, optional exponent E/e with optional sign and digits) after dropping every
// blank (space, tab, CR, LF) wherever it stands. Text without such a part, the empty text too, reads
// as 0. The period is the only decimal point, whatever the locale.
//
// A number beyond the range of a double reads as an infinity of its sign, so it never equals an
// expected result and the answer is simply judged wrong; one too small to represent reads as 0.
double Val(std::string_view text);

// Strict reading: the whole text (blanks around it allowed) must be a number, else there is none.
std::optional<double> strictNumber(std::string_view text);

} // namespace abacolo

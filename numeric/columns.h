// SPDX-License-Identifier: GPL-3.0-or-later
// A whole number's digits as they stand in the four columns of a grid (k, h, da, u), which is how the
// drawings without carrying look at it.
#pragma once

namespace abacolo {

inline constexpr int gridColumns = 4;
// A column holds one digit: a column that adds up to more carries into the next.
inline constexpr int largestDigit = 9;

// The digit of `number` (0 to 9999) in `column`, counted from the units (0) to the thousands (3).
constexpr int digitAt(int number, int column) {
    for (int i = 0; i < column; ++i)
        number /= 10;
    return number % 10;
}

} // namespace abacolo

// SPDX-License-Identifier: GPL-3.0-or-later
// Subtraction of two numbers below 9999 (below 999 or 99 where the teacher chose a smaller range), the
// first strictly greater than the second.
#pragma once

#include "numeric/generator.h"
#include "numeric/level.h"

#include <string>

namespace abacolo::subtraction {

struct Problem {
    int first = 0;
    int second = 0;
    int difference = 0;
};

// Two numbers of Int(Rnd × 9999) (or × 999, × 99), both drawn again until the first is strictly
// greater; without carrying, also until in every column the first number's digit is at least the
// second's.
Problem draw(Generator& generator, const Level& level = {});

// "7045 - 389"
std::string operationLine(const Problem& problem);

bool isRight(double answer, const Problem& problem);

} // namespace abacolo::subtraction

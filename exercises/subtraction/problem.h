// SPDX-License-Identifier: GPL-3.0-or-later
// Subtraction of two numbers below 9999, the first strictly greater than the second.
#pragma once

#include "numeric/generator.h"

#include <string>

namespace abacolo::subtraction {

struct Problem {
    int first = 0;
    int second = 0;
    int difference = 0;
};

// Two numbers of Int(Rnd × 9999), both drawn again until the first is strictly greater.
Problem draw(Generator& generator);

// "7045 - 389"
std::string operationLine(const Problem& problem);

bool isRight(double answer, const Problem& problem);

} // namespace abacolo::subtraction

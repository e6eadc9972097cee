// SPDX-License-Identifier: GPL-3.0-or-later
// Multiplication with a product below 10000: by default a three- or four-digit number times a
// one-digit multiplier; the two-digit screen draws with a rule of its own (see multiplication2/).
#pragma once

#include "numeric/generator.h"

#include <string>

namespace abacolo::multiplication {

struct Problem {
    int multiplicand = 0;
    int multiplier = 0;
    int product = 0;
};

// How the factors are drawn and which pairs are accepted: multiplicand Int(Rnd × multiplicandRange)
// and multiplier Int(Rnd × multiplierRange), both drawn again until each reaches its smallest value
// and the product is below 10000.
struct Rule {
    float multiplicandRange;
    float multiplierRange;
    int smallestMultiplicand;
    int smallestMultiplier;
};

// Multiplicand 101..4999 (drawn from 0..9998), multiplier 2..8 (drawn from 0..8, so never 9).
inline constexpr Rule oneDigitMultiplier{9999, 9, 101, 2};

Problem drawWith(Generator& generator, const Rule& rule);

// A problem of the one-digit multiplication.
inline Problem draw(Generator& generator) {
    return drawWith(generator, oneDigitMultiplier);
}

// "1234 x 7"
std::string operationLine(const Problem& problem);

bool isRight(double answer, const Problem& problem);

} // namespace abacolo::multiplication

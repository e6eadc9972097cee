// SPDX-License-Identifier: GPL-3.0-or-later
// Multiplication with a product below 10000 (below 1000 or 100 where the teacher chose a smaller range):
// by default a three- or four-digit number times a one-digit multiplier; the two-digit screen draws
// with rules of its own (see multiplication2/).
#pragma once

#include "numeric/generator.h"
#include "numeric/level.h"

#include <string>

namespace abacolo::multiplication {

struct Problem {
    int multiplicand = 0;
    int multiplier = 0;
    int product = 0;
};

// How the factors are drawn and which pairs are accepted: multiplicand Int(Rnd × multiplicandRange)
// and multiplier Int(Rnd × multiplierRange), both drawn again until each reaches its smallest value
// and the product is below productLimit.
struct Rule {
    float multiplicandRange;
    float multiplierRange;
    int smallestMultiplicand;
    int smallestMultiplier;
    int productLimit;
};

// Multiplicand 101..4999 (drawn from 0..9998), multiplier 2..8 (drawn from 0..8, so never 9).
inline constexpr Rule oneDigitMultiplier{9999, 9, 101, 2, 10000};
// Within 999 and 99: a two-digit multiplicand (above 10) times 2..8.
inline constexpr Rule oneDigitMultiplierWithin999{999, 9, 11, 2, 1000};
inline constexpr Rule oneDigitMultiplierWithin99{99, 9, 11, 2, 100};

// Without carrying the pair is also drawn again until the column multiplication carries nowhere: every
// digit of the multiplicand times every digit of the multiplier is at most 9, and the partial rows add
// up with no column above 9.
Problem drawWith(Generator& generator, const Rule& rule, bool carrying = true);

// True when working the pair in columns carries somewhere (see drawWith).
bool carries(int multiplicand, int multiplier);

// A problem of the one-digit multiplication within the teacher's range.
Problem draw(Generator& generator, const Level& level = {});

// "1234 x 7"
std::string operationLine(const Problem& problem);

bool isRight(double answer, const Problem& problem);

} // namespace abacolo::multiplication

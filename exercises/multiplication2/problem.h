// SPDX-License-Identifier: GPL-3.0-or-later
// Multiplication of a two- or three-digit number by a two-digit multiplier, product below 10000 (within
// 999: two digits times two digits, product below 1000). The problem, its operation line and its
// judgement are those of the one-digit multiplication; only the drawing rules differ.
#pragma once

#include "exercises/multiplication/problem.h"

namespace abacolo::multiplication2 {

using multiplication::isRight;
using multiplication::operationLine;
using multiplication::Problem;

// Multiplicand drawn from 0..998, multiplier from 0..98 (so never 99); both must be above 10.
inline constexpr multiplication::Rule twoDigitMultiplier{999, 99, 11, 11, 10000};
// Within 999: the multiplicand drawn from 0..98 as well.
inline constexpr multiplication::Rule twoDigitMultiplierWithin999{99, 99, 11, 11, 1000};

// Within 99 there is no such problem, and the chooser does not offer the screen; it is still loaded,
// hidden, when the score screen looks for the screen that asks, and then draws within 999.
inline Problem draw(Generator& generator, const Level& level = {}) {
    const multiplication::Rule& rule =
        level.range == Range::upTo9999 ? twoDigitMultiplier : twoDigitMultiplierWithin999;
    return multiplication::drawWith(generator, rule, level.carrying);
}

} // namespace abacolo::multiplication2

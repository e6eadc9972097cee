// SPDX-License-Identifier: GPL-3.0-or-later
// Multiplication of a two- or three-digit number by a two-digit multiplier, product below 10000. The
// problem, its operation line and its judgement are those of the one-digit multiplication; only the
// drawing rule differs.
#pragma once

#include "exercises/multiplication/problem.h"

namespace abacolo::multiplication2 {

using multiplication::isRight;
using multiplication::operationLine;
using multiplication::Problem;

// Multiplicand drawn from 0..998, multiplier from 0..98 (so never 99); both must be above 10.
inline constexpr multiplication::Rule twoDigitMultiplier{999, 99, 11, 11};

inline Problem draw(Generator& generator) {
    return multiplication::drawWith(generator, twoDigitMultiplier);
}

} // namespace abacolo::multiplication2

// SPDX-License-Identifier: GPL-3.0-or-later
// Addition of three numbers: drawing a problem whose sum stays below 10000 (below 1000 or 100 where the
// teacher chose a smaller range), its operation line and the judgement of the pupil's answer.
#pragma once

#include "numeric/generator.h"
#include "numeric/level.h"

#include <string>

namespace abacolo::addition {

struct Problem {
    int addend1 = 0;
    int addend2 = 0;
    int addend3 = 0;
    int sum = 0;
};

// Three addends of Int(Rnd × 9999), all drawn again until their sum is below 10000 (within 999: of
// Int(Rnd × 999), sum below 1000; within 99 likewise); without carrying, also until no column's three
// digits add up to more than 9. `passes`, when given, receives how many triples were drawn.
Problem draw(Generator& generator, const Level& level = {}, int* passes = nullptr);

// "1234 + 56 + 7"
std::string operationLine(const Problem& problem);

bool isRight(double answer, const Problem& problem);

} // namespace abacolo::addition

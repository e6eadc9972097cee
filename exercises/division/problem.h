// SPDX-License-Identifier: GPL-3.0-or-later
// Long division of a four-digit dividend (three or two digits where the teacher chose a smaller range)
// by a one-digit divisor: the problem, the final remainder the pupil writes, and the judgement of
// quotient and remainder.
#pragma once

#include "numeric/generator.h"
#include "numeric/level.h"

#include <array>
#include <string>

namespace abacolo::division {

struct Problem {
    int dividend = 0;
    int divisor = 0;
    int quotient = 0;
    int remainder = 0;
};

// Dividend Int(Rnd × 9999) and divisor Int(Rnd × 9), both drawn again until the divisor is above 1
// and the dividend above 1000 (within 999: Int(Rnd × 999), above 100; within 99: Int(Rnd × 99), above
// 10); without carrying, also until every digit of the dividend is a multiple of the divisor, so that
// each step divides exactly. Quotient and remainder are worked out once, from the accepted pair.
Problem draw(Generator& generator, const Level& level = {});

// "7345 : 6"
std::string operationLine(const Problem& problem);

// The ten partial-remainder boxes, row by row, each row left to right:
// row 1 k h da u, row 2 h da u, row 3 da u, row 4 u.
struct PartialRows {
    std::array<std::string, 4> row1;
    std::array<std::string, 3> row2;
    std::array<std::string, 2> row3;
    std::string row4;
};

// The final remainder stands in the last row the pupil wrote: the lowest row whose units box is not
// empty (a blank counts as written), else row 1; that row's boxes are joined left to right.
std::string remainderText(const PartialRows& rows);

bool isRight(double quotient, double remainder, const Problem& problem);

} // namespace abacolo::division

// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/addition/problem.h"

#include "numeric/columns.h"
#include "numeric/numbers.h"

namespace abacolo::addition {
namespace {

bool carries(const Problem& problem) {
    for (int column = 0; column < gridColumns; ++column)
        if (digitAt(problem.addend1, column) + digitAt(problem.addend2, column) +
                digitAt(problem.addend3, column) >
            largestDigit)
            return true;
    return false;
}

} // namespace

Problem draw(Generator& generator, const Level& level, int* passes) {
    const float addendRange = drawnRange(level.range); // 0..9998, 0..998 or 0..98
    const int sumLimit = limitOf(level.range);
    Problem problem;
    int count = 0;
    do {
        ++count;
        problem.addend1 = drawBelow(generator, addendRange);
        problem.addend2 = drawBelow(generator, addendRange);
        problem.addend3 = drawBelow(generator, addendRange);
        problem.sum = (problem.addend1 + problem.addend2) + problem.addend3;
    } while (!(problem.sum < sumLimit && (level.carrying || !carries(problem))));
    if (passes != nullptr)
        *passes = count;
    return problem;
}

std::string operationLine(const Problem& problem) {
    return wholeText(problem.addend1) + " + " + wholeText(problem.addend2) + " + " +
           wholeText(problem.addend3);
}

bool isRight(double answer, const Problem& problem) {
    return answer == problem.sum;
}

} // namespace abacolo::addition

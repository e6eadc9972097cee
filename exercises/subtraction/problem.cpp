// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/subtraction/problem.h"

#include "numeric/columns.h"
#include "numeric/numbers.h"

namespace abacolo::subtraction {
namespace {

// A column whose lower digit is the larger must borrow from the next.
bool borrows(const Problem& problem) {
    for (int column = 0; column < gridColumns; ++column)
        if (digitAt(problem.first, column) < digitAt(problem.second, column))
            return true;
    return false;
}

} // namespace

Problem draw(Generator& generator, const Level& level) {
    const float numberRange = drawnRange(level.range); // 0..9998, 0..998 or 0..98
    Problem problem;
    do {
        problem.first = drawBelow(generator, numberRange);
        problem.second = drawBelow(generator, numberRange);
        problem.difference = problem.first - problem.second;
    } while (!(problem.first > problem.second && (level.carrying || !borrows(problem))));
    return problem;
}

std::string operationLine(const Problem& problem) {
    return wholeText(problem.first) + " - " + wholeText(problem.second);
}

bool isRight(double answer, const Problem& problem) {
    return answer == problem.difference;
}

} // namespace abacolo::subtraction

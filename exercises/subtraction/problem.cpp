// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/subtraction/problem.h"

#include "numeric/numbers.h"

namespace abacolo::subtraction {
namespace {

constexpr float numberRange = 9999; // Int(Rnd × 9999) gives 0..9998

} // namespace

Problem draw(Generator& generator) {
    Problem problem;
    do {
        problem.first = drawBelow(generator, numberRange);
        problem.second = drawBelow(generator, numberRange);
        problem.difference = problem.first - problem.second;
    } while (!(problem.first > problem.second));
    return problem;
}

std::string operationLine(const Problem& problem) {
    return wholeText(problem.first) + " - " + wholeText(problem.second);
}

bool isRight(double answer, const Problem& problem) {
    return answer == problem.difference;
}

} // namespace abacolo::subtraction

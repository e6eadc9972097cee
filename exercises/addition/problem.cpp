// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/addition/problem.h"

#include "numeric/numbers.h"

namespace abacolo::addition {
namespace {

constexpr float addendRange = 9999; // Int(Rnd × 9999) gives 0..9998
constexpr int sumLimit = 10000;     // a sum must stay strictly below it

} // namespace

Problem draw(Generator& generator, int* passes) {
    Problem problem;
    int count = 0;
    do {
        ++count;
        problem.addend1 = drawBelow(generator, addendRange);
        problem.addend2 = drawBelow(generator, addendRange);
        problem.addend3 = drawBelow(generator, addendRange);
        problem.sum = (problem.addend1 + problem.addend2) + problem.addend3;
    } while (problem.sum >= sumLimit);
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

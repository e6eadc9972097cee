// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/multiplication/problem.h"

#include "numeric/numbers.h"

namespace abacolo::multiplication {
namespace {

constexpr int productLimit = 10000; // the result row has four boxes

} // namespace

Problem drawWith(Generator& generator, const Rule& rule) {
    Problem problem;
    do {
        problem.multiplicand = drawBelow(generator, rule.multiplicandRange);
        problem.multiplier = drawBelow(generator, rule.multiplierRange);
        problem.product = problem.multiplicand * problem.multiplier;
    } while (!(problem.multiplicand >= rule.smallestMultiplicand &&
               problem.multiplier >= rule.smallestMultiplier && problem.product < productLimit));
    return problem;
}

std::string operationLine(const Problem& problem) {
    return wholeText(problem.multiplicand) + " x " + wholeText(problem.multiplier);
}

bool isRight(double answer, const Problem& problem) {
    return answer == problem.product;
}

} // namespace abacolo::multiplication

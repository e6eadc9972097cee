// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/multiplication/problem.h"

#include "numeric/columns.h"
#include "numeric/numbers.h"

namespace abacolo::multiplication {

Problem drawWith(Generator& generator, const Rule& rule, bool carrying) {
    Problem problem;
    do {
        problem.multiplicand = drawBelow(generator, rule.multiplicandRange);
        problem.multiplier = drawBelow(generator, rule.multiplierRange);
        problem.product = problem.multiplicand * problem.multiplier;
    } while (!(problem.multiplicand >= rule.smallestMultiplicand &&
               problem.multiplier >= rule.smallestMultiplier && problem.product < rule.productLimit &&
               (carrying || !carries(problem.multiplicand, problem.multiplier))));
    return problem;
}

bool carries(int multiplicand, int multiplier) {
    // Column k of the partial rows added up, before any carrying: the products of the multiplicand's
    // digit in column i and the multiplier's in column k - i. None of them is negative, so a column at
    // most 9 also means that no single digit product carried.
    for (int column = 0; column < 2 * gridColumns; ++column) {
        int total = 0;
        for (int i = 0; i <= column; ++i)
            if (i < gridColumns && column - i < gridColumns)
                total += digitAt(multiplicand, i) * digitAt(multiplier, column - i);
        if (total > largestDigit)
            return true;
    }
    return false;
}

Problem draw(Generator& generator, const Level& level) {
    switch (level.range) {
    case Range::upTo99:
        return drawWith(generator, oneDigitMultiplierWithin99, level.carrying);
    case Range::upTo999:
        return drawWith(generator, oneDigitMultiplierWithin999, level.carrying);
    case Range::upTo9999:
        break;
    }
    return drawWith(generator, oneDigitMultiplier, level.carrying);
}

std::string operationLine(const Problem& problem) {
    return wholeText(problem.multiplicand) + " x " + wholeText(problem.multiplier);
}

bool isRight(double answer, const Problem& problem) {
    return answer == problem.product;
}

} // namespace abacolo::multiplication

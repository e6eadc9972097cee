// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/division/problem.h"

#include "numeric/columns.h"
#include "numeric/numbers.h"

namespace abacolo::division {
namespace {

constexpr float divisorRange = 9; // 0..8
constexpr int smallestDivisor = 2;

// Above 1000, 100 or 10: a dividend has as many digits as the range allows.
int smallestDividend(Range range) {
    return limitOf(range) / 10 + 1;
}

// Every step of the long division leaves something over unless each digit is a multiple of the
// divisor (0 among them).
bool leavesRemainders(int dividend, int divisor) {
    for (int column = 0; column < gridColumns; ++column)
        if (digitAt(dividend, column) % divisor != 0)
            return true;
    return false;
}

template <std::size_t N> std::string joined(const std::array<std::string, N>& boxes) {
    std::string text;
    for (const std::string& box : boxes)
        text += box;
    return text;
}

} // namespace

Problem draw(Generator& generator, const Level& level) {
    const float dividendRange = drawnRange(level.range); // 0..9998, 0..998 or 0..98
    const int smallest = smallestDividend(level.range);
    Problem problem;
    do {
        problem.dividend = drawBelow(generator, dividendRange);
        problem.divisor = drawBelow(generator, divisorRange);
    } while (!(problem.divisor >= smallestDivisor && problem.dividend >= smallest &&
               (level.carrying || !leavesRemainders(problem.dividend, problem.divisor))));
    problem.quotient = problem.dividend / problem.divisor;
    problem.remainder = problem.dividend % problem.divisor;
    return problem;
}

std::string operationLine(const Problem& problem) {
    return wholeText(problem.dividend) + " : " + wholeText(problem.divisor);
}

std::string remainderText(const PartialRows& rows) {
    if (!rows.row4.empty())
        return rows.row4;
    if (!rows.row3.back().empty())
        return joined(rows.row3);
    if (!rows.row2.back().empty())
        return joined(rows.row2);
    return joined(rows.row1);
}

bool isRight(double quotient, double remainder, const Problem& problem) {
    return quotient == problem.quotient && remainder == problem.remainder;
}

} // namespace abacolo::division

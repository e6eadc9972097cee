// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/division/problem.h"

#include "numeric/numbers.h"

namespace abacolo::division {
namespace {

constexpr float dividendRange = 9999; // 0..9998
constexpr float divisorRange = 9;     // 0..8
constexpr int smallestDividend = 1001;
constexpr int smallestDivisor = 2;

template <std::size_t N> std::string joined(const std::array<std::string, N>& boxes) {
    std::string text;
    for (const std::string& box : boxes)
        text += box;
    return text;
}

} // namespace

Problem draw(Generator& generator) {
    Problem problem;
    do {
        problem.dividend = drawBelow(generator, dividendRange);
        problem.divisor = drawBelow(generator, divisorRange);
    } while (!(problem.divisor >= smallestDivisor && problem.dividend >= smallestDividend));
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

#include "exercises/multiplication/problem.h"

#include "app/runtime/numbers.h"

namespace abacolo::multiplication {
namespace {

constexpr float multiplicandRange = 9999; // 0..9998
constexpr float multiplierRange = 9;      // 0..8
constexpr int smallestMultiplicand = 101;
constexpr int smallestMultiplier = 2;
constexpr int productLimit = 10000;

} // namespace

Problem draw(Generator& generator) {
    Problem problem;
    do {
        problem.multiplicand = drawBelow(generator, multiplicandRange);
        problem.multiplier = drawBelow(generator, multiplierRange);
        problem.product = problem.multiplicand * problem.multiplier;
    } while (!(problem.multiplicand >= smallestMultiplicand && problem.multiplier >= smallestMultiplier &&
               problem.product < productLimit));
    return problem;
}

std::string operationLine(const Problem& problem) {
    return wholeText(problem.multiplicand) + " x " + wholeText(problem.multiplier);
}

bool isRight(double answer, const Problem& problem) {
    return answer == problem.product;
}

} // namespace abacolo::multiplication

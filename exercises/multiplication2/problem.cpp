#include "exercises/multiplication2/problem.h"

#include "app/runtime/numbers.h"

namespace abacolo::multiplication2 {
namespace {

constexpr float multiplicandRange = 999; // 0..998
constexpr float multiplierRange = 99;    // 0..98
constexpr int smallestFactor = 11;
constexpr int productLimit = 10000;

} // namespace

Problem draw(Generator& generator) {
    Problem problem;
    do {
        problem.multiplicand = drawBelow(generator, multiplicandRange);
        problem.multiplier = drawBelow(generator, multiplierRange);
        problem.product = problem.multiplicand * problem.multiplier;
    } while (!(problem.multiplicand >= smallestFactor && problem.multiplier >= smallestFactor &&
               problem.product < productLimit));
    return problem;
}

std::string operationLine(const Problem& problem) {
    return wholeText(problem.multiplicand) + " x " + wholeText(problem.multiplier);
}

bool isRight(double answer, const Problem& problem) {
    return answer == problem.product;
}

} // namespace abacolo::multiplication2

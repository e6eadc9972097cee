// Multiplication of a three- or four-digit number by a one-digit multiplier, product below 10000.
#pragma once

#include "app/runtime/generator.h"

#include <string>

namespace abacolo::multiplication {

struct Problem {
    int multiplicand = 0;
    int multiplier = 0;
    int product = 0;
};

// Multiplicand Int(Rnd × 9999) and multiplier Int(Rnd × 9), both drawn again until the multiplicand
// is above 100, the multiplier above 1 and the product below 10000.
Problem draw(Generator& generator);

// "1234 x 7"
std::string operationLine(const Problem& problem);

bool isRight(double answer, const Problem& problem);

} // namespace abacolo::multiplication

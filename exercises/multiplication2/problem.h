// Multiplication of a two- or three-digit number by a two-digit multiplier, product below 10000.
#pragma once

#include "app/runtime/generator.h"

#include <string>

namespace abacolo::multiplication2 {

struct Problem {
    int multiplicand = 0;
    int multiplier = 0;
    int product = 0;
};

// Multiplicand Int(Rnd × 999) and multiplier Int(Rnd × 99), both drawn again until both are above 10
// and the product is below 10000.
Problem draw(Generator& generator);

// "123 x 45"
std::string operationLine(const Problem& problem);

bool isRight(double answer, const Problem& problem);

} // namespace abacolo::multiplication2

// SPDX-License-Identifier: GPL-3.0-or-later
#include "score/grading.h"

#include <limits>

namespace abacolo::grading {
namespace {

constexpr double full = 100;

// The bands from the top: a percentage gets the message of the first band it reaches. The top band
// holds a full score only; a percentage above full (negative counts) or none at all reaches no band.
struct Band {
    double from;
    const char* message;
};
constexpr double anyScore = -std::numeric_limits<double>::infinity();
constexpr Band bands[] = {
    {full, super},    // 100
    {90, excellent},  // 90 to below 100
    {75, good},       // 75 to below 90
    {60, fair},       // 60 to below 75
    {anyScore, poor}, // below 60
};

} // namespace

Result grade(double right, double wrong) {
    Result result;
    result.total = right + wrong;
    if (!(result.total >= 1))
        return result;
    const double p = right * full / result.total;
    result.percent = p;
    if (!(p <= full))
        return result;
    for (const Band& band : bands) {
        if (p >= band.from) {
            result.message = band.message;
            break;
        }
    }
    return result;
}

} // namespace abacolo::grading

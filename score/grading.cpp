// SPDX-License-Identifier: GPL-3.0-or-later
#include "score/grading.h"

namespace abacolo::grading {
namespace {

constexpr double full = 100;
constexpr double excellentFrom = 90;
constexpr double goodFrom = 75;
constexpr double fairFrom = 60;

} // namespace

Result grade(double right, double wrong) {
    Result result;
    result.total = right + wrong;
    if (!(result.total >= 1))
        return result;
    const double p = right * full / result.total;
    result.percent = p;
    if (p == full)
        result.message = super;
    if (p < full && p >= excellentFrom)
        result.message = excellent;
    if (p < excellentFrom && p >= goodFrom)
        result.message = good;
    if (p < goodFrom && p >= fairFrom)
        result.message = fair;
    if (p < fairFrom)
        result.message = poor;
    return result;
}

} // namespace abacolo::grading

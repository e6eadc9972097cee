// SPDX-License-Identifier: GPL-3.0-or-later
// Grading of an exercise screen's counts: the total, the percentage of right answers and one of five
// messages.
#pragma once

#include <optional>
#include <string>

namespace abacolo::grading {

inline constexpr char super[] = "Super!!!!";
inline constexpr char excellent[] = "Sei stato bravissimo!!!";
inline constexpr char good[] = "Bravo!!";
inline constexpr char fair[] = "Abbastanza bene, ma puoi fare di meglio.";
inline constexpr char poor[] = "Non ci siamo. Esercitati di più";

struct Result {
    double total = 0;
    // Both empty when the total is below 1: there is nothing to grade.
    std::optional<double> percent;
    std::optional<std::string> message;
};

// Grades `right` right and `wrong` wrong answers. The percentage is right × 100 / total, in doubles, so
// counts of any size keep their band.
Result grade(double right, double wrong);

} // namespace abacolo::grading

// SPDX-License-Identifier: GPL-3.0-or-later
// The stress tests' view of an exercise screen's problem: the right answer, ways of typing it, and
// an independent verdict on whatever the result boxes hold (through the reference number reading).
#pragma once

#include "exercises/exercisescreen.h"

#include <optional>
#include <random>

namespace abacolo::stress {

struct Answer {
    long long result = 0;               // sum, difference, product or quotient
    std::optional<long long> remainder; // division only
};

// The answer to the problem the screen shows now.
Answer rightAnswer(const ExerciseScreen& screen);

// Types the right answer into the result row (and, on the division screen, a partial-remainder row),
// in one of several forms a pupil may use: one digit per column, all in the units box, with blanks,
// with a plus sign or with an exponent. Boxes of the result row that the form leaves out are emptied.
void typeRightAnswer(ExerciseScreen& screen, std::mt19937_64& random);

// Types an answer that is wrong whatever the problem: the right result plus one.
void typeWrongAnswer(ExerciseScreen& screen);

// Whether the check must call what the boxes hold now right: the result row joined thousands first
// (and the division's remainder row) read with the reference reading and compared with the answer.
bool mustBeRight(const ExerciseScreen& screen);

} // namespace abacolo::stress

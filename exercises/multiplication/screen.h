// SPDX-License-Identifier: GPL-3.0-or-later
// The screen of multiplication by a one-digit multiplier: the multiplicand row, the multiplier's box
// and the result row under the heads k, h, da, u.
#pragma once

#include "exercises/exercisescreen.h"
#include "exercises/multiplication/problem.h"

namespace abacolo {

class MultiplicationScreen : public ExerciseScreen {
    Q_OBJECT
public:
    explicit MultiplicationScreen(Registry& registry);

    const multiplication::Problem& problem() const { return m_problem; }

protected:
    void drawProblem() override;
    bool isRight(double answer) const override;

private:
    multiplication::Problem m_problem;
};

} // namespace abacolo

// SPDX-License-Identifier: GPL-3.0-or-later
// The subtraction screen: two operand rows and a result row under the heads k, h, da, u.
#pragma once

#include "exercises/exercisescreen.h"
#include "exercises/subtraction/problem.h"

namespace abacolo {

class SubtractionScreen : public ExerciseScreen {
    Q_OBJECT
public:
    explicit SubtractionScreen(Registry& registry);

    const subtraction::Problem& problem() const { return m_problem; }

protected:
    void drawProblem() override;
    bool isRight(double answer) const override;

private:
    subtraction::Problem m_problem;
};

} // namespace abacolo

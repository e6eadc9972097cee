// SPDX-License-Identifier: GPL-3.0-or-later
// The screen of multiplication by a two-digit multiplier: the factor rows, two partial-product rows
// and the result row under the heads k, h, da, u.
#pragma once

#include "exercises/exercisescreen.h"
#include "exercises/multiplication2/problem.h"

namespace abacolo {

class Multiplication2Screen : public ExerciseScreen {
    Q_OBJECT
public:
    explicit Multiplication2Screen(Registry& registry);

    const multiplication2::Problem& problem() const { return m_problem; }

protected:
    void drawProblem() override;
    bool isRight(double answer) const override;

private:
    multiplication2::Problem m_problem;
};

} // namespace abacolo

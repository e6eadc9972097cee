// SPDX-License-Identifier: GPL-3.0-or-later
// The addition screen: three addend rows and a result row under the heads k, h, da, u.
#pragma once

#include "exercises/addition/problem.h"
#include "exercises/exercisescreen.h"

namespace abacolo {

class AdditionScreen : public ExerciseScreen {
    Q_OBJECT
public:
    explicit AdditionScreen(Registry& registry);

    const addition::Problem& problem() const { return m_problem; }

protected:
    void drawProblem() override;
    bool isRight(double answer) const override;

private:
    addition::Problem m_problem;
};

} // namespace abacolo

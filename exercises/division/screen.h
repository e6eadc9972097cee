// SPDX-License-Identifier: GPL-3.0-or-later
// The division screen: the dividend under the heads k, h, da, u with the staggered partial-remainder
// rows below it, the divisor beyond the vertical line and the quotient under it.
#pragma once

#include "exercises/division/problem.h"
#include "exercises/exercisescreen.h"

namespace abacolo {

class DivisionScreen : public ExerciseScreen {
    Q_OBJECT
public:
    explicit DivisionScreen(Registry& registry);

    // The check, as this screen names its button.
    void cmdcontrolla_Click() { cmdconferma_Click(); }

    const division::Problem& problem() const { return m_problem; }
    double remainderValue() const { return m_remainder; }

protected:
    void drawProblem() override;
    void readAnswerExtras() override;
    bool isRight(double answer) const override;

private:
    division::Problem m_problem;
    double m_remainder = 0;
};

} // namespace abacolo

// SPDX-License-Identifier: GPL-3.0-or-later
// The score screen: finds the exercise screen that asked by its code, shows its right and wrong counts
// and grades them.
#pragma once

#include "runtime/scorehandoff.h"
#include "runtime/screen.h"

namespace abacolo {

class ScoreScreen : public Screen, public ScoreHandOff {
    Q_OBJECT
public:
    explicit ScoreScreen(Registry& registry);

    void Form_Load() override;

    // The hand-off of "&Punteggio": the two captions, both counts, the grade and "&OK" hidden, in this
    // order, and "&Calcola il punteggio" shown, with the focus.
    void awaitCompute() override;

    void cmdcalcola_Click();
    void cmdok_Click();

protected:
    void frameClosed() override;

private:
    // The counts with their captions and the grade, as one text to be heard: "Risposte giuste: 9. ...".
    QString spokenResult() const;

    double m_right = 0;
    double m_wrong = 0;
};

} // namespace abacolo

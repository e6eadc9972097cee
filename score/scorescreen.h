// The score screen: finds the exercise screen that asked by its code, shows its right and wrong counts
// and grades them.
#pragma once

#include "app/runtime/screen.h"

namespace abacolo {

class ScoreScreen : public Screen {
    Q_OBJECT
public:
    explicit ScoreScreen(Program& program);

    void Form_Load() override;

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

// SPDX-License-Identifier: GPL-3.0-or-later
// What an exercise screen asks of the score screen when the pupil presses "&Punteggio": to wait for a
// compute, showing nothing but "&Calcola il punteggio", whatever it showed before.
#pragma once

namespace abacolo {

class ScoreHandOff {
public:
    virtual void awaitCompute() = 0;

protected:
    ~ScoreHandOff() = default;
};

} // namespace abacolo

// SPDX-License-Identifier: GPL-3.0-or-later
// What other screens read and write of an exercise screen: whether it asks for its score (its code)
// and its counts, kept by the screen as plain values.
// Reaching a record through the registry loads the screen first, as reading its boxes would.
#pragma once

namespace abacolo {

class ExerciseRecord {
public:
    static constexpr int notAsking = 0; // the code of a screen that does not ask for its score

    // The screen's exercise code after "&Punteggio"; notAsking at load and after resetCode().
    virtual int code() const = 0;
    virtual void resetCode() = 0;
    // The counts as the last check left them; 0 before the first check.
    virtual long long rightCount() const = 0;
    virtual long long wrongCount() const = 0;

protected:
    ~ExerciseRecord() = default;
};

} // namespace abacolo

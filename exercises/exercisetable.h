// SPDX-License-Identifier: GPL-3.0-or-later
// The five exercises in one table: the screen, the code it writes when it asks for its score, its
// title and how it is made, in the order the score screen searches them. The registry, the score
// screen, the exercise screens themselves and the tests all read it; a new operation is a row here
// and a folder of its own.
#pragma once

#include "app/runtime/screenid.h"

#include <memory>
#include <span>

namespace abacolo {

class Registry;
class Screen;

struct Exercise {
    ScreenId screen;
    int code;          // written by "&Punteggio"; never ExerciseRecord::notAsking
    const char* title; // the screen's window title
    std::unique_ptr<Screen> (*make)(Registry&);
};

// Defined with each operation's screen.
std::unique_ptr<Screen> makeAdditionScreen(Registry& registry);
std::unique_ptr<Screen> makeSubtractionScreen(Registry& registry);
std::unique_ptr<Screen> makeMultiplicationScreen(Registry& registry);
std::unique_ptr<Screen> makeMultiplication2Screen(Registry& registry);
std::unique_ptr<Screen> makeDivisionScreen(Registry& registry);

// In the score screen's search order. The codes do not follow it: division has "4", the two-digit
// multiplication "5".
inline constexpr Exercise exerciseTable[] = {
    {ScreenId::frmaddizioni, 1, "Addizioni in colonna", makeAdditionScreen},
    {ScreenId::frmsottrazioni, 2, "Sottrazioni in colonna", makeSubtractionScreen},
    {ScreenId::frmmoltiplicazioni, 3, "Moltiplicazioni in colonna con 1 cifra al moltiplicatore",
     makeMultiplicationScreen},
    {ScreenId::frmmoltiplicazioni2, 5, "Moltiplicazioni in colonna con 2 cifre al moltiplicatore",
     makeMultiplication2Screen},
    {ScreenId::frmdivisioni, 4, "Divisioni in colonna", makeDivisionScreen},
};

inline constexpr std::span<const Exercise> exercises{exerciseTable};

// The row of an exercise screen.
const Exercise& exerciseOf(ScreenId screen);

} // namespace abacolo

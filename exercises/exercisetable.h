// SPDX-License-Identifier: GPL-3.0-or-later
// The five exercises in one table: the screen, the code it writes when it asks for its score, its
// title and the function that makes it, in the order the score screen searches them. The factories'
// declarations, the program's accessors, the score screen, the exercise screens and the tests all come
// from it: a new operation is a row here, its name in ScreenId (runtime/screenid.h) and a folder of its
// own.
#pragma once

#include "runtime/screenid.h"

#include <cstddef>
#include <iterator>
#include <memory>
#include <span>

// One row per exercise: row(screen, code, title, factory). The factory is defined with the screen.
// The codes do not follow the search order: division has "4", the two-digit multiplication "5".
// clang-format off
#define ABACOLO_EXERCISES(row) \
    row(frmaddizioni, 1, "Addizioni in colonna", makeAdditionScreen) \
    row(frmsottrazioni, 2, "Sottrazioni in colonna", makeSubtractionScreen) \
    row(frmmoltiplicazioni, 3, "Moltiplicazioni in colonna con 1 cifra al moltiplicatore", makeMultiplicationScreen) \
    row(frmmoltiplicazioni2, 5, "Moltiplicazioni in colonna con 2 cifre al moltiplicatore", makeMultiplication2Screen) \
    row(frmdivisioni, 4, "Divisioni in colonna", makeDivisionScreen)
// clang-format on

namespace abacolo {

class Registry;
class Screen;

#define ABACOLO_FACTORY(screen, code, title, factory) std::unique_ptr<Screen> factory(Registry& registry);
ABACOLO_EXERCISES(ABACOLO_FACTORY)
#undef ABACOLO_FACTORY

struct Exercise {
    ScreenId screen;
    int code;          // written by "&Punteggio"; never ExerciseRecord::notAsking
    const char* title; // the screen's window title
    std::unique_ptr<Screen> (*make)(Registry&);
};

inline constexpr Exercise exerciseTable[] = {
#define ABACOLO_EXERCISE_ROW(screen, code, title, factory) {ScreenId::screen, code, title, factory},
    ABACOLO_EXERCISES(ABACOLO_EXERCISE_ROW)
#undef ABACOLO_EXERCISE_ROW
};

inline constexpr std::span<const Exercise> exercises{exerciseTable};
// Every screen between the chooser and the score screen is an exercise with its row.
static_assert(std::size(exerciseTable) == static_cast<std::size_t>(ScreenId::frmpunteggio) -
                                              static_cast<std::size_t>(ScreenId::frmaddizioni));

// The row of an exercise screen; any other screen stops the program.
const Exercise& exerciseOf(ScreenId screen);

} // namespace abacolo

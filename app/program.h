// SPDX-License-Identifier: GPL-3.0-or-later
// The program: the registry of its eight screens with the factory of each (the start menu, the chooser,
// the five exercises of the table of exercises and the score screen), and typed access to them for
// the program's start and for the tests.
#pragma once

#include "exercises/exercisetable.h"
#include "runtime/registry.h"

namespace abacolo {

class StartMenu;
class Chooser;
class ExerciseScreen;
class ScoreScreen;

class Program : public Registry {
public:
    // `seam` must outlive the program.
    explicit Program(ScreenSeam& seam);

    // Program start: loads the start menu and shows it.
    void start();

    // Each screen by its name, loaded first if it is not; a screen of another kind in its place (a
    // programming error) stops the program.
    StartMenu& frminizio();
    Chooser& frmscelta();
    ExerciseScreen& exercise(ScreenId id);
    // clang-format off
#define ABACOLO_EXERCISE_ACCESSOR(screen, code, title, factory) \
    ExerciseScreen& screen() { return exercise(ScreenId::screen); }
    // clang-format on
    ABACOLO_EXERCISES(ABACOLO_EXERCISE_ACCESSOR)
#undef ABACOLO_EXERCISE_ACCESSOR
    ScoreScreen& frmpunteggio();
};

} // namespace abacolo

// SPDX-License-Identifier: GPL-3.0-or-later
// The program: the registry of its eight screens with the factory of each (the start menu, the chooser,
// the five exercises of the table of exercises and the score screen), and typed access to them for
// the program's start and for the tests.
#pragma once

#include "app/runtime/registry.h"

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

    StartMenu& frminizio();
    Chooser& frmscelta();
    ExerciseScreen& frmaddizioni();
    ExerciseScreen& frmsottrazioni();
    ExerciseScreen& frmmoltiplicazioni();
    ExerciseScreen& frmmoltiplicazioni2();
    ExerciseScreen& frmdivisioni();
    ExerciseScreen& exercise(ScreenId id);
    ScoreScreen& frmpunteggio();
};

} // namespace abacolo

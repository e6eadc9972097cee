// SPDX-License-Identifier: GPL-3.0-or-later
// The tour that opens every screen of the program once, as a pupil's presses: the one the benchmarks
// and the full-screen photographs follow (abacolo_screenshots --where prints it with the places and
// the titles). Each step presses a control of the screen on view; the next screen then shows, and the
// steps with a name are the ones photographed.
#pragma once

#include "runtime/screenid.h"

namespace abacolo {

struct TourStep {
    ScreenId screen;
    const char* control;
    ScreenId next;
    const char* photo; // nullptr: nothing new to photograph
};

// The addition first, with its score (computing it loads every exercise screen); then the chooser and
// both multiplications, the subtraction and the division, each left by its own "&Fine".
inline constexpr TourStep tour[] = {
    {ScreenId::frminizio, "cmdadd", ScreenId::frmaddizioni, "addition"},
    {ScreenId::frmaddizioni, "cmdpunteggio", ScreenId::frmpunteggio, "score"},
    {ScreenId::frmpunteggio, "cmdcalcola", ScreenId::frmpunteggio, "score-computed"},
    {ScreenId::frmpunteggio, "cmdok", ScreenId::frminizio, nullptr},
    {ScreenId::frminizio, "cmdmolt", ScreenId::frmscelta, "chooser"},
    {ScreenId::frmscelta, "cmd1", ScreenId::frmmoltiplicazioni, "multiplication"},
    {ScreenId::frmmoltiplicazioni, "cmdfine", ScreenId::frminizio, nullptr},
    {ScreenId::frminizio, "cmdmolt", ScreenId::frmscelta, nullptr},
    {ScreenId::frmscelta, "cmd2", ScreenId::frmmoltiplicazioni2, "multiplication2"},
    {ScreenId::frmmoltiplicazioni2, "cmdfine", ScreenId::frminizio, nullptr},
    {ScreenId::frminizio, "cmdsott", ScreenId::frmsottrazioni, "subtraction"},
    {ScreenId::frmsottrazioni, "cmdfine", ScreenId::frminizio, nullptr},
    {ScreenId::frminizio, "cmddiv", ScreenId::frmdivisioni, "division"},
    {ScreenId::frmdivisioni, "cmdfine", ScreenId::frminizio, nullptr},
};

} // namespace abacolo

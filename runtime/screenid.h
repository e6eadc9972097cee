// SPDX-License-Identifier: GPL-3.0-or-later
// The names of the program's eight screens, by which they show, hide, unload and reach one another:
// the start menu, the chooser, the five exercises in the order of the table of exercises
// (exercises/exercisetable.h), and the score screen.
#pragma once

namespace abacolo {

enum class ScreenId : int {
    frminizio,
    frmscelta,
    frmaddizioni,
    frmsottrazioni,
    frmmoltiplicazioni,
    frmmoltiplicazioni2,
    frmdivisioni,
    frmpunteggio,
};

// The screen's name as the program knows it ("frmaddizioni"), for messages and tests.
const char* screenName(ScreenId id);

} // namespace abacolo

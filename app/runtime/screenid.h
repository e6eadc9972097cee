// SPDX-License-Identifier: GPL-3.0-or-later
// The names of the program's screens, by which they show, hide, unload and reach one another.
#pragma once

namespace abacolo {

enum class ScreenId {
    frminizio,
    frmscelta,
    frmaddizioni,
    frmsottrazioni,
    frmmoltiplicazioni,
    frmmoltiplicazioni2,
    frmdivisioni,
    frmpunteggio,
};

} // namespace abacolo

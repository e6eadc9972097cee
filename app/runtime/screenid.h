// SPDX-License-Identifier: GPL-3.0-or-later
// The names of the program's screens, by which they show, hide, unload and reach one another. The screen
// services only pass them on; the names themselves are listed with the table of exercises
// (exercises/exercisetable.h), from which the exercise screens' names come.
#pragma once

namespace abacolo {

enum class ScreenId : int;

} // namespace abacolo

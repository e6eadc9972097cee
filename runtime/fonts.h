// SPDX-License-Identifier: GPL-3.0-or-later
// The fonts the screens ask for by name, and the faces that serve where those are missing.
#pragma once

#include "runtime/controltable.h"

#include <QFont>

namespace abacolo {

// Registers the faces compiled into the program, if any (in the browser: when fontFor first needs
// them), and the nearest faces of the same size and weight for "MS Sans Serif" and "Comic Sans MS".
void installFontSubstitutions();

// The face a control names, at its size and weight; `base` where it names none.
QFont fontFor(const FontSpec& face, const QFont& base);

} // namespace abacolo

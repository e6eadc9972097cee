// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop's side of runtime/platform.h: the screens are windows, as designed.
#include "runtime/platform.h"

namespace abacolo::platform {

void prepareApplication() {}

bool fillsThePage() {
    return false;
}

bool showsWindowIcon() {
    return true;
}

void screenShown() {}

bool readsFacesAtStart() {
    // Under Wine the toolkit's own face may be one compiled in: the faces are there before any window
    // asks for a font.
    return true;
}

} // namespace abacolo::platform

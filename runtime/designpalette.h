// SPDX-License-Identifier: GPL-3.0-or-later
// The colours every screen is drawn with, whatever the desktop's colour scheme: black text, white
// boxes, light buttons. Each screen then sets only its own background and the colours of its texts.
#pragma once

#include <QPalette>

namespace abacolo {

QPalette designPalette();

// Makes the design's colours the application's; call before any screen is built.
void installDesignPalette();

} // namespace abacolo

// SPDX-License-Identifier: GPL-3.0-or-later
// The warning sound in the browser: a tone of the page's own, since the toolkit's beep is silent there.
#include "runtime/alertsound.h"
#include "runtime/webpage.h"

namespace abacolo {

struct AlertSound::Player {};

AlertSound::AlertSound() = default;
AlertSound::~AlertSound() = default;

void AlertSound::play() {
    web::playTone();
}

} // namespace abacolo

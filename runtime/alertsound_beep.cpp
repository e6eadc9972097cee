// SPDX-License-Identifier: GPL-3.0-or-later
// The warning sound where the program has no sound theme to play (Windows): the system's beep.
#include "runtime/alertsound.h"

#include <QApplication>

namespace abacolo {

struct AlertSound::Player {};

AlertSound::AlertSound() = default;
AlertSound::~AlertSound() = default;

void AlertSound::play() {
    QApplication::beep();
}

} // namespace abacolo

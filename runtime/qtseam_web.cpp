// SPDX-License-Identifier: GPL-3.0-or-later
// The browser's part of the seam: the page around the program is told what the pupil's screen says.
#include "runtime/qtseam.h"
#include "runtime/webpage.h"

namespace abacolo {

// A page cannot close its browser's tab: the program ends, its screens gone, and the page says so with
// a button that starts it again.
void QtSeam::endProgram() {
    web::showEnded();
}

void QtSeam::announce(const QString& text) {
    web::announce(text);
}

void QtSeam::titleShown(const QString& title) {
    web::setTitle(title);
}

bool QtSeam::takeFullScreenKey() {
    web::toggleBrowserFullScreen();
    return true;
}

} // namespace abacolo

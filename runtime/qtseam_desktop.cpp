// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop's part of the seam: "&Esci" ends the event loop; the windows carry their own titles, the
// program's spoken labels reach the screen reader, and F11 is the program's own full screen.
#include "runtime/qtseam.h"

#include <QCoreApplication>

namespace abacolo {

void QtSeam::endProgram() {
    QCoreApplication::exit(0);
}

void QtSeam::announce(const QString& text) {
    ScreenSeam::announce(text);
}

void QtSeam::titleShown(const QString& title) {
    ScreenSeam::titleShown(title);
}

bool QtSeam::takeFullScreenKey() {
    return ScreenSeam::takeFullScreenKey();
}

} // namespace abacolo

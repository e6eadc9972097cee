// SPDX-License-Identifier: GPL-3.0-or-later
// The browser's side of runtime/platform.h: the page is the program's display.
#include "runtime/platform.h"
#include "runtime/webpage.h"

#include <QApplication>
#include <QFont>

namespace abacolo::platform {

void prepareApplication() {
    // The toolkit's own face (buttons without a face of their own) is 12 points in the browser; on the
    // desktop, where the screens were drawn, it is 9.
    constexpr int desktopPoints = 9;
    QFont font = QApplication::font();
    font.setPointSize(desktopPoints);
    QApplication::setFont(font);
    web::preparePage();
}

bool fillsThePage() {
    return true;
}

bool showsWindowIcon() {
    // No title bar shows it: reading and scaling it would only delay the start.
    return false;
}

void screenShown() {
    // Every widget shown has asked to be repainted later. The page's next frame comes before those
    // requests would be taken, and paints the whole screen; taken now, they are met by that frame,
    // instead of painting the screen a second time right after it.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateLater);
}

bool readsFacesAtStart() {
    // The start menu names no face (its one caption is in the toolkit's own face, which the browser's
    // Qt carries itself).
    return false;
}

} // namespace abacolo::platform

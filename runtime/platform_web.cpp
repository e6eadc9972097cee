// SPDX-License-Identifier: GPL-3.0-or-later
// The browser's side of runtime/platform.h: the page is the program's display.
#include "runtime/platform.h"
#include "runtime/webpage.h"
#include "runtime/webreader.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>

namespace abacolo::platform {

void prepareApplication() {
    // The toolkit's own face (buttons without a face of their own) is 12 points in the browser; on the
    // desktop, where the screens were drawn, it is 9.
    // The toolkit's face is the program's to carry (the browser's Qt has none of its own), with the
    // letters the program shows: every caption is drawn in it, so it comes before anything else.
    QFontDatabase::addApplicationFont(QStringLiteral(":/toolkit/DejaVuSans.ttf"));
    constexpr int desktopPoints = 9;
    QFont font = QApplication::font();
    font.setPointSize(desktopPoints);
    QApplication::setFont(font);
    web::preparePage();
    web::startReader();
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
    web::readerScreenShown();
}

bool readsFacesAtStart() {
    // The start menu names no face (its one caption is in the toolkit's own face, which the browser's
    // Qt carries itself).
    return false;
}

} // namespace abacolo::platform

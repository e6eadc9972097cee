// SPDX-License-Identifier: GPL-3.0-or-later
// Abacolo: column arithmetic drill for primary-school pupils. Starts on the start menu; the screens do
// the rest.
#include "app/identity.h"
#include "app/launch.h"
#include "app/program.h"
#include "runtime/platform.h"
#include "runtime/qtseam.h"

#include <QApplication>
#include <QPixmapCache>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    // The teacher's choice for the whole run; the help, or an option it does not know, and nothing starts.
    const abacolo::Launch launch = abacolo::readLaunch(argc, argv);
    if (!launch.level)
        return launch.status;
    abacolo::describeApplication();
    // Qt's pixmap cache keys the style's and the icons' drawings by palette, and every screen loaded
    // anew brings new palettes: its index would grow a little with each screen opened, for as long as
    // the program runs. The screens are few and small, so their bevels and signs are simply redrawn.
    QPixmapCache::setCacheLimit(0);
    // The screens end the program themselves ("&Esci", or closing the start menu); hiding the last
    // visible screen on the way to another must not.
    QApplication::setQuitOnLastWindowClosed(false);

    abacolo::platform::prepareApplication();

    abacolo::QtSeam seam;
    abacolo::Program program(seam);
    program.setLevel(*launch.level);
    if (abacolo::platform::fillsThePage())
        program.setFullScreen(true);
    program.start();
    const int status = QApplication::exec();
    // Screens closed by "&Esci" are deleted once the event loop has let go of them.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return status;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/qtseam.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>

namespace abacolo {

QList<QRect> qtDisplays() {
    QList<QRect> displays;
    if (const QScreen* primary = QGuiApplication::primaryScreen())
        displays.append(primary->geometry());
    for (const QScreen* screen : QGuiApplication::screens())
        if (screen != QGuiApplication::primaryScreen())
            displays.append(screen->geometry());
    return displays;
}

QRect qtDisplayOf(const QWidget& window) {
    // Qt keeps, for every window, the display the window system says it stands on.
    const QScreen* screen = window.screen();
    return screen != nullptr ? screen->geometry() : qtDisplays().value(0);
}

QtSeam::QtSeam() {
    // Queued: Qt tells of a display going away before it moves the windows that stood on it.
    QObject::connect(
        qGuiApp, &QGuiApplication::screenRemoved, &m_watch, [this] { displayRemoved(); },
        Qt::QueuedConnection);
}

void QtSeam::beep() {
    m_alert.play();
}

void QtSeam::endProgram() {
    QCoreApplication::exit(0);
}

} // namespace abacolo

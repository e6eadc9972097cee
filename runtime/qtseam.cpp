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
    for (QScreen* screen : QGuiApplication::screens())
        watch(screen);
    QObject::connect(qGuiApp, &QGuiApplication::screenAdded, &m_watch,
                     [this](QScreen* screen) { watch(screen); });
    QObject::connect(qGuiApp, &QGuiApplication::screenRemoved, &m_watch, [this](QScreen* screen) {
        // Told once Qt has moved the windows that stood on it, which it does after saying so.
        const QRect was = m_known.take(screen);
        const auto tell = [this, was] { displayChanged(was, {}); };
        QMetaObject::invokeMethod(&m_watch, tell, Qt::QueuedConnection);
    });
}

void QtSeam::watch(QScreen* screen) {
    m_known.insert(screen, screen->geometry());
    QObject::connect(screen, &QScreen::geometryChanged, &m_watch, [this, screen](const QRect& now) {
        const QRect was = m_known.value(screen);
        m_known.insert(screen, now);
        if (was != now)
            displayChanged(was, now);
    });
}

void QtSeam::beep() {
    m_alert.play();
}

} // namespace abacolo

// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/runtime/qtseam.h"

#include <QApplication>
#include <QScreen>

namespace abacolo {

void QtSeam::beep() {
    m_alert.play();
}

void QtSeam::endProgram() {
    QCoreApplication::exit(0);
}

QSize QtSeam::displaySize() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->geometry().size() : QSize();
}

} // namespace abacolo

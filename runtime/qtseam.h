// SPDX-License-Identifier: GPL-3.0-or-later
// The screen seam of the real program: the system's warning sound, event-loop exit and the displays Qt
// knows.
#pragma once

#include "runtime/alertsound.h"
#include "runtime/screenseam.h"

#include <QObject>

namespace abacolo {

// The displays as Qt knows them, the primary one first, and the one that holds a window.
QList<QRect> qtDisplays();
QRect qtDisplayOf(const QWidget& window);

class QtSeam : public ScreenSeam {
public:
    QtSeam();

    void beep() override;
    void endProgram() override;
    QList<QRect> displays() const override { return qtDisplays(); }
    QRect displayOf(const QWidget& window) const override { return qtDisplayOf(window); }

private:
    AlertSound m_alert;
    QObject m_watch; // keeps the connection to the system's displays for as long as the seam lives
};

} // namespace abacolo

// SPDX-License-Identifier: GPL-3.0-or-later
// The screen seam of the real program: the system's warning sound, event-loop exit and the displays Qt
// knows.
#pragma once

#include "runtime/alertsound.h"
#include "runtime/screenseam.h"

#include <QHash>
#include <QObject>

class QScreen;

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
    // Each platform's own (qtseam_desktop.cpp, qtseam_web.cpp): the desktop ends the event loop and
    // leaves the rest to the windows; the browser's page is told.
    void announce(const QString& text) override;
    void titleShown(const QString& title) override;
    bool takeFullScreenKey() override;

private:
    // Follows the display's size from now on.
    void watch(QScreen* screen);

    AlertSound m_alert;
    QHash<const QScreen*, QRect> m_known; // every display's rectangle as last told
    QObject m_watch; // keeps the connection to the system's displays for as long as the seam lives
};

} // namespace abacolo

// SPDX-License-Identifier: GPL-3.0-or-later
// What the screens ask of the system: the warning beep, ending the program and the displays.
// The program fills it with Qt (QtSeam); tests fill it with a recorder.
#pragma once

#include <QList>
#include <QRect>

#include <functional>

class QWidget;

namespace abacolo {

class ScreenSeam {
public:
    virtual ~ScreenSeam() = default;

    virtual void beep() = 0;
    // Ends the program once the screens are closed.
    virtual void endProgram() = 0;

    // The displays, as rectangles of the desktop in pixels; the primary display first. A laptop with a
    // board beside it has two.
    virtual QList<QRect> displays() const = 0;
    // The display that holds the window, the one with most of it as the window system judges; the
    // primary display when it stands on none.
    virtual QRect displayOf(const QWidget& window) const = 0;

    QRect primaryDisplay() const { return displays().value(0); }
    bool hasDisplay(const QRect& display) const { return displays().contains(display); }

    // Who is told when a display goes away (the board unplugged), once the system has moved the windows
    // that stood on it; one listener, or none.
    void setDisplayRemovedHandler(std::function<void()> handler) { m_displayRemoved = std::move(handler); }

protected:
    void displayRemoved() const {
        if (m_displayRemoved)
            m_displayRemoved();
    }

private:
    std::function<void()> m_displayRemoved;
};

} // namespace abacolo

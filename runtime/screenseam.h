// SPDX-License-Identifier: GPL-3.0-or-later
// What the screens ask of the system: the warning beep, ending the program, the displays, and what the
// page around the program is told in the browser. The program fills it with Qt (QtSeam); tests fill it
// with a recorder.
#pragma once

#include <QList>
#include <QRect>
#include <QString>

#include <QtGlobal>

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

    // Who is told when a display changes its size (a browser's window resized, a tablet turned) or goes
    // away (the board unplugged), once the system has moved the windows: the display as it was and as it
    // is now, empty where it went away. One listener, or none.
    using DisplayChangedHandler = std::function<void(const QRect& was, const QRect& now)>;
    void setDisplayChangedHandler(DisplayChangedHandler handler) { m_displayChanged = std::move(handler); }

    // What a screen reader says at once, wherever the focus is: the problem when an exercise opens and
    // when a new one comes, each verdict, the score. The desktop's screen readers hear the program's
    // spoken labels themselves; a browser's hear the page's live region, which this fills.
    virtual void announce(const QString& text) { Q_UNUSED(text); }
    // The title of the screen the pupil has before them, for the page that holds the program (a
    // desktop's windows carry their own).
    virtual void titleShown(const QString& title) { Q_UNUSED(title); }
    // F11, where the system answers it itself: in the browser the program always fills its page, and
    // F11 has the browser fill the whole display with the page, or leave it. False elsewhere, where the
    // program's own full screen answers.
    virtual bool takeFullScreenKey() { return false; }

protected:
    void displayChanged(const QRect& was, const QRect& now) const {
        if (m_displayChanged)
            m_displayChanged(was, now);
    }

private:
    DisplayChangedHandler m_displayChanged;
};

} // namespace abacolo

// SPDX-License-Identifier: GPL-3.0-or-later
// What the screens ask of the system: the warning beep, ending the program and the display's size.
// The program fills it with Qt (QtSeam); tests fill it with a recorder.
#pragma once

#include <QSize>

namespace abacolo {

class ScreenSeam {
public:
    virtual ~ScreenSeam() = default;

    virtual void beep() = 0;
    // Ends the program once the screens are closed.
    virtual void endProgram() = 0;
    // The display's size in pixels.
    virtual QSize displaySize() const = 0;
};

} // namespace abacolo

// The screen seam of the real program: Qt's beep, event-loop exit and primary screen.
#pragma once

#include "app/runtime/screenseam.h"

namespace abacolo {

class QtSeam : public ScreenSeam {
public:
    void beep() override;
    void endProgram() override;
    QSize displaySize() const override;
};

} // namespace abacolo

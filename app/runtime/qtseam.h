// SPDX-License-Identifier: GPL-3.0-or-later
// The screen seam of the real program: the system's warning sound, event-loop exit and primary screen.
#pragma once

#include "app/runtime/alertsound.h"
#include "app/runtime/screenseam.h"

namespace abacolo {

class QtSeam : public ScreenSeam {
public:
    void beep() override;
    void endProgram() override;
    QSize displaySize() const override;

private:
    AlertSound m_alert;
};

} // namespace abacolo

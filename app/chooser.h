// SPDX-License-Identifier: GPL-3.0-or-later
// The multiplication chooser: one or two digits in the multiplier.
#pragma once

#include "runtime/screen.h"

namespace abacolo {

class Chooser : public Screen {
    Q_OBJECT
public:
    explicit Chooser(Registry& registry);

    void Form_Load() override;

    void cmd1_Click();
    void cmd2_Click();

protected:
    void frameClosed() override;
};

} // namespace abacolo

// SPDX-License-Identifier: GPL-3.0-or-later
// The start menu: four picture buttons that open the exercises (multiplication through the chooser)
// and "&Esci", which ends the program.
#pragma once

#include "runtime/screen.h"

namespace abacolo {

class StartMenu : public Screen {
    Q_OBJECT
public:
    explicit StartMenu(Registry& registry);

    void Form_Load() override;

    void cmdadd_Click();
    void cmdsott_Click();
    void cmdmolt_Click();
    void cmddiv_Click();
    void cmdesci_Click();

protected:
    void frameClosed() override;
};

} // namespace abacolo

// SPDX-License-Identifier: GPL-3.0-or-later
// The start menu: four picture buttons that open the exercises (multiplication through the chooser)
// and "&Esci", which ends the program.
#pragma once

#include "numeric/level.h"
#include "runtime/screen.h"

#include <string>

namespace abacolo {

// "Metto in colonna e calcolo entro il 99, senza cambio": the start menu's title names the range and,
// when it is off, the carrying the teacher chose.
std::string startMenuTitle(const Level& level);

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

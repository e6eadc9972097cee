// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/chooser.h"

#include "runtime/registry.h"
#include "runtime/screenseam.h"

#include <QPushButton>

namespace abacolo {
namespace {

constexpr FormSpec form{"Moltiplicazioni", 4815, 1590, {255, 192, 128}};
constexpr FontSpec questionFont{"Comic Sans MS", 14.25, false, false};
constexpr FontSpec answerFont{"Comic Sans MS", 12, false, false};

constexpr ControlSpec controls[] = {
    {.name = "Label1",
     .kind = Kind::Label,
     .place = {240, 240, 4335, 495},
     .text = "Con 1 o 2 cifre al moltiplicatore?",
     .colour = colours::blue,
     .font = questionFont,
     .tab = 0},
    {.name = "cmd1",
     .kind = Kind::Button,
     .place = {720, 960, 1215, 375},
     .text = "1",
     .font = answerFont,
     .tab = 1,
     .accessible = "1 cifra"},
    {.name = "cmd2",
     .kind = Kind::Button,
     .place = {2880, 960, 1215, 375},
     .text = "2",
     .font = answerFont,
     .tab = 2,
     .accessible = "2 cifre"},
};

} // namespace

Chooser::Chooser(Registry& registry) : Screen(registry, ScreenId::frmscelta, form) {
    addControls(controls);
    finishTabOrder();
    connect(button(QStringLiteral("cmd1")), &QPushButton::clicked, this, &Chooser::cmd1_Click);
    connect(button(QStringLiteral("cmd2")), &QPushButton::clicked, this, &Chooser::cmd2_Click);
    // Within 99 there is no two-digit multiplication: its button is there, and cannot be pressed.
    button(QStringLiteral("cmd2"))->setEnabled(offersTwoDigitMultiplier(registry.level().range));
}

void Chooser::Form_Load() {
    centre(registry().display());
}

void Chooser::cmd1_Click() {
    registry().screen(ScreenId::frmmoltiplicazioni).showScreen();
    registry().screen(ScreenId::frminizio).hideScreen();
    registry().unload(ScreenId::frmscelta);
}

void Chooser::cmd2_Click() {
    registry().screen(ScreenId::frmmoltiplicazioni2).showScreen();
    registry().screen(ScreenId::frminizio).hideScreen();
    registry().unload(ScreenId::frmscelta);
}

void Chooser::frameClosed() {
    registry().unload(ScreenId::frmscelta);
}

} // namespace abacolo

// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/program.h"

#include "app/chooser.h"
#include "app/runtime/accessibility.h"
#include "app/runtime/designpalette.h"
#include "app/runtime/fonts.h"
#include "app/startmenu.h"
#include "exercises/exercisescreen.h"
#include "exercises/exercisetable.h"
#include "score/scorescreen.h"

namespace abacolo {
namespace {

template <typename T> Registry::Factory factoryOf() {
    return [](Registry& registry) { return std::make_unique<T>(registry); };
}

} // namespace

Program::Program(ScreenSeam& seam) : Registry(seam) {
    installFontSubstitutions();
    installAccessibleInterfaces();
    installDesignPalette();
    setFactory(ScreenId::frminizio, factoryOf<StartMenu>());
    setFactory(ScreenId::frmscelta, factoryOf<Chooser>());
    for (const Exercise& exercise : exercises)
        setFactory(exercise.screen, exercise.make);
    setFactory(ScreenId::frmpunteggio, factoryOf<ScoreScreen>());
}

void Program::start() {
    frminizio().showScreen();
}

StartMenu& Program::frminizio() {
    return static_cast<StartMenu&>(screen(ScreenId::frminizio));
}
Chooser& Program::frmscelta() {
    return static_cast<Chooser&>(screen(ScreenId::frmscelta));
}
ExerciseScreen& Program::exercise(ScreenId id) {
    return static_cast<ExerciseScreen&>(screen(id));
}
ExerciseScreen& Program::frmaddizioni() {
    return exercise(ScreenId::frmaddizioni);
}
ExerciseScreen& Program::frmsottrazioni() {
    return exercise(ScreenId::frmsottrazioni);
}
ExerciseScreen& Program::frmmoltiplicazioni() {
    return exercise(ScreenId::frmmoltiplicazioni);
}
ExerciseScreen& Program::frmmoltiplicazioni2() {
    return exercise(ScreenId::frmmoltiplicazioni2);
}
ExerciseScreen& Program::frmdivisioni() {
    return exercise(ScreenId::frmdivisioni);
}
ScoreScreen& Program::frmpunteggio() {
    return static_cast<ScoreScreen&>(screen(ScreenId::frmpunteggio));
}

} // namespace abacolo

// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/program.h"

#include "app/chooser.h"
#include "app/startmenu.h"
#include "exercises/exercisescreen.h"
#include "runtime/accessibility.h"
#include "runtime/designpalette.h"
#include "runtime/fonts.h"
#include "runtime/picture.h"
#include "runtime/platform.h"
#include "score/scorescreen.h"

#include <QApplication>

namespace abacolo {
namespace {

template <typename T> Registry::Factory factoryOf() {
    return [](Registry& registry) { return std::make_unique<T>(registry); };
}

template <typename T> T& screenAs(Registry& registry, ScreenId id) {
    auto* typed = dynamic_cast<T*>(&registry.screen(id));
    if (typed == nullptr)
        qFatal("The screen %s is not of the kind the program asked for", screenName(id));
    return *typed;
}

} // namespace

Program::Program(ScreenSeam& seam) : Registry(seam) {
    installFontSubstitutions();
    installAccessibleInterfaces();
    installDesignPalette();
    // One icon for every window, read once: each screen shows the program's.
    if (platform::showsWindowIcon())
        QApplication::setWindowIcon(windowIcon());
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
    return screenAs<StartMenu>(*this, ScreenId::frminizio);
}
Chooser& Program::frmscelta() {
    return screenAs<Chooser>(*this, ScreenId::frmscelta);
}
ExerciseScreen& Program::exercise(ScreenId id) {
    return screenAs<ExerciseScreen>(*this, id);
}
ScoreScreen& Program::frmpunteggio() {
    return screenAs<ScoreScreen>(*this, ScreenId::frmpunteggio);
}

} // namespace abacolo

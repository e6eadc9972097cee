#include "app/program.h"

#include "app/chooser.h"
#include "app/runtime/accessibility.h"
#include "app/runtime/designpalette.h"
#include "app/runtime/fonts.h"
#include "app/runtime/screenseam.h"
#include "app/startmenu.h"
#include "exercises/addition/screen.h"
#include "exercises/division/screen.h"
#include "exercises/multiplication/screen.h"
#include "exercises/multiplication2/screen.h"
#include "exercises/subtraction/screen.h"
#include "score/scorescreen.h"

#include <QApplication>

namespace abacolo {
namespace {

template <typename T> Program::Factory factoryOf() {
    return [](Program& program) { return std::make_unique<T>(program); };
}

std::size_t slot(ScreenId id) {
    return static_cast<std::size_t>(id);
}

} // namespace

Program::Program(ScreenSeam& seam) : m_seam(seam) {
    installFontSubstitutions();
    installAccessibleInterfaces();
    installDesignPalette();
    m_factories[slot(ScreenId::frminizio)] = factoryOf<StartMenu>();
    m_factories[slot(ScreenId::frmscelta)] = factoryOf<Chooser>();
    m_factories[slot(ScreenId::frmaddizioni)] = factoryOf<AdditionScreen>();
    m_factories[slot(ScreenId::frmsottrazioni)] = factoryOf<SubtractionScreen>();
    m_factories[slot(ScreenId::frmmoltiplicazioni)] = factoryOf<MultiplicationScreen>();
    m_factories[slot(ScreenId::frmmoltiplicazioni2)] = factoryOf<Multiplication2Screen>();
    m_factories[slot(ScreenId::frmdivisioni)] = factoryOf<DivisionScreen>();
    m_factories[slot(ScreenId::frmpunteggio)] = factoryOf<ScoreScreen>();
}

Program::~Program() {
    for (Screen*& screen : m_screens) {
        delete screen;
        screen = nullptr;
    }
}

void Program::setFactory(ScreenId id, Factory factory) {
    m_factories[slot(id)] = std::move(factory);
}

void Program::start() {
    frminizio().showScreen();
}

Screen& Program::screen(ScreenId id) {
    Screen*& instance = m_screens[slot(id)];
    if (instance == nullptr) {
        instance = m_factories[slot(id)](*this).release();
        instance->Form_Load();
    }
    return *instance;
}

bool Program::isLoaded(ScreenId id) const {
    return m_screens[slot(id)] != nullptr;
}

void Program::unload(ScreenId id) {
    Screen* instance = m_screens[slot(id)];
    if (instance == nullptr)
        return;
    m_screens[slot(id)] = nullptr;
    instance->prepareUnload();
    instance->hide();
    // The screen may be running one of its own handlers: Qt deletes it once that has returned.
    instance->deleteLater();
}

void Program::end() {
    for (int i = 0; i < screenCount; ++i)
        unload(static_cast<ScreenId>(i));
    m_seam.endProgram();
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

// The program object: owns the eight screens as single named instances, created and loaded on first
// reference, and the random generator they share. Screens reach each other only through it.
#pragma once

#include "app/runtime/generator.h"
#include "app/runtime/screen.h"

#include <array>
#include <functional>
#include <memory>

namespace abacolo {

class ScreenSeam;
class StartMenu;
class Chooser;
class ExerciseScreen;
class ScoreScreen;

class Program {
public:
    using Factory = std::function<std::unique_ptr<Screen>(Program&)>;

    // `seam` must outlive the program. Tests may replace the factory of any screen, for example to put a
    // test operation in place of an exercise screen.
    explicit Program(ScreenSeam& seam);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    void setFactory(ScreenId id, Factory factory);

    // Program start: loads the start menu and shows it.
    void start();

    // The screen's single instance, loaded (hidden) first if it is not loaded: its Form_Load runs.
    Screen& screen(ScreenId id);
    bool isLoaded(ScreenId id) const;
    // Discards the screen; the next reference loads a fresh one. Safe from the screen's own handlers.
    void unload(ScreenId id);
    // Closes every screen, shown or hidden, and ends the program.
    void end();

    StartMenu& frminizio();
    Chooser& frmscelta();
    ExerciseScreen& frmaddizioni();
    ExerciseScreen& frmsottrazioni();
    ExerciseScreen& frmmoltiplicazioni();
    ExerciseScreen& frmmoltiplicazioni2();
    ExerciseScreen& frmdivisioni();
    ExerciseScreen& exercise(ScreenId id);
    ScoreScreen& frmpunteggio();

    Generator& generator() { return m_generator; }
    ScreenSeam& seam() { return m_seam; }

private:
    ScreenSeam& m_seam;
    Generator m_generator;
    std::array<Factory, screenCount> m_factories;
    std::array<Screen*, screenCount> m_screens{};
};

} // namespace abacolo

// SPDX-License-Identifier: GPL-3.0-or-later
// Test support: a screen seam that records beeps, the request to end, what the page would announce and
// the titles it would show, with a primary display of a chosen size and other displays beside it, and a
// program whose generator and clock are fixed so every draw can be replayed.
#pragma once

#include "app/program.h"
#include "runtime/screen.h"
#include "runtime/screenseam.h"

#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

#include <vector>

class QLineEdit;
class QPushButton;

namespace abacolo::test {

class RecordingSeam : public ScreenSeam {
public:
    void beep() override { ++beeps; }
    void endProgram() override { ++endRequests; }
    void announce(const QString& text) override { announcements << text; }
    void titleShown(const QString& title) override { titles << title; }
    QList<QRect> displays() const override;
    // The display that holds the centre of the window with its frame, as a window manager judges.
    QRect displayOf(const QWidget& window) const override;

    int beeps = 0;
    int endRequests = 0;
    QStringList announcements;
    QStringList titles;
    QSize display{1280, 1024}; // the primary display's, at the desktop's origin
    QList<QRect> others;       // further displays, in desktop pixels
};

// The program's screens in the registry's order: the start menu, the chooser, the exercises of the
// table of exercises and the score screen.
std::vector<ScreenId> allScreens();

// A program on a recording seam whose generator is seeded and whose clock stands still.
struct TestProgram {
    explicit TestProgram(std::uint64_t seed = 1);
    ~TestProgram();

    RecordingSeam seam;
    Program program{seam};
};

// Lets Qt delete the screens that were unloaded.
void flushDeletions();

// Types `text` into a box as the pupil would: replaces what it holds.
void type(Screen& screen, const char* box, const QString& text);
void click(Screen& screen, const char* button);

} // namespace abacolo::test

namespace abacolo::test {

// The first seed from which a screen's load (randomize with the clock standing at 0, then one draw)
// gives a problem that `wanted` accepts; tests use it to put a chosen problem on a screen.
template <typename Draw, typename Wanted> std::uint64_t seedFor(Draw draw, Wanted wanted) {
    for (std::uint64_t seed = 1;; ++seed) {
        Generator generator(seed);
        generator.setClock([] { return std::uint64_t{0}; });
        generator.randomize();
        if (wanted(draw(generator)))
            return seed;
    }
}

} // namespace abacolo::test

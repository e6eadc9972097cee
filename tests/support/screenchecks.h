// SPDX-License-Identifier: GPL-3.0-or-later
// Checks the exercise screen tests share: digit boxes, grid labels, the common controls, grid lines,
// the tab order and the verdict of a check, with small helpers to type rows and replay the generator.
#pragma once

#include "support/recorder.h"

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <span>

namespace abacolo {
class ExerciseScreen;
}

// Every helper below that can fail returns void; unless the call ends the test function, the caller
// follows it with
//     if (QTest::currentTestFailed())
//         return;
// so that a failed check ends the test function that called it.
namespace abacolo::test {

// The colours of the column heads and their digits.
inline const QColor blue(0, 0, 255);
inline const QColor green(0, 192, 0);
inline const QColor darkGreen(0, 128, 0);
inline const QColor red(255, 0, 0);
inline const QColor black(0, 0, 0);

QString q(const char* ascii);
// A table of control names as strings.
QStringList names(std::span<const char* const> ascii);

// A place given in twips (left, top, width, height) as the pixel rectangle the screen uses: twips / 15.
QRect px(int left, int top, int width, int height);

// Shows the screen and waits until its window is the active one.
bool showActive(Screen& screen);
// The object name of the widget that has the keyboard focus, or nothing.
QString focused();
// The text colour of the feedback message.
QColor messageColour(const Screen& screen);
// The texts of `boxes` joined in their order.
QString joined(const Screen& screen, const QStringList& boxes);

// Types texts[i] into boxes[i]; boxes beyond the texts are emptied.
void typeRow(Screen& screen, const QStringList& boxes, const QStringList& texts);

// Each of `boxes` holds the text at the same place in `texts`; boxes beyond the texts hold nothing.
void checkTexts(const Screen& screen, const QStringList& boxes, const QStringList& texts = {});

// A digit box as the pupil finds it: at `geometry`, shown, enabled, empty, in `colour`, "MS Sans Serif"
// 12 pt bold, centred, taking any text of any length.
void checkDigitBox(const Screen& screen, const QString& name, const QRect& geometry, const QColor& colour);

// A column head or a sign beside a row: its caption at `geometry`, in `colour` on `background`, in the
// digits' font, centred.
void checkGridLabel(const Screen& screen, const QString& name, const QString& caption, const QRect& geometry,
                    const QColor& colour, const QColor& background);

// A control every exercise screen has, at `geometry`; a button shows `text` as its caption, any other
// control as its text.
void checkCommonControl(const Screen& screen, const QString& name, const QString& text,
                        const QRect& geometry);

// The operation line: "MS Sans Serif" 13.5 pt, not bold, at `geometry`, aligned as `alignment`, showing
// `text`.
void checkOperationLine(const Screen& screen, const QRect& geometry, Qt::Alignment alignment,
                        const QString& text);

// The feedback message before any check: "Comic Sans MS" 18 pt bold, centred, blue.
void checkMessageLook(const Screen& screen);

// The message after a check: the praise in blue when `right`, else the call to try again in red.
void checkMessage(const Screen& screen, bool right);

// The verdict of the first check on a screen: the message, one right or one wrong answer, and a beep
// only for a wrong one.
void checkVerdict(const ExerciseScreen& screen, const RecordingSeam& seam, bool right);

// The screen, shown, grabbed at `size`: black at every point of `onLines`, `background` at every point
// of `beside`.
void checkGridLines(Screen& screen, QSize size, std::span<const QPoint> onLines,
                    std::span<const QPoint> beside, const QColor& background);

// Tab presses from the control that has the focus walk through `expected`, the first name included;
// waits for the screen's window to be active first.
void checkTabOrder(Screen& screen, const QStringList& expected);

// "&Punteggio" sets the screen's exercise code, which is `code`; before, the screen does not ask.
void checkScoreCode(ExerciseScreen& screen, int code);

// The problem a screen loaded from `seed` shows: the load mixes the (standing) clock into the generator
// once, then draws.
template <typename Draw> auto drawnAtLoad(std::uint64_t seed, Draw draw) {
    Generator generator(seed);
    generator.setClock([] { return std::uint64_t{0}; });
    generator.randomize();
    return draw(generator);
}

// The problem a screen loaded from `seed` shows after one right check: the load and the check each mix
// the (standing) clock into the generator once, and each draw follows its mixing.
template <typename Draw> auto drawnAfterRightCheck(std::uint64_t seed, Draw draw) {
    Generator generator(seed);
    generator.setClock([] { return std::uint64_t{0}; });
    generator.randomize();
    draw(generator);
    generator.randomize();
    return draw(generator);
}

} // namespace abacolo::test

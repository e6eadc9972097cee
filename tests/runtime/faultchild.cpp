// SPDX-License-Identifier: GPL-3.0-or-later
// Makes the one programming error its argument names, for the test that such an error stops the
// program with a message naming what was asked for: "screen", "record", "handoff", "kind", "control";
// "none" makes none and ends normally.
#include "app/startmenu.h"
#include "exercises/exercisescreen.h"
#include "support/fakeexercise.h"
#include "support/recorder.h"

#include <QApplication>

using namespace abacolo;

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const QString fault = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    test::TestProgram t;
    if (fault == QLatin1String("screen")) {
        // A registry with no screen at all.
        Registry empty(t.seam);
        empty.screen(ScreenId::frmaddizioni);
    } else if (fault == QLatin1String("record")) {
        t.program.record(ScreenId::frminizio);
    } else if (fault == QLatin1String("handoff")) {
        t.program.scoreHandOff(ScreenId::frmaddizioni);
    } else if (fault == QLatin1String("kind")) {
        test::FakeExercise::replace(t.program, ScreenId::frmaddizioni);
        t.program.frmaddizioni();
    } else if (fault == QLatin1String("control")) {
        t.program.frmaddizioni().control(QStringLiteral("txtc"));
    }
    return 0;
}

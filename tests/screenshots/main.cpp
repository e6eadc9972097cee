// SPDX-License-Identifier: GPL-3.0-or-later
// Renders every screen of the program, in the states a pupil meets, to PNG files: the pictures of
// docs/screenshots. Usage: abacolo_screenshots [--scale=2] OUTPUT_DIR [FONT_REPORT] (--scale=2 or
// QT_SCALE_FACTOR=2 for the 2× set). FONT_REPORT names a text file that receives the face serving each font
// the screens ask for.
// abacolo_screenshots --where=WIDTHxHEIGHT prints, for every screen in full screen on a display of that
// size, where each named control's centre lies ("SCREEN CONTROL X Y", in display pixels): the scripts
// that photograph the real program there press its buttons and the digit pad by these.
// --where=window prints the same for every screen at its designed size in a window, in the window's
// pixels (scripts/bench presses the buttons by these).
#include "app/chooser.h"
#include "app/startmenu.h"
#include "exercises/addition/screen.h"
#include "exercises/division/problem.h"
#include "exercises/division/screen.h"
#include "exercises/exercisescreen.h"
#include "score/scorescreen.h"
#include "support/recorder.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QLabel>
#include <QPixmap>

#include <cstdio>
#include <cstring>

using namespace abacolo;

namespace {

QString outputDir;

void save(QWidget& widget, const char* name) {
    widget.grab().save(QDir(outputDir).filePath(QString::fromLatin1(name) + QStringLiteral(".png")));
}

void typeRow(Screen& screen, std::initializer_list<std::pair<const char*, const char*>> boxes) {
    for (const auto& [box, text] : boxes)
        test::type(screen, box, QString::fromLatin1(text));
}

// One line per control: "FAMILY" POINTS pt [bold] [italic] -> the face the platform chose.
void reportFonts(const QString& path, std::initializer_list<const QWidget*> controls) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        qFatal("cannot write %s", qPrintable(path));
    for (const QWidget* control : controls) {
        const QFont& font = control->font();
        QString line = QStringLiteral("\"%1\" %2 pt").arg(font.family()).arg(font.pointSizeF());
        if (font.bold())
            line += QStringLiteral(" bold");
        if (font.italic())
            line += QStringLiteral(" italic");
        line += QStringLiteral(" -> %1 (%2)\n").arg(QFontInfo(font).family(), control->objectName());
        file.write(line.toUtf8());
    }
}

// The centres of every named control of every screen in full screen on a display of `size`, or in a
// window when `size` is "window".
int printWhere(const QString& size) {
    const bool windowed = size == QLatin1String("window");
    const QStringList sides = size.split(QLatin1Char('x'));
    const QSize display(sides.value(0).toInt(), sides.value(1).toInt());
    if (!windowed && (sides.size() != 2 || display.isEmpty())) {
        qWarning("--where wants a display size such as 1920x1080, or window, not %s", qPrintable(size));
        return 2;
    }
    test::TestProgram t;
    if (!windowed) {
        t.seam.display = display;
        t.program.setFullScreen(true);
    }
    for (const ScreenId id : test::allScreens()) {
        Screen& screen = t.program.screen(id);
        screen.showScreen();
        for (const QWidget* control : screen.findChildren<QWidget*>()) {
            if (control->objectName().isEmpty() || !control->isVisibleTo(&screen))
                continue;
            const QPoint centre = control->mapTo(&screen, control->rect().center());
            std::printf("%s %s %d %d\n", t.program.screenName(id), qPrintable(control->objectName()),
                        centre.x(), centre.y());
        }
        screen.hideScreen();
    }
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    // "--scale=F" before the folder does what QT_SCALE_FACTOR=F does, where the environment cannot carry
    // it (Wine hides QT_ variables from Windows programs).
    if (argc > 1 && std::strncmp(argv[1], "--scale=", 8) == 0) {
        qputenv("QT_SCALE_FACTOR", QByteArray(argv[1] + 8));
        argv[1] = argv[0];
        ++argv;
        --argc;
    }
    QApplication application(argc, argv);
    if (argc > 1 && std::strncmp(argv[1], "--where=", 8) == 0)
        return printWhere(QString::fromLocal8Bit(argv[1] + 8));
    if (argc < 2) {
        qWarning("usage: abacolo_screenshots OUTPUT_DIR");
        return 2;
    }
    outputDir = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(outputDir);

    test::TestProgram t;
    Program& program = t.program;
    program.start();
    save(program.frminizio(), "start-menu");
    program.frminizio().cmdmolt_Click();
    save(program.frmscelta(), "chooser");
    program.unload(ScreenId::frmscelta);

    // Addition: empty, after a right check, after a wrong one.
    auto& addition = static_cast<AdditionScreen&>(program.frmaddizioni());
    addition.showScreen();
    save(addition, "addition-empty");
    const QString sum = QString::number(addition.problem().sum);
    test::type(addition, "txturis", sum);
    addition.cmdconferma_Click();
    save(addition, "addition-right");
    typeRow(addition, {{"txtk1", "1"}, {"txth1", "2"}, {"txtda1", "3"}, {"txtu1", "4"}, {"txturis", "7"}});
    addition.cmdconferma_Click();
    save(addition, "addition-wrong");

    for (ScreenId id :
         {ScreenId::frmsottrazioni, ScreenId::frmmoltiplicazioni, ScreenId::frmmoltiplicazioni2}) {
        ExerciseScreen& exercise = program.exercise(id);
        exercise.showScreen();
        save(exercise, id == ScreenId::frmsottrazioni       ? "subtraction-empty"
                       : id == ScreenId::frmmoltiplicazioni ? "multiplication-empty"
                                                            : "multiplication2-empty");
    }

    // Division worked through 7345 : 6.
    program.generator().seed(test::seedFor(
        division::draw, [](const division::Problem& p) { return p.dividend == 7345 && p.divisor == 6; }));
    program.unload(ScreenId::frmdivisioni);
    test::flushDeletions();
    auto& divisionScreen = static_cast<DivisionScreen&>(program.frmdivisioni());
    divisionScreen.showScreen();
    save(divisionScreen, "division-empty");
    typeRow(divisionScreen, {{"txtk1", "7"},
                             {"txth1", "3"},
                             {"txtda1", "4"},
                             {"txtu1", "5"},
                             {"txtdivis", "6"},
                             {"txtpark1", "1"},
                             {"txtparh1", "3"},
                             {"txtparh2", "1"},
                             {"txtparda2", "4"},
                             {"txtparda3", "2"},
                             {"txtparu3", "5"},
                             {"txtparu4", "1"},
                             {"txtkris", "1"},
                             {"txthris", "2"},
                             {"txtdaris", "2"},
                             {"txturis", "4"}});
    save(divisionScreen, "division-worked");

    // The score screen before and after computing, for the addition screen's counts.
    addition.cmdpunteggio_Click();
    save(program.frmpunteggio(), "score-before");
    program.frmpunteggio().cmdcalcola_Click();
    save(program.frmpunteggio(), "score-after");

    if (argc > 2)
        reportFonts(QString::fromLocal8Bit(argv[2]),
                    {addition.control(QStringLiteral("txturis")), addition.label(QStringLiteral("lbloper")),
                     addition.label(QStringLiteral("lblmessaggio")),
                     addition.control(QStringLiteral("cmdconferma")),
                     program.frmpunteggio().label(QStringLiteral("lblvoto"))});
    return 0;
}

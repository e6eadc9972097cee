// SPDX-License-Identifier: GPL-3.0-or-later
// The screen renderer: draws every screen of the program, in the states a pupil meets, to PNG files
// (the pictures of docs/screenshots), or says where every control of every screen lies, for the
// scripts that press the real program's buttons (scripts/bench, scripts/fullscreen-photos,
// scripts/windows). It builds the screens as the tests do, with a seam that records instead of beeping.
//   abacolo_screenshots [--scale F] OUTPUT_DIR [FONT_REPORT]
//       the pictures, at the scale F (as QT_SCALE_FACTOR=F does: 2 for the 2x set); FONT_REPORT names a
//       text file that receives the face serving each font the screens ask for
//   abacolo_screenshots --where WIDTHxHEIGHT
//       for every screen in full screen on a display of that size, where each named control's centre
//       lies ("SCREEN CONTROL X Y", in display pixels); the score screen's also once computed; each
//       screen's title ("title SCREEN TEXT"); and the tour that opens every screen (tour.h), a step a
//       line ("tour SCREEN CONTROL NEXT PHOTO", "-" where nothing is photographed)
//   abacolo_screenshots --where window
//       the same at the designed size in a window, in the window's pixels
//   abacolo_screenshots --title QUERY
//       the start menu's title at the teacher's choice of a page address ("?entro=99&cambio=no")
#include "app/chooser.h"
#include "app/startmenu.h"
#include "app/teacherchoice.h"
#include "exercises/addition/screen.h"
#include "exercises/division/problem.h"
#include "exercises/division/screen.h"
#include "exercises/exercisescreen.h"
#include "score/scorescreen.h"
#include "support/recorder.h"
#include "tour.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QLabel>
#include <QPixmap>
#include <QSet>

#include <cstdio>

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
        QSet<const QWidget*> told;
        const auto tell = [&] {
            for (const QWidget* control : screen.findChildren<QWidget*>()) {
                if (control->objectName().isEmpty() || !control->isVisibleTo(&screen) ||
                    told.contains(control))
                    continue;
                told.insert(control);
                const QPoint centre = control->mapTo(&screen, control->rect().center());
                std::printf("%s %s %d %d\n", screenName(id), qPrintable(control->objectName()), centre.x(),
                            centre.y());
            }
        };
        tell();
        // The score screen shows its result and "&OK" once computed.
        if (id == ScreenId::frmpunteggio) {
            t.program.frmpunteggio().cmdcalcola_Click();
            tell();
        }
        std::printf("title %s %s\n", screenName(id), qPrintable(screen.windowTitle()));
        screen.hideScreen();
    }
    for (const TourStep& step : tour)
        std::printf("tour %s %s %s %s\n", screenName(step.screen), step.control, screenName(step.next),
                    step.photo != nullptr ? step.photo : "-");
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Draws every screen of Abacolo to PNG files, or says "
                                                    "where every control of every screen lies."));
    parser.addHelpOption();
    // The scale is read before the application exists, since Qt takes it then; the environment cannot
    // always carry QT_SCALE_FACTOR (Wine hides QT_ variables from Windows programs).
    const QCommandLineOption scale(QStringLiteral("scale"),
                                   QStringLiteral("Draws at this scale (2 for the 2x set)."),
                                   QStringLiteral("factor"));
    const QCommandLineOption where(
        QStringLiteral("where"),
        QStringLiteral("Prints where each control lies, in full screen on a display of this size "
                       "(1920x1080) or in a window (window), instead of drawing."),
        QStringLiteral("size"));
    const QCommandLineOption title(QStringLiteral("title"),
                                   QStringLiteral("Prints the start menu's title at the teacher's choice of "
                                                  "this page address query, instead of drawing."),
                                   QStringLiteral("query"));
    parser.addOptions({scale, where, title});
    parser.addPositionalArgument(QStringLiteral("folder"), QStringLiteral("Where the pictures go."));
    parser.addPositionalArgument(QStringLiteral("font-report"),
                                 QStringLiteral("A text file that receives the face serving each font."),
                                 QStringLiteral("[font-report]"));
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const bool parsed = parser.parse(arguments);
    if (parsed && parser.isSet(scale))
        qputenv("QT_SCALE_FACTOR", parser.value(scale).toLocal8Bit());

    if (parsed && parser.isSet(title)) {
        const TeacherChoice choice = fromQuery(parser.value(title).toStdString());
        if (choice.outcome != TeacherChoice::Outcome::Run) {
            std::fprintf(stderr, "%s\n", choice.text.c_str());
            return refusedStatus;
        }
        std::printf("%s\n", startMenuTitle(choice.level).c_str());
        return 0;
    }
    QApplication application(argc, argv);
    if (parsed && parser.isSet(QStringLiteral("help")))
        parser.showHelp();
    const QStringList positional = parser.positionalArguments();
    if (!parsed ||
        (parser.isSet(where) ? !positional.isEmpty() : positional.isEmpty() || positional.size() > 2)) {
        std::fprintf(stderr, "%s\n\n%s",
                     qPrintable(parsed ? QStringLiteral("Name one folder, or --where.") : parser.errorText()),
                     qPrintable(parser.helpText()));
        return 2;
    }
    if (parser.isSet(where))
        return printWhere(parser.value(where));
    outputDir = positional.at(0);
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
    program.generator().seed(
        test::seedFor([](Generator& g) { return division::draw(g); },
                      [](const division::Problem& p) { return p.dividend == 7345 && p.divisor == 6; }));
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

    if (positional.size() > 1)
        reportFonts(positional.at(1),
                    {addition.control(QStringLiteral("txturis")), addition.label(QStringLiteral("lbloper")),
                     addition.label(QStringLiteral("lblmessaggio")),
                     addition.control(QStringLiteral("cmdconferma")),
                     program.frmpunteggio().label(QStringLiteral("lblvoto"))});
    return 0;
}

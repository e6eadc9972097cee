// SPDX-License-Identifier: GPL-3.0-or-later
// Navigation between the screens: the start menu, the chooser, and the ways back from the exercise
// and score screens, with what each action shows, hides and unloads.
#include "app/chooser.h"
#include "app/startmenu.h"
#include "exercises/exercisescreen.h"
#include "score/scorescreen.h"
#include "support/recorder.h"
#include "support/screenchecks.h"

#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

using namespace abacolo;
using test::allScreens;
using test::TestProgram;

namespace {

QList<int> loadedScreens(const Program& program) {
    QList<int> loaded;
    for (ScreenId id : allScreens())
        if (program.isLoaded(id))
            loaded.append(int(id));
    return loaded;
}

} // namespace

class NavigationTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { test::flushDeletions(); }

    void programStartShowsCentredStartMenuWithFocusOnExit() {
        TestProgram t;
        t.program.start();
        StartMenu& menu = t.program.frminizio();
        QVERIFY(!menu.isHidden());
        QCOMPARE(loadedScreens(t.program), QList<int>{int(ScreenId::frminizio)});
        // Centred by its outer size: at load, and again once the window had its frame.
        QCOMPARE(menu.leftTwips(), (1280 * 15.0 - menu.outerWidthTwips()) / 2);
        QCOMPARE(menu.topTwips(), (1024 * 15.0 - menu.outerHeightTwips()) / 2);
        QCOMPARE(menu.focusWidget()->objectName(), QStringLiteral("cmdesci"));
        QList<QString> order;
        for (QWidget* widget : menu.tabOrder())
            order.append(widget->objectName());
        QCOMPARE(order, (QList<QString>{QStringLiteral("cmdesci"), QStringLiteral("cmdsott"),
                                        QStringLiteral("cmdadd"), QStringLiteral("cmdmolt"),
                                        QStringLiteral("cmddiv")}));
    }

    // Every row of the navigation table: what the action shows, hides and unloads.
    void navigationTable_data() {
        QTest::addColumn<QString>("route");
        QTest::addColumn<QList<int>>("shown");
        QTest::addColumn<QList<int>>("unloaded");
        QTest::addColumn<int>("titled"); // the screen whose title the page shows last

        const int menu = int(ScreenId::frminizio), chooser = int(ScreenId::frmscelta),
                  add = int(ScreenId::frmaddizioni), sub = int(ScreenId::frmsottrazioni),
                  mul = int(ScreenId::frmmoltiplicazioni), mul2 = int(ScreenId::frmmoltiplicazioni2),
                  div = int(ScreenId::frmdivisioni), score = int(ScreenId::frmpunteggio);

        QTest::newRow("addition") << QStringLiteral("add") << QList<int>{add} << QList<int>{} << add;
        QTest::newRow("subtraction") << QStringLiteral("sott") << QList<int>{sub} << QList<int>{} << sub;
        QTest::newRow("multiplication opens the chooser beside the menu")
            << QStringLiteral("molt") << QList<int>{menu, chooser} << QList<int>{} << chooser;
        QTest::newRow("division unloads the menu")
            << QStringLiteral("div") << QList<int>{div} << QList<int>{menu} << div;
        QTest::newRow("chooser 1") << QStringLiteral("molt 1") << QList<int>{mul} << QList<int>{chooser}
                                   << mul;
        QTest::newRow("chooser 2") << QStringLiteral("molt 2") << QList<int>{mul2} << QList<int>{chooser}
                                   << mul2;
        QTest::newRow("finish") << QStringLiteral("add fine") << QList<int>{menu} << QList<int>{add} << menu;
        QTest::newRow("score") << QStringLiteral("sott punteggio") << QList<int>{score} << QList<int>{}
                               << score;
        QTest::newRow("score OK") << QStringLiteral("sott punteggio calcola ok") << QList<int>{menu}
                                  << QList<int>{score} << menu;
        QTest::newRow("division finish loads the menu again")
            << QStringLiteral("div fine") << QList<int>{menu} << QList<int>{div} << menu;
        QTest::newRow("chooser stays open beside addition")
            << QStringLiteral("molt add") << QList<int>{chooser, add} << QList<int>{} << add;
        QTest::newRow("two exercise screens at once")
            << QStringLiteral("molt add 1") << QList<int>{add, mul} << QList<int>{chooser} << mul;
    }

    void navigationTable() {
        QFETCH(QString, route);
        QFETCH(QList<int>, shown);
        QFETCH(QList<int>, unloaded);
        QFETCH(int, titled);
        TestProgram t;
        t.program.start();
        Screen* current = &t.program.frminizio();
        for (const QString& step : route.split(u' ')) {
            if (step == QStringLiteral("1") || step == QStringLiteral("2")) {
                test::click(t.program.frmscelta(), step == QStringLiteral("1") ? "cmd1" : "cmd2");
                continue;
            }
            if (step == QStringLiteral("add") || step == QStringLiteral("sott") ||
                step == QStringLiteral("molt") || step == QStringLiteral("div")) {
                test::click(t.program.frminizio(), qPrintable(QStringLiteral("cmd") + step));
                if (step == QStringLiteral("add"))
                    current = &t.program.frmaddizioni();
                if (step == QStringLiteral("sott"))
                    current = &t.program.frmsottrazioni();
                if (step == QStringLiteral("div"))
                    current = &t.program.frmdivisioni();
                continue;
            }
            if (step == QStringLiteral("calcola") || step == QStringLiteral("ok")) {
                test::click(t.program.frmpunteggio(), qPrintable(QStringLiteral("cmd") + step));
                continue;
            }
            test::click(*current, qPrintable(QStringLiteral("cmd") + step));
        }
        QList<int> actuallyShown;
        for (ScreenId id : allScreens())
            if (t.program.isLoaded(id) && !t.program.screen(id).isHidden())
                actuallyShown.append(int(id));
        std::sort(shown.begin(), shown.end());
        QCOMPARE(actuallyShown, shown);
        for (int id : unloaded)
            QVERIFY2(!t.program.isLoaded(ScreenId(id)), qPrintable(QString::number(id)));
        QCOMPARE(t.seam.endRequests, 0);
        QCOMPARE(t.seam.titles.value(t.seam.titles.size() - 1),
                 t.program.screen(ScreenId(titled)).windowTitle());
    }

    // The addition button loads the subtraction screen hidden (drawing its problem then), and the
    // subtraction button the addition screen; both codes read "0".
    void operationButtonLoadsItsPartnerHidden_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("shown");
        QTest::addColumn<int>("partner");
        QTest::newRow("addition") << QStringLiteral("cmdadd") << int(ScreenId::frmaddizioni)
                                  << int(ScreenId::frmsottrazioni);
        QTest::newRow("subtraction") << QStringLiteral("cmdsott") << int(ScreenId::frmsottrazioni)
                                     << int(ScreenId::frmaddizioni);
    }

    void operationButtonLoadsItsPartnerHidden() {
        QFETCH(QString, button);
        QFETCH(int, shown);
        QFETCH(int, partner);
        TestProgram t;
        t.program.start();
        test::click(t.program.frminizio(), qPrintable(button));
        QVERIFY(t.program.isLoaded(ScreenId(partner)));
        ExerciseScreen& hidden = t.program.exercise(ScreenId(partner));
        QVERIFY(hidden.isHidden());
        QVERIFY(!t.program.exercise(ScreenId(shown)).isHidden());
        QCOMPARE(hidden.code(), ExerciseRecord::notAsking);
        QCOMPARE(t.program.exercise(ScreenId(shown)).code(), ExerciseRecord::notAsking);
        QCOMPARE(loadedScreens(t.program).size(), 3);
    }

    // Leaving addition and choosing subtraction shows the subtraction screen loaded earlier, with the
    // problem drawn then and both counts 0.
    void partnerKeepsTheProblemDrawnAtLoad() {
        TestProgram t;
        t.program.start();
        test::click(t.program.frminizio(), "cmdadd");
        const QString drawn = t.program.frmsottrazioni().operationLine();
        test::click(t.program.frmaddizioni(), "cmdfine");
        test::click(t.program.frminizio(), "cmdsott");
        ExerciseScreen& subtraction = t.program.frmsottrazioni();
        QVERIFY(!subtraction.isHidden());
        QCOMPARE(subtraction.operationLine(), drawn);
        QCOMPARE(subtraction.rightCount(), 0);
        QCOMPARE(subtraction.wrongCount(), 0);
    }

    // The start menu is centred only when it is loaded: it comes back where it was after addition,
    // and centred again after division, which unloaded it.
    void startMenuCentredOnlyAtLoad() {
        TestProgram t;
        t.program.start();
        StartMenu& menu = t.program.frminizio();
        const double centredLeft = menu.leftTwips();
        const double centredTop = menu.topTwips();
        menu.setLeftTwips(150);
        menu.setTopTwips(300);
        test::click(menu, "cmdadd");
        test::click(t.program.frmaddizioni(), "cmdfine");
        QCOMPARE(&t.program.frminizio(), &menu);
        QCOMPARE(menu.leftTwips(), 150.0);
        QCOMPARE(menu.topTwips(), 300.0);

        test::click(menu, "cmddiv");
        test::click(t.program.frmdivisioni(), "cmdfine");
        test::flushDeletions();
        StartMenu& again = t.program.frminizio();
        QVERIFY(!again.isHidden());
        QCOMPARE(again.leftTwips(), centredLeft);
        QCOMPARE(again.topTwips(), centredTop);
        QCOMPARE(again.focusWidget()->objectName(), QStringLiteral("cmdesci"));
    }

    void chooserIsASingleInstance() {
        TestProgram t;
        t.program.start();
        test::click(t.program.frminizio(), "cmdmolt");
        Chooser& chooser = t.program.frmscelta();
        chooser.setLeftTwips(0);
        test::click(t.program.frminizio(), "cmdmolt");
        QCOMPARE(&t.program.frmscelta(), &chooser);
        QCOMPARE(chooser.leftTwips(), 0.0);
        QVERIFY(!chooser.isHidden());
    }

    // The teacher's range and carrying: the start menu's title names them, the chooser's "2" cannot be
    // pressed within 99, and every exercise screen draws within the range.
    void teachersLevel_data() {
        QTest::addColumn<int>("range");
        QTest::addColumn<bool>("carrying");
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("twoDigits");
        const auto row = [](int range, bool carrying, const char* title, bool twoDigits) {
            QTest::addRow("%d%s", range, carrying ? "" : ", senza cambio")
                << range << carrying << QString::fromUtf8(title) << twoDigits;
        };
        row(9999, true, "Metto in colonna e calcolo entro il 9.999", true);
        row(9999, false, "Metto in colonna e calcolo entro il 9.999, senza cambio", true);
        row(999, true, "Metto in colonna e calcolo entro il 999", true);
        row(99, true, "Metto in colonna e calcolo entro il 99", false);
        row(99, false, "Metto in colonna e calcolo entro il 99, senza cambio", false);
    }
    void teachersLevel() {
        QFETCH(int, range);
        QFETCH(bool, carrying);
        QFETCH(QString, title);
        QFETCH(bool, twoDigits);
        TestProgram t;
        t.program.setLevel({range == 99    ? Range::upTo99
                            : range == 999 ? Range::upTo999
                                           : Range::upTo9999,
                            carrying});
        t.program.start();
        QCOMPARE(t.program.frminizio().windowTitle(), title);
        QCOMPARE(t.seam.titles.value(0), title);
        test::click(t.program.frminizio(), "cmdmolt");
        QCOMPARE(t.program.frmscelta().button(QStringLiteral("cmd2"))->isEnabled(), twoDigits);
        test::click(t.program.frmscelta(), "cmd2");
        QCOMPARE(t.program.isLoaded(ScreenId::frmmoltiplicazioni2), twoDigits);
        QCOMPARE(t.program.isLoaded(ScreenId::frmscelta), !twoDigits);
        static const QRegularExpression number(QStringLiteral("\\d+"));
        for (const Exercise& exercise : exercises) {
            if (exercise.screen == ScreenId::frmmoltiplicazioni2 && !twoDigits)
                continue;
            const QString line = t.program.exercise(exercise.screen).operationLine();
            for (const QRegularExpressionMatch& match : number.globalMatch(line))
                QVERIFY2(match.captured().toInt() <= range, qPrintable(line));
        }
    }

    // "&Esci" ends the program at once, with every screen, shown or hidden.
    void exitEndsWithEveryScreen() {
        TestProgram t;
        t.program.start();
        test::click(t.program.frminizio(), "cmdadd");
        test::click(t.program.frmaddizioni(), "cmdpunteggio");
        test::click(t.program.frmpunteggio(), "cmdcalcola"); // loads every exercise screen hidden
        test::click(t.program.frmpunteggio(), "cmdok");
        test::click(t.program.frminizio(), "cmdmolt");
        QVERIFY(loadedScreens(t.program).size() >= 7);
        test::click(t.program.frminizio(), "cmdesci");
        QCOMPARE(t.seam.endRequests, 1);
        QVERIFY(loadedScreens(t.program).isEmpty());
    }

    // Esc presses the screen's way out; closing a window through its frame does the same, so a
    // visible screen always remains.
    void escapeAndFrameClose_data() {
        QTest::addColumn<QString>("route");
        QTest::addColumn<bool>("viaEscape");
        QTest::addColumn<int>("closed");
        QTest::addColumn<QList<int>>("shown");
        QTest::addColumn<int>("endRequests");
        const int menu = int(ScreenId::frminizio), add = int(ScreenId::frmaddizioni),
                  chooser = int(ScreenId::frmscelta), score = int(ScreenId::frmpunteggio);
        for (bool viaEscape : {true, false}) {
            const char* how = viaEscape ? "escape: " : "frame: ";
            QTest::addRow("%sstart menu ends the program", how)
                << QString() << viaEscape << menu << QList<int>{} << 1;
            QTest::addRow("%sexercise finishes", how)
                << QStringLiteral("add") << viaEscape << add << QList<int>{menu} << 0;
            QTest::addRow("%sscore goes back to the menu", how)
                << QStringLiteral("add punteggio calcola") << viaEscape << score << QList<int>{menu} << 0;
        }
        QTest::newRow("frame: score before computing goes back too")
            << QStringLiteral("add punteggio") << false << score << QList<int>{menu} << 0;
        // Before computing, "&OK" is not shown: Esc leaves the score screen where it is.
        QTest::newRow("escape: score before computing stays")
            << QStringLiteral("add punteggio") << true << score << QList<int>{score} << 0;
        QTest::newRow("frame: chooser is unloaded")
            << QStringLiteral("molt") << false << chooser << QList<int>{menu} << 0;
    }

    void escapeAndFrameClose() {
        QFETCH(QString, route);
        QFETCH(bool, viaEscape);
        QFETCH(int, closed);
        QFETCH(QList<int>, shown);
        QFETCH(int, endRequests);
        TestProgram t;
        t.program.start();
        for (const QString& step : route.split(u' ', Qt::SkipEmptyParts)) {
            if (step == QStringLiteral("punteggio"))
                test::click(t.program.frmaddizioni(), "cmdpunteggio");
            else if (step == QStringLiteral("calcola"))
                test::click(t.program.frmpunteggio(), "cmdcalcola");
            else
                test::click(t.program.frminizio(), qPrintable(QStringLiteral("cmd") + step));
        }
        Screen& target = t.program.screen(ScreenId(closed));
        if (viaEscape) {
            QWidget* focused = target.focusWidget() != nullptr ? target.focusWidget() : &target;
            QTest::keyClick(focused, Qt::Key_Escape);
        } else {
            QVERIFY(!target.close()); // the screen's own way out takes over
        }
        test::flushDeletions();
        QCOMPARE(t.seam.endRequests, endRequests);
        if (endRequests == 0) {
            QList<int> actuallyShown;
            for (ScreenId id : allScreens())
                if (t.program.isLoaded(id) && !t.program.screen(id).isHidden())
                    actuallyShown.append(int(id));
            QCOMPARE(actuallyShown, shown);
        }
    }

    // Tab walks the controls of the screens without a grid in their designed order, from the first
    // focus round to it again (the exercise screens' tests walk theirs).
    void focusChainFollowsTheDesign_data() {
        QTest::addColumn<int>("screen");
        QTest::addColumn<bool>("computed");
        QTest::addColumn<QString>("chain");
        QTest::newRow("start menu") << int(ScreenId::frminizio) << false
                                    << QStringLiteral("cmdesci cmdsott cmdadd cmdmolt cmddiv cmdesci");
        QTest::newRow("chooser") << int(ScreenId::frmscelta) << false << QStringLiteral("cmd1 cmd2 cmd1");
        QTest::newRow("score") << int(ScreenId::frmpunteggio) << false
                               << QStringLiteral("cmdcalcola cmdcalcola");
        QTest::newRow("score computed")
            << int(ScreenId::frmpunteggio) << true << QStringLiteral("cmdok cmdok");
    }

    void focusChainFollowsTheDesign() {
        QFETCH(int, screen);
        QFETCH(bool, computed);
        QFETCH(QString, chain);
        TestProgram t;
        Screen& shown = t.program.screen(ScreenId(screen));
        QVERIFY(test::showActive(shown));
        if (computed)
            test::click(shown, "cmdcalcola");
        test::checkTabOrder(shown, chain.split(u' '));
    }
};

QTEST_MAIN(NavigationTest)
#include "test_navigation.moc"

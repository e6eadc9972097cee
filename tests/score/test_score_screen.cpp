// SPDX-License-Identifier: GPL-3.0-or-later
// The score screen through its widgets: the hand-off from an exercise screen, the compute steps, "&OK",
// and whole runs from the start menu to the grade and back.
#include "app/chooser.h"
#include "app/startmenu.h"
#include "exercises/addition/screen.h"
#include "exercises/exercisescreen.h"
#include "exercises/exercisetable.h"
#include "score/grading.h"
#include "score/scorescreen.h"
#include "support/fakeexercise.h"
#include "support/recorder.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace abacolo;
using test::TestProgram;

namespace {

const char* const resultShown[] = {"lblrisp1", "lblrisp2", "lblrisg",  "lblriss",
                                   "lblvoto",  "cmdok",    "pctpallot"};

void checkRight(AdditionScreen& screen) {
    test::type(screen, "txturis", QString::number(screen.problem().sum));
    test::click(screen, "cmdconferma");
}

void checkWrong(AdditionScreen& screen) {
    test::type(screen, "txturis", QString::number(screen.problem().sum + 1));
    test::click(screen, "cmdconferma");
}

bool shown(Screen& screen, const char* name) {
    return !screen.control(QString::fromLatin1(name))->isHidden();
}

} // namespace

class ScoreScreenTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { test::flushDeletions(); }

    void designedStateShowsOnlyTheComputeButton() {
        TestProgram t;
        ScoreScreen& score = t.program.frmpunteggio();
        score.showScreen();
        for (const char* name : resultShown)
            QVERIFY2(!shown(score, name), name);
        QVERIFY(shown(score, "cmdcalcola"));
        QCOMPARE(score.focusWidget()->objectName(), QStringLiteral("cmdcalcola"));
        QCOMPARE(score.text(QStringLiteral("lblrisp1")), QStringLiteral("Risposte giuste:"));
        QCOMPARE(score.text(QStringLiteral("lblrisp2")), QStringLiteral("Risposte sbagliate:"));
        QCOMPARE(score.button(QStringLiteral("cmdcalcola"))->text(), QStringLiteral("&Calcola il punteggio"));
        QCOMPARE(score.button(QStringLiteral("cmdok"))->text(), QStringLiteral("&OK"));
        QCOMPARE(score.label(QStringLiteral("lblvoto"))->palette().color(QPalette::WindowText),
                 QColor(0, 0, 192));
        QVERIFY(score.label(QStringLiteral("lblvoto"))->font().italic());
        QCOMPARE(score.control(QStringLiteral("cmdcalcola"))->geometry(), QRect(88, 128, 121, 81));
        QCOMPARE(score.control(QStringLiteral("pctpallot"))->geometry(), QRect(96, 184, 105, 97));
        QCOMPARE(score.control(QStringLiteral("lblrisg"))->geometry(), QRect(216, 16, 41, 25));
    }

    // The counts read from the asking screen's boxes, graded; every code goes back to "0".
    void computeReadsTheAskingScreen_data() {
        QTest::addColumn<int>("right");
        QTest::addColumn<int>("wrong");
        QTest::addColumn<QString>("message");
        QTest::newRow("all right") << 2 << 0 << QString::fromUtf8(grading::super);
        QTest::newRow("3 and 1") << 3 << 1 << QString::fromUtf8(grading::good);
        QTest::newRow("1 and 1") << 1 << 1 << QString::fromUtf8(grading::poor);
        QTest::newRow("0 and 2") << 0 << 2 << QString::fromUtf8(grading::poor);
        QTest::newRow("no answers") << 0 << 0 << QString();
    }

    void computeReadsTheAskingScreen() {
        QFETCH(int, right);
        QFETCH(int, wrong);
        QFETCH(QString, message);
        TestProgram t;
        t.program.start();
        test::click(t.program.frminizio(), "cmdadd");
        auto& addition = static_cast<AdditionScreen&>(t.program.frmaddizioni());
        for (int i = 0; i < right; ++i)
            checkRight(addition);
        for (int i = 0; i < wrong; ++i)
            checkWrong(addition);
        test::click(addition, "cmdpunteggio");
        QVERIFY(addition.isHidden());
        QCOMPARE(addition.code(), 1);

        ScoreScreen& score = t.program.frmpunteggio();
        QVERIFY(!score.isHidden());
        test::click(score, "cmdcalcola");
        for (const char* name : resultShown)
            QVERIFY2(shown(score, name), name);
        QVERIFY(!shown(score, "cmdcalcola"));
        QCOMPARE(score.text(QStringLiteral("lblrisg")), QString::number(right));
        QCOMPARE(score.text(QStringLiteral("lblriss")), QString::number(wrong));
        QCOMPARE(score.text(QStringLiteral("lblvoto")), message);
        for (const Exercise& exercise : exercises) {
            const ScreenId id = exercise.screen;
            QVERIFY(t.program.isLoaded(id));
            QCOMPARE(t.program.exercise(id).code(), ExerciseRecord::notAsking);
        }
        // The screens loaded by the search stay hidden; the asking one keeps its counts.
        for (const Exercise& exercise : exercises)
            QVERIFY(t.program.exercise(exercise.screen).isHidden());
        QCOMPARE(addition.rightCount(), right);
        QCOMPARE(addition.wrongCount(), wrong);
    }

    // Every exercise screen's code finds its own counts, in the order the screens are searched.
    void eachScreenIsFoundByItsCode_data() {
        QTest::addColumn<int>("screen");
        QTest::addColumn<int>("code");
        QTest::newRow("addition") << int(ScreenId::frmaddizioni) << 1;
        QTest::newRow("subtraction") << int(ScreenId::frmsottrazioni) << 2;
        QTest::newRow("one-digit multiplication") << int(ScreenId::frmmoltiplicazioni) << 3;
        QTest::newRow("division") << int(ScreenId::frmdivisioni) << 4;
        QTest::newRow("two-digit multiplication") << int(ScreenId::frmmoltiplicazioni2) << 5;
    }

    void eachScreenIsFoundByItsCode() {
        QFETCH(int, screen);
        QFETCH(int, code);
        TestProgram t;
        ExerciseScreen& exercise = t.program.exercise(ScreenId(screen));
        exercise.showScreen();
        const char* check = ScreenId(screen) == ScreenId::frmdivisioni ? "cmdcontrolla" : "cmdconferma";
        test::click(exercise, check);
        test::click(exercise, check);
        test::click(exercise, "cmdpunteggio");
        QCOMPARE(exercise.code(), code);
        QCOMPARE(exercise.wrongCount(), 2);
        test::click(t.program.frmpunteggio(), "cmdcalcola");
        QCOMPARE(t.program.frmpunteggio().text(QStringLiteral("lblrisg")), QStringLiteral("0"));
        QCOMPARE(t.program.frmpunteggio().text(QStringLiteral("lblriss")), QStringLiteral("2"));
        QCOMPARE(t.program.frmpunteggio().text(QStringLiteral("lblvoto")), QString::fromUtf8(grading::poor));
    }

    // Two screens carrying their codes at once: the later in the search order supplies the counts.
    void laterMatchWins() {
        TestProgram t;
        test::FakeExercise::replace(t.program, ScreenId::frmaddizioni);
        test::FakeExercise::replace(t.program, ScreenId::frmdivisioni);
        auto& addition = dynamic_cast<test::FakeExercise&>(t.program.screen(ScreenId::frmaddizioni));
        auto& division = dynamic_cast<test::FakeExercise&>(t.program.screen(ScreenId::frmdivisioni));
        addition.asking = 1;
        addition.right = 9;
        addition.wrong = 1;
        division.asking = 4;
        division.right = 3;
        division.wrong = 2;
        ScoreScreen& score = t.program.frmpunteggio();
        score.showScreen();
        score.cmdcalcola_Click();
        QCOMPARE(score.text(QStringLiteral("lblrisg")), QStringLiteral("3"));
        QCOMPARE(score.text(QStringLiteral("lblriss")), QStringLiteral("2"));
        QCOMPARE(score.text(QStringLiteral("lblvoto")), QString::fromUtf8(grading::fair));
    }

    // The counts as read and shown: none yet gives no grade, and counts far beyond 16 bits still grade.
    void countsAsRead_data() {
        QTest::addColumn<int>("right");
        QTest::addColumn<int>("wrong");
        QTest::addColumn<QString>("message");
        QTest::newRow("no answers yet") << 0 << 0 << QString();
        QTest::newRow("none right") << 0 << 3 << QString::fromUtf8(grading::poor);
        QTest::newRow("40000 and 1") << 40000 << 1 << QString::fromUtf8(grading::excellent);
        QTest::newRow("400 and 0") << 400 << 0 << QString::fromUtf8(grading::super);
    }

    void countsAsRead() {
        QFETCH(int, right);
        QFETCH(int, wrong);
        QFETCH(QString, message);
        TestProgram t;
        test::FakeExercise::replace(t.program, ScreenId::frmsottrazioni);
        auto& subtraction = dynamic_cast<test::FakeExercise&>(t.program.screen(ScreenId::frmsottrazioni));
        subtraction.asking = 2;
        subtraction.right = right;
        subtraction.wrong = wrong;
        ScoreScreen& score = t.program.frmpunteggio();
        score.cmdcalcola_Click();
        QCOMPARE(score.text(QStringLiteral("lblrisg")), QString::number(right));
        QCOMPARE(score.text(QStringLiteral("lblriss")), QString::number(wrong));
        QCOMPARE(score.text(QStringLiteral("lblvoto")), message);
        QCOMPARE(subtraction.code(), ExerciseRecord::notAsking);
    }

    // No screen carries its code: "0" and "0" and no grade, whatever an earlier compute showed.
    void noAskingScreenShowsZeros() {
        TestProgram t;
        ScoreScreen& score = t.program.frmpunteggio();
        score.cmdcalcola_Click();
        QCOMPARE(score.text(QStringLiteral("lblrisg")), QStringLiteral("0"));
        QCOMPARE(score.text(QStringLiteral("lblriss")), QStringLiteral("0"));
        QCOMPARE(score.text(QStringLiteral("lblvoto")), QString());
    }

    // A score screen re-used by a second screen without answers must not keep the first grade.
    void reusedScoreScreenDropsAnEarlierGrade() {
        TestProgram t;
        t.program.start();
        test::click(t.program.frminizio(), "cmdmolt");
        test::click(t.program.frminizio(), "cmdadd");
        test::click(t.program.frmscelta(), "cmd1"); // addition and multiplication both on display
        auto& addition = static_cast<AdditionScreen&>(t.program.frmaddizioni());
        checkRight(addition);
        test::click(addition, "cmdpunteggio");
        ScoreScreen& score = t.program.frmpunteggio();
        test::click(score, "cmdcalcola");
        QCOMPARE(score.text(QStringLiteral("lblvoto")), QString::fromUtf8(grading::super));

        ExerciseScreen& multiplication = t.program.frmmoltiplicazioni();
        QVERIFY(!multiplication.isHidden());
        test::click(multiplication, "cmdpunteggio");
        QCOMPARE(&t.program.frmpunteggio(), &score);
        QCOMPARE(score.focusWidget(), score.control(QStringLiteral("cmdcalcola")));
        for (const char* name : resultShown)
            if (QByteArray(name) != "pctpallot") // the hand-off leaves the picture as it was
                QVERIFY2(!shown(score, name), name);
        QVERIFY(shown(score, "cmdcalcola"));
        test::click(score, "cmdcalcola");
        QCOMPARE(score.text(QStringLiteral("lblrisg")), QStringLiteral("0"));
        QCOMPARE(score.text(QStringLiteral("lblriss")), QStringLiteral("0"));
        QCOMPARE(score.text(QStringLiteral("lblvoto")), QString());
    }

    // A whole run: checks on addition, the score, OK back to the menu, and addition again brings the
    // same screen with its counts and problem and its code "0"; "&Fine" instead discards them.
    void fromMenuToGradeAndBack() {
        TestProgram t;
        t.program.start();
        test::click(t.program.frminizio(), "cmdadd");
        auto& addition = static_cast<AdditionScreen&>(t.program.frmaddizioni());
        checkRight(addition);
        checkRight(addition);
        checkRight(addition);
        checkWrong(addition);
        test::type(addition, "txtk2", QStringLiteral("5"));
        const QString line = addition.operationLine();
        test::click(addition, "cmdpunteggio");
        ScoreScreen& score = t.program.frmpunteggio();
        test::click(score, "cmdcalcola");
        QCOMPARE(score.text(QStringLiteral("lblrisg")), QStringLiteral("3"));
        QCOMPARE(score.text(QStringLiteral("lblriss")), QStringLiteral("1"));
        QCOMPARE(score.text(QStringLiteral("lblvoto")), QString::fromUtf8(grading::good));

        test::click(score, "cmdok");
        QVERIFY(!t.program.isLoaded(ScreenId::frmpunteggio));
        QVERIFY(!t.program.frminizio().isHidden());
        QVERIFY(addition.isHidden());

        test::click(t.program.frminizio(), "cmdadd");
        QCOMPARE(&t.program.frmaddizioni(), &addition);
        QVERIFY(!addition.isHidden());
        QCOMPARE(addition.operationLine(), line);
        QCOMPARE(addition.text(QStringLiteral("txtk2")), QStringLiteral("5"));
        QCOMPARE(addition.rightCount(), 3);
        QCOMPARE(addition.wrongCount(), 1);
        QCOMPARE(addition.code(), ExerciseRecord::notAsking);

        test::click(addition, "cmdfine");
        test::flushDeletions();
        test::click(t.program.frminizio(), "cmdadd");
        ExerciseScreen& fresh = t.program.frmaddizioni();
        QCOMPARE(fresh.rightCount(), 0);
        QCOMPARE(fresh.wrongCount(), 0);
        QCOMPARE(fresh.text(QStringLiteral("txtk2")), QString());
    }
};

QTEST_MAIN(ScoreScreenTest)
#include "test_score_screen.moc"

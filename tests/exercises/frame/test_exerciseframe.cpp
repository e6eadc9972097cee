// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of the frame every exercise screen shares, driven through a test-only operation whose
// expected answer is always 42 and whose drawing only counts itself, put in the addition screen's place.
#include "app/startmenu.h"
#include "exercises/exercisescreen.h"
#include "score/scorescreen.h"
#include "support/recorder.h"
#include "support/screenchecks.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <cmath>
#include <memory>
#include <string>

using namespace abacolo;
using namespace abacolo::test;

namespace {

constexpr double expectedAnswer = 42;
constexpr int twipsPerPx = 15;

constexpr DigitRow rows[] = {
    {.suffix = "1",
     .top = 1440,
     .tabs = leftToRight(0),
     .emptied = Emptied::BeforeNewProblem,
     .spoken = "operando"},
    {.suffix = "ris",
     .top = 3000,
     .tabs = rightToLeft(4),
     .emptied = Emptied::OnEveryCheck,
     .spoken = "risultato"},
};
constexpr const char* resultRow[] = {"txtkris", "txthris", "txtdaris", "txturis"};
constexpr const char* operandRow[] = {"txtk1", "txth1", "txtda1", "txtu1"};

// The first-entry and retry boxes are not the first box of the tab order on purpose: the focus after a
// check must come from the hooks, not from the screen's first showing.
constexpr char firstEntry[] = "txtda1";
constexpr char retry[] = "txthris";

const ExerciseLayout testLayout{
    .background = {200, 200, 200},
    .places = {.checkButton = "cmdconferma",
               .check = {3600, 3720, 1215, 375},
               .message = {960, 4440, 4695, 615},
               .operation = {2880, 120, 2655, 375},
               .operationAlign = Align::Centre,
               .picture = {240, 1200, 2415, 2775},
               .pictureResource = ":/art/grasshopper.svg",
               .pictureDescription = "Prova",
               .firstButtonTab = 8},
    .grid = {.columns = {2880, 3600, 4320, 5040}, .headsTop = 840, .signsLeft = 5640, .rows = rows},
    .own = {},
    .firstEntryBox = firstEntry,
    .retryBox = retry,
};

// A test operation: always expects 42, and notes what the screen held when its hooks ran.
class TestOperation : public ExerciseScreen {
public:
    explicit TestOperation(Registry& registry)
        : ExerciseScreen(registry, ScreenId::frmaddizioni, testLayout) {}

    int draws = 0;
    QString operandsAtDraw;          // the operand row joined, as the last drawing found it
    QString messageAtDraw;           // the feedback caption, as the last drawing found it
    long long rightCountAtDraw = -1; // the right count, as the last drawing found it
    mutable int judgements = 0;
    mutable double judged = 0;
    mutable QString messageAtJudge;

protected:
    void drawProblem() override {
        ++draws;
        operandsAtDraw.clear();
        for (const char* box : operandRow)
            operandsAtDraw += text(QString::fromLatin1(box));
        messageAtDraw = text(QStringLiteral("lblmessaggio"));
        rightCountAtDraw = rightCount();
        setOperationLine("problema " + std::to_string(draws));
    }
    bool isRight(double answer) const override {
        ++judgements;
        judged = answer;
        messageAtJudge = text(QStringLiteral("lblmessaggio"));
        return answer == expectedAnswer;
    }
};

// A program whose addition screen is the test operation; `clockReads` counts the generator's seedings.
struct Fixture {
    explicit Fixture(QSize display = {1280, 1024}) {
        t.seam.display = display;
        t.program.setFactory(ScreenId::frmaddizioni,
                             [](Registry& registry) { return std::make_unique<TestOperation>(registry); });
        t.program.generator().setClock([this] {
            ++clockReads;
            return std::uint64_t{0};
        });
    }
    TestOperation& screen() { return static_cast<TestOperation&>(t.program.frmaddizioni()); }

    int clockReads = 0;
    TestProgram t;
};

const QStringList resultBoxes = names(resultRow);
const QStringList operandBoxes = names(operandRow);

} // namespace

class ExerciseFrameTest : public QObject {
    Q_OBJECT
private slots:
    void loadSetsUp_data();
    void loadSetsUp();
    void rightCheck();
    void wrongCheck();
    void countsAsPlainDecimal();
    void answerAssembly_data();
    void answerAssembly();
    void timerTickClearsCaptionOnly();
    void messageGoneWithinThreeSeconds();
    void checkRestartsTimer();
    void finishUnloads();
    void scoreHandOff();
    void scoreBeforeAnyCheck();
    void emptyGridAgainAndAgain();
    void escapePressesFinish();
    void enterInDigitBoxPressesNothing();
    void frameCloseActsAsFinish();
    void answerBeyondDouble_data();
    void answerBeyondDouble();
};

void ExerciseFrameTest::loadSetsUp_data() {
    QTest::addColumn<QSize>("display");
    QTest::newRow("1280x1024") << QSize(1280, 1024);
    QTest::newRow("800x600") << QSize(800, 600);
    QTest::newRow("narrower and lower than the screen") << QSize(300, 200);
}

void ExerciseFrameTest::loadSetsUp() {
    QFETCH(QSize, display);
    Fixture f(display);
    TestOperation& s = f.screen();

    // Loaded by reference only: hidden, centred on the recorder's display.
    QVERIFY(f.t.program.isLoaded(ScreenId::frmaddizioni));
    QVERIFY(!s.isVisible());
    // The outer size is at least the 441 × 393 client area; centring uses it as it stands at load.
    QVERIFY(s.outerWidthTwips() >= 6615.0);
    QVERIFY(s.outerHeightTwips() >= 5895.0);
    const double left = (display.width() * twipsPerPx - s.outerWidthTwips()) / 2;
    const double top = (display.height() * twipsPerPx - s.outerHeightTwips()) / 2;
    QCOMPARE(s.leftTwips(), left);
    QCOMPARE(s.topTwips(), top);
    QCOMPARE(s.pos(), QPoint(int(std::lround(left / twipsPerPx)), int(std::lround(top / twipsPerPx))));
    if (display.width() * twipsPerPx < 6615)
        QVERIFY(s.leftTwips() < 0); // applied as computed

    // Seeded once, one problem drawn, counts 0 and nothing else written.
    QCOMPARE(f.clockReads, 1);
    QCOMPARE(s.draws, 1);
    QCOMPARE(s.operationLine(), QStringLiteral("problema 1"));
    QCOMPARE(s.rightCount(), 0);
    QCOMPARE(s.wrongCount(), 0);
    QCOMPARE(s.judgements, 0);
    QCOMPARE(s.answerText(), QString());
    QCOMPARE(s.code(), ExerciseRecord::notAsking);
    QCOMPARE(s.text(QStringLiteral("lblmessaggio")), QString());
    QCOMPARE(messageColour(s), QColor(0, 0, 255));
    QVERIFY(!s.messageTimer()->isActive());
    QCOMPARE(s.messageTimer()->interval(), 3000);
    QCOMPARE(joined(s, operandBoxes) + joined(s, resultBoxes), QString());
    QCOMPARE(f.t.seam.beeps, 0);

    // Showing a loaded screen runs no second set-up.
    s.showScreen();
    QCOMPARE(s.draws, 1);
    QCOMPARE(f.clockReads, 1);
}

void ExerciseFrameTest::rightCheck() {
    Fixture f;
    TestOperation& s = f.screen();
    QVERIFY(showActive(s));
    typeRow(s, operandBoxes + resultBoxes,
            {q("1"), q("2"), q("3"), q("4"), QString(), QString(), q("4"), q("2")});
    if (QTest::currentTestFailed())
        return;

    click(s, "cmdconferma");

    QCOMPARE(s.judged, 42.0);
    QCOMPARE(s.messageAtJudge, QString()); // the comparison ran before the verdict step
    checkMessage(s, true);
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(f.t.seam.beeps, 0);
    QCOMPARE(QApplication::focusWidget(), s.box(q(firstEntry)));
    QCOMPARE(s.rightCount(), 1);
    QCOMPARE(s.wrongCount(), 0);
    QCOMPARE(joined(s, resultBoxes), QString());
    QCOMPARE(joined(s, operandBoxes), QString());
    QCOMPARE(s.answerText(), QStringLiteral("42"));
    // A new problem, drawn after the verdict and the emptying, before the counts are shown, without a
    // second seeding in the same check.
    QCOMPARE(s.draws, 2);
    QCOMPARE(s.operationLine(), QStringLiteral("problema 2"));
    QCOMPARE(s.messageAtDraw, QStringLiteral("Complimenti! Vai avanti"));
    QCOMPARE(s.operandsAtDraw, QString());
    QCOMPARE(s.rightCountAtDraw, 1); // the verdict step counted the right answer before the drawing
    QCOMPARE(f.clockReads, 2);
    QCOMPARE(s.rightCount(), 1);
    QCOMPARE(s.wrongCount(), 0);
    QVERIFY(s.messageTimer()->isActive());
}

void ExerciseFrameTest::wrongCheck() {
    Fixture f;
    TestOperation& s = f.screen();
    QVERIFY(showActive(s));
    typeRow(s, operandBoxes + resultBoxes,
            {q("1"), q("2"), q("3"), q("4"), QString(), QString(), q("4"), q("3")});
    if (QTest::currentTestFailed())
        return;

    click(s, "cmdconferma");

    QCOMPARE(s.judged, 43.0);
    QCOMPARE(f.t.seam.beeps, 1);
    checkMessage(s, false);
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(QApplication::focusWidget(), s.box(q(retry)));
    QCOMPARE(s.rightCount(), 0);
    QCOMPARE(s.wrongCount(), 1);
    QCOMPARE(joined(s, resultBoxes), QString());
    QCOMPARE(joined(s, operandBoxes), QStringLiteral("1234"));
    QCOMPARE(s.draws, 1);
    QCOMPARE(s.operationLine(), QStringLiteral("problema 1"));
    QCOMPARE(f.clockReads, 2);
    QCOMPARE(s.answerText(), QStringLiteral("43"));
    QVERIFY(s.messageTimer()->isActive());

    // The retry: the same problem, now answered right, switches to blue and draws anew.
    type(s, "txturis", q("42"));
    click(s, "cmdconferma");
    QCOMPARE(messageColour(s), QColor(0, 0, 255));
    QCOMPARE(f.t.seam.beeps, 1);
    QCOMPARE(s.draws, 2);
    QCOMPARE(joined(s, operandBoxes), QString());
    QCOMPARE(s.rightCount(), 1);
    QCOMPARE(s.wrongCount(), 1);
}

void ExerciseFrameTest::countsAsPlainDecimal() {
    Fixture f;
    TestOperation& s = f.screen();
    for (int i = 0; i < 12; ++i) {
        type(s, "txturis", q("42"));
        s.cmdconferma_Click();
    }
    for (int i = 0; i < 3; ++i)
        s.cmdconferma_Click();
    QCOMPARE(s.rightCount(), 12);
    QCOMPARE(s.wrongCount(), 3);
    QCOMPARE(s.draws, 13);
    QCOMPARE(f.t.seam.beeps, 3);
}

void ExerciseFrameTest::answerAssembly_data() {
    QTest::addColumn<QStringList>("result"); // thousands, hundreds, tens, units
    QTest::addColumn<QString>("joinedText");
    QTest::addColumn<double>("value");
    QTest::newRow("thousands first") << QStringList{q("1"), q("2"), q("3"), q("4")} << q("1234") << 1234.0;
    QTest::newRow("5 and 7 in tens and units") << QStringList{{}, {}, q("5"), q("7")} << q("57") << 57.0;
    QTest::newRow("four empty boxes") << QStringList{{}, {}, {}, {}} << QString() << 0.0;
    QTest::newRow("a box taken whole") << QStringList{q("12"), {}, q("345"), {}} << q("12345") << 12345.0;
    QTest::newRow("the answer in the units box") << QStringList{{}, {}, {}, q("42")} << q("42") << 42.0;
    QTest::newRow("the answer in the thousands box") << QStringList{q("42"), {}, {}, {}} << q("42") << 42.0;
    QTest::newRow("leading zeros") << QStringList{q("0"), q("0"), q("4"), q("2")} << q("0042") << 42.0;
    QTest::newRow("blanks ignored") << QStringList{q(" 4"), {}, q(" "), q("2 ")} << q(" 4 2 ") << 42.0;
    QTest::newRow("letter first reads 0") << QStringList{q("x"), q("4"), q("2"), {}} << q("x42") << 0.0;
    QTest::newRow("stops at a letter") << QStringList{{}, q("4"), q("2"), q("a1")} << q("42a1") << 42.0;
    QTest::newRow("decimal point") << QStringList{{}, q("4"), q("2."), q("5")} << q("42.5") << 42.5;
    QTest::newRow("minus sign") << QStringList{q("-"), {}, q("4"), q("2")} << q("-42") << -42.0;
}

void ExerciseFrameTest::answerAssembly() {
    QFETCH(QStringList, result);
    QFETCH(QString, joinedText);
    QFETCH(double, value);
    Fixture f;
    TestOperation& s = f.screen();
    typeRow(s, resultBoxes, result);
    if (QTest::currentTestFailed())
        return;

    s.cmdconferma_Click();

    QCOMPARE(s.judgements, 1);
    QCOMPARE(s.judged, value);
    QCOMPARE(s.answerValue(), value);
    // txtris keeps the joined text after the result row is emptied.
    QCOMPARE(s.answerText(), joinedText);
    QCOMPARE(joined(s, resultBoxes), QString());
    QCOMPARE(s.rightCount(), value == expectedAnswer ? 1 : 0);
    QCOMPARE(s.wrongCount(), value == expectedAnswer ? 0 : 1);

    // It keeps it until the next check, which replaces it.
    s.tmrtempo_Timer();
    QCOMPARE(s.answerText(), joinedText);
    type(s, "txtdaris", q("7"));
    s.cmdconferma_Click();
    QCOMPARE(s.answerText(), q("7"));
}

void ExerciseFrameTest::timerTickClearsCaptionOnly() {
    Fixture f;
    TestOperation& s = f.screen();
    QTimer* timer = s.messageTimer();
    QCOMPARE(timer->interval(), 3000);
    QVERIFY(!timer->isActive());
    type(s, "txtk1", q("9"));
    s.cmdconferma_Click(); // wrong
    QVERIFY(timer->isActive());

    s.tmrtempo_Timer();

    QCOMPARE(s.text(QStringLiteral("lblmessaggio")), QString());
    QCOMPARE(messageColour(s), QColor(255, 0, 0));
    QVERIFY(timer->isActive());
    QCOMPARE(s.text(QStringLiteral("txtk1")), q("9"));
    QCOMPARE(s.wrongCount(), 1);
    QCOMPARE(s.draws, 1);
    QCOMPARE(f.t.seam.beeps, 1);
}

void ExerciseFrameTest::messageGoneWithinThreeSeconds() {
    Fixture f;
    TestOperation& s = f.screen();
    type(s, "txturis", q("42"));
    s.cmdconferma_Click();
    QCOMPARE(s.text(QStringLiteral("lblmessaggio")), QStringLiteral("Complimenti! Vai avanti"));

    // The message is the timer's for three seconds; then the real timer, hidden screen and all, takes
    // it away (the bound only guards against a hung run).
    QVERIFY(s.messageTimer()->isActive());
    QCOMPARE(s.messageTimer()->interval(), 3000);
    QVERIFY(s.messageTimer()->timerType() != Qt::VeryCoarseTimer);
    QTRY_COMPARE_WITH_TIMEOUT(s.text(QStringLiteral("lblmessaggio")), QString(), 10000);
    QCOMPARE(messageColour(s), QColor(0, 0, 255));
    QVERIFY(s.messageTimer()->isActive());
    QCOMPARE(s.rightCount(), 1);
    QCOMPARE(s.draws, 2);
}

void ExerciseFrameTest::checkRestartsTimer() {
    Fixture f;
    TestOperation& s = f.screen();
    s.cmdconferma_Click();
    QTRY_VERIFY_WITH_TIMEOUT(s.messageTimer()->remainingTime() < 2000, 10000);
    s.cmdconferma_Click();
    QVERIFY2(s.messageTimer()->remainingTime() > 2000, "a new check restarts the three seconds");
    QCOMPARE(s.text(QStringLiteral("lblmessaggio")), QStringLiteral("Sbagliato! Ripeti"));
    QCOMPARE(s.wrongCount(), 2);
}

void ExerciseFrameTest::finishUnloads() {
    Fixture f;
    Program& program = f.t.program;
    TestOperation& s = f.screen();
    QVERIFY(showActive(s));
    type(s, "txturis", q("42"));
    s.cmdconferma_Click();
    s.cmdconferma_Click();
    QCOMPARE(s.rightCount(), 1);
    QPointer<QWidget> old(&s);
    QPointer<QTimer> oldTimer(s.messageTimer());

    click(s, "cmdfine");

    QVERIFY(!program.isLoaded(ScreenId::frmaddizioni));
    QVERIFY(program.isLoaded(ScreenId::frminizio));
    QVERIFY(program.frminizio().isVisible());
    flushDeletions();
    QVERIFY(old.isNull());
    QVERIFY(oldTimer.isNull());

    // The next reference is a fresh screen: counts 0, no answer read, not asking for its score, no
    // message.
    TestOperation& fresh = f.screen();
    QCOMPARE(fresh.draws, 1);
    QCOMPARE(fresh.rightCount(), 0);
    QCOMPARE(fresh.wrongCount(), 0);
    QCOMPARE(fresh.answerText(), QString());
    QCOMPARE(fresh.code(), ExerciseRecord::notAsking);
    QCOMPARE(fresh.text(QStringLiteral("lblmessaggio")), QString());
    QVERIFY(!fresh.messageTimer()->isActive());
    QVERIFY(!fresh.isVisible());
}

void ExerciseFrameTest::scoreHandOff() {
    Fixture f;
    Program& program = f.t.program;
    TestOperation& s = f.screen();
    QVERIFY(showActive(s));
    type(s, "txtk1", q("5"));
    type(s, "txturis", q("42"));
    s.cmdconferma_Click();
    type(s, "txtk1", q("6"));
    s.cmdconferma_Click();
    type(s, "txturis", q("41"));

    // A score screen already loaded and showing a grade.
    ScoreScreen& score = program.frmpunteggio();
    score.showScreen();
    score.cmdcalcola_Click();
    QVERIFY(score.control(q("lblvoto"))->isVisible());
    QVERIFY(!score.control(q("cmdcalcola"))->isVisible());
    score.hideScreen();
    s.showScreen();

    click(s, "cmdpunteggio");

    QVERIFY(score.isVisible());
    QVERIFY(!s.isVisible());
    QVERIFY(program.isLoaded(ScreenId::frmaddizioni));
    for (const char* hidden : {"lblrisp1", "lblrisp2", "lblrisg", "lblriss", "lblvoto", "cmdok"})
        QVERIFY2(!score.control(q(hidden))->isVisible(), hidden);
    QVERIFY(score.control(q("cmdcalcola"))->isVisible());
    QCOMPARE(s.code(), 1);
    // The exercise screen keeps everything while hidden.
    QCOMPARE(s.rightCount(), 1);
    QCOMPARE(s.wrongCount(), 1);
    QCOMPARE(s.text(QStringLiteral("txtk1")), q("6"));
    QCOMPARE(s.text(QStringLiteral("txturis")), q("41"));
    QCOMPARE(s.operationLine(), QStringLiteral("problema 2"));
    QVERIFY(s.messageTimer()->isActive());
    QCOMPARE(&f.screen(), &s);
}

void ExerciseFrameTest::scoreBeforeAnyCheck() {
    Fixture f;
    TestOperation& s = f.screen();
    QVERIFY(showActive(s));
    click(s, "cmdpunteggio");
    QCOMPARE(s.code(), 1);
    QCOMPARE(s.rightCount(), 0);
    QCOMPARE(s.wrongCount(), 0);
    QVERIFY(f.t.program.frmpunteggio().isVisible());
    QVERIFY(!s.isVisible());
}

void ExerciseFrameTest::emptyGridAgainAndAgain() {
    Fixture f;
    TestOperation& s = f.screen();
    QVERIFY(showActive(s));
    for (int i = 1; i <= 5; ++i) {
        click(s, "cmdconferma");
        QCOMPARE(f.t.seam.beeps, i);
        QCOMPARE(s.wrongCount(), i);
        QCOMPARE(s.text(QStringLiteral("lblmessaggio")), QStringLiteral("Sbagliato! Ripeti"));
    }
    QCOMPARE(s.rightCount(), 0);
    QCOMPARE(s.draws, 1);
}

void ExerciseFrameTest::escapePressesFinish() {
    Fixture f;
    TestOperation& s = f.screen();
    QVERIFY(showActive(s));
    QTest::keyClick(s.box(q("txth1")), Qt::Key_Escape);
    QVERIFY(!f.t.program.isLoaded(ScreenId::frmaddizioni));
    QVERIFY(f.t.program.frminizio().isVisible());
    QCOMPARE(f.t.seam.beeps, 0);
    QCOMPARE(f.t.seam.endRequests, 0);
}

void ExerciseFrameTest::enterInDigitBoxPressesNothing() {
    Fixture f;
    TestOperation& s = f.screen();
    QVERIFY(showActive(s));
    for (const char* box : {"txturis", "txtk1"}) {
        type(s, box, q("42"));
        s.box(q(box))->setFocus();
        QTest::keyClick(s.box(q(box)), Qt::Key_Return);
        QTest::keyClick(s.box(q(box)), Qt::Key_Enter);
        QCOMPARE(s.text(q(box)), q("42"));
    }
    QCOMPARE(s.judgements, 0);
    QCOMPARE(s.rightCount() + s.wrongCount(), 0);
    QCOMPARE(f.t.seam.beeps, 0);
    QCOMPARE(s.text(QStringLiteral("lblmessaggio")), QString());
    QCOMPARE(s.rightCount(), 0);
    QVERIFY(!s.messageTimer()->isActive());
    QVERIFY(f.t.program.isLoaded(ScreenId::frmaddizioni));
    QVERIFY(s.isVisible());
}

void ExerciseFrameTest::frameCloseActsAsFinish() {
    Fixture f;
    TestOperation& s = f.screen();
    QVERIFY(showActive(s));
    s.cmdconferma_Click();
    s.close();
    QVERIFY(!f.t.program.isLoaded(ScreenId::frmaddizioni));
    QVERIFY(f.t.program.frminizio().isVisible());
    QCOMPARE(f.t.seam.endRequests, 0);
    flushDeletions();
    QCOMPARE(f.screen().wrongCount(), 0);
}

void ExerciseFrameTest::answerBeyondDouble_data() {
    QTest::addColumn<QStringList>("result");
    QTest::addColumn<double>("value");
    QTest::newRow("1 e 999") << QStringList{q("1"), q("e"), q("999"), {}} << qInf();
    QTest::newRow("-1 e 999") << QStringList{q("-1"), q("e"), q("999"), {}} << -qInf();
    QTest::newRow("huge exponent") << QStringList{q("4"), q("2e"), q("99999999999"), q("9")} << qInf();
    QTest::newRow("tiny reads 0") << QStringList{q("1"), q("e"), q("-999"), {}} << 0.0;
}

void ExerciseFrameTest::answerBeyondDouble() {
    QFETCH(QStringList, result);
    QFETCH(double, value);
    Fixture f;
    TestOperation& s = f.screen();
    typeRow(s, resultBoxes, result);
    if (QTest::currentTestFailed())
        return;
    s.cmdconferma_Click();
    QCOMPARE(s.answerValue(), value);
    checkVerdict(s, f.t.seam, false);
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(s.answerText(), result.join(QString()));
}

QTEST_MAIN(ExerciseFrameTest)
#include "test_exerciseframe.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of the subtraction screen as a pupil meets it: the reading cases for the
// difference 523, what a right and a wrong check leave behind, and the grid, tab order and look.
#include "exercises/subtraction/problem.h"
#include "exercises/subtraction/screen.h"
#include "support/recorder.h"
#include "support/screenchecks.h"

#include <QtTest>

using namespace abacolo;
using namespace abacolo::test;

namespace {

const QStringList resultRow{q("txtkris"), q("txthris"), q("txtdaris"), q("txturis")};
const QStringList operandRows{q("txtk1"), q("txth1"), q("txtda1"), q("txtu1"),
                              q("txtk2"), q("txth2"), q("txtda2"), q("txtu2")};

const QColor background(255, 192, 192);

SubtractionScreen& subtractionScreen(TestProgram& t) {
    return static_cast<SubtractionScreen&>(t.program.frmsottrazioni());
}

} // namespace

class SubtractionScreenTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void readingCases_data();
    void readingCases();
    void rightCheckDrawsAnew();
    void wrongCheckKeepsOperands();
    void emptyResultRowIsWrong();
    void digitBoxes_data();
    void digitBoxes();
    void gridLabels_data();
    void gridLabels();
    void commonControlsPlaced_data();
    void commonControlsPlaced();
    void gridLinesDrawn();
    void tabOrder();
    void firstFocus();
    void screenLook();
    void scoreCode();

private:
    std::uint64_t m_seed523 = 0; // a seed whose load draws a problem with the difference 523
};

void SubtractionScreenTest::initTestCase() {
    m_seed523 = seedFor(subtraction::draw, [](const subtraction::Problem& p) { return p.difference == 523; });
}

void SubtractionScreenTest::readingCases_data() {
    QTest::addColumn<QStringList>("result"); // thousands, hundreds, tens, units
    QTest::addColumn<bool>("rightOperands"); // the operand rows hold the two numbers, else junk
    QTest::addColumn<bool>("right");
    QTest::newRow("nothing, 5, 2, 3") << QStringList{{}, q("5"), q("2"), q("3")} << true << true;
    QTest::newRow("0, 5, 2, 3") << QStringList{q("0"), q("5"), q("2"), q("3")} << true << true;
    QTest::newRow("nothing, nothing, 5, 23") << QStringList{{}, {}, q("5"), q("23")} << true << true;
    QTest::newRow("523, nothing, nothing, nothing") << QStringList{q("523"), {}, {}, {}} << true << true;
    QTest::newRow("1, nothing, 2, 3 reads 123") << QStringList{q("1"), {}, q("2"), q("3")} << true << false;
    QTest::newRow("right result, junk operands") << QStringList{{}, q("5"), q("2"), q("3")} << false << true;
    QTest::newRow("right operands, wrong result") << QStringList{{}, q("5"), q("2"), q("4")} << true << false;
    QTest::newRow("a letter first reads 0") << QStringList{q("x"), q("5"), q("2"), q("3")} << true << false;
    QTest::newRow("four empty boxes read 0") << QStringList{{}, {}, {}, {}} << true << false;
    QTest::newRow("stops part-way") << QStringList{{}, q("5"), q("2"), q("3,0")} << true << true;
}

void SubtractionScreenTest::readingCases() {
    QFETCH(QStringList, result);
    QFETCH(bool, rightOperands);
    QFETCH(bool, right);
    TestProgram t(m_seed523);
    SubtractionScreen& s = subtractionScreen(t);
    const subtraction::Problem p = s.problem();
    QCOMPARE(p.difference, 523);
    QVERIFY(showActive(s));
    const QString first = QString::number(p.first).rightJustified(4, QLatin1Char(' '));
    const QString second = QString::number(p.second).rightJustified(4, QLatin1Char(' '));
    for (int i = 0; i < 4; ++i) {
        type(s, qPrintable(operandRows[i]), rightOperands ? first.mid(i, 1).trimmed() : q("7"));
        type(s, qPrintable(operandRows[4 + i]), rightOperands ? second.mid(i, 1).trimmed() : QString());
    }
    typeRow(s, resultRow, result);
    if (QTest::currentTestFailed())
        return;

    click(s, "cmdconferma");

    checkVerdict(s, t.seam, right);
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(s.answerText(), result.join(QString()));
}

void SubtractionScreenTest::rightCheckDrawsAnew() {
    TestProgram t(11);
    SubtractionScreen& s = subtractionScreen(t);
    QVERIFY(showActive(s));
    const subtraction::Problem before = s.problem();
    QCOMPARE(s.operationLine(), QString::fromStdString(subtraction::operationLine(before)));
    for (const QString& box : operandRows)
        type(s, qPrintable(box), q("4"));
    type(s, "txtkris", QString::number(before.difference));

    click(s, "cmdconferma");

    const subtraction::Problem expected = drawnAfterRightCheck(11, subtraction::draw);
    QCOMPARE(s.problem().first, expected.first);
    QCOMPARE(s.problem().second, expected.second);
    QCOMPARE(s.operationLine(), QString::fromStdString(subtraction::operationLine(expected)));
    QVERIFY(s.operationLine() != QString::fromStdString(subtraction::operationLine(before)));
    QCOMPARE(joined(s, operandRows) + joined(s, resultRow), QString()); // all twelve boxes
    QCOMPARE(focused(), q("txtk1"));
    checkMessage(s, true);
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(s.rightCount(), 1);
    QCOMPARE(s.wrongCount(), 0);
    QCOMPARE(t.seam.beeps, 0);
}

void SubtractionScreenTest::wrongCheckKeepsOperands() {
    TestProgram t(12);
    SubtractionScreen& s = subtractionScreen(t);
    QVERIFY(showActive(s));
    const subtraction::Problem before = s.problem();
    const QString line = s.operationLine();
    const QString typed = q("12345678");
    for (int i = 0; i < 8; ++i)
        type(s, qPrintable(operandRows[i]), typed.mid(i, 1));
    type(s, "txturis", QString::number(before.difference - 1));

    click(s, "cmdconferma");

    QCOMPARE(s.problem().first, before.first);
    QCOMPARE(s.problem().second, before.second);
    QCOMPARE(s.operationLine(), line);
    QCOMPARE(joined(s, operandRows), typed);
    QCOMPARE(joined(s, resultRow), QString());
    QCOMPARE(focused(), q("txturis"));
    checkMessage(s, false);
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(t.seam.beeps, 1);
    QCOMPARE(s.wrongCount(), 1);
    QCOMPARE(s.rightCount(), 0);
}

void SubtractionScreenTest::emptyResultRowIsWrong() {
    // The expected result is at least 1, so an empty result row is always wrong.
    for (std::uint64_t seed : {1ULL, 2ULL, 3ULL}) {
        TestProgram t(seed);
        SubtractionScreen& s = subtractionScreen(t);
        QVERIFY(s.problem().difference >= 1);
        const QString line = s.operationLine();
        s.cmdconferma_Click();
        QCOMPARE(s.wrongCount(), 1);
        QCOMPARE(s.operationLine(), line);
        QCOMPARE(t.seam.beeps, 1);
    }
}

void SubtractionScreenTest::digitBoxes_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QColor>("colour");
    struct Box {
        const char* name;
        int left, top, height;
        QColor colour;
    };
    const Box boxes[] = {
        {"txtk1", 2880, 1560, 420, blue},   {"txth1", 3600, 1560, 405, green},
        {"txtda1", 4320, 1560, 405, red},   {"txtu1", 5040, 1560, 405, black},
        {"txtk2", 2880, 2040, 420, blue},   {"txth2", 3600, 2040, 375, green},
        {"txtda2", 4320, 2040, 375, red},   {"txtu2", 5040, 2040, 375, black},
        {"txtkris", 2880, 2640, 420, blue}, {"txthris", 3600, 2640, 375, green},
        {"txtdaris", 4320, 2640, 375, red}, {"txturis", 5040, 2640, 375, black},
    };
    for (const Box& box : boxes)
        QTest::newRow(box.name) << q(box.name) << px(box.left, box.top, 495, box.height) << box.colour;
}

void SubtractionScreenTest::digitBoxes() {
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(QColor, colour);
    TestProgram t;
    SubtractionScreen& s = subtractionScreen(t);
    s.showScreen();
    checkDigitBox(s, name, geometry, colour);
}

void SubtractionScreenTest::gridLabels_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("Label1") << q("Label1") << q("k") << px(2880, 960, 495, 375) << blue;
    QTest::newRow("lblh") << q("lblh") << q("h") << px(3600, 960, 495, 375) << green;
    QTest::newRow("lblda") << q("lblda") << q("da") << px(4320, 960, 495, 375) << red;
    QTest::newRow("lblu") << q("lblu") << q("u") << px(5040, 960, 495, 375) << black;
    QTest::newRow("lblmeno") << q("lblmeno") << q("-") << px(5640, 1560, 495, 375) << black;
    QTest::newRow("lbluguale") << q("lbluguale") << q("=") << px(5640, 2040, 495, 375) << black;
}

void SubtractionScreenTest::gridLabels() {
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QRect, geometry);
    QFETCH(QColor, colour);
    TestProgram t;
    SubtractionScreen& s = subtractionScreen(t);
    checkGridLabel(s, name, caption, geometry, colour, background);
}

void SubtractionScreenTest::commonControlsPlaced_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QRect>("geometry");
    QTest::newRow("cmdconferma") << q("cmdconferma") << q("&Controlla") << px(3600, 3360, 1215, 375);
    QTest::newRow("cmdpunteggio") << q("cmdpunteggio") << q("&Punteggio") << px(120, 5400, 975, 375);
    QTest::newRow("cmdfine") << q("cmdfine") << q("&Fine") << px(5760, 5400, 735, 375);
    QTest::newRow("lblmessaggio") << q("lblmessaggio") << QString() << px(1080, 4440, 4695, 615);
    QTest::newRow("Picture1") << q("Picture1") << QString() << px(120, 1200, 2535, 3015);
}

void SubtractionScreenTest::commonControlsPlaced() {
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QRect, geometry);
    TestProgram t;
    SubtractionScreen& s = subtractionScreen(t);
    checkCommonControl(s, name, text, geometry);
}

void SubtractionScreenTest::gridLinesDrawn() {
    TestProgram t;
    SubtractionScreen& s = subtractionScreen(t);
    // Line1 at y 96 and Line4 at y 168 from x 184 to 376; Line5, Line2, Line3 at x 232, 280, 328 from
    // y 56 to 208: points where no control lies over them, and points beside them.
    const QPoint onLines[] = {{186, 96},  {300, 96}, {186, 168}, {370, 168}, {232, 58}, {232, 150},
                              {232, 206}, {280, 58}, {280, 120}, {328, 58},  {328, 165}};
    const QPoint beside[] = {{186, 94}, {186, 98}, {234, 58}, {230, 58}, {232, 212}, {180, 96}};
    checkGridLines(s, QSize(441, 393), onLines, beside, background);
}

void SubtractionScreenTest::tabOrder() {
    TestProgram t;
    SubtractionScreen& s = subtractionScreen(t);
    QVERIFY(showActive(s));
    const QStringList expected{q("txtk1"),       q("txth1"),        q("txtda1"),  q("txtu1"),
                               q("txtk2"),       q("txth2"),        q("txtda2"),  q("txtu2"),
                               q("txturis"),     q("txtdaris"),     q("txthris"), q("txtkris"),
                               q("cmdconferma"), q("cmdpunteggio"), q("cmdfine"), q("txtk1")};
    checkTabOrder(s, expected);
}

void SubtractionScreenTest::firstFocus() {
    TestProgram t;
    SubtractionScreen& s = subtractionScreen(t);
    QVERIFY(showActive(s));
    QCOMPARE(focused(), q("txtk1"));
}

void SubtractionScreenTest::screenLook() {
    TestProgram t;
    SubtractionScreen& s = subtractionScreen(t);
    QCOMPARE(s.windowTitle(), q("Sottrazioni in colonna"));
    QCOMPARE(s.size(), QSize(441, 393));
    QCOMPARE(s.palette().color(QPalette::Window), background);
    QVERIFY(s.autoFillBackground());

    checkOperationLine(s, px(2760, 240, 2895, 375), Qt::AlignHCenter,
                       QString::fromStdString(subtraction::operationLine(s.problem())));
    if (QTest::currentTestFailed())
        return;
    QVERIFY(s.text(q("lbloper")).contains(q(" - ")));
    checkMessageLook(s);
}

void SubtractionScreenTest::scoreCode() {
    TestProgram t;
    checkScoreCode(subtractionScreen(t), 2);
}

QTEST_MAIN(SubtractionScreenTest)
#include "tst_subtractionscreen.moc"

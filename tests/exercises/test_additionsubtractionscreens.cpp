// SPDX-License-Identifier: GPL-3.0-or-later
// The addition and the subtraction screens as a pupil meets them, one table over both operations: the
// lenient reading of the result row, what a right and a wrong check leave behind, and the grid, the
// tab order and the look of each screen. Every row's tag begins with its operation.
#include "exercises/addition/problem.h"
#include "exercises/addition/screen.h"
#include "exercises/subtraction/problem.h"
#include "exercises/subtraction/screen.h"
#include "support/recorder.h"
#include "support/screenchecks.h"

#include <QtTest>

using namespace abacolo;
using namespace abacolo::test;

namespace {

// What the tests ask of an operation's screen besides the places in the tables below.
struct Operation {
    const char* name; // the first word of each row's tag
    ScreenId id;
    QColor background;
    QStringList operandRows; // the boxes above the result row, each row thousands first
    // The problem on the screen: the numbers the pupil copies, its result and its operation line.
    QList<int> (*numbers)(ExerciseScreen&);
    int (*result)(ExerciseScreen&);
    QString (*line)(ExerciseScreen&);
    // The numbers of the problem a screen loaded from `seed` shows after one right check.
    QList<int> (*numbersAfterRightCheck)(std::uint64_t seed);
    int readingResult; // the result of the problem the reading cases are written for
};

const QStringList resultRow{q("txtkris"), q("txthris"), q("txtdaris"), q("txturis")};

AdditionScreen& additionOf(ExerciseScreen& s) {
    return static_cast<AdditionScreen&>(s);
}

SubtractionScreen& subtractionOf(ExerciseScreen& s) {
    return static_cast<SubtractionScreen&>(s);
}

QList<int> numbersOf(const addition::Problem& p) {
    return {p.addend1, p.addend2, p.addend3};
}

QList<int> numbersOf(const subtraction::Problem& p) {
    return {p.first, p.second};
}

addition::Problem drawAddition(Generator& generator) {
    return addition::draw(generator);
}

subtraction::Problem drawSubtraction(Generator& generator) {
    return subtraction::draw(generator);
}

const Operation additionOp{
    "addition",
    ScreenId::frmaddizioni,
    QColor(128, 255, 255),
    {q("txtk1"), q("txth1"), q("txtda1"), q("txtu1"), q("txtk2"), q("txth2"), q("txtda2"), q("txtu2"),
     q("txtk3"), q("txth3"), q("txtda3"), q("txtu3")},
    [](ExerciseScreen& s) { return numbersOf(additionOf(s).problem()); },
    [](ExerciseScreen& s) { return additionOf(s).problem().sum; },
    [](ExerciseScreen& s) {
        return QString::fromStdString(addition::operationLine(additionOf(s).problem()));
    },
    [](std::uint64_t seed) { return numbersOf(drawnAfterRightCheck(seed, drawAddition)); },
    573,
};

const Operation subtractionOp{
    "subtraction",
    ScreenId::frmsottrazioni,
    QColor(255, 192, 192),
    {q("txtk1"), q("txth1"), q("txtda1"), q("txtu1"), q("txtk2"), q("txth2"), q("txtda2"), q("txtu2")},
    [](ExerciseScreen& s) { return numbersOf(subtractionOf(s).problem()); },
    [](ExerciseScreen& s) { return subtractionOf(s).problem().difference; },
    [](ExerciseScreen& s) {
        return QString::fromStdString(subtraction::operationLine(subtractionOf(s).problem()));
    },
    [](std::uint64_t seed) { return numbersOf(drawnAfterRightCheck(seed, drawSubtraction)); },
    523,
};

const Operation* const operations[] = {&additionOp, &subtractionOp};

const Operation& operationOf(ScreenId id) {
    return id == ScreenId::frmaddizioni ? additionOp : subtractionOp;
}

// A row of a table, tagged "operation: what".
QTestData& row(const Operation& op, const QString& what) {
    return QTest::newRow(qPrintable(QString::fromLatin1(op.name) + q(": ") + what)) << op.id;
}

// The digits of a number right-aligned in four boxes, thousands first; a box left of the number empty.
QStringList inFourBoxes(int number) {
    const QString digits = QString::number(number).rightJustified(4, QLatin1Char(' '));
    QStringList boxes;
    for (int i = 0; i < 4; ++i)
        boxes << digits.mid(i, 1).trimmed();
    return boxes;
}

} // namespace

class AdditionSubtractionScreensTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void readingCases_data();
    void readingCases();
    void rightCheckDrawsAnew_data();
    void rightCheckDrawsAnew();
    void wrongCheckKeepsProblem_data();
    void wrongCheckKeepsProblem();
    void emptyResultRowIsWrongInSubtraction();
    void digitBoxes_data();
    void digitBoxes();
    void gridLabels_data();
    void gridLabels();
    void commonControlsPlaced_data();
    void commonControlsPlaced();
    void gridLinesDrawn_data();
    void gridLinesDrawn();
    void tabOrder_data();
    void tabOrder();
    void firstFocus_data();
    void firstFocus();
    void screenLook_data();
    void screenLook();
    void scoreCode_data();
    void scoreCode();

private:
    // The seed whose load draws the problem an operation's reading cases are written for.
    std::uint64_t readingSeed(const Operation& op) const;

    std::uint64_t m_seed573 = 0; // a seed whose load draws an addition with the sum 573
    std::uint64_t m_seed523 = 0; // a seed whose load draws a subtraction with the difference 523
};

void AdditionSubtractionScreensTest::initTestCase() {
    m_seed573 =
        seedFor(drawAddition, [](const addition::Problem& p) { return p.sum == additionOp.readingResult; });
    m_seed523 = seedFor(drawSubtraction, [](const subtraction::Problem& p) {
        return p.difference == subtractionOp.readingResult;
    });
}

std::uint64_t AdditionSubtractionScreensTest::readingSeed(const Operation& op) const {
    return &op == &additionOp ? m_seed573 : m_seed523;
}

void AdditionSubtractionScreensTest::readingCases_data() {
    QTest::addColumn<ScreenId>("id");
    QTest::addColumn<QStringList>("result");   // thousands, hundreds, tens, units
    QTest::addColumn<QStringList>("operands"); // what the pupil left in the rows above, box by box
    QTest::addColumn<bool>("right");

    // The addition's sum is 573.
    const Operation& a = additionOp;
    const QStringList none;
    const QStringList wrongAddends{q("9"), q("9"), q("9"), q("9"), q("1"), {},
                                   q("x"), {},     {},     {},     {},     q("0")};
    row(a, q("empty leading box")) << QStringList{{}, q("5"), q("7"), q("3")} << none << true;
    row(a, q("leading zero")) << QStringList{q("0"), q("5"), q("7"), q("3")} << none << true;
    row(a, q("several leading zeros")) << QStringList{q("00"), q("0"), q("57"), q("3")} << none << true;
    row(a, q("shifted left")) << QStringList{q("5"), q("7"), q("3"), {}} << none << true;
    row(a, q("shifted with a gap")) << QStringList{q("5"), {}, q("7"), q("3")} << none << true;
    row(a, q("two digits in one box")) << QStringList{{}, {}, q("57"), q("3")} << none << true;
    row(a, q("whole number in thousands")) << QStringList{q("573"), {}, {}, {}} << none << true;
    row(a, q("whole number in units")) << QStringList{{}, {}, {}, q("573")} << none << true;
    row(a, q("blanks around digits")) << QStringList{q(" "), q("5 "), q(" 7"), q("3")} << none << true;
    row(a, q("stops at a letter")) << QStringList{{}, q("5"), q("7"), q("3a")} << none << true;
    row(a, q("addend rows wrong, result right"))
        << QStringList{{}, q("5"), q("7"), q("3")} << wrongAddends << true;
    row(a, q("four empty boxes read 0")) << QStringList{{}, {}, {}, {}} << none << false;
    row(a, q("a letter first reads 0")) << QStringList{q("a"), q("5"), q("7"), q("3")} << none << false;
    row(a, q("units wrong")) << QStringList{{}, q("5"), q("7"), q("4")} << none << false;
    row(a, q("a digit too many")) << QStringList{q("1"), q("5"), q("7"), q("3")} << none << false;
    row(a, q("a digit missing")) << QStringList{{}, q("5"), q("7"), {}} << none << false;
    row(a, q("decimal")) << QStringList{{}, q("5"), q("7"), q("3.5")} << none << false;
    row(a, q("negative")) << QStringList{q("-"), q("5"), q("7"), q("3")} << none << false;

    // The subtraction's difference is 523; its operand rows hold the two numbers, or junk.
    const Operation& s = subtractionOp;
    const subtraction::Problem p523 = drawnAtLoad(readingSeed(s), drawSubtraction);
    const QStringList numbers = inFourBoxes(p523.first) + inFourBoxes(p523.second);
    const QStringList junk{q("7"), q("7"), q("7"), q("7"), {}, {}, {}, {}};
    row(s, q("nothing, 5, 2, 3")) << QStringList{{}, q("5"), q("2"), q("3")} << numbers << true;
    row(s, q("0, 5, 2, 3")) << QStringList{q("0"), q("5"), q("2"), q("3")} << numbers << true;
    row(s, q("nothing, nothing, 5, 23")) << QStringList{{}, {}, q("5"), q("23")} << numbers << true;
    row(s, q("523, nothing, nothing, nothing")) << QStringList{q("523"), {}, {}, {}} << numbers << true;
    row(s, q("1, nothing, 2, 3 reads 123")) << QStringList{q("1"), {}, q("2"), q("3")} << numbers << false;
    row(s, q("right result, junk operands")) << QStringList{{}, q("5"), q("2"), q("3")} << junk << true;
    row(s, q("right operands, wrong result")) << QStringList{{}, q("5"), q("2"), q("4")} << numbers << false;
    row(s, q("a letter first reads 0")) << QStringList{q("x"), q("5"), q("2"), q("3")} << numbers << false;
    row(s, q("four empty boxes read 0")) << QStringList{{}, {}, {}, {}} << numbers << false;
    row(s, q("stops part-way")) << QStringList{{}, q("5"), q("2"), q("3,0")} << numbers << true;
}

void AdditionSubtractionScreensTest::readingCases() {
    QFETCH(ScreenId, id);
    QFETCH(QStringList, result);
    QFETCH(QStringList, operands);
    QFETCH(bool, right);
    const Operation& op = operationOf(id);
    TestProgram t(readingSeed(op));
    ExerciseScreen& s = t.program.exercise(id);
    QCOMPARE(op.result(s), op.readingResult);
    QVERIFY(showActive(s));
    typeRow(s, op.operandRows.first(operands.size()), operands);
    if (QTest::currentTestFailed())
        return;
    typeRow(s, resultRow, result);
    if (QTest::currentTestFailed())
        return;

    click(s, "cmdconferma");

    checkVerdict(s, t.seam, right);
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(s.answerText(), result.join(QString()));
}

void AdditionSubtractionScreensTest::rightCheckDrawsAnew_data() {
    QTest::addColumn<ScreenId>("id");
    QTest::addColumn<std::uint64_t>("seed");
    QTest::addColumn<QString>("copied");    // typed into every operand box
    QTest::addColumn<QString>("answerBox"); // where the whole result is typed
    row(additionOp, q("every addend 8")) << std::uint64_t{3} << q("8") << q("txturis");
    row(subtractionOp, q("every operand 4")) << std::uint64_t{11} << q("4") << q("txtkris");
}

void AdditionSubtractionScreensTest::rightCheckDrawsAnew() {
    QFETCH(ScreenId, id);
    QFETCH(std::uint64_t, seed);
    QFETCH(QString, copied);
    QFETCH(QString, answerBox);
    const Operation& op = operationOf(id);
    TestProgram t(seed);
    ExerciseScreen& s = t.program.exercise(id);
    QVERIFY(showActive(s));
    const QString lineBefore = op.line(s);
    QCOMPARE(s.operationLine(), lineBefore);
    for (const QString& box : op.operandRows)
        type(s, qPrintable(box), copied);
    type(s, qPrintable(answerBox), QString::number(op.result(s)));

    click(s, "cmdconferma");

    // In the same handler: a new operation line for the problem drawn after the check's seeding.
    const QList<int> expected = op.numbersAfterRightCheck(seed);
    const QList<int> after = op.numbers(s);
    for (qsizetype i = 0; i < expected.size(); ++i)
        QCOMPARE(after[i], expected[i]);
    QCOMPARE(s.operationLine(), op.line(s));
    QVERIFY(s.operationLine() != lineBefore);

    QCOMPARE(joined(s, op.operandRows), QString());
    QCOMPARE(joined(s, resultRow), QString());
    QCOMPARE(focused(), q("txtk1"));
    checkMessage(s, true);
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(s.rightCount(), 1);
    QCOMPARE(s.wrongCount(), 0);
    QCOMPARE(t.seam.beeps, 0);
}

void AdditionSubtractionScreensTest::wrongCheckKeepsProblem_data() {
    QTest::addColumn<ScreenId>("id");
    QTest::addColumn<std::uint64_t>("seed");
    QTest::addColumn<QString>("typed"); // one character for each operand box, in their order
    QTest::addColumn<QString>("answerBox");
    QTest::addColumn<int>("offBy"); // the wrong answer typed, against the right one
    row(additionOp, q("one more than the sum")) << std::uint64_t{5} << q("123456789012") << q("txturis") << 1;
    row(subtractionOp, q("one less than the difference"))
        << std::uint64_t{12} << q("12345678") << q("txturis") << -1;
}

void AdditionSubtractionScreensTest::wrongCheckKeepsProblem() {
    QFETCH(ScreenId, id);
    QFETCH(std::uint64_t, seed);
    QFETCH(QString, typed);
    QFETCH(QString, answerBox);
    QFETCH(int, offBy);
    const Operation& op = operationOf(id);
    TestProgram t(seed);
    ExerciseScreen& s = t.program.exercise(id);
    QVERIFY(showActive(s));
    const QList<int> before = op.numbers(s);
    const int result = op.result(s);
    const QString line = s.operationLine();
    for (qsizetype i = 0; i < op.operandRows.size(); ++i)
        type(s, qPrintable(op.operandRows[i]), typed.mid(i, 1));
    type(s, qPrintable(answerBox), QString::number(result + offBy));

    click(s, "cmdconferma");

    QCOMPARE(op.result(s), result);
    const QList<int> after = op.numbers(s);
    for (qsizetype i = 0; i < before.size(); ++i)
        QCOMPARE(after[i], before[i]);
    QCOMPARE(s.operationLine(), line);
    QCOMPARE(joined(s, op.operandRows), typed);
    QCOMPARE(joined(s, resultRow), QString());
    QCOMPARE(focused(), q("txturis"));
    checkMessage(s, false);
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(t.seam.beeps, 1);
    QCOMPARE(s.rightCount(), 0);
    QCOMPARE(s.wrongCount(), 1);

    // The same problem, answered right at the second try.
    type(s, "txthris", QString::number(result));
    click(s, "cmdconferma");
    QCOMPARE(s.rightCount(), 1);
    QCOMPARE(joined(s, op.operandRows), QString());
}

void AdditionSubtractionScreensTest::emptyResultRowIsWrongInSubtraction() {
    // The difference is at least 1, so an empty result row is always wrong.
    for (std::uint64_t seed : {1ULL, 2ULL, 3ULL}) {
        TestProgram t(seed);
        ExerciseScreen& s = t.program.exercise(ScreenId::frmsottrazioni);
        QVERIFY(subtractionOp.result(s) >= 1);
        const QString line = s.operationLine();
        s.cmdconferma_Click();
        QCOMPARE(s.wrongCount(), 1);
        QCOMPARE(s.operationLine(), line);
        QCOMPARE(t.seam.beeps, 1);
    }
}

void AdditionSubtractionScreensTest::digitBoxes_data() {
    QTest::addColumn<ScreenId>("id");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QColor>("colour");
    struct Column {
        const char* prefix;
        int left;
        QColor colour;
    };
    // Addition: four rows of four boxes of one size.
    const Column columns[] = {{"k", 2880, blue}, {"h", 3600, green}, {"da", 4320, red}, {"u", 5040, black}};
    const std::pair<const char*, int> rows[] = {{"1", 1440}, {"2", 1920}, {"3", 2400}, {"ris", 3000}};
    for (const auto& [suffix, top] : rows)
        for (const Column& column : columns) {
            const QString name = q("txt") + q(column.prefix) + q(suffix);
            row(additionOp, name) << name << px(column.left, top, 495, 420) << column.colour;
        }
    // Subtraction: the thousands a little taller than the rest.
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
        row(subtractionOp, q(box.name))
            << q(box.name) << px(box.left, box.top, 495, box.height) << box.colour;
}

void AdditionSubtractionScreensTest::digitBoxes() {
    QFETCH(ScreenId, id);
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(QColor, colour);
    TestProgram t;
    ExerciseScreen& s = t.program.exercise(id);
    s.showScreen();
    checkDigitBox(s, name, geometry, colour);
}

void AdditionSubtractionScreensTest::gridLabels_data() {
    QTest::addColumn<ScreenId>("id");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QColor>("colour");
    const Operation& a = additionOp;
    row(a, q("Label1")) << q("Label1") << q("k") << px(2880, 840, 495, 375) << blue;
    row(a, q("lblh")) << q("lblh") << q("h") << px(3600, 840, 495, 375) << green;
    row(a, q("lblda")) << q("lblda") << q("da") << px(4320, 840, 495, 375) << red;
    row(a, q("lblu")) << q("lblu") << q("u") << px(5040, 840, 495, 375) << black;
    row(a, q("lblpiu")) << q("lblpiu") << q("+") << px(5640, 1440, 495, 375) << black;
    row(a, q("lblpiu2")) << q("lblpiu2") << q("+") << px(5640, 1920, 495, 375) << black;
    row(a, q("lbluguale")) << q("lbluguale") << q("=") << px(5640, 2400, 495, 375) << black;
    const Operation& s = subtractionOp;
    row(s, q("Label1")) << q("Label1") << q("k") << px(2880, 960, 495, 375) << blue;
    row(s, q("lblh")) << q("lblh") << q("h") << px(3600, 960, 495, 375) << green;
    row(s, q("lblda")) << q("lblda") << q("da") << px(4320, 960, 495, 375) << red;
    row(s, q("lblu")) << q("lblu") << q("u") << px(5040, 960, 495, 375) << black;
    row(s, q("lblmeno")) << q("lblmeno") << q("-") << px(5640, 1560, 495, 375) << black;
    row(s, q("lbluguale")) << q("lbluguale") << q("=") << px(5640, 2040, 495, 375) << black;
}

void AdditionSubtractionScreensTest::gridLabels() {
    QFETCH(ScreenId, id);
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QRect, geometry);
    QFETCH(QColor, colour);
    TestProgram t;
    ExerciseScreen& s = t.program.exercise(id);
    checkGridLabel(s, name, caption, geometry, colour, operationOf(id).background);
}

void AdditionSubtractionScreensTest::commonControlsPlaced_data() {
    QTest::addColumn<ScreenId>("id");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QRect>("geometry");
    const Operation& a = additionOp;
    row(a, q("cmdconferma")) << q("cmdconferma") << q("&Controlla") << px(3600, 3720, 1215, 375);
    row(a, q("cmdpunteggio")) << q("cmdpunteggio") << q("&Punteggio") << px(120, 5400, 975, 375);
    row(a, q("cmdfine")) << q("cmdfine") << q("&Fine") << px(5760, 5400, 735, 375);
    row(a, q("lblmessaggio")) << q("lblmessaggio") << QString() << px(960, 4440, 4695, 615);
    row(a, q("Picture1")) << q("Picture1") << QString() << px(240, 1200, 2415, 2775);
    const Operation& s = subtractionOp;
    row(s, q("cmdconferma")) << q("cmdconferma") << q("&Controlla") << px(3600, 3360, 1215, 375);
    row(s, q("cmdpunteggio")) << q("cmdpunteggio") << q("&Punteggio") << px(120, 5400, 975, 375);
    row(s, q("cmdfine")) << q("cmdfine") << q("&Fine") << px(5760, 5400, 735, 375);
    row(s, q("lblmessaggio")) << q("lblmessaggio") << QString() << px(1080, 4440, 4695, 615);
    row(s, q("Picture1")) << q("Picture1") << QString() << px(120, 1200, 2535, 3015);
}

void AdditionSubtractionScreensTest::commonControlsPlaced() {
    QFETCH(ScreenId, id);
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QRect, geometry);
    TestProgram t;
    ExerciseScreen& s = t.program.exercise(id);
    checkCommonControl(s, name, text, geometry);
}

void AdditionSubtractionScreensTest::gridLinesDrawn_data() {
    QTest::addColumn<ScreenId>("id");
    QTest::addColumn<QList<QPoint>>("onLines");
    QTest::addColumn<QList<QPoint>>("beside");
    // Points on each line where no control lies over it, and points beside them.
    row(additionOp, q("five lines")) << QList<QPoint>{{186, 88},  {300, 88},  {186, 192},
                                                      {370, 192},                         // Line1, Line4
                                                      {232, 50},  {232, 140}, {232, 230}, // Line5
                                                      {280, 50},  {280, 190}, {328, 50},
                                                      {328, 120}} // Line2, Line3
                                     << QList<QPoint>{{186, 86}, {186, 90},  {234, 50},
                                                      {230, 50}, {232, 236}, {180, 88}};
    // Line1 at y 96 and Line4 at y 168 from x 184 to 376; Line5, Line2, Line3 at x 232, 280, 328 from
    // y 56 to 208.
    row(subtractionOp, q("five lines"))
        << QList<QPoint>{{186, 96},  {300, 96}, {186, 168}, {370, 168}, {232, 58}, {232, 150},
                         {232, 206}, {280, 58}, {280, 120}, {328, 58},  {328, 165}}
        << QList<QPoint>{{186, 94}, {186, 98}, {234, 58}, {230, 58}, {232, 212}, {180, 96}};
}

void AdditionSubtractionScreensTest::gridLinesDrawn() {
    QFETCH(ScreenId, id);
    QFETCH(QList<QPoint>, onLines);
    QFETCH(QList<QPoint>, beside);
    TestProgram t;
    ExerciseScreen& s = t.program.exercise(id);
    checkGridLines(s, QSize(441, 393), onLines, beside, operationOf(id).background);
}

void AdditionSubtractionScreensTest::tabOrder_data() {
    QTest::addColumn<ScreenId>("id");
    QTest::addColumn<QStringList>("expected");
    const QStringList buttons{q("cmdconferma"), q("cmdpunteggio"), q("cmdfine"), q("txtk1")};
    const QStringList resultFromUnits{q("txturis"), q("txtdaris"), q("txthris"), q("txtkris")};
    for (const Operation* op : operations)
        row(*op, q("operands, result from the units, buttons"))
            << op->operandRows + resultFromUnits + buttons;
}

void AdditionSubtractionScreensTest::tabOrder() {
    QFETCH(ScreenId, id);
    QFETCH(QStringList, expected);
    TestProgram t;
    ExerciseScreen& s = t.program.exercise(id);
    QVERIFY(showActive(s));
    checkTabOrder(s, expected);
}

void AdditionSubtractionScreensTest::firstFocus_data() {
    QTest::addColumn<ScreenId>("id");
    for (const Operation* op : operations)
        row(*op, q("thousands of the first row"));
}

void AdditionSubtractionScreensTest::firstFocus() {
    QFETCH(ScreenId, id);
    TestProgram t;
    ExerciseScreen& s = t.program.exercise(id);
    QVERIFY(showActive(s));
    QCOMPARE(focused(), q("txtk1"));
}

void AdditionSubtractionScreensTest::screenLook_data() {
    QTest::addColumn<ScreenId>("id");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QRect>("operationLine");
    QTest::addColumn<Qt::Alignment>("alignment");
    QTest::addColumn<QString>("sign"); // between the numbers of the operation line
    row(additionOp, q("title, colours, operation line"))
        << q("Addizioni in colonna") << px(2880, 120, 2655, 375) << Qt::Alignment(Qt::AlignLeft) << q(" + ");
    row(subtractionOp, q("title, colours, operation line"))
        << q("Sottrazioni in colonna") << px(2760, 240, 2895, 375) << Qt::Alignment(Qt::AlignHCenter)
        << q(" - ");
}

void AdditionSubtractionScreensTest::screenLook() {
    QFETCH(ScreenId, id);
    QFETCH(QString, title);
    QFETCH(QRect, operationLine);
    QFETCH(Qt::Alignment, alignment);
    QFETCH(QString, sign);
    const Operation& op = operationOf(id);
    TestProgram t;
    ExerciseScreen& s = t.program.exercise(id);
    QCOMPARE(s.windowTitle(), title);
    QCOMPARE(s.size(), QSize(441, 393));
    QCOMPARE(s.palette().color(QPalette::Window), op.background);
    QVERIFY(s.autoFillBackground());

    checkOperationLine(s, operationLine, alignment, op.line(s));
    if (QTest::currentTestFailed())
        return;
    QVERIFY(s.text(q("lbloper")).contains(sign));
    checkMessageLook(s);
}

void AdditionSubtractionScreensTest::scoreCode_data() {
    QTest::addColumn<ScreenId>("id");
    QTest::addColumn<int>("code");
    row(additionOp, q("1")) << 1;
    row(subtractionOp, q("2")) << 2;
}

void AdditionSubtractionScreensTest::scoreCode() {
    QFETCH(ScreenId, id);
    QFETCH(int, code);
    TestProgram t;
    checkScoreCode(t.program.exercise(id), code);
}

QTEST_MAIN(AdditionSubtractionScreensTest)
#include "test_additionsubtractionscreens.moc"

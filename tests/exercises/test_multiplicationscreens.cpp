// SPDX-License-Identifier: GPL-3.0-or-later
// The two multiplication screens (a one-digit and a two-digit multiplier) as the pupil meets them, one
// table over both: only the result row is judged, whatever the working boxes hold; what a right and a
// wrong check empty and keep; the grid of digit boxes with its heads and tab order. Every row's tag
// begins with its screen.
#include "exercises/multiplication/screen.h"
#include "exercises/multiplication2/screen.h"

#include "support/recorder.h"
#include "support/screenchecks.h"

#include <QLineEdit>
#include <QTest>

#include <limits>

using namespace abacolo;
using namespace abacolo::test;
using namespace Qt::Literals::StringLiterals;

namespace {

// What the tests ask of a multiplication screen besides the places in the tables below.
struct Operation {
    const char* name; // the first word of each row's tag
    ScreenId id;
    const char* title;
    QColor background;
    multiplication::Problem (*draw)(Generator&);
    const multiplication::Problem& (*problem)(ExerciseScreen&);
    QStringList keptBoxes;    // the working boxes a wrong check keeps: the factors as copied
    QStringList emptiedBoxes; // the working boxes a wrong check empties with the result row
    const char* firstBox;     // the focus at the first showing and after a right check
    const char* retryBox;     // the focus after a wrong check
};

const QStringList resultRow{u"txtkris"_s, u"txthris"_s, u"txtdaris"_s, u"txturis"_s};

const Operation oneDigit{
    "multiplication",
    ScreenId::frmmoltiplicazioni,
    "Moltiplicazioni in colonna con 1 cifra al moltiplicatore",
    QColor(255, 192, 255),
    [](Generator& g) { return multiplication::draw(g); },
    [](ExerciseScreen& s) -> const multiplication::Problem& {
        return static_cast<MultiplicationScreen&>(s).problem();
    },
    {u"txtk1"_s, u"txth1"_s, u"txtda1"_s, u"txtu1"_s, u"txtu2"_s},
    {},
    "txtk1",
    "txturis",
};

const Operation twoDigits{
    "multiplication2",
    ScreenId::frmmoltiplicazioni2,
    "Moltiplicazioni in colonna con 2 cifre al moltiplicatore",
    QColor(192, 192, 255),
    [](Generator& g) { return multiplication2::draw(g); },
    [](ExerciseScreen& s) -> const multiplication::Problem& {
        return static_cast<Multiplication2Screen&>(s).problem();
    },
    {u"txth1"_s, u"txtda1"_s, u"txtu1"_s, u"txtda2"_s, u"txtu2"_s},
    // Both partial products, each thousands to units.
    {u"txtpark1"_s, u"txtparh1"_s, u"txtparda1"_s, u"txtparu1"_s, u"txtpark2"_s, u"txtparh2"_s,
     u"txtparda2"_s, u"txtparu2"_s},
    "txth1",
    "txtparu1",
};

// 123 x 45 worked: 615 in the first partial product, 492 shifted one column left in the second.
const QString partials615and492 = u"|6|1|5|4|9|2|"_s;

const Operation& operationOf(ScreenId id) {
    return id == ScreenId::frmmoltiplicazioni ? oneDigit : twoDigits;
}

std::uint64_t seedFor(const Operation& op, int multiplicand, int multiplier) {
    return test::seedFor(op.draw, [=](const multiplication::Problem& p) {
        return p.multiplicand == multiplicand && p.multiplier == multiplier;
    });
}

ExerciseScreen& shown(TestProgram& t, ScreenId id) {
    ExerciseScreen& screen = t.program.exercise(id);
    screen.showScreen();
    return screen;
}

// A row of a table, tagged "screen: what".
QTestData& row(const Operation& op, const QString& what) {
    return QTest::newRow(qPrintable(QString::fromLatin1(op.name) + u": "_s + what)) << op.id;
}

} // namespace

class MultiplicationScreensTest : public QObject {
    Q_OBJECT

private slots:
    // Only the joined text of the result row counts: for 302 x 3 = 906 with nothing in the working
    // boxes, and for 123 x 45 and 15 x 41 whatever the partial products hold.
    void resultRowReading_data() {
        QTest::addColumn<ScreenId>("id");
        QTest::addColumn<int>("multiplicand");
        QTest::addColumn<int>("multiplier");
        QTest::addColumn<QString>("partials");
        QTest::addColumn<QString>("result");
        QTest::addColumn<double>("value");
        QTest::addColumn<bool>("right");
        const Operation& one = oneDigit;
        const QString none;
        row(one, u"thousands empty"_s) << 302 << 3 << none << u"|9|0|6"_s << 906.0 << true;
        row(one, u"leading zero"_s) << 302 << 3 << none << u"0|9|0|6"_s << 906.0 << true;
        row(one, u"06 in the units"_s) << 302 << 3 << none << u"||9|06"_s << 906.0 << true;
        row(one, u"whole in the thousands"_s) << 302 << 3 << none << u"906|||"_s << 906.0 << true;
        row(one, u"shifted left around a gap"_s) << 302 << 3 << none << u"9||0|6"_s << 906.0 << true;
        row(one, u"blanks around the digits"_s) << 302 << 3 << none << u"| 9|0 | 6 "_s << 906.0 << true;
        row(one, u"letters after the number"_s) << 302 << 3 << none << u"|9|0|6a"_s << 906.0 << true;
        row(one, u"gap read as 96"_s) << 302 << 3 << none << u"|9||6"_s << 96.0 << false;
        row(one, u"one off"_s) << 302 << 3 << none << u"|9|0|7"_s << 907.0 << false;
        row(one, u"empty row"_s) << 302 << 3 << none << u"|||"_s << 0.0 << false;
        row(one, u"letter first"_s) << 302 << 3 << none << u"a|9|0|6"_s << 0.0 << false;
        row(one, u"beyond a double"_s)
            << 302 << 3 << none << u"1|e|999|"_s << std::numeric_limits<double>::infinity() << false;
        const Operation& two = twoDigits;
        row(two, u"123 x 45, partials 615 and 492"_s)
            << 123 << 45 << partials615and492 << u"5|5|3|5"_s << 5535.0 << true;
        row(two, u"123 x 45, wrong partials"_s)
            << 123 << 45 << u"9|9|9|9|x||1|0"_s << u"5|5|3|5"_s << 5535.0 << true;
        row(two, u"123 x 45, no partials"_s) << 123 << 45 << none << u"5|5|3|5"_s << 5535.0 << true;
        row(two, u"123 x 45, partials right, product wrong"_s)
            << 123 << 45 << partials615and492 << u"5|5|3|6"_s << 5536.0 << false;
        row(two, u"15 x 41, three digits"_s) << 15 << 41 << none << u"|6|1|5"_s << 615.0 << true;
        row(two, u"15 x 41, leading zero"_s) << 15 << 41 << none << u"0|6|1|5"_s << 615.0 << true;
        row(two, u"15 x 41, whole in the thousands"_s) << 15 << 41 << none << u"615|||"_s << 615.0 << true;
        row(two, u"15 x 41, gap read as 123"_s) << 15 << 41 << none << u"1||2|3"_s << 123.0 << false;
        row(two, u"15 x 41, empty row"_s) << 15 << 41 << none << u"|||"_s << 0.0 << false;
    }

    void resultRowReading() {
        QFETCH(ScreenId, id);
        QFETCH(int, multiplicand);
        QFETCH(int, multiplier);
        QFETCH(QString, partials);
        QFETCH(QString, result);
        QFETCH(double, value);
        QFETCH(bool, right);
        const Operation& op = operationOf(id);
        TestProgram t(seedFor(op, multiplicand, multiplier));
        ExerciseScreen& screen = shown(t, id);
        typeRow(screen, op.emptiedBoxes, partials.split(u'|'));
        if (QTest::currentTestFailed())
            return;
        typeRow(screen, resultRow, result.split(u'|'));
        if (QTest::currentTestFailed())
            return;

        click(screen, "cmdconferma");

        QCOMPARE(screen.answerText(), QString(result).remove(u'|'));
        QCOMPARE(screen.answerValue(), value);
        checkVerdict(screen, t.seam, right);
    }

    // The working boxes copied wrongly do not spoil a right product.
    void rightCheckEmptiesEveryBoxAndDrawsTheNextProblem_data() {
        QTest::addColumn<ScreenId>("id");
        QTest::addColumn<int>("multiplicand");
        QTest::addColumn<int>("multiplier");
        QTest::addColumn<QStringList>("typed"); // the kept boxes, the emptied ones, then the result row
        row(oneDigit, u"302 x 3"_s) << 302 << 3 << u"7|7|7|7|7|||9|06"_s.split(u'|');
        row(twoDigits, u"123 x 45"_s)
            << 123 << 45
            << u"3|2|1|5|4"_s.split(u'|') + partials615and492.split(u'|') + u"5|5|3|5"_s.split(u'|');
    }

    void rightCheckEmptiesEveryBoxAndDrawsTheNextProblem() {
        QFETCH(ScreenId, id);
        QFETCH(int, multiplicand);
        QFETCH(int, multiplier);
        QFETCH(QStringList, typed);
        const Operation& op = operationOf(id);
        const QStringList boxes = op.keptBoxes + op.emptiedBoxes + resultRow;
        const std::uint64_t seed = seedFor(op, multiplicand, multiplier);
        TestProgram t(seed);
        ExerciseScreen& screen = shown(t, id);
        typeRow(screen, boxes, typed);
        if (QTest::currentTestFailed())
            return;

        click(screen, "cmdconferma");

        checkMessage(screen, true);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(t.seam.beeps, 0);
        checkTexts(screen, boxes);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(screen.focusWidget(), screen.box(QString::fromLatin1(op.firstBox)));
        const multiplication::Problem next = drawnAfterRightCheck(seed, op.draw);
        QCOMPARE(op.problem(screen).multiplicand, next.multiplicand);
        QCOMPARE(op.problem(screen).multiplier, next.multiplier);
        QCOMPARE(screen.operationLine(), QString::fromStdString(multiplication::operationLine(next)));
        QCOMPARE(screen.rightCount(), 1);
        QCOMPARE(screen.wrongCount(), 0);
    }

    // The factors as the pupil copied them stay; the partial products go with the result row.
    void wrongCheckKeepsTheProblemAndTheFactors_data() {
        QTest::addColumn<ScreenId>("id");
        QTest::addColumn<int>("multiplicand");
        QTest::addColumn<int>("multiplier");
        QTest::addColumn<QStringList>("copied");  // into the kept boxes
        QTest::addColumn<QStringList>("emptied"); // into the emptied boxes and the result row
        row(oneDigit, u"302 x 3"_s) << 302 << 3 << u"|3|0|2|3"_s.split(u'|') << u"|9|6|6"_s.split(u'|');
        row(twoDigits, u"123 x 45"_s) << 123 << 45 << u"1|2|3|4|5"_s.split(u'|')
                                      << partials615and492.split(u'|') + u"5|5|3|4"_s.split(u'|');
    }

    void wrongCheckKeepsTheProblemAndTheFactors() {
        QFETCH(ScreenId, id);
        QFETCH(int, multiplicand);
        QFETCH(int, multiplier);
        QFETCH(QStringList, copied);
        QFETCH(QStringList, emptied);
        const Operation& op = operationOf(id);
        const QString line = u"%1 x %2"_s.arg(multiplicand).arg(multiplier);
        TestProgram t(seedFor(op, multiplicand, multiplier));
        ExerciseScreen& screen = shown(t, id);
        typeRow(screen, op.keptBoxes + op.emptiedBoxes + resultRow, copied + emptied);
        if (QTest::currentTestFailed())
            return;

        click(screen, "cmdconferma");

        checkMessage(screen, false);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(t.seam.beeps, 1);
        QCOMPARE(screen.operationLine(), line);
        checkTexts(screen, op.keptBoxes, copied);
        if (QTest::currentTestFailed())
            return;
        checkTexts(screen, op.emptiedBoxes + resultRow);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(screen.focusWidget(), screen.box(QString::fromLatin1(op.retryBox)));
        QCOMPARE(screen.wrongCount(), 1);
        QCOMPARE(screen.rightCount(), 0);

        // Pressing again on the emptied row reads 0: one more wrong answer, one more beep.
        click(screen, "cmdconferma");
        QCOMPARE(t.seam.beeps, 2);
        QCOMPARE(screen.wrongCount(), 2);
        QCOMPARE(screen.rightCount(), 0);
        QCOMPARE(screen.operationLine(), line);
    }

    void windowTitleAndBackground_data() {
        QTest::addColumn<ScreenId>("id");
        row(oneDigit, u"title and background"_s);
        row(twoDigits, u"title and background"_s);
    }

    void windowTitleAndBackground() {
        QFETCH(ScreenId, id);
        const Operation& op = operationOf(id);
        TestProgram t;
        ExerciseScreen& screen = shown(t, id);
        QCOMPARE(screen.windowTitle(), QString::fromUtf8(op.title));
        QCOMPARE(screen.palette().color(QPalette::Window), op.background);
        QCOMPARE(screen.size(), px(0, 0, 6615, 5895).size());
    }

    void digitBoxes_data() {
        QTest::addColumn<ScreenId>("id");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("top");
        QTest::addColumn<QColor>("colour");
        constexpr int k = 3120, h = 3840, da = 4560, u = 5280;
        const auto box = [](const Operation& op, const QString& name) -> QTestData& {
            return row(op, name) << name;
        };
        {
            const Operation& op = oneDigit;
            constexpr int multiplicand = 1440, multiplier = 1920, result = 2520;
            box(op, u"txtk1"_s) << k << multiplicand << blue;
            box(op, u"txth1"_s) << h << multiplicand << green;
            box(op, u"txtda1"_s) << da << multiplicand << red;
            box(op, u"txtu1"_s) << u << multiplicand << black;
            box(op, u"txtu2"_s) << u << multiplier << black;
            box(op, u"txtkris"_s) << k << result << blue;
            box(op, u"txthris"_s) << h << result << green;
            box(op, u"txtdaris"_s) << da << result << red;
            box(op, u"txturis"_s) << u << result << black;
        }
        {
            const Operation& op = twoDigits;
            constexpr int multiplicand = 1320, multiplier = 1800, partial1 = 2400, partial2 = 2880,
                          result = 3480;
            box(op, u"txth1"_s) << h << multiplicand << green;
            box(op, u"txtda1"_s) << da << multiplicand << red;
            box(op, u"txtu1"_s) << u << multiplicand << black;
            box(op, u"txtda2"_s) << da << multiplier << red;
            box(op, u"txtu2"_s) << u << multiplier << black;
            box(op, u"txtpark1"_s) << k << partial1 << black;
            box(op, u"txtparh1"_s) << h << partial1 << black;
            box(op, u"txtparda1"_s) << da << partial1 << black;
            box(op, u"txtparu1"_s) << u << partial1 << black;
            box(op, u"txtpark2"_s) << k << partial2 << black;
            box(op, u"txtparh2"_s) << h << partial2 << black;
            box(op, u"txtparda2"_s) << da << partial2 << black;
            box(op, u"txtparu2"_s) << u << partial2 << black;
            box(op, u"txtkris"_s) << k << result << blue;
            box(op, u"txthris"_s) << h << result << green;
            box(op, u"txtdaris"_s) << da << result << red;
            box(op, u"txturis"_s) << u << result << black;
        }
    }

    void digitBoxes() {
        QFETCH(ScreenId, id);
        QFETCH(QString, name);
        QFETCH(int, left);
        QFETCH(int, top);
        QFETCH(QColor, colour);
        TestProgram t;
        ExerciseScreen& screen = shown(t, id);
        checkDigitBox(screen, name, px(left, top, 495, 420), colour);
    }

    // The factors have no box beyond their digits: no thousands box, and the multiplier none beyond
    // its one or two digits.
    void factorRowsHaveNoBoxBeyondTheirDigits_data() {
        QTest::addColumn<ScreenId>("id");
        QTest::addColumn<QStringList>("absent");
        QTest::addColumn<int>("digitBoxes");
        row(oneDigit, u"multiplier of one digit"_s) << QStringList{u"txtk2"_s, u"txth2"_s, u"txtda2"_s} << 9;
        row(twoDigits, u"multiplicand of three digits, multiplier of two"_s)
            << QStringList{u"txtk1"_s, u"txtk2"_s, u"txth2"_s} << 17;
    }

    void factorRowsHaveNoBoxBeyondTheirDigits() {
        QFETCH(ScreenId, id);
        QFETCH(QStringList, absent);
        QFETCH(int, digitBoxes);
        TestProgram t;
        ExerciseScreen& screen = shown(t, id);
        for (const QString& name : absent)
            QVERIFY2(screen.findChild<QWidget*>(name) == nullptr, qPrintable(name));
        QCOMPARE(screen.findChildren<QLineEdit*>().size(), digitBoxes);
    }

    void gridLabels_data() {
        QTest::addColumn<ScreenId>("id");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("top");
        QTest::addColumn<QColor>("colour");
        const auto label = [](const Operation& op, const QString& name) -> QTestData& {
            return row(op, name) << name;
        };
        {
            const Operation& op = oneDigit;
            label(op, u"Label1"_s) << u"k"_s << 3120 << 840 << blue;
            label(op, u"lblh"_s) << u"h"_s << 3840 << 840 << green;
            label(op, u"lblda"_s) << u"da"_s << 4560 << 840 << red;
            label(op, u"lblu"_s) << u"u"_s << 5280 << 840 << black;
            label(op, u"lblmeno"_s) << u"x"_s << 5880 << 1440 << black;
            label(op, u"lbluguale"_s) << u"="_s << 5880 << 1920 << black;
        }
        {
            const Operation& op = twoDigits;
            label(op, u"Label1"_s) << u"k"_s << 3120 << 720 << blue;
            label(op, u"lblh"_s) << u"h"_s << 3840 << 720 << green;
            label(op, u"lblda"_s) << u"da"_s << 4560 << 720 << red;
            label(op, u"lblu"_s) << u"u"_s << 5280 << 720 << black;
            label(op, u"lblmeno"_s) << u"x"_s << 5880 << 1320 << black;
            label(op, u"lbluguale"_s) << u"="_s << 5880 << 1800 << black;
        }
    }

    void gridLabels() {
        QFETCH(ScreenId, id);
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(int, left);
        QFETCH(int, top);
        QFETCH(QColor, colour);
        TestProgram t;
        ExerciseScreen& screen = shown(t, id);
        checkGridLabel(screen, name, caption, px(left, top, 495, 375), colour, operationOf(id).background);
    }

    // The factors left to right, then each partial product and the result from the units leftwards,
    // then the buttons.
    void tabWalksTheGridAsThePupilWorks_data() {
        QTest::addColumn<ScreenId>("id");
        QTest::addColumn<QString>("order");
        row(oneDigit, u"factors, result"_s) << u"txtk1 txth1 txtda1 txtu1 txtu2 "
                                               u"txturis txtdaris txthris txtkris "
                                               u"cmdconferma cmdpunteggio cmdfine txtk1"_s;
        row(twoDigits, u"factors, partial products, result"_s)
            << u"txth1 txtda1 txtu1 txtda2 txtu2 "
               u"txtparu1 txtparda1 txtparh1 txtpark1 txtparu2 txtparda2 txtparh2 txtpark2 "
               u"txturis txtdaris txthris txtkris "
               u"cmdconferma cmdpunteggio cmdfine txth1"_s;
    }

    void tabWalksTheGridAsThePupilWorks() {
        QFETCH(ScreenId, id);
        QFETCH(QString, order);
        TestProgram t;
        ExerciseScreen& screen = shown(t, id);
        QCOMPARE(screen.focusWidget(), screen.box(QString::fromLatin1(operationOf(id).firstBox)));
        checkTabOrder(screen, order.split(u' '));
    }
};

QTEST_MAIN(MultiplicationScreensTest)
#include "test_multiplicationscreens.moc"

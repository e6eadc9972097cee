// SPDX-License-Identifier: GPL-3.0-or-later
// The one-digit multiplication screen as the pupil meets it: how the result row is read, what a right
// and a wrong check leave behind, and the grid of digit boxes with its heads and tab order.
#include "exercises/multiplication/screen.h"

#include "support/recorder.h"
#include "support/screenchecks.h"

#include <QLineEdit>
#include <QTest>

#include <limits>

using namespace abacolo;
using namespace abacolo::test;
using namespace Qt::Literals::StringLiterals;

namespace {

const QColor background(255, 192, 255);

const QStringList resultRow{u"txtkris"_s, u"txthris"_s, u"txtdaris"_s, u"txturis"_s};
const QStringList operandBoxes{u"txtk1"_s, u"txth1"_s, u"txtda1"_s, u"txtu1"_s, u"txtu2"_s};

std::uint64_t seedFor(int multiplicand, int multiplier) {
    return test::seedFor(multiplication::draw, [=](const multiplication::Problem& p) {
        return p.multiplicand == multiplicand && p.multiplier == multiplier;
    });
}

MultiplicationScreen& shown(TestProgram& t) {
    auto& screen = static_cast<MultiplicationScreen&>(t.program.frmmoltiplicazioni());
    screen.showScreen();
    return screen;
}

} // namespace

class MultiplicationScreenTest : public QObject {
    Q_OBJECT

private slots:
    // Only the joined text of the result row counts, for 302 x 3 = 906.
    void resultRowReading_data() {
        QTest::addColumn<QString>("thousandsToUnits");
        QTest::addColumn<double>("value");
        QTest::addColumn<bool>("right");
        QTest::newRow("thousands empty") << u"|9|0|6"_s << 906.0 << true;
        QTest::newRow("leading zero") << u"0|9|0|6"_s << 906.0 << true;
        QTest::newRow("06 in the units") << u"||9|06"_s << 906.0 << true;
        QTest::newRow("whole in the thousands") << u"906|||"_s << 906.0 << true;
        QTest::newRow("shifted left around a gap") << u"9||0|6"_s << 906.0 << true;
        QTest::newRow("blanks around the digits") << u"| 9|0 | 6 "_s << 906.0 << true;
        QTest::newRow("letters after the number") << u"|9|0|6a"_s << 906.0 << true;
        QTest::newRow("gap read as 96") << u"|9||6"_s << 96.0 << false;
        QTest::newRow("one off") << u"|9|0|7"_s << 907.0 << false;
        QTest::newRow("empty row") << u"|||"_s << 0.0 << false;
        QTest::newRow("letter first") << u"a|9|0|6"_s << 0.0 << false;
        QTest::newRow("beyond a double") << u"1|e|999|"_s << std::numeric_limits<double>::infinity() << false;
    }

    void resultRowReading() {
        QFETCH(QString, thousandsToUnits);
        QFETCH(double, value);
        QFETCH(bool, right);
        TestProgram t(seedFor(302, 3));
        MultiplicationScreen& screen = shown(t);
        typeRow(screen, resultRow, thousandsToUnits.split(u'|'));
        if (QTest::currentTestFailed())
            return;

        click(screen, "cmdconferma");

        QCOMPARE(screen.answerText(), QString(thousandsToUnits).remove(u'|'));
        QCOMPARE(screen.answerValue(), value);
        checkVerdict(screen, t.seam, right);
    }

    void rightCheckEmptiesEveryBoxAndDrawsTheNextProblem() {
        const std::uint64_t seed = seedFor(302, 3);
        TestProgram t(seed);
        MultiplicationScreen& screen = shown(t);
        // The operand boxes are a working area: a wrong copy does not spoil a right product.
        typeRow(screen, operandBoxes + resultRow, u"7|7|7|7|7|||9|06"_s.split(u'|'));
        if (QTest::currentTestFailed())
            return;

        click(screen, "cmdconferma");

        checkMessage(screen, true);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(t.seam.beeps, 0);
        checkTexts(screen, operandBoxes + resultRow);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(screen.focusWidget(), screen.box(u"txtk1"_s));
        const multiplication::Problem next = drawnAfterRightCheck(seed, multiplication::draw);
        QCOMPARE(screen.problem().multiplicand, next.multiplicand);
        QCOMPARE(screen.problem().multiplier, next.multiplier);
        QCOMPARE(screen.operationLine(), QString::fromStdString(multiplication::operationLine(next)));
        QCOMPARE(screen.rightCount(), 1);
        QCOMPARE(screen.wrongCount(), 0);
    }

    void wrongCheckKeepsTheProblemAndTheOperands() {
        TestProgram t(seedFor(302, 3));
        MultiplicationScreen& screen = shown(t);
        const QString copied = u"|3|0|2|3"_s;
        typeRow(screen, operandBoxes + resultRow, (copied + u"||9|6|6"_s).split(u'|'));
        if (QTest::currentTestFailed())
            return;

        click(screen, "cmdconferma");

        checkMessage(screen, false);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(t.seam.beeps, 1);
        QCOMPARE(screen.operationLine(), u"302 x 3"_s);
        checkTexts(screen, operandBoxes, copied.split(u'|'));
        if (QTest::currentTestFailed())
            return;
        checkTexts(screen, resultRow);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(screen.focusWidget(), screen.box(u"txturis"_s));

        // Pressing again on the emptied row reads 0: one more wrong answer, one more beep.
        click(screen, "cmdconferma");
        QCOMPARE(t.seam.beeps, 2);
        QCOMPARE(screen.wrongCount(), 2);
        QCOMPARE(screen.rightCount(), 0);
        QCOMPARE(screen.operationLine(), u"302 x 3"_s);
    }

    void windowTitleAndBackground() {
        TestProgram t;
        MultiplicationScreen& screen = shown(t);
        QCOMPARE(screen.windowTitle(), u"Moltiplicazioni in colonna con 1 cifra al moltiplicatore"_s);
        QCOMPARE(screen.palette().color(QPalette::Window), background);
        QCOMPARE(screen.size(), px(0, 0, 6615, 5895).size());
    }

    // Each row is tagged with the box's name.
    void digitBoxes_data() {
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("top");
        QTest::addColumn<QColor>("colour");
        constexpr int k = 3120, h = 3840, da = 4560, u = 5280;
        constexpr int multiplicand = 1440, multiplier = 1920, result = 2520;
        QTest::newRow("txtk1") << k << multiplicand << blue;
        QTest::newRow("txth1") << h << multiplicand << green;
        QTest::newRow("txtda1") << da << multiplicand << red;
        QTest::newRow("txtu1") << u << multiplicand << black;
        QTest::newRow("txtu2") << u << multiplier << black;
        QTest::newRow("txtkris") << k << result << blue;
        QTest::newRow("txthris") << h << result << green;
        QTest::newRow("txtdaris") << da << result << red;
        QTest::newRow("txturis") << u << result << black;
    }

    void digitBoxes() {
        QFETCH(int, left);
        QFETCH(int, top);
        QFETCH(QColor, colour);
        TestProgram t;
        MultiplicationScreen& screen = shown(t);
        checkDigitBox(screen, q(QTest::currentDataTag()), px(left, top, 495, 420), colour);
    }

    // Each row is tagged with the label's name.
    void gridLabels_data() {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("top");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("Label1") << u"k"_s << 3120 << 840 << blue;
        QTest::newRow("lblh") << u"h"_s << 3840 << 840 << green;
        QTest::newRow("lblda") << u"da"_s << 4560 << 840 << red;
        QTest::newRow("lblu") << u"u"_s << 5280 << 840 << black;
        QTest::newRow("lblmeno") << u"x"_s << 5880 << 1440 << black;
        QTest::newRow("lbluguale") << u"="_s << 5880 << 1920 << black;
    }

    void gridLabels() {
        QFETCH(QString, caption);
        QFETCH(int, left);
        QFETCH(int, top);
        QFETCH(QColor, colour);
        TestProgram t;
        MultiplicationScreen& screen = shown(t);
        checkGridLabel(screen, q(QTest::currentDataTag()), caption, px(left, top, 495, 375), colour,
                       background);
    }

    // The multiplicand row, the multiplier, the result row from the units leftwards, then the buttons.
    void tabWalksTheGridAsThePupilWorks() {
        TestProgram t;
        MultiplicationScreen& screen = shown(t);
        QCOMPARE(screen.focusWidget(), screen.box(u"txtk1"_s));
        const QStringList order = (u"txtk1 txth1 txtda1 txtu1 txtu2 "
                                   u"txturis txtdaris txthris txtkris "
                                   u"cmdconferma cmdpunteggio cmdfine txtk1"_s)
                                      .split(u' ');
        checkTabOrder(screen, order);
    }
};

QTEST_MAIN(MultiplicationScreenTest)
#include "tst_multiplicationscreen.moc"

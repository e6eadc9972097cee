// SPDX-License-Identifier: GPL-3.0-or-later
// The two-digit multiplication screen as the pupil meets it: only the result row is judged, whatever
// the partial products hold; what a right and a wrong check empty; the grid and its tab order.
#include "exercises/multiplication2/screen.h"

#include "support/recorder.h"
#include "support/screenchecks.h"

#include <QLineEdit>
#include <QTest>

using namespace abacolo;
using namespace abacolo::test;
using namespace Qt::Literals::StringLiterals;

namespace {

const QColor background(192, 192, 255);

const QStringList factorRows{u"txth1"_s, u"txtda1"_s, u"txtu1"_s, u"txtda2"_s, u"txtu2"_s};
// Both partial products, each thousands to units.
const QStringList partialRows{u"txtpark1"_s, u"txtparh1"_s, u"txtparda1"_s, u"txtparu1"_s,
                              u"txtpark2"_s, u"txtparh2"_s, u"txtparda2"_s, u"txtparu2"_s};
const QStringList resultRow{u"txtkris"_s, u"txthris"_s, u"txtdaris"_s, u"txturis"_s};

// 123 x 45 worked: 615 in the first partial product, 492 shifted one column left in the second.
const QString partials615and492 = u"|6|1|5|4|9|2|"_s;

std::uint64_t seedFor(int multiplicand, int multiplier) {
    return test::seedFor(multiplication2::draw, [=](const multiplication2::Problem& p) {
        return p.multiplicand == multiplicand && p.multiplier == multiplier;
    });
}

Multiplication2Screen& shown(TestProgram& t) {
    auto& screen = static_cast<Multiplication2Screen&>(t.program.frmmoltiplicazioni2());
    screen.showScreen();
    return screen;
}

} // namespace

class Multiplication2ScreenTest : public QObject {
    Q_OBJECT

private slots:
    void resultRowReading_data() {
        QTest::addColumn<int>("multiplicand");
        QTest::addColumn<int>("multiplier");
        QTest::addColumn<QString>("partials");
        QTest::addColumn<QString>("result");
        QTest::addColumn<double>("value");
        QTest::addColumn<bool>("right");
        const QString none;
        QTest::newRow("123 x 45, partials 615 and 492")
            << 123 << 45 << partials615and492 << u"5|5|3|5"_s << 5535.0 << true;
        QTest::newRow("123 x 45, wrong partials")
            << 123 << 45 << u"9|9|9|9|x||1|0"_s << u"5|5|3|5"_s << 5535.0 << true;
        QTest::newRow("123 x 45, no partials") << 123 << 45 << none << u"5|5|3|5"_s << 5535.0 << true;
        QTest::newRow("123 x 45, partials right, product wrong")
            << 123 << 45 << partials615and492 << u"5|5|3|6"_s << 5536.0 << false;
        QTest::newRow("15 x 41, three digits") << 15 << 41 << none << u"|6|1|5"_s << 615.0 << true;
        QTest::newRow("15 x 41, leading zero") << 15 << 41 << none << u"0|6|1|5"_s << 615.0 << true;
        QTest::newRow("15 x 41, whole in the thousands") << 15 << 41 << none << u"615|||"_s << 615.0 << true;
        QTest::newRow("15 x 41, gap read as 123") << 15 << 41 << none << u"1||2|3"_s << 123.0 << false;
        QTest::newRow("15 x 41, empty row") << 15 << 41 << none << u"|||"_s << 0.0 << false;
    }

    void resultRowReading() {
        QFETCH(int, multiplicand);
        QFETCH(int, multiplier);
        QFETCH(QString, partials);
        QFETCH(QString, result);
        QFETCH(double, value);
        QFETCH(bool, right);
        TestProgram t(seedFor(multiplicand, multiplier));
        Multiplication2Screen& screen = shown(t);
        typeRow(screen, partialRows, partials.split(u'|'));
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

    void rightCheckEmptiesEveryBoxAndDrawsTheNextProblem() {
        const std::uint64_t seed = seedFor(123, 45);
        TestProgram t(seed);
        Multiplication2Screen& screen = shown(t);
        // Factor rows copied wrongly do not spoil a right product.
        typeRow(screen, factorRows + partialRows + resultRow,
                u"3|2|1|5|4"_s.split(u'|') + partials615and492.split(u'|') + u"5|5|3|5"_s.split(u'|'));
        if (QTest::currentTestFailed())
            return;

        click(screen, "cmdconferma");

        checkMessage(screen, true);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(t.seam.beeps, 0);
        checkTexts(screen, factorRows + partialRows + resultRow);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(screen.focusWidget(), screen.box(u"txth1"_s));
        const multiplication2::Problem next = drawnAfterRightCheck(seed, multiplication2::draw);
        QCOMPARE(screen.problem().multiplicand, next.multiplicand);
        QCOMPARE(screen.problem().multiplier, next.multiplier);
        QCOMPARE(screen.operationLine(), QString::fromStdString(multiplication2::operationLine(next)));
        QCOMPARE(screen.rightCount(), 1);
        QCOMPARE(screen.wrongCount(), 0);
    }

    // The factor rows keep the pupil's copy; both partial products go with the result row.
    void wrongCheckKeepsTheFactorRowsOnly() {
        TestProgram t(seedFor(123, 45));
        Multiplication2Screen& screen = shown(t);
        const QStringList copied = u"1|2|3|4|5"_s.split(u'|');
        typeRow(screen, factorRows + partialRows + resultRow,
                copied + partials615and492.split(u'|') + u"5|5|3|4"_s.split(u'|'));
        if (QTest::currentTestFailed())
            return;

        click(screen, "cmdconferma");

        checkMessage(screen, false);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(t.seam.beeps, 1);
        QCOMPARE(screen.operationLine(), u"123 x 45"_s);
        checkTexts(screen, factorRows, copied);
        if (QTest::currentTestFailed())
            return;
        checkTexts(screen, partialRows + resultRow);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(screen.focusWidget(), screen.box(u"txtparu1"_s));
        QCOMPARE(screen.wrongCount(), 1);
        QCOMPARE(screen.rightCount(), 0);
    }

    void windowTitleAndBackground() {
        TestProgram t;
        Multiplication2Screen& screen = shown(t);
        QCOMPARE(screen.windowTitle(), u"Moltiplicazioni in colonna con 2 cifre al moltiplicatore"_s);
        QCOMPARE(screen.palette().color(QPalette::Window), background);
    }

    // Each row is tagged with the box's name.
    void digitBoxes_data() {
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("top");
        QTest::addColumn<QColor>("colour");
        constexpr int k = 3120, h = 3840, da = 4560, u = 5280;
        constexpr int multiplicand = 1320, multiplier = 1800, partial1 = 2400, partial2 = 2880, result = 3480;
        QTest::newRow("txth1") << h << multiplicand << green;
        QTest::newRow("txtda1") << da << multiplicand << red;
        QTest::newRow("txtu1") << u << multiplicand << black;
        QTest::newRow("txtda2") << da << multiplier << red;
        QTest::newRow("txtu2") << u << multiplier << black;
        QTest::newRow("txtpark1") << k << partial1 << black;
        QTest::newRow("txtparh1") << h << partial1 << black;
        QTest::newRow("txtparda1") << da << partial1 << black;
        QTest::newRow("txtparu1") << u << partial1 << black;
        QTest::newRow("txtpark2") << k << partial2 << black;
        QTest::newRow("txtparh2") << h << partial2 << black;
        QTest::newRow("txtparda2") << da << partial2 << black;
        QTest::newRow("txtparu2") << u << partial2 << black;
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
        Multiplication2Screen& screen = shown(t);
        checkDigitBox(screen, q(QTest::currentDataTag()), px(left, top, 495, 420), colour);
    }

    // The factors have no thousands box, and the multiplier no hundreds box.
    void factorRowsHaveNoBoxBeyondTheirDigits() {
        TestProgram t;
        Multiplication2Screen& screen = shown(t);
        for (const QString& name : {u"txtk1"_s, u"txtk2"_s, u"txth2"_s})
            QVERIFY2(screen.findChild<QWidget*>(name) == nullptr, qPrintable(name));
        constexpr int digitBoxes = 17;
        QCOMPARE(screen.findChildren<QLineEdit*>().size(), digitBoxes);
    }

    // Each row is tagged with the label's name.
    void gridLabels_data() {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("top");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("Label1") << u"k"_s << 3120 << 720 << blue;
        QTest::newRow("lblh") << u"h"_s << 3840 << 720 << green;
        QTest::newRow("lblda") << u"da"_s << 4560 << 720 << red;
        QTest::newRow("lblu") << u"u"_s << 5280 << 720 << black;
        QTest::newRow("lblmeno") << u"x"_s << 5880 << 1320 << black;
        QTest::newRow("lbluguale") << u"="_s << 5880 << 1800 << black;
    }

    void gridLabels() {
        QFETCH(QString, caption);
        QFETCH(int, left);
        QFETCH(int, top);
        QFETCH(QColor, colour);
        TestProgram t;
        Multiplication2Screen& screen = shown(t);
        checkGridLabel(screen, q(QTest::currentDataTag()), caption, px(left, top, 495, 375), colour,
                       background);
    }

    // The factors left to right, then each partial product and the result from the units leftwards.
    void tabWalksTheGridAsThePupilWorks() {
        TestProgram t;
        Multiplication2Screen& screen = shown(t);
        QCOMPARE(screen.focusWidget(), screen.box(u"txth1"_s));
        const QStringList order =
            (u"txth1 txtda1 txtu1 txtda2 txtu2 "
             u"txtparu1 txtparda1 txtparh1 txtpark1 txtparu2 txtparda2 txtparh2 txtpark2 "
             u"txturis txtdaris txthris txtkris "
             u"cmdconferma cmdpunteggio cmdfine txth1"_s)
                .split(u' ');
        checkTabOrder(screen, order);
    }
};

QTEST_MAIN(Multiplication2ScreenTest)
#include "tst_multiplication2screen.moc"

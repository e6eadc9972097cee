// SPDX-License-Identifier: GPL-3.0-or-later
// The division screen as the pupil meets it: divisions worked in the staggered rows and judged by
// quotient and final remainder, what a right and a wrong check empty, and the layout around the
// tortoise picture with its tab order.
#include "exercises/division/screen.h"

#include "support/recorder.h"
#include "support/screenchecks.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QWindow>

using namespace abacolo;
using namespace abacolo::test;
using namespace Qt::Literals::StringLiterals;

namespace {

const QColor background(128, 255, 128);

const QStringList dividendRow{u"txtk1"_s, u"txth1"_s, u"txtda1"_s, u"txtu1"_s, u"txtdivis"_s};
const QStringList answerBoxes{u"txtkris"_s,  u"txthris"_s,   u"txtdaris"_s, u"txturis"_s,  u"txtpark1"_s,
                              u"txtparh1"_s, u"txtparda1"_s, u"txtparu1"_s, u"txtparh2"_s, u"txtparda2"_s,
                              u"txtparu2"_s, u"txtparda3"_s, u"txtparu3"_s, u"txtparu4"_s};

// 7345 : 6 worked in the staggered rows: 13 under the thousands and hundreds, 14 under the hundreds
// and tens, 25 under the tens and units (the final 1 in row 4 is left to each case); quotient 1224.
const QString worked7345 = u"txtk1=7,txth1=3,txtda1=4,txtu1=5,txtdivis=6,txtpark1=1,txtparh1=3,txtparh2=1,"
                           u"txtparda2=4,txtparda3=2,txtparu3=5,txtkris=1,txthris=2,txtdaris=2,txturis=4"_s;
const QString quotient1224 = u"txtkris=1,txthris=2,txtdaris=2,txturis=4"_s;
// 1234 : 5: 23 under the hundreds and tens, 34 under the tens and units, the final 4 in row 3.
const QString rows1234 = u"txtparh1=2,txtparda1=3,txtparda2=3,txtparu2=4,txtparu3=4"_s;

division::Problem drawDivision(Generator& generator) {
    return division::draw(generator);
}

std::uint64_t seedFor(int dividend, int divisor) {
    return test::seedFor(drawDivision, [=](const division::Problem& p) {
        return p.dividend == dividend && p.divisor == divisor;
    });
}

DivisionScreen& shown(TestProgram& t) {
    auto& screen = static_cast<DivisionScreen&>(t.program.frmdivisioni());
    screen.showScreen();
    return screen;
}

// Entries are written box=text and separated by commas; a text may be a blank.
void fill(Screen& screen, const QString& entries) {
    for (const QString& entry : entries.split(u',', Qt::SkipEmptyParts)) {
        const QString name = entry.section(u'=', 0, 0);
        QVERIFY2(screen.box(name) != nullptr, qPrintable(entry));
        screen.setText(name, entry.section(u'=', 1));
    }
}

} // namespace

class DivisionScreenTest : public QObject {
    Q_OBJECT

private slots:
    void workedDivisions_data() {
        QTest::addColumn<int>("dividend");
        QTest::addColumn<int>("divisor");
        QTest::addColumn<QString>("entries");
        QTest::addColumn<QString>("quotientText");
        QTest::addColumn<QString>("remainderText");
        QTest::addColumn<bool>("right");
        const QString q1224 = quotient1224 + u","_s;
        QTest::newRow("7345 : 6 worked")
            << 7345 << 6 << worked7345 + u",txtparu4=1"_s << u"1224"_s << u"1"_s << true;
        QTest::newRow("7345 : 6, rows 1 to 3 left empty")
            << 7345 << 6 << q1224 + u"txtparu4=1"_s << u"1224"_s << u"1"_s << true;
        QTest::newRow("7345 : 6, rows 1 to 3 wrong")
            << 7345 << 6 << q1224 + u"txtpark1=9,txtparu2=8,txtparu3=77,txtparu4=1"_s << u"1224"_s << u"1"_s
            << true;
        QTest::newRow("7345 : 6, dividend and divisor copied wrongly")
            << 7345 << 6 << q1224 + u"txtk1=1,txtu1=x,txtdivis=9,txtparu4=1"_s << u"1224"_s << u"1"_s << true;
        QTest::newRow("7345 : 6, last row forgotten")
            << 7345 << 6 << worked7345 << u"1224"_s << u"25"_s << false;
        QTest::newRow("7345 : 6, blank in the last row reads 0")
            << 7345 << 6 << worked7345 + u",txtparu4= "_s << u"1224"_s << u" "_s << false;
        QTest::newRow("7345 : 6, quotient one off")
            << 7345 << 6 << u"txtkris=1,txthris=2,txtdaris=2,txturis=5,txtparu4=1"_s << u"1225"_s << u"1"_s
            << false;
        QTest::newRow("7345 : 6, stopped at row 2")
            << 7345 << 6 << q1224 + u"txtparh2=1,txtparda2=4,txtparu2=5"_s << u"1224"_s << u"145"_s << false;
        QTest::newRow("7345 : 6, stopped at row 1")
            << 7345 << 6 << q1224 + u"txtpark1=1,txtparh1=3,txtparda1=4"_s << u"1224"_s << u"134"_s << false;
        QTest::newRow("7345 : 6, nothing written")
            << 7345 << 6 << QString() << QString() << QString() << false;
        QTest::newRow("1234 : 5, three quotient digits")
            << 1234 << 5 << rows1234 + u",txthris=2,txtdaris=4,txturis=6"_s << u"246"_s << u"4"_s << true;
        QTest::newRow("1234 : 5, leading zero")
            << 1234 << 5 << rows1234 + u",txtkris=0,txthris=2,txtdaris=4,txturis=6"_s << u"0246"_s << u"4"_s
            << true;
        QTest::newRow("1234 : 5, quotient shifted one column left")
            << 1234 << 5 << rows1234 + u",txtkris=2,txthris=4,txtdaris=6"_s << u"246"_s << u"4"_s << true;
        QTest::newRow("1234 : 5, quotient whole in one box")
            << 1234 << 5 << rows1234 + u",txtkris=246"_s << u"246"_s << u"4"_s << true;
        QTest::newRow("1234 : 5, gap read as 124")
            << 1234 << 5 << rows1234 + u",txtkris=1,txtdaris=2,txturis=4"_s << u"124"_s << u"4"_s << false;
        QTest::newRow("1234 : 5, remainder under the tens of row 3")
            << 1234 << 5 << u"txtparh1=2,txtparda1=3,txtparda2=3,txtparu2=4,txtparda3=4,txtkris=246"_s
            << u"246"_s << u"34"_s << false;
        QTest::newRow("7344 : 6, no remainder rows")
            << 7344 << 6 << quotient1224 << u"1224"_s << QString() << true;
        QTest::newRow("7344 : 6, blank in the last row")
            << 7344 << 6 << q1224 + u"txtparu3=5,txtparu4= "_s << u"1224"_s << u" "_s << true;
    }

    void workedDivisions() {
        QFETCH(int, dividend);
        QFETCH(int, divisor);
        QFETCH(QString, entries);
        QFETCH(QString, quotientText);
        QFETCH(QString, remainderText);
        QFETCH(bool, right);
        TestProgram t(seedFor(dividend, divisor));
        DivisionScreen& screen = shown(t);
        fill(screen, entries);
        if (QTest::currentTestFailed())
            return;

        click(screen, "cmdcontrolla");

        // The answer and the remainder keep the texts the check read until the next check.
        QCOMPARE(screen.answerText(), quotientText);
        QCOMPARE(screen.text(u"txtresto"_s), remainderText);
        checkVerdict(screen, t.seam, right);
    }

    void rightCheckEmptiesAllNineteenBoxesAndDrawsTheNextProblem() {
        const std::uint64_t seed = seedFor(7345, 6);
        TestProgram t(seed);
        DivisionScreen& screen = shown(t);
        fill(screen, worked7345 + u",txtparu4=1"_s);
        if (QTest::currentTestFailed())
            return;

        screen.cmdcontrolla_Click();

        checkMessage(screen, true);
        if (QTest::currentTestFailed())
            return;
        checkTexts(screen, dividendRow + answerBoxes);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(screen.focusWidget(), screen.box(u"txtk1"_s));
        const division::Problem next = drawnAfterRightCheck(seed, drawDivision);
        QCOMPARE(screen.problem().dividend, next.dividend);
        QCOMPARE(screen.problem().divisor, next.divisor);
        QCOMPARE(screen.operationLine(), QString::fromStdString(division::operationLine(next)));
        QCOMPARE(screen.rightCount(), 1);
        QCOMPARE(screen.wrongCount(), 0);
    }

    // The division is worked again from the start: only the dividend and the divisor stay.
    void wrongCheckKeepsTheDividendAndTheDivisor() {
        TestProgram t(seedFor(7345, 6));
        DivisionScreen& screen = shown(t);
        fill(screen, worked7345);
        if (QTest::currentTestFailed())
            return;

        screen.cmdcontrolla_Click();

        checkMessage(screen, false);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(t.seam.beeps, 1);
        QCOMPARE(screen.operationLine(), u"7345 : 6"_s);
        checkTexts(screen, dividendRow, {u"7"_s, u"3"_s, u"4"_s, u"5"_s, u"6"_s});
        if (QTest::currentTestFailed())
            return;
        checkTexts(screen, answerBoxes);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(screen.focusWidget(), screen.box(u"txtkris"_s));
        QCOMPARE(screen.remainderValue(), 25.0);

        // Again on the emptied grid: quotient 0, another wrong answer and another beep.
        screen.cmdcontrolla_Click();
        QCOMPARE(t.seam.beeps, 2);
        QCOMPARE(screen.wrongCount(), 2);
        QCOMPARE(screen.rightCount(), 0);
    }

    void windowTitleBackgroundAndCheckButton() {
        TestProgram t;
        DivisionScreen& screen = shown(t);
        QCOMPARE(screen.windowTitle(), u"Divisioni in colonna"_s);
        QCOMPARE(screen.palette().color(QPalette::Window), background);
        QVERIFY(screen.button(u"cmdcontrolla"_s) != nullptr);
        QCOMPARE(screen.button(u"cmdcontrolla"_s)->text(), u"&Controlla"_s);
        QVERIFY(screen.findChild<QWidget*>(u"cmdconferma"_s) == nullptr);
    }

    // Each row is tagged with the box's name.
    void digitBoxes_data() {
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("top");
        QTest::addColumn<QColor>("colour");
        constexpr int k = 480, h = 1080, da = 1680, u = 2280;
        constexpr int qk = 3000, qh = 3600, qda = 4200, qu = 4800;
        constexpr int dividend = 1320, row1 = 1920, row2 = 2400, row3 = 2880, row4 = 3360, quotient = 1920;
        QTest::newRow("txtk1") << k << dividend << blue;
        QTest::newRow("txth1") << h << dividend << darkGreen;
        QTest::newRow("txtda1") << da << dividend << red;
        QTest::newRow("txtu1") << u << dividend << black;
        QTest::newRow("txtdivis") << qk << dividend << black;
        QTest::newRow("txtpark1") << k << row1 << black;
        QTest::newRow("txtparh1") << h << row1 << black;
        QTest::newRow("txtparda1") << da << row1 << black;
        QTest::newRow("txtparu1") << u << row1 << black;
        QTest::newRow("txtparh2") << h << row2 << black;
        QTest::newRow("txtparda2") << da << row2 << black;
        QTest::newRow("txtparu2") << u << row2 << black;
        QTest::newRow("txtparda3") << da << row3 << black;
        QTest::newRow("txtparu3") << u << row3 << black;
        QTest::newRow("txtparu4") << u << row4 << black;
        QTest::newRow("txtkris") << qk << quotient << black;
        QTest::newRow("txthris") << qh << quotient << black;
        QTest::newRow("txtdaris") << qda << quotient << black;
        QTest::newRow("txturis") << qu << quotient << black;
    }

    void digitBoxes() {
        QFETCH(int, left);
        QFETCH(int, top);
        QFETCH(QColor, colour);
        TestProgram t;
        DivisionScreen& screen = shown(t);
        checkDigitBox(screen, q(QTest::currentDataTag()), px(left, top, 495, 420), colour);
    }

    // Each partial-remainder row starts one column further right than the row above.
    void staggeredRowsHaveNoBoxesLeftOfTheirStart() {
        TestProgram t;
        DivisionScreen& screen = shown(t);
        for (const QString& name :
             {u"txtpark2"_s, u"txtpark3"_s, u"txtparh3"_s, u"txtpark4"_s, u"txtparh4"_s, u"txtparda4"_s})
            QVERIFY2(screen.findChild<QWidget*>(name) == nullptr, qPrintable(name));
    }

    void columnHeads_data() {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("left");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("Label1") << u"k"_s << 480 << blue;
        QTest::newRow("Label2") << u"h"_s << 1080 << darkGreen;
        QTest::newRow("Label3") << u"da"_s << 1680 << red;
        QTest::newRow("Label4") << u"u"_s << 2280 << black;
    }

    void columnHeads() {
        QFETCH(QString, caption);
        QFETCH(int, left);
        QFETCH(QColor, colour);
        constexpr int headsTop = 840;
        TestProgram t;
        DivisionScreen& screen = shown(t);
        checkGridLabel(screen, q(QTest::currentDataTag()), caption, px(left, headsTop, 495, 375), colour,
                       background);
    }

    void hiddenBoxes() {
        TestProgram t;
        DivisionScreen& screen = shown(t);
        const QLineEdit* remainder = screen.box(u"txtresto"_s);
        QVERIFY(remainder != nullptr && remainder->isHidden());
        QCOMPARE(screen.code(), ExerciseRecord::notAsking);
        QVERIFY(screen.text(u"txtresto"_s).isEmpty());
    }

    // The tortoise lies beneath the quotient's hundreds, tens and units: a click there reaches the box.
    void quotientBoxesLieAboveThePicture_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("hundreds") << u"txthris"_s;
        QTest::newRow("tens") << u"txtdaris"_s;
        QTest::newRow("units") << u"txturis"_s;
    }

    void quotientBoxesLieAboveThePicture() {
        QFETCH(QString, name);
        TestProgram t;
        DivisionScreen& screen = shown(t);
        QVERIFY(QTest::qWaitForWindowExposed(&screen));
        const QWidget* picture = screen.control(u"Picture1"_s);
        QVERIFY(picture != nullptr);
        QCOMPARE(picture->geometry(), px(3600, 1920, 2775, 2415));
        QLineEdit* box = screen.box(name);
        const QPoint centre = box->geometry().center();
        QVERIFY(picture->geometry().contains(centre));
        QCOMPARE(screen.childAt(centre), box);

        QTest::mouseClick(screen.windowHandle(), Qt::LeftButton, {}, centre);
        QCOMPARE(screen.focusWidget(), box);
        QTest::keyClicks(box, u"7"_s);
        QCOMPARE(box->text(), u"7"_s);
    }

    // Dividend, divisor, the quotient's thousands, the rows of partial remainders with the quotient's
    // units before row 4, the buttons, and last the quotient's tens and hundreds.
    void tabOrder() {
        TestProgram t;
        DivisionScreen& screen = shown(t);
        QCOMPARE(screen.focusWidget(), screen.box(u"txtk1"_s));
        const QStringList order = (u"txtk1 txth1 txtda1 txtu1 txtdivis txtkris "
                                   u"txtpark1 txtparh1 txtparda1 txtparu1 txtparh2 txtparda2 txtparu2 "
                                   u"txtparda3 txtparu3 txturis txtparu4 "
                                   u"cmdcontrolla cmdpunteggio cmdfine txtdaris txthris txtk1"_s)
                                      .split(u' ');
        checkTabOrder(screen, order);
    }
};

QTEST_MAIN(DivisionScreenTest)
#include "test_divisionscreen.moc"

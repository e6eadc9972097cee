// The one-digit multiplication screen as the pupil meets it: how the result row is read, what a right
// and a wrong check leave behind, and the grid of digit boxes with its heads and tab order.
#include "exercises/multiplication/screen.h"

#include "support/recorder.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <limits>

using namespace abacolo;
using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int twips = 15;
constexpr QSize boxSize(495 / twips, 420 / twips);
constexpr QSize labelSize(495 / twips, 375 / twips);

const QColor blue(0, 0, 255);
const QColor green(0, 192, 0);
const QColor red(255, 0, 0);
const QColor black(0, 0, 0);

const QStringList resultRow{u"txtkris"_s, u"txthris"_s, u"txtdaris"_s, u"txturis"_s};
const QStringList operandBoxes{u"txtk1"_s, u"txth1"_s, u"txtda1"_s, u"txtu1"_s, u"txtu2"_s};

std::uint64_t seedFor(int multiplicand, int multiplier) {
    return test::seedFor(multiplication::draw, [=](const multiplication::Problem& p) {
        return p.multiplicand == multiplicand && p.multiplier == multiplier;
    });
}

MultiplicationScreen& shown(test::TestProgram& t) {
    auto& screen = static_cast<MultiplicationScreen&>(t.program.frmmoltiplicazioni());
    screen.showScreen();
    return screen;
}

// Texts are written box|box|..., in the order of `boxes`.
void fill(Screen& screen, const QStringList& boxes, const QString& texts) {
    const QStringList cells = texts.split(u'|');
    for (int i = 0; i < boxes.size(); ++i)
        screen.setText(boxes[i], cells.value(i));
}

// The problem a screen loaded from `seed` shows after one right check: the load and the check each
// mix the (standing) clock into the generator once, and each draw follows its mixing.
multiplication::Problem secondProblem(std::uint64_t seed) {
    Generator generator(seed);
    generator.setClock([] { return std::uint64_t{0}; });
    generator.randomize();
    multiplication::draw(generator);
    generator.randomize();
    return multiplication::draw(generator);
}

QColor messageColour(const Screen& screen) {
    return screen.label(u"lblmessaggio"_s)->palette().color(QPalette::WindowText);
}

QStringList focusWalk(Screen& screen, const QString& from, int steps) {
    screen.box(from)->setFocus(Qt::TabFocusReason);
    QStringList walk{screen.focusWidget()->objectName()};
    for (int i = 1; i < steps; ++i) {
        QTest::keyClick(screen.focusWidget(), Qt::Key_Tab);
        walk << screen.focusWidget()->objectName();
    }
    return walk;
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
        test::TestProgram t(seedFor(302, 3));
        MultiplicationScreen& screen = shown(t);
        fill(screen, resultRow, thousandsToUnits);

        test::click(screen, "cmdconferma");

        QCOMPARE(screen.text(u"txtris"_s), QString(thousandsToUnits).remove(u'|'));
        QCOMPARE(screen.answerValue(), value);
        QCOMPARE(screen.text(u"lblmessaggio"_s),
                 right ? u"Complimenti! Vai avanti"_s : u"Sbagliato! Ripeti"_s);
        QCOMPARE(screen.rightCount(), right ? 1 : 0);
        QCOMPARE(screen.wrongCount(), right ? 0 : 1);
        QCOMPARE(t.seam.beeps, right ? 0 : 1);
    }

    void rightCheckEmptiesEveryBoxAndDrawsTheNextProblem() {
        const std::uint64_t seed = seedFor(302, 3);
        test::TestProgram t(seed);
        MultiplicationScreen& screen = shown(t);
        // The operand boxes are a working area: a wrong copy does not spoil a right product.
        fill(screen, operandBoxes + resultRow, u"7|7|7|7|7|||9|06"_s);

        test::click(screen, "cmdconferma");

        QCOMPARE(screen.text(u"lblmessaggio"_s), u"Complimenti! Vai avanti"_s);
        QCOMPARE(messageColour(screen), blue);
        QCOMPARE(t.seam.beeps, 0);
        for (const QString& name : operandBoxes + resultRow)
            QVERIFY2(screen.text(name).isEmpty(), qPrintable(name));
        QCOMPARE(screen.focusWidget(), screen.box(u"txtk1"_s));
        const multiplication::Problem next = secondProblem(seed);
        QCOMPARE(screen.problem().multiplicand, next.multiplicand);
        QCOMPARE(screen.problem().multiplier, next.multiplier);
        QCOMPARE(screen.operationLine(), QString::fromStdString(multiplication::operationLine(next)));
        QCOMPARE(screen.text(u"txtrisg"_s), u"1"_s);
        QCOMPARE(screen.text(u"txtriss"_s), u"0"_s);
    }

    void wrongCheckKeepsTheProblemAndTheOperands() {
        test::TestProgram t(seedFor(302, 3));
        MultiplicationScreen& screen = shown(t);
        const QString copied = u"|3|0|2|3"_s;
        fill(screen, operandBoxes + resultRow, copied + u"||9|6|6"_s);

        test::click(screen, "cmdconferma");

        QCOMPARE(screen.text(u"lblmessaggio"_s), u"Sbagliato! Ripeti"_s);
        QCOMPARE(messageColour(screen), red);
        QCOMPARE(t.seam.beeps, 1);
        QCOMPARE(screen.operationLine(), u"302 x 3"_s);
        for (int i = 0; i < operandBoxes.size(); ++i)
            QCOMPARE(screen.text(operandBoxes[i]), copied.section(u'|', i, i));
        for (const QString& name : resultRow)
            QVERIFY2(screen.text(name).isEmpty(), qPrintable(name));
        QCOMPARE(screen.focusWidget(), screen.box(u"txturis"_s));

        // Pressing again on the emptied row reads 0: one more wrong answer, one more beep.
        test::click(screen, "cmdconferma");
        QCOMPARE(t.seam.beeps, 2);
        QCOMPARE(screen.text(u"txtriss"_s), u"2"_s);
        QCOMPARE(screen.text(u"txtrisg"_s), u"0"_s);
        QCOMPARE(screen.operationLine(), u"302 x 3"_s);
    }

    void windowTitleAndBackground() {
        test::TestProgram t;
        MultiplicationScreen& screen = shown(t);
        QCOMPARE(screen.windowTitle(), u"Moltiplicazioni in colonna con 1 cifra al moltiplicatore"_s);
        QCOMPARE(screen.palette().color(QPalette::Window), QColor(255, 192, 255));
        QCOMPARE(screen.size(), QSize(6615 / twips, 5895 / twips));
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
        test::TestProgram t;
        MultiplicationScreen& screen = shown(t);
        const QLineEdit* box = screen.box(QString::fromLatin1(QTest::currentDataTag()));
        QVERIFY(box != nullptr);
        QVERIFY(!box->isHidden());
        QVERIFY(box->text().isEmpty());
        QCOMPARE(box->geometry(), QRect(QPoint(left / twips, top / twips), boxSize));
        QCOMPARE(box->palette().color(QPalette::Text), colour);
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
        test::TestProgram t;
        MultiplicationScreen& screen = shown(t);
        const QLabel* label = screen.label(QString::fromLatin1(QTest::currentDataTag()));
        QVERIFY(label != nullptr);
        QCOMPARE(label->text(), caption);
        QCOMPARE(label->geometry(), QRect(QPoint(left / twips, top / twips), labelSize));
        QCOMPARE(label->palette().color(QPalette::WindowText), colour);
    }

    // The multiplicand row, the multiplier, the result row from the units leftwards, then the buttons.
    void tabWalksTheGridAsThePupilWorks() {
        test::TestProgram t;
        MultiplicationScreen& screen = shown(t);
        QCOMPARE(screen.focusWidget(), screen.box(u"txtk1"_s));
        const QStringList order = (u"txtk1 txth1 txtda1 txtu1 txtu2 "
                                   u"txturis txtdaris txthris txtkris "
                                   u"cmdconferma cmdpunteggio cmdfine txtk1"_s)
                                      .split(u' ');
        QCOMPARE(focusWalk(screen, u"txtk1"_s, int(order.size())), order);
    }
};

QTEST_MAIN(MultiplicationScreenTest)
#include "tst_multiplicationscreen.moc"

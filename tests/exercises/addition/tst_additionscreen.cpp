// Tests of the addition screen as a pupil meets it: the lenient reading of the result row,
// what a right and a wrong check leave behind, and the grid, the tab order and the look of the screen.
#include "exercises/addition/problem.h"
#include "exercises/addition/screen.h"
#include "support/recorder.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using namespace abacolo;

namespace {

constexpr const char* resultRow[] = {"txtkris", "txthris", "txtdaris", "txturis"};
constexpr const char* addendRows[] = {"txtk1",  "txth1", "txtda1", "txtu1", "txtk2",  "txth2",
                                      "txtda2", "txtu2", "txtk3",  "txth3", "txtda3", "txtu3"};

const QColor blue(0, 0, 255), green(0, 192, 0), red(255, 0, 0), black(0, 0, 0);
const QColor background(128, 255, 255);

QString q(const char* ascii) {
    return QString::fromLatin1(ascii);
}

// twips / 15
QRect px(int left, int top, int width, int height) {
    return {left / 15, top / 15, width / 15, height / 15};
}

addition::Problem drawFromLoad(Generator& generator) {
    return addition::draw(generator);
}

AdditionScreen& additionScreen(test::TestProgram& t) {
    return static_cast<AdditionScreen&>(t.program.frmaddizioni());
}

bool showActive(Screen& screen) {
    screen.showScreen();
    return QTest::qWaitForWindowActive(&screen);
}

QString joined(Screen& screen, std::span<const char* const> boxes) {
    QString all;
    for (const char* box : boxes)
        all += screen.text(q(box));
    return all;
}

QString focused() {
    QWidget* widget = QApplication::focusWidget();
    return widget != nullptr ? widget->objectName() : QString();
}

} // namespace

class AdditionScreenTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void readingCases_data();
    void readingCases();
    void rightCheckDrawsAnew();
    void wrongCheckKeepsProblem();
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
    std::uint64_t m_seed573 = 0; // a seed whose load draws a problem with the sum 573
};

void AdditionScreenTest::initTestCase() {
    m_seed573 = test::seedFor(drawFromLoad, [](const addition::Problem& p) { return p.sum == 573; });
}

void AdditionScreenTest::readingCases_data() {
    QTest::addColumn<QStringList>("result");  // thousands, hundreds, tens, units
    QTest::addColumn<QStringList>("addends"); // what the pupil left in the addend rows
    QTest::addColumn<bool>("right");
    const QStringList none;
    const QStringList wrongAddends{q("9"), q("9"), q("9"), q("9"), q("1"), {},
                                   q("x"), {},     {},     {},     {},     q("0")};
    QTest::newRow("empty leading box") << QStringList{{}, q("5"), q("7"), q("3")} << none << true;
    QTest::newRow("leading zero") << QStringList{q("0"), q("5"), q("7"), q("3")} << none << true;
    QTest::newRow("several leading zeros") << QStringList{q("00"), q("0"), q("57"), q("3")} << none << true;
    QTest::newRow("shifted left") << QStringList{q("5"), q("7"), q("3"), {}} << none << true;
    QTest::newRow("shifted with a gap") << QStringList{q("5"), {}, q("7"), q("3")} << none << true;
    QTest::newRow("two digits in one box") << QStringList{{}, {}, q("57"), q("3")} << none << true;
    QTest::newRow("whole number in thousands") << QStringList{q("573"), {}, {}, {}} << none << true;
    QTest::newRow("whole number in units") << QStringList{{}, {}, {}, q("573")} << none << true;
    QTest::newRow("blanks around digits") << QStringList{q(" "), q("5 "), q(" 7"), q("3")} << none << true;
    QTest::newRow("stops at a letter") << QStringList{{}, q("5"), q("7"), q("3a")} << none << true;
    QTest::newRow("addend rows wrong, result right")
        << QStringList{{}, q("5"), q("7"), q("3")} << wrongAddends << true;
    QTest::newRow("four empty boxes read 0") << QStringList{{}, {}, {}, {}} << none << false;
    QTest::newRow("a letter first reads 0") << QStringList{q("a"), q("5"), q("7"), q("3")} << none << false;
    QTest::newRow("units wrong") << QStringList{{}, q("5"), q("7"), q("4")} << none << false;
    QTest::newRow("a digit too many") << QStringList{q("1"), q("5"), q("7"), q("3")} << none << false;
    QTest::newRow("a digit missing") << QStringList{{}, q("5"), q("7"), {}} << none << false;
    QTest::newRow("decimal") << QStringList{{}, q("5"), q("7"), q("3.5")} << none << false;
    QTest::newRow("negative") << QStringList{q("-"), q("5"), q("7"), q("3")} << none << false;
}

void AdditionScreenTest::readingCases() {
    QFETCH(QStringList, result);
    QFETCH(QStringList, addends);
    QFETCH(bool, right);
    test::TestProgram t(m_seed573);
    AdditionScreen& s = additionScreen(t);
    QCOMPARE(s.problem().sum, 573);
    QVERIFY(showActive(s));
    for (int i = 0; i < addends.size(); ++i)
        test::type(s, addendRows[i], addends[i]);
    for (int i = 0; i < 4; ++i)
        test::type(s, resultRow[i], result.value(i));

    test::click(s, "cmdconferma");

    QCOMPARE(s.rightCount(), right ? 1 : 0);
    QCOMPARE(s.wrongCount(), right ? 0 : 1);
    QCOMPARE(t.seam.beeps, right ? 0 : 1);
    QCOMPARE(s.text(q("lblmessaggio")), right ? q("Complimenti! Vai avanti") : q("Sbagliato! Ripeti"));
    QCOMPARE(s.text(q("txtris")), result.join(QString()));
}

void AdditionScreenTest::rightCheckDrawsAnew() {
    test::TestProgram t(3);
    AdditionScreen& s = additionScreen(t);
    QVERIFY(showActive(s));
    const addition::Problem before = s.problem();
    QCOMPARE(s.operationLine(), QString::fromStdString(addition::operationLine(before)));
    for (const char* box : addendRows)
        test::type(s, box, q("8"));
    test::type(s, "txturis", QString::number(before.sum));

    test::click(s, "cmdconferma");

    // In the same handler: a new operation line for the problem drawn after the check's seeding.
    Generator replay(3);
    replay.setClock([] { return std::uint64_t{0}; });
    replay.randomize();
    addition::draw(replay);
    replay.randomize();
    const addition::Problem expected = addition::draw(replay);
    const addition::Problem& after = s.problem();
    QCOMPARE(after.addend1, expected.addend1);
    QCOMPARE(after.addend2, expected.addend2);
    QCOMPARE(after.addend3, expected.addend3);
    QCOMPARE(s.operationLine(), QString::fromStdString(addition::operationLine(after)));
    QVERIFY(s.operationLine() != QString::fromStdString(addition::operationLine(before)));

    QCOMPARE(joined(s, addendRows), QString());
    QCOMPARE(joined(s, resultRow), QString());
    QCOMPARE(focused(), q("txtk1"));
    QCOMPARE(s.text(q("lblmessaggio")), q("Complimenti! Vai avanti"));
    QCOMPARE(s.label(q("lblmessaggio"))->palette().color(QPalette::WindowText), blue);
    QCOMPARE(s.text(q("txtrisg")), q("1"));
    QCOMPARE(s.text(q("txtriss")), q("0"));
    QCOMPARE(t.seam.beeps, 0);
}

void AdditionScreenTest::wrongCheckKeepsProblem() {
    test::TestProgram t(5);
    AdditionScreen& s = additionScreen(t);
    QVERIFY(showActive(s));
    const addition::Problem before = s.problem();
    const QString line = s.operationLine();
    const QString typed = q("123456789012");
    for (int i = 0; i < 12; ++i)
        test::type(s, addendRows[i], typed.mid(i, 1));
    test::type(s, "txturis", QString::number(before.sum + 1));

    test::click(s, "cmdconferma");

    QCOMPARE(s.problem().sum, before.sum);
    QCOMPARE(s.problem().addend1, before.addend1);
    QCOMPARE(s.operationLine(), line);
    QCOMPARE(joined(s, addendRows), typed);
    QCOMPARE(joined(s, resultRow), QString());
    QCOMPARE(focused(), q("txturis"));
    QCOMPARE(s.text(q("lblmessaggio")), q("Sbagliato! Ripeti"));
    QCOMPARE(s.label(q("lblmessaggio"))->palette().color(QPalette::WindowText), red);
    QCOMPARE(t.seam.beeps, 1);
    QCOMPARE(s.text(q("txtrisg")), q("0"));
    QCOMPARE(s.text(q("txtriss")), q("1"));

    // The same problem, answered right at the second try.
    test::type(s, "txthris", QString::number(before.sum));
    test::click(s, "cmdconferma");
    QCOMPARE(s.rightCount(), 1);
    QCOMPARE(joined(s, addendRows), QString());
}

void AdditionScreenTest::digitBoxes_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QColor>("colour");
    struct Column {
        const char* prefix;
        int left;
        QColor colour;
    };
    const Column columns[] = {{"k", 2880, blue}, {"h", 3600, green}, {"da", 4320, red}, {"u", 5040, black}};
    const std::pair<const char*, int> rows[] = {{"1", 1440}, {"2", 1920}, {"3", 2400}, {"ris", 3000}};
    for (const auto& [suffix, top] : rows)
        for (const Column& column : columns) {
            const QString name = q("txt") + q(column.prefix) + q(suffix);
            QTest::newRow(qPrintable(name)) << name << px(column.left, top, 495, 420) << column.colour;
        }
}

void AdditionScreenTest::digitBoxes() {
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(QColor, colour);
    test::TestProgram t;
    AdditionScreen& s = additionScreen(t);
    s.showScreen();
    QLineEdit* box = s.box(name);
    QVERIFY(box != nullptr);
    QCOMPARE(box->geometry(), geometry);
    QCOMPARE(box->palette().color(QPalette::Text), colour);
    QCOMPARE(box->font().family(), q("MS Sans Serif"));
    QCOMPARE(box->font().pointSizeF(), 12.0);
    QVERIFY(box->font().bold());
    QCOMPARE(box->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    QCOMPARE(box->text(), QString());
    QVERIFY(box->validator() == nullptr);
    QVERIFY(box->maxLength() >= 32767);
    QVERIFY(box->isVisible());
    QVERIFY(box->isEnabled());
    QVERIFY(!box->isReadOnly());
}

void AdditionScreenTest::gridLabels_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("Label1") << q("Label1") << q("k") << px(2880, 840, 495, 375) << blue;
    QTest::newRow("lblh") << q("lblh") << q("h") << px(3600, 840, 495, 375) << green;
    QTest::newRow("lblda") << q("lblda") << q("da") << px(4320, 840, 495, 375) << red;
    QTest::newRow("lblu") << q("lblu") << q("u") << px(5040, 840, 495, 375) << black;
    QTest::newRow("lblpiu") << q("lblpiu") << q("+") << px(5640, 1440, 495, 375) << black;
    QTest::newRow("lblpiu2") << q("lblpiu2") << q("+") << px(5640, 1920, 495, 375) << black;
    QTest::newRow("lbluguale") << q("lbluguale") << q("=") << px(5640, 2400, 495, 375) << black;
}

void AdditionScreenTest::gridLabels() {
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QRect, geometry);
    QFETCH(QColor, colour);
    test::TestProgram t;
    AdditionScreen& s = additionScreen(t);
    QLabel* label = s.label(name);
    QVERIFY(label != nullptr);
    QCOMPARE(label->text(), caption);
    QCOMPARE(label->geometry(), geometry);
    QCOMPARE(label->palette().color(QPalette::WindowText), colour);
    QCOMPARE(label->palette().color(QPalette::Window), background);
    QCOMPARE(label->font().family(), q("MS Sans Serif"));
    QCOMPARE(label->font().pointSizeF(), 12.0);
    QVERIFY(label->font().bold());
    QCOMPARE(label->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
}

void AdditionScreenTest::commonControlsPlaced_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QRect>("geometry");
    QTest::newRow("cmdconferma") << q("cmdconferma") << q("&Controlla") << px(3600, 3720, 1215, 375);
    QTest::newRow("cmdpunteggio") << q("cmdpunteggio") << q("&Punteggio") << px(120, 5400, 975, 375);
    QTest::newRow("cmdfine") << q("cmdfine") << q("&Fine") << px(5760, 5400, 735, 375);
    QTest::newRow("lblmessaggio") << q("lblmessaggio") << QString() << px(960, 4440, 4695, 615);
    QTest::newRow("Picture1") << q("Picture1") << QString() << px(240, 1200, 2415, 2775);
}

void AdditionScreenTest::commonControlsPlaced() {
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QRect, geometry);
    test::TestProgram t;
    AdditionScreen& s = additionScreen(t);
    QWidget* control = s.control(name);
    QVERIFY(control != nullptr);
    QCOMPARE(control->geometry(), geometry);
    if (auto* button = qobject_cast<QPushButton*>(control))
        QCOMPARE(button->text(), text);
    else
        QCOMPARE(s.text(name), text);
}

void AdditionScreenTest::gridLinesDrawn() {
    test::TestProgram t;
    AdditionScreen& s = additionScreen(t);
    s.showScreen();
    const QImage image = s.grab().toImage();
    QCOMPARE(image.size(), QSize(441, 393));
    auto at = [&](int x, int y) { return QColor(image.pixel(x, y)); };
    // Points on each line where no control lies over it, and points beside them.
    const QPoint onLines[] = {{186, 88}, {300, 88},  {186, 192}, {370, 192},  // Line1, Line4
                              {232, 50}, {232, 140}, {232, 230},              // Line5
                              {280, 50}, {280, 190}, {328, 50},  {328, 120}}; // Line2, Line3
    for (const QPoint& point : onLines)
        QVERIFY2(at(point.x(), point.y()) == black,
                 qPrintable(QStringLiteral("no line at %1,%2").arg(point.x()).arg(point.y())));
    const QPoint beside[] = {{186, 86}, {186, 90}, {234, 50}, {230, 50}, {232, 236}, {180, 88}};
    for (const QPoint& point : beside)
        QVERIFY2(at(point.x(), point.y()) == background,
                 qPrintable(QStringLiteral("ink at %1,%2").arg(point.x()).arg(point.y())));
}

void AdditionScreenTest::tabOrder() {
    test::TestProgram t;
    AdditionScreen& s = additionScreen(t);
    QVERIFY(showActive(s));
    const QStringList expected{q("txtk1"),   q("txth1"),       q("txtda1"),       q("txtu1"),    q("txtk2"),
                               q("txth2"),   q("txtda2"),      q("txtu2"),        q("txtk3"),    q("txth3"),
                               q("txtda3"),  q("txtu3"),       q("txturis"),      q("txtdaris"), q("txthris"),
                               q("txtkris"), q("cmdconferma"), q("cmdpunteggio"), q("cmdfine"),  q("txtk1")};
    QStringList walked{focused()};
    for (int i = 1; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        walked << focused();
    }
    QCOMPARE(walked, expected);
}

void AdditionScreenTest::firstFocus() {
    test::TestProgram t;
    AdditionScreen& s = additionScreen(t);
    QVERIFY(showActive(s));
    QCOMPARE(focused(), q("txtk1"));
}

void AdditionScreenTest::screenLook() {
    test::TestProgram t;
    AdditionScreen& s = additionScreen(t);
    QCOMPARE(s.windowTitle(), q("Addizioni in colonna"));
    QCOMPARE(s.size(), QSize(441, 393));
    QCOMPARE(s.palette().color(QPalette::Window), background);
    QVERIFY(s.autoFillBackground());

    QLabel* operation = s.label(q("lbloper"));
    QCOMPARE(operation->geometry(), px(2880, 120, 2655, 375));
    QCOMPARE(operation->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
    QCOMPARE(operation->font().family(), q("MS Sans Serif"));
    QCOMPARE(operation->font().pointSizeF(), 13.5);
    QVERIFY(!operation->font().bold());
    QCOMPARE(operation->text(), QString::fromStdString(addition::operationLine(s.problem())));

    QLabel* message = s.label(q("lblmessaggio"));
    QCOMPARE(message->font().family(), q("Comic Sans MS"));
    QCOMPARE(message->font().pointSizeF(), 18.0);
    QVERIFY(message->font().bold());
    QCOMPARE(message->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    QCOMPARE(message->palette().color(QPalette::WindowText), blue);
}

void AdditionScreenTest::scoreCode() {
    test::TestProgram t;
    AdditionScreen& s = additionScreen(t);
    QVERIFY(showActive(s));
    QCOMPARE(s.code(), q("1"));
    test::click(s, "cmdpunteggio");
    QCOMPARE(s.text(q("txtc")), q("1"));
}

QTEST_MAIN(AdditionScreenTest)
#include "tst_additionscreen.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
// The lenient reading of typed numbers, the strict one, and numbers written back as text.
#include "numeric/numbers.h"
#include "numeric/val.h"

#include <QTest>

#include <clocale>
#include <cmath>
#include <limits>
#include <string>

using namespace abacolo;

class ValTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { std::setlocale(LC_ALL, "C"); }

    void readsLeadingNumber_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<double>("expected");

        QTest::newRow("empty") << QByteArray("") << 0.0;
        QTest::newRow("plain") << QByteArray("573") << 573.0;
        QTest::newRow("leading zeros") << QByteArray("0573") << 573.0;
        QTest::newRow("blanks inside") << QByteArray(" 5 7\t3\r\n") << 573.0;
        QTest::newRow("only blanks") << QByteArray(" \t\r\n ") << 0.0;
        QTest::newRow("letters after") << QByteArray("57abc") << 57.0;
        QTest::newRow("letter first") << QByteArray("a57") << 0.0;
        QTest::newRow("letters only") << QByteArray("abc") << 0.0;
        QTest::newRow("plus sign") << QByteArray("+12") << 12.0;
        QTest::newRow("minus sign") << QByteArray("-12") << -12.0;
        QTest::newRow("sign apart from digits") << QByteArray("- 1 2") << -12.0;
        QTest::newRow("two signs") << QByteArray("--5") << 0.0;
        QTest::newRow("sign alone") << QByteArray("-") << 0.0;
        QTest::newRow("decimal") << QByteArray("2.5") << 2.5;
        QTest::newRow("second point stops") << QByteArray("1.2.3") << 1.2;
        QTest::newRow("point first") << QByteArray(".5") << 0.5;
        QTest::newRow("point last") << QByteArray("5.") << 5.0;
        QTest::newRow("point alone") << QByteArray(".") << 0.0;
        QTest::newRow("comma is no decimal point") << QByteArray("1,5") << 1.0;
        QTest::newRow("exponent") << QByteArray("1e3") << 1000.0;
        QTest::newRow("capital exponent") << QByteArray("2E2") << 200.0;
        QTest::newRow("exponent with sign") << QByteArray("5e-1") << 0.5;
        QTest::newRow("exponent without digits") << QByteArray("1e") << 1.0;
        QTest::newRow("exponent sign without digits") << QByteArray("1e+") << 1.0;
        QTest::newRow("exponent alone") << QByteArray("e5") << 0.0;
        QTest::newRow("tiny") << QByteArray("1e-999") << 0.0;
        QTest::newRow("zeros with huge exponent") << QByteArray("000e999999") << 0.0;
        QTest::newRow("hex is not read") << QByteArray("&H10") << 0.0;
        QTest::newRow("non-ASCII after") << QByteArray("7\xc3\xa8") << 7.0;
        QTest::newRow("non-ASCII first") << QByteArray("\xc3\xa8"
                                                       "7")
                                         << 0.0;
        QTest::newRow("many digits") << QByteArray("12345678901234567890") << 12345678901234567890.0;
    }

    void readsLeadingNumber() {
        QFETCH(QByteArray, text);
        QFETCH(double, expected);
        QCOMPARE(Val(std::string_view(text.constData(), std::size_t(text.size()))), expected);
    }

    // Beyond the range of a double the reading must not end the program and must never equal an
    // expected result.
    void outOfRange_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("sign");
        QTest::newRow("huge exponent") << QByteArray("1e999") << 1;
        QTest::newRow("negative huge") << QByteArray("-1e999") << -1;
        QTest::newRow("exponent with many digits") << QByteArray("9e99999999999999999999") << 1;
        QTest::newRow("many integer digits") << QByteArray(400, '9') << 1;
        QTest::newRow("fraction with huge exponent") << QByteArray("0.001e400") << 1;
    }

    void outOfRange() {
        QFETCH(QByteArray, text);
        QFETCH(int, sign);
        const double value = Val(text.toStdString());
        QVERIFY(std::isinf(value));
        QCOMPARE(value > 0, sign > 0);
        QVERIFY(value != 9999.0);
    }

    void tinyFractionsAreZeroOrTiny() {
        QCOMPARE(Val("0.0000001e-400"), 0.0);
        QCOMPARE(Val("-1e-999"), -0.0);
    }

    void megabyteText() {
        std::string digits(1 << 20, '7');
        QVERIFY(std::isinf(Val(digits)));
        std::string letters(1 << 20, 'x');
        QCOMPARE(Val(letters), 0.0);
        std::string blanks(1 << 20, ' ');
        blanks.back() = '4';
        QCOMPARE(Val(blanks), 4.0);
    }

    void periodWhateverTheLocale() {
        const char* previous = std::setlocale(LC_NUMERIC, "it_IT.UTF-8");
        if (previous == nullptr)
            previous = std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
        QCOMPARE(Val("2.5"), 2.5);
        QCOMPARE(Val("2,5"), 2.0);
        QCOMPARE(numberText(2.5), std::string("2.5"));
        std::setlocale(LC_NUMERIC, "C");
    }

    void strictReading_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("isNumber");
        QTest::addColumn<double>("value");
        QTest::newRow("code") << QByteArray("4") << true << 4.0;
        QTest::newRow("designed zero") << QByteArray("0") << true << 0.0;
        QTest::newRow("blanks around") << QByteArray(" 5 ") << true << 5.0;
        QTest::newRow("decimal") << QByteArray("1.5") << true << 1.5;
        QTest::newRow("empty") << QByteArray("") << false << 0.0;
        QTest::newRow("trailing letter") << QByteArray("5a") << false << 0.0;
        QTest::newRow("blank inside") << QByteArray("1 2") << false << 0.0;
    }

    void strictReading() {
        QFETCH(QByteArray, text);
        QFETCH(bool, isNumber);
        QFETCH(double, value);
        const std::optional<double> read = strictNumber(text.toStdString());
        QCOMPARE(read.has_value(), isNumber);
        if (isNumber)
            QCOMPARE(*read, value);
    }

    void numbersAsText_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("zero") << 0.0 << QByteArray("0");
        QTest::newRow("whole") << 9999.0 << QByteArray("9999");
        QTest::newRow("negative") << -5.0 << QByteArray("-5");
        QTest::newRow("large whole") << 40000.0 << QByteArray("40000");
        QTest::newRow("fraction") << 0.25 << QByteArray("0.25");
        // Fractions and numbers beyond the exactly held whole numbers: 15 significant digits.
        QTest::newRow("a third") << 1.0 / 3 << "0." + QByteArray(15, '3');
        QTest::newRow("largest exact whole") << 999999999999999.0 << QByteArray(15, '9');
        QTest::newRow("beyond the exact wholes") << 1e15 << QByteArray("1e+15");
        QTest::newRow("beyond, rounded") << 1234567890123456789.0 << QByteArray("1.23456789012346e+18");
    }

    void numbersAsText() {
        QFETCH(double, value);
        QFETCH(QByteArray, text);
        QCOMPARE(QByteArray::fromStdString(numberText(value)), text);
        if (value == std::trunc(value) && std::fabs(value) < 1e15)
            QCOMPARE(QByteArray::fromStdString(wholeText(static_cast<long long>(value))), text);
    }
};

QTEST_GUILESS_MAIN(ValTest)
#include "test_val.moc"

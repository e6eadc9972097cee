// SPDX-License-Identifier: GPL-3.0-or-later
// Division problems without a window: what the drawing may give, which partial-remainder row holds
// the final remainder, and the judgement of quotient and remainder together.
#include "exercises/division/problem.h"

#include <QTest>

#include <set>

using namespace abacolo;

namespace {

constexpr std::uint64_t sampleSeed = 20260316;
constexpr int sampleSize = 50000;
constexpr int smallestDividend = 1001;
constexpr int largestDividend = 9998;
constexpr int smallestDivisor = 2;
constexpr int largestDivisor = 8;
constexpr int smallestQuotient = 125; // 1001 : 8
constexpr int largestQuotient = 4999; // 9998 : 2
constexpr int fourDigits = 1000;

QStringList rowTexts(const QString& row) {
    return row.split(QLatin1Char('|'));
}

template <std::size_t N> std::array<std::string, N> boxes(const QString& row) {
    const QStringList texts = rowTexts(row);
    std::array<std::string, N> result;
    for (std::size_t i = 0; i < N; ++i)
        result[i] = texts.value(qsizetype(i)).toStdString();
    return result;
}

} // namespace

class DivisionProblemTest : public QObject {
    Q_OBJECT

private slots:
    void drawsStayWithinTheRule() {
        Generator generator(sampleSeed);
        std::set<int> divisors;
        for (int i = 0; i < sampleSize; ++i) {
            const division::Problem p = division::draw(generator);
            const QByteArray line = QByteArray::fromStdString(division::operationLine(p));
            QVERIFY2(p.dividend >= smallestDividend && p.dividend <= largestDividend, line);
            QVERIFY2(p.divisor >= smallestDivisor && p.divisor <= largestDivisor, line);
            QVERIFY2(p.quotient * p.divisor + p.remainder == p.dividend, line);
            QVERIFY2(p.remainder >= 0 && p.remainder < p.divisor, line);
            QVERIFY2(p.quotient >= smallestQuotient && p.quotient <= largestQuotient, line);
            // Three quotient digits exactly when the dividend's first digit is smaller than the divisor.
            QVERIFY2((p.quotient < fourDigits) == (p.dividend / fourDigits < p.divisor), line);
            divisors.insert(p.divisor);
        }
        QCOMPARE(int(divisors.size()), largestDivisor - smallestDivisor + 1);
    }

    void operationLine() {
        const division::Problem p{7345, 6, 1224, 1};
        QCOMPARE(QString::fromStdString(division::operationLine(p)), QStringLiteral("7345 : 6"));
    }

    // Rows are written box|box|..., left to right: row 1 k h da u, row 2 h da u, row 3 da u, row 4 u.
    void remainderRow_data() {
        QTest::addColumn<QString>("row1");
        QTest::addColumn<QString>("row2");
        QTest::addColumn<QString>("row3");
        QTest::addColumn<QString>("row4");
        QTest::addColumn<QString>("remainder");
        QTest::newRow("7345 : 6 worked, row 4") << "1|3||"
                                                << "1|4|"
                                                << "2|5"
                                                << "1"
                                                << "1";
        QTest::newRow("row 4 alone") << "|||"
                                     << "||"
                                     << "|"
                                     << "3"
                                     << "3";
        QTest::newRow("row 4 taken whole") << "|||"
                                           << "||"
                                           << "|"
                                           << "1 2"
                                           << "1 2";
        QTest::newRow("a blank fills row 4") << "1|3||"
                                             << "1|4|"
                                             << "2|5"
                                             << " "
                                             << " ";
        QTest::newRow("1234 : 5 worked, row 3") << "|2|3|"
                                                << "|3|4"
                                                << "|4"
                                                << ""
                                                << "4";
        QTest::newRow("row 3 joined") << "|||"
                                      << "||"
                                      << "2|5"
                                      << ""
                                      << "25";
        QTest::newRow("a blank fills row 3") << "|||"
                                             << "1|2|3"
                                             << "7| "
                                             << ""
                                             << "7 ";
        QTest::newRow("row 3 tens alone do not count") << "|||"
                                                       << "|3|4"
                                                       << "4|"
                                                       << ""
                                                       << "34";
        QTest::newRow("row 2 joined") << "9|9|9|9"
                                      << "1|2|3"
                                      << "|"
                                      << ""
                                      << "123";
        QTest::newRow("row 2 units alone") << "9|9|9|9"
                                           << "||6"
                                           << "|"
                                           << ""
                                           << "6";
        QTest::newRow("row 2 without units falls to row 1") << "1|2|3|4"
                                                            << "5|6|"
                                                            << "|"
                                                            << ""
                                                            << "1234";
        QTest::newRow("row 1 with gaps") << "1||2|"
                                         << "||"
                                         << "|"
                                         << ""
                                         << "12";
        QTest::newRow("every row empty") << "|||"
                                         << "||"
                                         << "|"
                                         << ""
                                         << "";
    }

    void remainderRow() {
        QFETCH(QString, row1);
        QFETCH(QString, row2);
        QFETCH(QString, row3);
        QFETCH(QString, row4);
        QFETCH(QString, remainder);
        const division::PartialRows rows{boxes<4>(row1), boxes<3>(row2), boxes<2>(row3), row4.toStdString()};
        QCOMPARE(QString::fromStdString(division::remainderText(rows)), remainder);
    }

    // 7345 : 6 = 1224 remainder 1: both must be right.
    void judgement_data() {
        QTest::addColumn<double>("quotient");
        QTest::addColumn<double>("remainder");
        QTest::addColumn<bool>("right");
        QTest::newRow("both right") << 1224.0 << 1.0 << true;
        QTest::newRow("remainder forgotten") << 1224.0 << 0.0 << false;
        QTest::newRow("remainder of the row above") << 1224.0 << 25.0 << false;
        QTest::newRow("quotient one off") << 1225.0 << 1.0 << false;
        QTest::newRow("quotient with decimals") << 1224.5 << 1.0 << false;
        QTest::newRow("nothing written") << 0.0 << 0.0 << false;
    }

    void judgement() {
        QFETCH(double, quotient);
        QFETCH(double, remainder);
        QFETCH(bool, right);
        const division::Problem p{7345, 6, 1224, 1};
        QCOMPARE(division::isRight(quotient, remainder, p), right);
    }
};

QTEST_GUILESS_MAIN(DivisionProblemTest)
#include "test_divisionproblem.moc"

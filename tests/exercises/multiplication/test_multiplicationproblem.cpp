// SPDX-License-Identifier: GPL-3.0-or-later
// Problems of multiplication by a one-digit multiplier, without a window: what the drawing may give,
// how often each multiplier comes up, and the operation line.
#include "exercises/multiplication/problem.h"

#include <QTest>

#include <array>
#include <cmath>

using namespace abacolo;

namespace {

constexpr std::uint64_t sampleSeed = 20260314;
constexpr int sampleSize = 100000;
constexpr int smallestMultiplicand = 101;
constexpr int largestMultiplicand = 4999;
constexpr int smallestMultiplier = 2;
constexpr int largestMultiplier = 8;
constexpr int smallestProduct = smallestMultiplicand * smallestMultiplier;
constexpr int largestProduct = 9999;
// Standard deviations a share may stray from its expected value before the test calls it wrong: a
// sound drawing fails this about once in two million runs.
constexpr double allowedDeviations = 5.0;
// The expected shares are given to a tenth of a percent.
constexpr double shareRounding = 0.0005;

} // namespace

class MultiplicationProblemTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        Generator generator(sampleSeed);
        for (int i = 0; i < sampleSize; ++i) {
            const multiplication::Problem p = multiplication::draw(generator);
            if (p.multiplier >= smallestMultiplier && p.multiplier <= largestMultiplier)
                ++m_perMultiplier[std::size_t(p.multiplier)];
        }
    }

    void drawsStayWithinTheRule() {
        Generator generator(sampleSeed);
        for (int i = 0; i < sampleSize; ++i) {
            const multiplication::Problem p = multiplication::draw(generator);
            const QByteArray line = QByteArray::fromStdString(multiplication::operationLine(p));
            QVERIFY2(p.multiplicand >= smallestMultiplicand && p.multiplicand <= largestMultiplicand, line);
            QVERIFY2(p.multiplier >= smallestMultiplier && p.multiplier <= largestMultiplier, line);
            QVERIFY2(p.product == p.multiplicand * p.multiplier, line);
            QVERIFY2(p.product >= smallestProduct && p.product <= largestProduct, line);
        }
    }

    // 9999 is 3 × 3333 and nothing else within the rule, one admissible pair in about 16500.
    void theLargestProductCanBeDrawn() {
        constexpr int attempts = 1000000;
        Generator generator(sampleSeed);
        bool drawn = false;
        for (int i = 0; i < attempts && !drawn; ++i)
            drawn = multiplication::draw(generator).product == largestProduct;
        QVERIFY(drawn);
    }

    void multiplierShares_data() {
        QTest::addColumn<int>("multiplier");
        QTest::addColumn<double>("expectedShare");
        QTest::newRow("2, multiplicands 101..4999") << 2 << 0.297;
        QTest::newRow("3, multiplicands 101..3333") << 3 << 0.196;
        QTest::newRow("4, multiplicands 101..2499") << 4 << 0.146;
        QTest::newRow("5, multiplicands 101..1999") << 5 << 0.115;
        QTest::newRow("6, multiplicands 101..1666") << 6 << 0.095;
        QTest::newRow("7, multiplicands 101..1428") << 7 << 0.081;
        QTest::newRow("8, multiplicands 101..1249") << 8 << 0.070;
    }

    void multiplierShares() {
        QFETCH(int, multiplier);
        QFETCH(double, expectedShare);
        const double share = double(m_perMultiplier[std::size_t(multiplier)]) / sampleSize;
        const double deviation = std::sqrt(expectedShare * (1 - expectedShare) / sampleSize);
        const double tolerance = allowedDeviations * deviation + shareRounding;
        QVERIFY2(
            std::abs(share - expectedShare) <= tolerance,
            qPrintable(
                QStringLiteral("share %1, expected %2 ± %3").arg(share).arg(expectedShare).arg(tolerance)));
    }

    void operationLine_data() {
        QTest::addColumn<int>("multiplicand");
        QTest::addColumn<int>("multiplier");
        QTest::addColumn<QString>("line");
        QTest::newRow("four digits") << 1234 << 7 << QStringLiteral("1234 x 7");
        QTest::newRow("three digits") << 101 << 2 << QStringLiteral("101 x 2");
        QTest::newRow("largest product") << 3333 << 3 << QStringLiteral("3333 x 3");
    }

    void operationLine() {
        QFETCH(int, multiplicand);
        QFETCH(int, multiplier);
        QFETCH(QString, line);
        const multiplication::Problem p{multiplicand, multiplier, multiplicand * multiplier};
        QCOMPARE(QString::fromStdString(multiplication::operationLine(p)), line);
    }

private:
    std::array<int, largestMultiplier + 1> m_perMultiplier{};
};

QTEST_GUILESS_MAIN(MultiplicationProblemTest)
#include "test_multiplicationproblem.moc"

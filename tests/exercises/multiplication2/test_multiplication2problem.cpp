// SPDX-License-Identifier: GPL-3.0-or-later
// Problems of multiplication by a two-digit multiplier, without a window: what the drawing may give
// and the operation line.
#include "exercises/multiplication2/problem.h"

#include <QTest>

#include <set>

using namespace abacolo;

namespace {

constexpr std::uint64_t sampleSeed = 20260315;
// The rarest multiplier, 98, admits 92 multiplicands of about 21000 admissible pairs: this many
// draws meet it some 200 times.
constexpr int sampleSize = 50000;
constexpr int smallestFactor = 11;
constexpr int largestMultiplicand = 909;
constexpr int largestMultiplier = 98;
constexpr int productLimit = 10000;

} // namespace

class Multiplication2ProblemTest : public QObject {
    Q_OBJECT

private slots:
    void drawsStayWithinTheRule() {
        Generator generator(sampleSeed);
        std::set<int> multipliers;
        for (int i = 0; i < sampleSize; ++i) {
            const multiplication2::Problem p = multiplication2::draw(generator);
            const QByteArray line = QByteArray::fromStdString(multiplication2::operationLine(p));
            QVERIFY2(p.multiplicand >= smallestFactor && p.multiplicand <= largestMultiplicand, line);
            QVERIFY2(p.multiplier >= smallestFactor && p.multiplier <= largestMultiplier, line);
            QVERIFY2(p.product == p.multiplicand * p.multiplier, line);
            QVERIFY2(p.product >= smallestFactor * smallestFactor && p.product < productLimit, line);
            multipliers.insert(p.multiplier);
        }
        // Every two-digit multiplier comes up, those ending in 0 as well; 99 never does.
        QCOMPARE(int(multipliers.size()), largestMultiplier - smallestFactor + 1);
        QVERIFY(multipliers.contains(20));
    }

    void operationLine_data() {
        QTest::addColumn<int>("multiplicand");
        QTest::addColumn<int>("multiplier");
        QTest::addColumn<QString>("line");
        QTest::newRow("three digits") << 123 << 45 << QStringLiteral("123 x 45");
        QTest::newRow("two digits") << 15 << 40 << QStringLiteral("15 x 40");
        QTest::newRow("largest multiplicand") << 909 << 11 << QStringLiteral("909 x 11");
    }

    void operationLine() {
        QFETCH(int, multiplicand);
        QFETCH(int, multiplier);
        QFETCH(QString, line);
        const multiplication2::Problem p{multiplicand, multiplier, multiplicand * multiplier};
        QCOMPARE(QString::fromStdString(multiplication2::operationLine(p)), line);
    }
};

QTEST_GUILESS_MAIN(Multiplication2ProblemTest)
#include "test_multiplication2problem.moc"

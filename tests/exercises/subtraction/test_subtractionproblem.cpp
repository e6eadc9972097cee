// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of the subtraction logic without a window: the drawing of two numbers, the first
// strictly greater, the operation line and the judgement.
#include "exercises/subtraction/problem.h"
#include "numeric/generator.h"

#include <QtTest>

#include <cmath>

using namespace abacolo;

namespace {

constexpr int draws = 100000;
constexpr int largestNumber = 9998; // Int(Rnd × 9999)

} // namespace

class SubtractionProblemTest : public QObject {
    Q_OBJECT
private slots:
    void drawsWithinTheRule();
    void differenceSpread();
    void everyPassDrawsTwoFreshNumbers();
    void operationLine_data();
    void operationLine();
    void judgement_data();
    void judgement();
};

void SubtractionProblemTest::drawsWithinTheRule() {
    Generator generator(20240601);
    int zeroSeconds = 0;
    int smallestFirst = largestNumber;
    int largestFirst = 0;
    int largestSecond = 0;
    for (int i = 0; i < draws; ++i) {
        const subtraction::Problem p = subtraction::draw(generator);
        QVERIFY2(p.first >= 1 && p.first <= 9998, qPrintable(QString::number(p.first)));
        QVERIFY2(p.second >= 0 && p.second <= 9997, qPrintable(QString::number(p.second)));
        QVERIFY(p.first > p.second);
        QCOMPARE(p.difference, p.first - p.second);
        QVERIFY(p.difference >= 1 && p.difference <= 9998);
        zeroSeconds += p.second == 0 ? 1 : 0;
        smallestFirst = std::min(smallestFirst, p.first);
        largestFirst = std::max(largestFirst, p.first);
        largestSecond = std::max(largestSecond, p.second);
    }
    // A second number of 0 comes with about 2 problems in 10000 (9998 of the 49,985,001 pairs), so
    // some 20 times here.
    QVERIFY2(zeroSeconds > 0, "a second number of 0 never turned up");
    QVERIFY(smallestFirst < 100);
    QVERIFY(largestFirst > 9900);
    QVERIFY(largestSecond > 9800);
}

void SubtractionProblemTest::differenceSpread() {
    // Every pair with first > second equally likely: the difference d has P(d) ∝ 9999 - d, so small
    // differences are more frequent; its mean is about 9999/3 and its spread about 9999·sqrt(1/18).
    const double n = 9999;
    const double tolerance = 5 * n * std::sqrt(1.0 / 18) / std::sqrt(double(draws));
    Generator generator(77);
    double total = 0;
    int below = 0;
    for (int i = 0; i < draws; ++i) {
        const subtraction::Problem p = subtraction::draw(generator);
        total += p.difference;
        below += p.difference < 5000 ? 1 : 0;
    }
    QVERIFY2(std::fabs(total / draws - n / 3) < tolerance, qPrintable(QString::number(total / draws)));
    QVERIFY(below > draws * 7 / 10); // three quarters lie below half the range
}

void SubtractionProblemTest::everyPassDrawsTwoFreshNumbers() {
    for (std::uint64_t seed = 1; seed <= 300; ++seed) {
        Generator generator(seed);
        Generator replay(seed);
        const subtraction::Problem p = subtraction::draw(generator);
        int first = 0, second = 0;
        do {
            first = int(std::floor(replay.rnd() * 9999.0f));
            second = int(std::floor(replay.rnd() * 9999.0f));
        } while (!(first > second));
        QCOMPARE(p.first, first);
        QCOMPARE(p.second, second);
        QCOMPARE(generator.rnd(), replay.rnd()); // nothing drawn beyond the accepted pair
    }
}

void SubtractionProblemTest::operationLine_data() {
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    QTest::addColumn<QString>("line");
    QTest::newRow("a worked example") << 7045 << 389 << QStringLiteral("7045 - 389");
    QTest::newRow("a second number of 0") << 5 << 0 << QStringLiteral("5 - 0");
    QTest::newRow("the largest pair") << 9998 << 9997 << QStringLiteral("9998 - 9997");
    QTest::newRow("no separators") << 1000 << 999 << QStringLiteral("1000 - 999");
}

void SubtractionProblemTest::operationLine() {
    QFETCH(int, first);
    QFETCH(int, second);
    QFETCH(QString, line);
    const subtraction::Problem p{first, second, first - second};
    QCOMPARE(QString::fromStdString(subtraction::operationLine(p)), line);
}

void SubtractionProblemTest::judgement_data() {
    QTest::addColumn<double>("answer");
    QTest::addColumn<bool>("right");
    QTest::newRow("equal") << 523.0 << true;
    QTest::newRow("one less") << 522.0 << false;
    QTest::newRow("a fraction more") << 523.25 << false;
    QTest::newRow("0") << 0.0 << false;
    QTest::newRow("negative") << -523.0 << false;
    QTest::newRow("infinity") << qInf() << false;
}

void SubtractionProblemTest::judgement() {
    QFETCH(double, answer);
    QFETCH(bool, right);
    const subtraction::Problem p{1000, 477, 523};
    QCOMPARE(subtraction::isRight(answer, p), right);
}

QTEST_GUILESS_MAIN(SubtractionProblemTest)
#include "test_subtractionproblem.moc"

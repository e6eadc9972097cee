// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of the addition logic without a window: the drawing of three addends under 10000,
// its acceptance share, the operation line and the judgement.
#include "exercises/addition/problem.h"
#include "numeric/generator.h"

#include <QtTest>

#include <cmath>

using namespace abacolo;

namespace {

constexpr int draws = 20000;
constexpr int largestAddend = 9998; // Int(Rnd × 9999)
constexpr int largestSum = 9999;
// How many standard errors a sample mean may stray from its expectation; with a fixed seed the run is
// reproducible, and 5 standard errors leave a chance of about 6e-7 for another seed to fail.
constexpr double allowedErrors = 5;

// Share of the 9999³ triples of 0..9998 whose total is at most 9999: C(10002, 3) triples of whole numbers
// from 0 have that total, less the three that hold 9999 itself.
double acceptedShare() {
    const double n = largestSum;
    const double triples = (n + 3) * (n + 2) * (n + 1) / 6 - 3;
    return triples / ((n) * (n) * (n));
}

} // namespace

class AdditionProblemTest : public QObject {
    Q_OBJECT
private slots:
    void drawsWithinTheRule();
    void acceptanceShare();
    void addendsSpreadLikeTheSimplex();
    void everyPassDrawsThreeFreshAddends();
    void drawWithoutPassCount();
    void operationLine_data();
    void operationLine();
    void judgement_data();
    void judgement();
};

void AdditionProblemTest::drawsWithinTheRule() {
    Generator generator(20240601);
    int zeroAddends = 0;
    int largest = 0;
    int smallestSum = largestSum;
    for (int i = 0; i < draws; ++i) {
        int passes = 0;
        const addition::Problem p = addition::draw(generator, {}, &passes);
        for (int addend : {p.addend1, p.addend2, p.addend3}) {
            QVERIFY2(addend >= 0 && addend <= largestAddend, qPrintable(QString::number(addend)));
            zeroAddends += addend == 0 ? 1 : 0;
            largest = std::max(largest, addend);
        }
        QCOMPARE(p.sum, p.addend1 + p.addend2 + p.addend3);
        QVERIFY2(p.sum >= 0 && p.sum <= largestSum, qPrintable(QString::number(p.sum)));
        QVERIFY(passes >= 1);
        smallestSum = std::min(smallestSum, p.sum);
    }
    // An addend of 0 turns up (about 3 in 10000 addends are 0, so some 18 here), and addends run high.
    QVERIFY(zeroAddends > 0);
    QVERIFY(largest > 9000);
    QVERIFY(smallestSum < 1000);
}

void AdditionProblemTest::acceptanceShare() {
    const double p = acceptedShare();
    QVERIFY(std::fabs(p - 0.1668) < 0.0001); // one triple in six is accepted
    // Passes per problem are geometric: mean 1/p, variance (1 - p)/p².
    const double mean = 1 / p;
    const double standardError = std::sqrt((1 - p) / (p * p) / draws);
    const double tolerance = allowedErrors * standardError; // about 0.19

    for (std::uint64_t seed : {1ULL, 77ULL, 20240601ULL}) {
        Generator generator(seed);
        long long passes = 0;
        for (int i = 0; i < draws; ++i) {
            int count = 0;
            addition::draw(generator, {}, &count);
            passes += count;
        }
        const double observed = double(passes) / draws;
        QVERIFY2(std::fabs(observed - mean) < tolerance,
                 qPrintable(QStringLiteral("seed %1: %2 passes per problem, expected %3 ± %4")
                                .arg(seed)
                                .arg(observed)
                                .arg(mean)
                                .arg(tolerance)));
    }
}

void AdditionProblemTest::addendsSpreadLikeTheSimplex() {
    // Every accepted triple is equally likely: each addend then has mean n/4 and the sum 3n/4, each
    // with a standard deviation of about n·sqrt(3/80) (n = 9999); a drawing that clamped or favoured
    // small numbers would move them.
    const double n = largestSum;
    const double spread = n * std::sqrt(3.0 / 80);
    const double tolerance = allowedErrors * spread / std::sqrt(double(draws));
    Generator generator(4242);
    double total[3] = {};
    double sums = 0;
    for (int i = 0; i < draws; ++i) {
        const addition::Problem p = addition::draw(generator);
        total[0] += p.addend1;
        total[1] += p.addend2;
        total[2] += p.addend3;
        sums += p.sum;
    }
    for (double t : total)
        QVERIFY2(std::fabs(t / draws - n / 4) < tolerance, qPrintable(QString::number(t / draws)));
    QVERIFY2(std::fabs(sums / draws - 3 * n / 4) < tolerance, qPrintable(QString::number(sums / draws)));
}

void AdditionProblemTest::everyPassDrawsThreeFreshAddends() {
    // Replaying the generator: each pass takes three Rnd values, Int(Rnd × 9999) in single precision,
    // and the problem is the triple of the last pass.
    for (std::uint64_t seed = 1; seed <= 200; ++seed) {
        Generator generator(seed);
        Generator replay(seed);
        int passes = 0;
        const addition::Problem p = addition::draw(generator, {}, &passes);
        int a = 0, b = 0, c = 0;
        for (int pass = 0; pass < passes; ++pass) {
            a = int(std::floor(replay.rnd() * 9999.0f));
            b = int(std::floor(replay.rnd() * 9999.0f));
            c = int(std::floor(replay.rnd() * 9999.0f));
            if (pass + 1 < passes)
                QVERIFY2(a + b + c >= 10000, "a pass was rejected although its sum was below 10000");
        }
        QCOMPARE(p.addend1, a);
        QCOMPARE(p.addend2, b);
        QCOMPARE(p.addend3, c);
        QCOMPARE(generator.rnd(), replay.rnd()); // no value drawn beyond the accepted pass
    }
}

void AdditionProblemTest::drawWithoutPassCount() {
    Generator counted(9);
    Generator plain(9);
    int passes = 0;
    const addition::Problem a = addition::draw(counted, {}, &passes);
    const addition::Problem b = addition::draw(plain);
    QCOMPARE(b.addend1, a.addend1);
    QCOMPARE(b.addend2, a.addend2);
    QCOMPARE(b.addend3, a.addend3);
    QCOMPARE(b.sum, a.sum);
}

void AdditionProblemTest::operationLine_data() {
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<int>("c");
    QTest::addColumn<QString>("line");
    QTest::newRow("a worked example") << 1234 << 56 << 7 << QStringLiteral("1234 + 56 + 7");
    QTest::newRow("an addend of 0 first") << 0 << 512 << 77 << QStringLiteral("0 + 512 + 77");
    QTest::newRow("an addend of 0 last") << 9998 << 1 << 0 << QStringLiteral("9998 + 1 + 0");
    QTest::newRow("all 0") << 0 << 0 << 0 << QStringLiteral("0 + 0 + 0");
    QTest::newRow("no separators") << 3000 << 3000 << 3000 << QStringLiteral("3000 + 3000 + 3000");
}

void AdditionProblemTest::operationLine() {
    QFETCH(int, a);
    QFETCH(int, b);
    QFETCH(int, c);
    QFETCH(QString, line);
    const addition::Problem p{a, b, c, a + b + c};
    QCOMPARE(QString::fromStdString(addition::operationLine(p)), line);
}

void AdditionProblemTest::judgement_data() {
    QTest::addColumn<int>("sum");
    QTest::addColumn<double>("answer");
    QTest::addColumn<bool>("right");
    QTest::newRow("equal") << 573 << 573.0 << true;
    QTest::newRow("one more") << 573 << 574.0 << false;
    QTest::newRow("a fraction more") << 573 << 573.5 << false;
    QTest::newRow("the sum 0 and the answer 0") << 0 << 0.0 << true;
    QTest::newRow("0 for another sum") << 573 << 0.0 << false;
    QTest::newRow("the largest sum") << 9999 << 9999.0 << true;
    QTest::newRow("negative") << 573 << -573.0 << false;
    QTest::newRow("infinity") << 9999 << qInf() << false;
}

void AdditionProblemTest::judgement() {
    QFETCH(int, sum);
    QFETCH(double, answer);
    QFETCH(bool, right);
    const addition::Problem p{sum, 0, 0, sum};
    QCOMPARE(addition::isRight(answer, p), right);
}

QTEST_GUILESS_MAIN(AdditionProblemTest)
#include "test_additionproblem.moc"

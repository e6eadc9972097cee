// SPDX-License-Identifier: GPL-3.0-or-later
// The random generator: its range and resolution, replay from a seed, and Randomize's clock mixing.
#include "numeric/generator.h"

#include <QTest>

#include <cmath>
#include <cstdint>
#include <limits>
#include <set>

using namespace abacolo;

namespace {

// The largest value a single-precision Rnd with 24 bits of resolution can return.
constexpr float largestRnd = 1.0f - 1.0f / 16777216.0f;

} // namespace

class GeneratorTest : public QObject {
    Q_OBJECT

private slots:
    void rndStaysInUnitInterval() {
        Generator generator(7);
        float smallest = 1;
        float largest = 0;
        for (int i = 0; i < 200000; ++i) {
            const float value = generator.rnd();
            QVERIFY(value >= 0.0f && value < 1.0f);
            // 24 bits of resolution: every value is a whole multiple of 2^-24.
            const float scaled = value * 16777216.0f;
            QCOMPARE(scaled, std::floor(scaled));
            smallest = std::min(smallest, value);
            largest = std::max(largest, value);
        }
        QVERIFY(smallest < 0.001f);
        QVERIFY(largest > 0.999f);
    }

    // Int(Rnd × range) in single precision must stay below range even at the largest Rnd.
    void largestRndStaysBelowRange_data() {
        QTest::addColumn<float>("range");
        QTest::newRow("four digits") << 9999.0f;
        QTest::newRow("three digits") << 999.0f;
        QTest::newRow("two digits") << 99.0f;
        QTest::newRow("one digit") << 9.0f;
    }

    void largestRndStaysBelowRange() {
        QFETCH(float, range);
        const float product = largestRnd * range;
        QCOMPARE(Int(product), range - 1);
        QCOMPARE(Int(0.0f * range), 0.0f);
    }

    void drawBelowCoversItsRange() {
        Generator generator(3);
        std::set<int> seen;
        for (int i = 0; i < 5000; ++i) {
            const int value = drawBelow(generator, 9);
            QVERIFY(value >= 0 && value <= 8);
            seen.insert(value);
        }
        QCOMPARE(int(seen.size()), 9);
    }

    void intRoundsDown_data() {
        QTest::addColumn<float>("value");
        QTest::addColumn<float>("expected");
        QTest::newRow("whole") << 5.0f << 5.0f;
        QTest::newRow("fraction") << 5.99f << 5.0f;
        QTest::newRow("negative") << -0.5f << -1.0f;
    }

    void intRoundsDown() {
        QFETCH(float, value);
        QFETCH(float, expected);
        QCOMPARE(Int(value), expected);
    }

    void seedReplaysTheSequence() {
        Generator first(42);
        Generator second(1);
        second.seed(42);
        for (int i = 0; i < 100; ++i)
            QCOMPARE(first.rnd(), second.rnd());
    }

    // Two Randomize calls in the same second but at different instants must not replay the same
    // problems.
    void randomizeMixesTheClock() {
        std::uint64_t now = 1'000'000'000;
        Generator a(5);
        Generator b(5);
        a.setClock([&now] { return now; });
        b.setClock([&now] { return now + 1; }); // one nanosecond later
        a.randomize();
        b.randomize();
        int same = 0;
        for (int i = 0; i < 20; ++i)
            same += a.rnd() == b.rnd() ? 1 : 0;
        QVERIFY(same < 3);
    }

    void randomizeOnTheRealClockChangesTheSequence() {
        Generator a(5);
        Generator b(5);
        a.randomize();
        QTest::qWait(1);
        b.randomize();
        QVERIFY(a.rnd() != b.rnd() || a.rnd() != b.rnd());
    }
};

QTEST_GUILESS_MAIN(GeneratorTest)
#include "test_generator.moc"

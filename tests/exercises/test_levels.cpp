// SPDX-License-Identifier: GPL-3.0-or-later
// The teacher's ranges and carrying, for every operation: the rules are stated here once more, from
// the teacher's table and by working each problem in columns as a pupil does, and every drawing is held
// against them. Where a cell has few enough candidates, every one is put to the drawing (it must keep
// exactly those the rule admits); in every cell, thousands of drawn problems obey the rule; and with no
// choice made the drawing is the designed one, number for number.
#include "exercises/addition/problem.h"
#include "exercises/division/problem.h"
#include "exercises/multiplication/problem.h"
#include "exercises/multiplication2/problem.h"
#include "exercises/subtraction/problem.h"

#include <QTest>

#include <functional>
#include <set>

using namespace abacolo;

namespace {

constexpr int sampled = 3000;

int limitOf(int range) {
    return range + 1; // within 99: below 100
}

int digit(int number, int column) {
    for (int i = 0; i < column; ++i)
        number /= 10;
    return number % 10;
}

// Column addition from the units, as written: true when some column carries into the next.
bool additionCarries(std::initializer_list<int> numbers) {
    int carry = 0;
    for (int column = 0; column < 5; ++column) {
        int total = carry;
        for (int number : numbers)
            total += digit(number, column);
        carry = total / 10;
        if (carry > 0)
            return true;
    }
    return false;
}

bool subtractionBorrows(int first, int second) {
    for (int column = 0; column < 4; ++column)
        if (digit(first, column) < digit(second, column))
            return true;
    return false;
}

// Long multiplication as written: a partial row per digit of the multiplier, each carrying from
// column to column, then the rows added up.
bool multiplicationCarries(int multiplicand, int multiplier) {
    std::vector<int> rows;
    for (int row = 0; row < 2; ++row) {
        const int by = digit(multiplier, row);
        int carry = 0;
        int written = 0;
        for (int column = 0, place = 1; column < 4; ++column, place *= 10) {
            const int product = digit(multiplicand, column) * by + carry;
            carry = product / 10;
            if (carry > 0)
                return true;
            written += product * place;
        }
        int shifted = written;
        for (int i = 0; i < row; ++i)
            shifted *= 10;
        rows.push_back(shifted);
    }
    return additionCarries({rows[0], rows[1]});
}

// Long division as written, a digit at a time from the left: true when some step leaves something over.
bool divisionLeavesRemainders(int dividend, int divisor) {
    for (int column = 3; column >= 0; --column)
        if (digit(dividend, column) % divisor != 0)
            return true;
    return false;
}

// A problem as its numbers, in the order they are drawn.
using Numbers = std::vector<int>;

// The teacher's table, and the extra rule without carrying.
struct Cell {
    std::vector<float> ranges; // Int(Rnd × range) of each number, in order
    std::function<bool(const Numbers&)> admitted;
    std::function<Numbers(Generator&)> draw; // the program's drawing of the cell
    Numbers certain;                         // a problem the cell surely admits
};

Cell cellOf(const QString& operation, int range, bool carrying) {
    const Level level{range == 99    ? Range::upTo99
                      : range == 999 ? Range::upTo999
                                     : Range::upTo9999,
                      carrying};
    const int limit = limitOf(range);
    const auto r = static_cast<float>(range);
    if (operation == u"addition") {
        return {{r, r, r},
                [=](const Numbers& n) {
                    return n[0] + n[1] + n[2] < limit && (carrying || !additionCarries({n[0], n[1], n[2]}));
                },
                [=](Generator& g) {
                    const auto p = addition::draw(g, level);
                    return Numbers{p.addend1, p.addend2, p.addend3};
                },
                {0, 0, 0}};
    }
    if (operation == u"subtraction") {
        return {
            {r, r},
            [=](const Numbers& n) { return n[0] > n[1] && (carrying || !subtractionBorrows(n[0], n[1])); },
            [=](Generator& g) {
                const auto p = subtraction::draw(g, level);
                return Numbers{p.first, p.second};
            },
            {1, 0}};
    }
    if (operation == u"multiplication") {
        const int smallest = range == 9999 ? 101 : 11;
        return {{r, 9},
                [=](const Numbers& n) {
                    return n[0] >= smallest && n[1] >= 2 && n[0] * n[1] < limit &&
                           (carrying || !multiplicationCarries(n[0], n[1]));
                },
                [=](Generator& g) {
                    const auto p = multiplication::draw(g, level);
                    return Numbers{p.multiplicand, p.multiplier};
                },
                {smallest, 2}};
    }
    if (operation == u"multiplication2") {
        // Not offered within 99; loaded hidden there, the screen draws within 999.
        const bool within9999 = range == 9999;
        return {{within9999 ? 999.0f : 99.0f, 99},
                [=](const Numbers& n) {
                    return n[0] >= 11 && n[1] >= 11 && n[0] * n[1] < (within9999 ? 10000 : 1000) &&
                           (carrying || !multiplicationCarries(n[0], n[1]));
                },
                [=](Generator& g) {
                    const auto p = multiplication2::draw(g, level);
                    return Numbers{p.multiplicand, p.multiplier};
                },
                {11, 11}};
    }
    return {{r, 9},
            [=](const Numbers& n) {
                return n[0] > limit / 10 && n[1] >= 2 && (carrying || !divisionLeavesRemainders(n[0], n[1]));
            },
            [=](Generator& g) {
                const auto p = division::draw(g, level);
                return Numbers{p.dividend, p.divisor};
            },
            {limit / 10 * 2, 2}};
}

// Gives the Rnd values that draw the chosen numbers, then those of `certain` over and over.
class ChosenGenerator : public Generator {
public:
    ChosenGenerator(const std::vector<float>& ranges, const Numbers& certain) : m_ranges(ranges) {
        for (std::size_t i = 0; i < certain.size(); ++i)
            m_certain.push_back(rndFor(certain[i], ranges[i]));
    }
    void choose(const Numbers& numbers) {
        m_chosen.clear();
        for (std::size_t i = 0; i < numbers.size(); ++i)
            m_chosen.push_back(rndFor(numbers[i], m_ranges[i]));
        m_next = 0;
    }
    float rnd() override {
        const std::size_t i = m_next++;
        return i < m_chosen.size() ? m_chosen[i] : m_certain[(i - m_chosen.size()) % m_certain.size()];
    }

private:
    // Int((n + 0.5) / range × range) is n: the error of the product is far below a half.
    static float rndFor(int n, float range) { return (static_cast<float>(n) + 0.5f) / range; }

    std::vector<float> m_ranges;
    std::vector<float> m_chosen;
    std::vector<float> m_certain;
    std::size_t m_next = 0;
};

QString textOf(const Numbers& numbers) {
    QStringList parts;
    for (int n : numbers)
        parts << QString::number(n);
    return parts.join(u' ');
}

void addCells(bool onlySmall) {
    QTest::addColumn<QString>("operation");
    QTest::addColumn<int>("range");
    QTest::addColumn<bool>("carrying");
    // Each cell's candidates: every number of each draw's range.
    const auto candidates = [](const QString& operation, int range) {
        const Cell cell = cellOf(operation, range, true);
        double count = 1;
        for (float r : cell.ranges)
            count *= r;
        return count;
    };
    for (const char* operation : {"addition", "subtraction", "multiplication", "multiplication2", "division"})
        for (int range : {99, 999, 9999})
            for (bool carrying : {true, false}) {
                const QString name = QString::fromLatin1(operation);
                if (onlySmall && candidates(name, range) > 1.1e6)
                    continue;
                QTest::addRow("%s within %d%s", operation, range, carrying ? "" : ", without carrying")
                    << name << range << carrying;
            }
}

} // namespace

class LevelsTest : public QObject {
    Q_OBJECT

private slots:
    // Every candidate problem of the cell put to the drawing: it keeps those the rule admits and draws
    // again for the others.
    void keepsExactlyWhatTheRuleAdmits_data() { addCells(true); }
    void keepsExactlyWhatTheRuleAdmits() {
        QFETCH(QString, operation);
        QFETCH(int, range);
        QFETCH(bool, carrying);
        const Cell cell = cellOf(operation, range, carrying);
        QVERIFY(cell.admitted(cell.certain));
        ChosenGenerator generator(cell.ranges, cell.certain);
        Numbers numbers(cell.ranges.size(), 0);
        long long admitted = 0;
        for (;;) {
            generator.choose(numbers);
            const bool kept = cell.draw(generator) == numbers;
            if (kept != cell.admitted(numbers))
                QFAIL(qPrintable(textOf(numbers) +
                                 QString::fromLatin1(kept ? " is kept, and the rule refuses it"
                                                          : " is refused, and the rule admits it")));
            admitted += kept ? 1 : 0;
            // The next candidate, the last number fastest.
            std::size_t i = numbers.size();
            while (i > 0 && ++numbers[i - 1] == static_cast<int>(cell.ranges[i - 1]))
                numbers[--i] = 0;
            if (i == 0)
                break;
        }
        QVERIFY(admitted > 0);
    }

    // Problems drawn as a screen draws them: all within the rule, and the smallest and largest values the
    // rule admits for the small factor (multiplier, divisor) all turn up.
    void drawnProblemsKeepTheRule_data() { addCells(false); }
    void drawnProblemsKeepTheRule() {
        QFETCH(QString, operation);
        QFETCH(int, range);
        QFETCH(bool, carrying);
        const Cell cell = cellOf(operation, range, carrying);
        Generator generator(20261209);
        std::set<int> lastNumbers;
        for (int i = 0; i < sampled; ++i) {
            const Numbers numbers = cell.draw(generator);
            for (std::size_t n = 0; n < numbers.size(); ++n)
                QVERIFY(numbers[n] >= 0 && numbers[n] < static_cast<int>(cell.ranges[n]));
            QVERIFY2(cell.admitted(numbers), qPrintable(textOf(numbers)));
            lastNumbers.insert(numbers.back());
        }
        if (operation == u"multiplication" || operation == u"division") {
            // Even within 99 without carrying, 11 x 8 and 88 : 8 are admitted.
            QCOMPARE(*lastNumbers.begin(), 2);
            QCOMPARE(*lastNumbers.rbegin(), 8);
        } else if (operation == u"multiplication2") {
            QCOMPARE(*lastNumbers.begin(), 11);
        }
    }

    // With no choice made, the problems of a fixed seed are those of the designed drawing, written here
    // as it is designed, and the two take the same Rnd values in the same number.
    void noChoiceDrawsAsDesigned() {
        Generator program(424242), designed(424242);
        const auto next = [&designed](float range) { return drawBelow(designed, range); };
        for (int i = 0; i < 1000; ++i) {
            const addition::Problem a = addition::draw(program);
            int a1, a2, a3;
            do {
                a1 = next(9999), a2 = next(9999), a3 = next(9999);
            } while (!(a1 + a2 + a3 < 10000));
            QCOMPARE((Numbers{a.addend1, a.addend2, a.addend3}), (Numbers{a1, a2, a3}));

            const subtraction::Problem s = subtraction::draw(program);
            int s1, s2;
            do {
                s1 = next(9999), s2 = next(9999);
            } while (!(s1 > s2));
            QCOMPARE((Numbers{s.first, s.second}), (Numbers{s1, s2}));

            const multiplication::Problem m = multiplication::draw(program);
            int m1, m2;
            do {
                m1 = next(9999), m2 = next(9);
            } while (!(m1 > 100 && m2 > 1 && m1 * m2 < 10000));
            QCOMPARE((Numbers{m.multiplicand, m.multiplier}), (Numbers{m1, m2}));

            const multiplication::Problem t = multiplication2::draw(program);
            int t1, t2;
            do {
                t1 = next(999), t2 = next(99);
            } while (!(t1 > 10 && t2 > 10 && t1 * t2 < 10000));
            QCOMPARE((Numbers{t.multiplicand, t.multiplier}), (Numbers{t1, t2}));

            const division::Problem d = division::draw(program);
            int d1, d2;
            do {
                d1 = next(9999), d2 = next(9);
            } while (!(d2 > 1 && d1 > 1000));
            QCOMPARE((Numbers{d.dividend, d.divisor}), (Numbers{d1, d2}));
        }
        QCOMPARE(program.rnd(), designed.rnd());
    }
};

QTEST_GUILESS_MAIN(LevelsTest)
#include "test_levels.moc"

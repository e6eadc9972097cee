// SPDX-License-Identifier: GPL-3.0-or-later
// Every operation's drawing rule at its extremes, with a generator that returns chosen values: the
// largest Rnd gives the top of each range, and the values at each acceptance limit are kept or drawn
// again as the rule says.
#include "exercises/addition/problem.h"
#include "exercises/division/problem.h"
#include "exercises/multiplication/problem.h"
#include "exercises/multiplication2/problem.h"
#include "exercises/subtraction/problem.h"

#include <QTest>

#include <cmath>
#include <functional>
#include <map>

using namespace abacolo;

namespace {

// Returns the given Rnd values in turn; a draw beyond them ends the problem.
class ScriptedGenerator : public Generator {
public:
    struct Ended {};
    explicit ScriptedGenerator(std::vector<float> values) : m_values(std::move(values)) {}
    float rnd() override {
        if (m_next == m_values.size())
            throw Ended{};
        return m_values[m_next++];
    }
    std::size_t left() const { return m_values.size() - m_next; }

private:
    std::vector<float> m_values;
    std::size_t m_next = 0;
};

// The largest single-precision Rnd for which Int(Rnd × range) is n: just below the next whole number,
// and for the top of the range the largest value below 1.
float largestRndFor(int n, float range) {
    float value = float(n + 1) / range;
    while (value >= 1.0f || Int(value * range) > float(n))
        value = std::nextafter(value, 0.0f);
    return value;
}

struct Operation {
    std::vector<float> ranges; // the range of each draw of one attempt, in order
    std::function<std::string(Generator&)> lineOfDraw;
};

const std::map<QString, Operation>& operations() {
    static const std::map<QString, Operation> all{
        {QStringLiteral("addition"),
         {{9999, 9999, 9999}, [](Generator& g) { return addition::operationLine(addition::draw(g)); }}},
        {QStringLiteral("subtraction"),
         {{9999, 9999}, [](Generator& g) { return subtraction::operationLine(subtraction::draw(g)); }}},
        {QStringLiteral("multiplication"),
         {{9999, 9}, [](Generator& g) { return multiplication::operationLine(multiplication::draw(g)); }}},
        {QStringLiteral("multiplication2"),
         {{999, 99}, [](Generator& g) { return multiplication2::operationLine(multiplication2::draw(g)); }}},
        {QStringLiteral("division"),
         {{9999, 9}, [](Generator& g) { return division::operationLine(division::draw(g)); }}},
    };
    return all;
}

} // namespace

class DrawingEdgesTest : public QObject {
    Q_OBJECT

private slots:
    // Each row scripts the whole numbers the draws give, attempt after attempt; the last attempt is the
    // one the rule keeps.
    void extremesOfTheRule_data() {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QList<int>>("draws");
        QTest::addColumn<QString>("line");
        const auto row = [](const char* name, const char* operation, QList<int> draws, const char* line) {
            QTest::newRow(name) << QString::fromLatin1(operation) << draws << QString::fromLatin1(line);
        };
        row("addition: top of the range", "addition", {9998, 0, 0}, "9998 + 0 + 0");
        row("addition: sum 9999 kept", "addition", {9997, 1, 1}, "9997 + 1 + 1");
        row("addition: sum 10000 drawn again", "addition", {9998, 1, 1, 1, 2, 3}, "1 + 2 + 3");
        row("subtraction: top, greater by one", "subtraction", {9998, 9997}, "9998 - 9997");
        row("subtraction: equal drawn again", "subtraction", {5, 5, 0, 0, 6, 5}, "6 - 5");
        row("multiplication: top multiplier", "multiplication", {1249, 8}, "1249 x 8");
        row("multiplication: smallest factors", "multiplication", {100, 2, 101, 1, 101, 2}, "101 x 2");
        row("multiplication: product 10000 drawn again", "multiplication", {5000, 2, 3333, 3}, "3333 x 3");
        row("multiplication2: top multiplier", "multiplication2", {101, 98}, "101 x 98");
        row("multiplication2: product 9999 kept", "multiplication2", {909, 11}, "909 x 11");
        row("multiplication2: smallest factors", "multiplication2", {10, 11, 11, 10, 910, 11, 11, 11},
            "11 x 11");
        row("division: top of both ranges", "division", {9998, 8}, "9998 : 8");
        row("division: smallest dividend", "division", {1000, 2, 1001, 2}, "1001 : 2");
        row("division: smallest divisor", "division", {5000, 1, 5000, 2}, "5000 : 2");
    }

    void extremesOfTheRule() {
        QFETCH(QString, operation);
        QFETCH(QList<int>, draws);
        QFETCH(QString, line);
        const Operation& op = operations().at(operation);
        std::vector<float> script;
        for (qsizetype i = 0; i < draws.size(); ++i)
            script.push_back(largestRndFor(draws[i], op.ranges[std::size_t(i) % op.ranges.size()]));
        ScriptedGenerator generator(script);
        std::string drawn;
        try {
            drawn = op.lineOfDraw(generator);
        } catch (const ScriptedGenerator::Ended&) {
            QFAIL("the rule drew again after the last scripted attempt");
        }
        QCOMPARE(QString::fromStdString(drawn), line);
        QCOMPARE(generator.left(), std::size_t{0});
    }

    // The script's values themselves: the top of a range comes from the largest value below 1.
    void largestRndIsBelowOne() {
        QCOMPARE(largestRndFor(9998, 9999), 1.0f - 1.0f / 16777216.0f);
        QCOMPARE(largestRndFor(8, 9), 1.0f - 1.0f / 16777216.0f);
    }
};

QTEST_GUILESS_MAIN(DrawingEdgesTest)
#include "test_drawingedges.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
// The teacher's ranges and carrying, cell by cell: over many problems drawn as a screen draws them,
// the smallest and largest value of every number, the passes per accepted problem (how often the
// numbers were drawn again) and the time per problem. Prints a Markdown table.
//   abacolo_levels [PROBLEMS]   (default 100000 per cell)
#include "exercises/addition/problem.h"
#include "exercises/division/problem.h"
#include "exercises/multiplication/problem.h"
#include "exercises/multiplication2/problem.h"
#include "exercises/subtraction/problem.h"

#include <algorithm>
#include <chrono>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

using namespace abacolo;

namespace {

constexpr long defaultProblems = 100000;
constexpr std::uint64_t seed = 20261209;

// Counts the Rnd values the drawing takes: a pass takes one per number.
class CountingGenerator : public Generator {
public:
    using Generator::Generator;
    float rnd() override {
        ++taken;
        return Generator::rnd();
    }
    long long taken = 0;
};

struct Operation {
    const char* name;
    const char* numbers; // the names of the numbers drawn, then of the result
    std::vector<int> (*draw)(Generator&, const Level&);
    int drawn;               // numbers drawn in each pass
    bool twoDigitMultiplier; // offered only where the range allows it
};

const Operation operations[] = {
    {"addition", "addends, sum",
     [](Generator& g, const Level& l) {
         const auto p = addition::draw(g, l);
         return std::vector<int>{p.addend1, p.addend2, p.addend3, p.sum};
     },
     3, false},
    {"subtraction", "first, second, difference",
     [](Generator& g, const Level& l) {
         const auto p = subtraction::draw(g, l);
         return std::vector<int>{p.first, p.second, p.difference};
     },
     2, false},
    {"multiplication, 1 digit", "multiplicand, multiplier, product",
     [](Generator& g, const Level& l) {
         const auto p = multiplication::draw(g, l);
         return std::vector<int>{p.multiplicand, p.multiplier, p.product};
     },
     2, false},
    {"multiplication, 2 digits", "multiplicand, multiplier, product",
     [](Generator& g, const Level& l) {
         const auto p = multiplication2::draw(g, l);
         return std::vector<int>{p.multiplicand, p.multiplier, p.product};
     },
     2, true},
    {"division", "dividend, divisor, quotient, remainder",
     [](Generator& g, const Level& l) {
         const auto p = division::draw(g, l);
         return std::vector<int>{p.dividend, p.divisor, p.quotient, p.remainder};
     },
     2, false},
};

} // namespace

int main(int argc, char* argv[]) {
    const long problems = argc > 1 ? std::max(1L, std::strtol(argv[1], nullptr, 10)) : defaultProblems;
    std::printf("| operation | range | carrying | numbers | smallest | largest | passes per problem | ns per "
                "problem |\n|---|---|---|---|---|---|---|---|\n");
    for (const Operation& operation : operations)
        for (const RangeName& range : rangeNames())
            for (bool carrying : {true, false}) {
                if (operation.twoDigitMultiplier && !offersTwoDigitMultiplier(range.range))
                    continue;
                const Level level{range.range, carrying};
                CountingGenerator generator(seed);
                std::vector<int> smallest, largest;
                const auto start = std::chrono::steady_clock::now();
                for (long i = 0; i < problems; ++i) {
                    const std::vector<int> numbers = operation.draw(generator, level);
                    smallest.resize(numbers.size(), INT_MAX);
                    largest.resize(numbers.size(), INT_MIN);
                    for (std::size_t n = 0; n < numbers.size(); ++n) {
                        smallest[n] = std::min(smallest[n], numbers[n]);
                        largest[n] = std::max(largest[n], numbers[n]);
                    }
                }
                const std::chrono::duration<double, std::nano> spent =
                    std::chrono::steady_clock::now() - start;
                const auto joined = [](const std::vector<int>& values) {
                    std::string text;
                    for (int value : values)
                        text += (text.empty() ? "" : ", ") + std::to_string(value);
                    return text;
                };
                std::printf("| %s | %s | %s | %s | %s | %s | %.2f | %.0f |\n", operation.name, range.shown,
                            carrying ? "with" : "without", operation.numbers, joined(smallest).c_str(),
                            joined(largest).c_str(),
                            double(generator.taken) / double(operation.drawn) / double(problems),
                            spent.count() / double(problems));
            }
    return 0;
}

// SPDX-License-Identifier: GPL-3.0-or-later
// What the teacher chose for a whole run: how far the numbers go and whether carrying comes in. Left
// unchosen it is within 9,999 with carrying, and every drawing is the designed one, number for number.
#pragma once

#include <optional>
#include <span>
#include <string_view>

namespace abacolo {

enum class Range { upTo99, upTo999, upTo9999 };

struct Level {
    Range range = Range::upTo9999;
    bool carrying = true;

    friend bool operator==(const Level&, const Level&) = default;
};

// How a range is named where the teacher chooses it ("999") and where the pupil reads it ("9.999"),
// and the first whole number beyond it.
struct RangeName {
    Range range;
    const char* value;
    const char* shown;
    int limit;
};

// The ranges, smallest first.
std::span<const RangeName> rangeNames();
const RangeName& nameOf(Range range);
std::optional<Range> rangeNamed(std::string_view value);

// 100, 1000 or 10000: a number of the range, and a sum or product, stays strictly below it.
int limitOf(Range range);
// 99, 999 or 9999: Int(Rnd × it) draws a number of up to two, three or four digits.
float drawnRange(Range range);

// Within 99 no two numbers above 10 multiply to less than 100: two-digit multiplication is not offered.
bool offersTwoDigitMultiplier(Range range);

} // namespace abacolo

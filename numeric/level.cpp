// SPDX-License-Identifier: GPL-3.0-or-later
#include "numeric/level.h"

namespace abacolo {
namespace {

constexpr RangeName names[] = {
    {Range::upTo99, "99", "99", 100},
    {Range::upTo999, "999", "999", 1000},
    {Range::upTo9999, "9999", "9.999", 10000},
};

} // namespace

std::span<const RangeName> rangeNames() {
    return names;
}

const RangeName& nameOf(Range range) {
    for (const RangeName& name : names)
        if (name.range == range)
            return name;
    return names[std::size(names) - 1];
}

std::optional<Range> rangeNamed(std::string_view value) {
    for (const RangeName& name : names)
        if (value == name.value)
            return name.range;
    return std::nullopt;
}

int limitOf(Range range) {
    return nameOf(range).limit;
}

float drawnRange(Range range) {
    return static_cast<float>(limitOf(range) - 1);
}

bool offersTwoDigitMultiplier(Range range) {
    return range != Range::upTo99;
}

} // namespace abacolo

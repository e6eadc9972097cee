// SPDX-License-Identifier: GPL-3.0-or-later
// Numbers as the screens show them: plain decimal digits, no blank, no separators.
#pragma once

#include <string>

namespace abacolo {

// A whole number as plain decimal digits: 1234, -5, 0.
std::string wholeText(long long value);

// Any double as the screens show a number: whole values without decimals, others with up to 15
// significant digits and a period.
std::string numberText(double value);

} // namespace abacolo

// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer harness for the lenient and strict number readings: every input must read the same through
// the program's Val/strictNumber and through the reference reading, bit for bit.
#include "numeric/val.h"
#include "referenceval.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>

namespace {

// The same double: equal bits, so -0 and +0 differ and so would two NaNs of different payload.
bool identical(double a, double b) {
    std::uint64_t x = 0;
    std::uint64_t y = 0;
    std::memcpy(&x, &a, sizeof x);
    std::memcpy(&y, &b, sizeof y);
    return x == y;
}

[[noreturn]] void disagree(const char* what, std::string_view text, double program, double reference) {
    std::fprintf(stderr, "%s disagrees on %zu bytes: program %.17g, reference %.17g\n", what, text.size(),
                 program, reference);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    const double lenient = abacolo::Val(text);
    if (std::isnan(lenient))
        disagree("Val (NaN)", text, lenient, 0);
    const double expected = abacolo::reference::readNumber(text);
    if (!identical(lenient, expected))
        disagree("Val", text, lenient, expected);

    const auto strict = abacolo::strictNumber(text);
    const auto strictExpected = abacolo::reference::readWholeNumber(text);
    if (strict.has_value() != strictExpected.has_value())
        disagree("strictNumber (presence)", text, strict.value_or(0), strictExpected.value_or(0));
    if (strict && !identical(*strict, *strictExpected))
        disagree("strictNumber", text, *strict, *strictExpected);
    return 0;
}

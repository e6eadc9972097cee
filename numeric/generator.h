// SPDX-License-Identifier: GPL-3.0-or-later
// The random generator behind every problem drawing: Randomize, Rnd and Int as the screens use them.
#pragma once

#include <cstdint>
#include <functional>

namespace abacolo {

class Generator {
public:
    using Clock = std::function<std::uint64_t()>;

    // Starts from a fixed state; the screens call randomize() before they draw.
    Generator();
    explicit Generator(std::uint64_t seed);
    virtual ~Generator() = default;

    // Restarts the sequence from a known seed (tests use this to replay draws).
    void seed(std::uint64_t value);

    // Mixes a reading of the clock into the state, so two calls in the same second still lead to
    // different problems.
    void randomize();

    // The next uniform value in [0, 1), single precision, with 24 bits of resolution: the largest value
    // it can return is 1 - 2^-24. Tests replace it with a script of values.
    virtual float rnd();

    // Replaces the high-resolution clock that randomize() reads (tests make it predictable).
    void setClock(Clock clock);

private:
    std::uint64_t next();

    std::uint64_t m_state = 0;
    Clock m_clock;
};

// The largest whole number not above `value`.
float Int(float value);

// Int(Rnd × range): a whole number from 0 to range - 1, the product formed in single precision.
int drawBelow(Generator& generator, float range);

} // namespace abacolo

// SPDX-License-Identifier: GPL-3.0-or-later
#include "numeric/generator.h"

#include <chrono>
#include <cmath>

namespace abacolo {
namespace {

constexpr std::uint64_t defaultSeed = 0x5EED'AB4C'0100'2026ULL;
constexpr int resolutionBits = 24; // a float's mantissa holds exactly this many bits
constexpr float resolutionStep = 1.0f / static_cast<float>(1U << resolutionBits);

// SplitMix64's finaliser: scatters every input bit over the whole word.
std::uint64_t mix(std::uint64_t z) {
    z = (z ^ (z >> 30)) * 0xBF58'476D'1CE4'E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D0'49BB'1331'11EBULL;
    return z ^ (z >> 31);
}

std::uint64_t highResolutionNow() {
    const auto now = std::chrono::high_resolution_clock::now().time_since_epoch();
    return static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count());
}

} // namespace

Generator::Generator() : Generator(defaultSeed) {}

Generator::Generator(std::uint64_t seed) : m_state(seed), m_clock(highResolutionNow) {}

void Generator::seed(std::uint64_t value) {
    m_state = value;
}

void Generator::setClock(Clock clock) {
    m_clock = std::move(clock);
}

void Generator::randomize() {
    m_state ^= mix(m_clock() + 0x9E37'79B9'7F4A'7C15ULL);
}

std::uint64_t Generator::next() {
    m_state += 0x9E37'79B9'7F4A'7C15ULL; // SplitMix64
    return mix(m_state);
}

float Generator::rnd() {
    const auto top = static_cast<std::uint32_t>(next() >> (64 - resolutionBits));
    return static_cast<float>(top) * resolutionStep;
}

float Int(float value) {
    return std::floor(value);
}

int drawBelow(Generator& generator, float range) {
    const float product = generator.rnd() * range;
    return static_cast<int>(Int(product));
}

} // namespace abacolo

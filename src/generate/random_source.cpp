#include "generate/random_source.h"

#include <cassert>
#include <chrono>

namespace qm {
namespace {

// A new seed at each run, as the clock gives.
std::uint64_t clockSeed()
{
    return static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()) ^
           static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
}

}  // namespace

SeededRandom::SeededRandom(std::uint64_t seed) : m_state(seed) {}

std::uint64_t SeededRandom::next()
{
    std::uint64_t mixed = m_state += 0x9E3779B97F4A7C15ull;
    mixed = (mixed ^ (mixed >> 30)) * 0xBF58476D1CE4E5B9ull;
    mixed = (mixed ^ (mixed >> 27)) * 0x94D049BB133111EBull;
    return mixed ^ (mixed >> 31);
}

// Lemire's multiply-and-reject: unbiased, and nearly never more than one draw.
int SeededRandom::Random(int range)
{
    assert(range >= 1);
    const auto bound = static_cast<std::uint32_t>(range);
    std::uint64_t product = (next() >> 32) * bound;
    if (static_cast<std::uint32_t>(product) < bound) {
        const std::uint32_t threshold = static_cast<std::uint32_t>(-bound) % bound;
        while (static_cast<std::uint32_t>(product) < threshold) product = (next() >> 32) * bound;
    }
    return static_cast<int>(product >> 32);
}

RunRandom::RunRandom(RandomSource* given, std::optional<std::uint64_t> seed)
    : m_source(given ? given : &m_seeded.emplace(seed.value_or(clockSeed())))
{
}

}  // namespace qm

#include "common/random_source.h"

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

RunRandom::RunRandom(RandomSource* given, std::optional<std::uint64_t> seed)
    : m_source(given ? given : &m_seeded.emplace(seed.value_or(clockSeed())))
{
}

}  // namespace qm

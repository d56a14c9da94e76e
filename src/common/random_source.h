// The one source of random numbers of a generation run, passed in so that a run can be repeated
// from its seed.
#pragma once

#include <cassert>
#include <cstdint>
#include <optional>

namespace qm {

class RandomSource {
public:
    virtual ~RandomSource() = default;
    // A uniform integer 0..range-1; range is at least 1.
    virtual int Random(int range) = 0;
};

// SplitMix64: small, fast and statistically sound; the same seed gives the same numbers on every
// system.
class SeededRandom final : public RandomSource {
public:
    explicit SeededRandom(std::uint64_t seed) : m_state(seed) {}
    // Here rather than out of line: the generator calls it directly, many times an attempt.
    int Random(int range) override
    {
        // Lemire's multiply-and-reject: unbiased, and nearly never more than one draw.
        assert(range >= 1);
        const auto bound = static_cast<std::uint32_t>(range);
        std::uint64_t product = (next() >> 32) * bound;
        if (static_cast<std::uint32_t>(product) < bound) {
            const std::uint32_t threshold = static_cast<std::uint32_t>(-bound) % bound;
            while (static_cast<std::uint32_t>(product) < threshold) product = (next() >> 32) * bound;
        }
        return static_cast<int>(product >> 32);
    }

private:
    std::uint64_t next()
    {
        std::uint64_t mixed = m_state += 0x9E3779B97F4A7C15ull;
        mixed = (mixed ^ (mixed >> 30)) * 0xBF58476D1CE4E5B9ull;
        mixed = (mixed ^ (mixed >> 27)) * 0x94D049BB133111EBull;
        return mixed ^ (mixed >> 31);
    }

    std::uint64_t m_state;
};

// The random numbers of one run: the source given (a test passes a seeded one), or else one
// seeded from the clock when the run starts.
class RunRandom {
public:
    explicit RunRandom(RandomSource* given = nullptr, std::optional<std::uint64_t> seed = std::nullopt);
    RunRandom(const RunRandom&) = delete;
    RunRandom& operator=(const RunRandom&) = delete;

    RandomSource& source() { return *m_source; }

private:
    std::optional<SeededRandom> m_seeded;
    RandomSource* m_source;
};

}  // namespace qm

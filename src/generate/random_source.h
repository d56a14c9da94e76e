// The one source of random numbers of a generation run, passed in so that a run can be repeated
// from its seed.
#pragma once

#include <cstdint>

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
    explicit SeededRandom(std::uint64_t seed);
    // A seed from the clock, one for each run.
    static std::uint64_t clockSeed();

    int Random(int range) override;

private:
    std::uint64_t next();

    std::uint64_t m_state;
};

}  // namespace qm

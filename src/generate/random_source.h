// The one source of random numbers of a generation run, passed in so that a run can be repeated
// from its seed.
#pragma once

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
    explicit SeededRandom(std::uint64_t seed);
    int Random(int range) override;

private:
    std::uint64_t next();

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

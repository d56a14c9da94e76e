// A main for a fuzz target without libFuzzer, for ctest: every file of the corpus folder given,
// then a fixed number of mutants of each made by a seeded generator, so a run is the same each
// time and over within seconds. scripts/fuzz.sh does the searching, with libFuzzer.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <random>
#include <string>
#include <vector>

#include "common/binary_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

constexpr int kMutantsPerSeed = 40;

void run(const std::string& bytes)
{
    (void)LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

// Flips bits, writes extreme bytes over small numbers, cuts the end or repeats a stretch.
std::string mutant(std::string bytes, std::mt19937& random)
{
    auto pick = [&](std::size_t bound) { return std::uniform_int_distribution<std::size_t>(0, bound)(random); };
    static constexpr unsigned char kExtremes[] = {0x00, 0x01, 0x7F, 0x80, 0xFE, 0xFF};
    const int edits = 1 + static_cast<int>(pick(7));
    for (int e = 0; e < edits && !bytes.empty(); ++e) {
        const std::size_t at = pick(bytes.size() - 1);
        switch (pick(3)) {
        case 0:
            bytes[at] = static_cast<char>(bytes[at] ^ (1 << pick(7)));
            break;
        case 1:
            bytes[at] = static_cast<char>(kExtremes[pick(std::size(kExtremes) - 1)]);
            break;
        case 2:
            bytes.resize(at);
            break;
        default:
            bytes.insert(at, bytes.substr(at, pick(64)));
            break;
        }
    }
    return bytes;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: " << argv[0] << " CORPUS_FOLDER\n";
        return 2;
    }
    std::vector<std::filesystem::path> seeds;
    for (const auto& entry : std::filesystem::directory_iterator(argv[1]))
        if (entry.is_regular_file()) seeds.push_back(entry.path());
    std::sort(seeds.begin(), seeds.end());
    std::mt19937 random(15);
    run({});
    for (const auto& seed : seeds) {
        auto bytes = qm::readWholeFile(seed);
        if (!bytes) {
            std::cerr << bytes.failure().describe() << '\n';
            return 2;
        }
        run(*bytes);
        for (int i = 0; i < kMutantsPerSeed; ++i) run(mutant(*bytes, random));
    }
    std::cout << seeds.size() << " seeds and " << seeds.size() * kMutantsPerSeed << " mutants ran\n";
    return 0;
}

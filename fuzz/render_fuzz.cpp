// The page renderer fed with any record the collection reader accepts, under any print options:
// composing its page must end, without a crash, on a target that measures text simply.
#include <algorithm>

#include "collection/collection_file.h"
#include "common/random_source.h"
#include "fuzz/fuzz_input.h"
#include "output/page/page_renderer.h"
#include "output/page/recording_target.h"
#include "output/print/print_options.h"
#include "support/fixed_metrics.h"

namespace {

// Repeats the input's bytes as its random numbers.
class ByteRandom final : public qm::RandomSource {
public:
    explicit ByteRandom(std::string_view bytes) : m_bytes(bytes) {}
    int Random(int range) override
    {
        if (range <= 0 || m_bytes.empty()) return 0;
        return static_cast<unsigned char>(m_bytes[m_next++ % m_bytes.size()]) % range;
    }

private:
    std::string_view m_bytes;
    std::size_t m_next = 0;
};

// The options the print options window could leave, picked by the first bytes of the input.
qm::PrintOptions optionsOf(std::string_view bytes)
{
    auto byte = [&](std::size_t i) { return i < bytes.size() ? static_cast<unsigned char>(bytes[i]) : 0; };
    qm::PrintOptions options;
    const int flags = byte(0);
    options.UseGrid = flags & 1;
    options.LowerCase = flags & 2;
    options.AnswerKey = flags & 4;
    options.PrintTitle = !(flags & 8);
    options.PrintBody = !(flags & 16);
    options.PrintWords = !(flags & 32);
    options.PrintBonus = !(flags & 64);
    options.ClueUnderscore = flags & 128;
    options.PartialUnderscore = byte(1) & 1;
    options.NumColumns = std::max(1, byte(2) % 12);
    options.WordOption = 1 + byte(3) % 4;
    options.FirstLetters = byte(4) % 10;
    options.LastLetters = byte(5) % 10;
    return options;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace qm;
    constexpr std::size_t kOptionBytes = 8;
    const std::string_view bytes = fuzz::bytesOf(data, size);
    const std::string_view options = bytes.substr(0, std::min(size, kOptionBytes));
    const std::string_view record = bytes.substr(options.size());
    auto read = CollectionFile(fuzz::inputFile("PAGE.QZ3", record)).ReadPuzzle(0);
    if (!read) return 0;
    const test::FixedMetrics metrics;
    RecordingTarget target(metrics);
    ByteRandom random(record.substr(0, 64));
    (void)RenderPage(**read, optionsOf(options), target, random);
    return 0;
}

// A .QZV file of the previous version of any bytes: read and converted into a puzzle of this
// version, which is then stored and read back.
#include "collection/old_puzzle_record.h"
#include "collection/puzzle_record_codec.h"
#include "collection/qzv_file.h"
#include "fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace qm;
    auto old = readQzvFile(fuzz::inputFile("PUZZLE.QZV", fuzz::bytesOf(data, size)));
    if (!old) return 0;
    const std::unique_ptr<PuzzleRecord> converted = convertOldPuzzle(*old, makeBuiltInPageLayout());
    auto image = std::make_unique<std::array<std::uint8_t, PuzzleRecord::kSize>>();
    encodePuzzleRecord(*converted, *image);
    auto back = std::make_unique<PuzzleRecord>();
    decodePuzzleRecord(*image, *back);
    return 0;
}

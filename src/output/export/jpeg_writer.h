// JPEG pictures through libjpeg, at a quality of 1 to 100.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>

#include "common/command_outcome.h"
#include "common/file_faults.h"

namespace qm {

inline constexpr int kLowestJpegQuality = 1;
inline constexpr int kHighestJpegQuality = 100;

// Lines of 8-bit red, green and blue, top line first.
struct RgbRows {
    int width = 0;
    int height = 0;
    std::size_t bytesPerLine = 0;         // at least width x 3; lines may be padded
    std::span<const std::uint8_t> bytes;  // height lines
};

bool isJpegQuality(int quality);

// Compresses the picture and writes the file whole. A quality outside 1..100 is refused with the
// message of the quality dialog; what libjpeg or the file system reports is a failure naming
// the file.
CommandOutcome SaveJpeg(const RgbRows& picture, int quality, const std::filesystem::path& path,
                        const FileFaults& faults = noFileFaults());

}  // namespace qm

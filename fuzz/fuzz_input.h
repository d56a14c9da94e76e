// Where a fuzz target puts its input: the readers take paths, so each input is written to a file
// in a folder of this process, read back through the real file layer, and left for the next one.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include <unistd.h>

namespace qm::fuzz {

// A folder of this process, made on first use and removed at exit.
inline const std::filesystem::path& scratchFolder()
{
    static const std::filesystem::path folder = [] {
        std::string pattern = (std::filesystem::temp_directory_path() / "quillmaze-fuzz-XXXXXX").string();
        std::filesystem::path made = ::mkdtemp(pattern.data());
        std::atexit([] {
            std::error_code ignored;
            std::filesystem::remove_all(scratchFolder(), ignored);
        });
        return made;
    }();
    return folder;
}

inline std::string_view bytesOf(const std::uint8_t* data, std::size_t size)
{
    return {reinterpret_cast<const char*>(data), size};
}

// Writes bytes to the named file of the scratch folder and gives its path.
inline std::filesystem::path inputFile(std::string_view name, std::string_view bytes)
{
    const std::filesystem::path path = scratchFolder() / name;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return path;
}

// Listing reads every record, but reading each one whole is what a user does one at a time: a
// few are enough to reach every field, and keep each input quick.
inline constexpr int kRecordsReadWhole = 4;

}  // namespace qm::fuzz

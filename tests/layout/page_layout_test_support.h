// Page layout images for the layout tests, built byte by byte at the offsets of the format.
#pragma once

#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "collection/collection_file.h"
#include "collection/page_layout_record.h"
#include "support/record_images.h"

namespace qm::test {

inline constexpr std::size_t kLayoutSize = 28868;

// Offset of byte `field` of object k (1-based) inside a layout image.
inline constexpr std::size_t objectAt(int k, std::size_t field) { return 88 + (k - 1) * 1439 + field; }

// A layout header: name, paper, sizes in the unit, pixel sizes, inches, object count, zoom 1.
inline ImageBuilder layoutImage(std::string_view name, std::string_view paper, double width, double height,
                                std::int16_t pixelWidth, std::int16_t pixelHeight, std::int16_t objects = 0,
                                bool inches = true)
{
    ImageBuilder image(kLayoutSize);
    image.text(0, name).text(21, paper).f64(42, width).f64(50, height).i16(58, pixelWidth).i16(60, pixelHeight);
    image.byte(62, inches ? 1 : 0).i16(63, objects).byte(65, 1).i16(66, 1);
    return image;
}

// The bytes of a Letter-sized layout record without objects.
inline std::string letterLayout(std::string_view name, std::string_view paper = "Letter")
{
    return layoutImage(name, paper, 8.5, 11, 408, 528).str();
}

// Puts object k of a kind with its bounds into a layout image.
inline ImageBuilder& addObject(ImageBuilder& image, int k, std::int16_t kind, std::int32_t left, std::int32_t top,
                               std::int32_t right, std::int32_t bottom)
{
    image.i16(objectAt(k, 0), kind);
    image.i32(objectAt(k, 18), left).i32(objectAt(k, 22), top).i32(objectAt(k, 26), right).i32(objectAt(k, 30), bottom);
    return image;
}

inline PageLayoutRecord decodeLayout(const std::vector<std::uint8_t>& bytes)
{
    return decodePageLayout(PageLayoutImage(bytes.data(), kLayoutSize));
}

inline std::vector<std::uint8_t> encodeLayout(const PageLayoutRecord& layout)
{
    std::vector<std::uint8_t> bytes(kLayoutSize);
    encodePageLayout(layout, MutablePageLayoutImage(bytes.data(), kLayoutSize));
    return bytes;
}

// A collection of puzzles by title, each carrying the built-in layout under the name given.
inline Status writePuzzlesWithLayouts(const std::filesystem::path& path,
                                      std::initializer_list<std::pair<const char*, const char*>> titlesAndLayouts)
{
    CollectionFile collection(path);
    for (const auto& [title, layoutName] : titlesAndLayouts) {
        auto puzzle = std::make_unique<PuzzleRecord>();
        puzzle->Title.assign(title);
        puzzle->Layout = makeBuiltInPageLayout();
        puzzle->Layout.Name.assign(layoutName);
        if (auto appended = collection.AppendPuzzle(*puzzle); !appended) return appended.failure();
    }
    return {};
}

}  // namespace qm::test

// Record images built byte by byte at the offsets of the file format, independent of the codec.
#pragma once

#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace qm::test {

// The bytes of a record written out as text, for the files whose records are plain bytes.
inline std::span<const std::uint8_t> bytesOf(std::string_view text)
{
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

// The journal a remove of the record at index from count records leaves when it dies while
// writing position: the signature, then the kind (2, remove), the record size, the index, the count
// and the position, each eight bytes, least significant first.
inline std::string removeJournalImage(std::uint64_t recordSize, std::uint64_t index, std::uint64_t count,
                                      std::uint64_t position)
{
    std::string image = "QMJOURN1" + std::string(40, '\0');
    const auto put = [&image](std::size_t offset, std::uint64_t value) {
        for (int i = 0; i < 8; ++i) image[offset + i] = static_cast<char>(value >> (8 * i) & 0xFF);
    };
    put(8, 2);
    put(16, recordSize);
    put(24, index);
    put(32, count);
    put(40, position);
    return image;
}

class ImageBuilder {
public:
    explicit ImageBuilder(std::size_t size, std::uint8_t fill = 0) : m_bytes(size, fill) {}

    ImageBuilder& text(std::size_t offset, std::string_view value)
    {
        m_bytes.at(offset) = static_cast<std::uint8_t>(value.size());
        std::memcpy(&m_bytes.at(offset + 1), value.data(), value.size());
        return *this;
    }
    ImageBuilder& i16(std::size_t offset, std::int16_t value)
    {
        m_bytes.at(offset) = static_cast<std::uint8_t>(value & 0xFF);
        m_bytes.at(offset + 1) = static_cast<std::uint8_t>((static_cast<std::uint16_t>(value) >> 8) & 0xFF);
        return *this;
    }
    ImageBuilder& i32(std::size_t offset, std::int32_t value)
    {
        for (int i = 0; i < 4; ++i)
            m_bytes.at(offset + i) = static_cast<std::uint8_t>((static_cast<std::uint32_t>(value) >> (8 * i)) & 0xFF);
        return *this;
    }
    ImageBuilder& f64(std::size_t offset, double value)
    {
        std::uint64_t bits;
        std::memcpy(&bits, &value, 8);
        for (int i = 0; i < 8; ++i) m_bytes.at(offset + i) = static_cast<std::uint8_t>((bits >> (8 * i)) & 0xFF);
        return *this;
    }
    ImageBuilder& byte(std::size_t offset, std::uint8_t value)
    {
        m_bytes.at(offset) = value;
        return *this;
    }
    ImageBuilder& raw(std::size_t offset, std::string_view value)
    {
        std::memcpy(&m_bytes.at(offset), value.data(), value.size());
        return *this;
    }

    const std::vector<std::uint8_t>& bytes() const { return m_bytes; }
    std::string str() const { return std::string(m_bytes.begin(), m_bytes.end()); }

private:
    std::vector<std::uint8_t> m_bytes;
};

// A puzzle record image with a category and a title, everything else zero.
inline ImageBuilder puzzleImage(std::string_view category, std::string_view title)
{
    ImageBuilder image(95830);
    image.text(0, "3.0g").text(6, category).text(27, title).i16(63, 15).i16(65, 15);
    return image;
}

// The bytes of a collection file made of such records, in the order given.
inline std::string collectionImage(std::initializer_list<std::pair<const char*, const char*>> puzzles)
{
    std::string file;
    for (const auto& [category, title] : puzzles) file += puzzleImage(category, title).str();
    return file;
}

// A word of a puzzle of the previous version, with its first and last cell.
struct OldWord {
    std::string word;
    int start = 0;
    int end = 0;
};

// A puzzle record image of the previous version (10,809 bytes): the title, the grid size, the
// grid drawn from row 1, column 1 (one character a byte), and the words with their cells; the
// word count is the number of words unless given.
inline ImageBuilder oldPuzzleImage(std::string_view title, int gridSize, const std::vector<std::string>& rows,
                                   const std::vector<OldWord>& words, std::optional<int> wordCount = {})
{
    ImageBuilder image(10809);
    image.text(0, title).i16(51, static_cast<std::int16_t>(gridSize));
    for (std::size_t r = 0; r < rows.size(); ++r) image.raw(55 + r * 50, rows[r]);
    image.i16(2555, static_cast<std::int16_t>(wordCount.value_or(static_cast<int>(words.size()))));
    for (std::size_t i = 0; i < words.size(); ++i) {
        image.text(2559 + i * 21, words[i].word);
        image.i16(9489 + i * 2, static_cast<std::int16_t>(words[i].start));
        image.i16(10149 + i * 2, static_cast<std::int16_t>(words[i].end));
    }
    return image;
}

// A single-puzzle file of the previous version: "QZV", the length of the text behind it, the
// text, then the record.
inline std::string qzvFileImage(std::string_view text, const ImageBuilder& record)
{
    return "QZV" + std::string(1, static_cast<char>(text.size())) + std::string(text) + record.str();
}

// A shape record image: the name, the sizes, and the mask drawn as rows of '#' (1) and '.' (0)
// from row 1, column 1; the width and height are the picture's unless given.
inline ImageBuilder shapeImage(std::string_view name, const std::vector<std::string>& rows,
                               std::optional<int> width = {}, std::optional<int> height = {})
{
    ImageBuilder image(2555);
    image.text(0, name);
    image.i16(51, static_cast<std::int16_t>(width.value_or(rows.empty() ? 0 : static_cast<int>(rows[0].size()))));
    image.i16(53, static_cast<std::int16_t>(height.value_or(static_cast<int>(rows.size()))));
    for (std::size_t r = 0; r < rows.size(); ++r)
        for (std::size_t k = 0; k < rows[r].size(); ++k) image.byte(55 + r * 50 + k, rows[r][k] == '#' ? 1 : 0);
    return image;
}

// A solid shape of width x height cells.
inline ImageBuilder solidShapeImage(std::string_view name, int width, int height)
{
    return shapeImage(name, std::vector<std::string>(static_cast<std::size_t>(height),
                                                     std::string(static_cast<std::size_t>(width), '#')));
}

}  // namespace qm::test

#include "output/play/answer_code.h"

namespace qm {
namespace {

constexpr std::uint32_t kCellBits = 12;  // 2500 cells fit
constexpr std::uint32_t kMaskBits = 0xFFFFFF;

// The one character of a grid cell, from its UTF-8 (at most three bytes for Windows-1252).
std::uint32_t characterCode(const std::string& letter)
{
    if (letter.empty()) return 0;
    const auto byte = [&](std::size_t k) { return static_cast<std::uint32_t>(static_cast<unsigned char>(letter[k])); };
    const std::uint32_t first = byte(0);
    if (first < 0x80) return first;
    if (first < 0xE0) return ((first & 0x1F) << 6) | (byte(1) & 0x3F);
    return ((first & 0x0F) << 12) | ((byte(1) & 0x3F) << 6) | (byte(2) & 0x3F);
}

std::string base36(std::uint32_t value)
{
    constexpr const char* kDigits = "0123456789abcdefghijklmnopqrstuvwxyz";
    std::string digits;
    do {
        digits.insert(digits.begin(), kDigits[value % 36]);
        value /= 36;
    } while (value != 0);
    return digits;
}

void appendNumber(std::string& list, const std::string& number)
{
    if (!list.empty()) list += ' ';
    list += number;
}

}  // namespace

std::uint32_t AnswerKeyOf(const PlayPage& page)
{
    std::uint32_t hash = 2166136261u;
    for (const PlayCell& cell : page.cells) {
        hash ^= characterCode(cell.letter);
        hash *= 16777619u;
    }
    return hash;
}

std::uint32_t AnswerMask(std::uint32_t key, std::uint32_t slot)
{
    std::uint32_t h = key ^ (slot * 0x9E3779B9u);
    h ^= h >> 16;
    h *= 0x85EBCA6Bu;
    h ^= h >> 13;
    h *= 0xC2B2AE35u;
    h ^= h >> 16;
    return h & kMaskBits;
}

std::string EncodedWords(const PlayPage& page, std::uint32_t key)
{
    std::string list;
    for (std::uint32_t slot = 0; slot < page.words.size(); ++slot) {
        const PlayWord& word = page.words[slot];
        if (!word.placed) {
            appendNumber(list, "-");
            continue;
        }
        const auto cells = static_cast<std::uint32_t>(word.startCell) << kCellBits | static_cast<std::uint32_t>(word.endCell);
        appendNumber(list, base36(cells ^ AnswerMask(key, slot)));
    }
    return list;
}

std::string EncodedPhrase(const PlayPage& page, std::uint32_t key)
{
    std::string list;
    std::uint32_t slot = kPhraseSlots;
    for (const PlayCell& cell : page.cells) {
        if (!cell.phrase) continue;
        const auto number = static_cast<std::uint32_t>(cellNumber(cell.row, cell.column));
        appendNumber(list, base36(number ^ AnswerMask(key, slot++)));
    }
    return list;
}

}  // namespace qm

#include "output/page/word_entries.h"

#include <algorithm>
#include <numeric>

namespace qm {
namespace {

constexpr std::size_t kMaxPartialLength = 60;
constexpr int kMaxShownLetters = 9;

char asciiUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }
char asciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

std::string upperCased(std::string_view word)
{
    std::string upper(word);
    std::transform(upper.begin(), upper.end(), upper.begin(), asciiUpper);
    return upper;
}

std::vector<int> sortedOrder(const PuzzleRecord& record, int printCount)
{
    std::vector<int> order(static_cast<std::size_t>(printCount));
    std::iota(order.begin(), order.end(), 0);
    std::vector<std::string> keys;
    for (int i = 0; i < printCount; ++i) keys.push_back(upperCased(record.Words[i].view()));
    // Byte-wise on the keys; std::string compares its characters as unsigned bytes.
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return keys[a] < keys[b]; });
    return order;
}

bool listedInStoredOrder(const PrintOptions& options)
{
    return options.WordOption == kWordOptionScramble || options.WordOption == kWordOptionPartial;
}

}  // namespace

std::string ScrambledWord(std::string_view word, RandomSource& random)
{
    const int length = static_cast<int>(word.size());
    std::vector<bool> used(word.size(), false);
    std::string scrambled;
    for (int n = 0; n < length; ++n) {
        int position = random.Random(length);
        // A position already taken gives way to the last one still free.
        if (used[position]) {
            position = length - 1;
            while (used[position]) --position;
        }
        used[position] = true;
        scrambled += asciiLower(word[position]);
    }
    return scrambled;
}

std::string PartialWord(std::string_view word, int firstLetters, int lastLetters, bool underscores)
{
    const int length = static_cast<int>(word.size());
    const int first = std::min(std::clamp(firstLetters, 0, kMaxShownLetters), length);
    int last = std::clamp(lastLetters, 0, kMaxShownLetters);
    if (length < first + last) last = length - first;
    const int hidden = length - first - last;
    std::string shown(word.substr(0, first));
    if (hidden > 0) {
        if (underscores) {
            for (int i = 0; i < hidden; ++i) shown += " _";
            shown += ' ';
        } else {
            shown += "...";
        }
    }
    shown += word.substr(length - last);
    return shown.substr(0, kMaxPartialLength);
}

std::vector<int> WordListOrder(const PuzzleRecord& record, int printCount, const PrintOptions& options)
{
    if (!listedInStoredOrder(options)) return sortedOrder(record, printCount);
    std::vector<int> order(static_cast<std::size_t>(printCount));
    std::iota(order.begin(), order.end(), 0);
    return order;
}

std::vector<std::string> WordListEntries(const PuzzleRecord& record, int printCount, const PrintOptions& options,
                                         RandomSource& random)
{
    std::vector<std::string> entries;
    for (const int i : WordListOrder(record, printCount, options)) {
        const std::string_view word = record.Words[i].view();
        if (options.WordOption == kWordOptionScramble)
            entries.push_back(ScrambledWord(word, random));
        else if (options.WordOption == kWordOptionPartial)
            entries.push_back(
                PartialWord(upperCased(word), options.FirstLetters, options.LastLetters, options.PartialUnderscore));
        else
            entries.emplace_back(word);
    }
    return entries;
}

}  // namespace qm

#include "app/help_search.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <tuple>

namespace qm {
namespace {

bool isWordByte(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 0x80 || std::isalnum(byte);
}

char lowered(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

// The text's words, lower case, in order.
std::vector<std::string> wordsOf(std::string_view text)
{
    std::vector<std::string> words;
    std::string word;
    for (char c : text) {
        if (isWordByte(c)) {
            word += lowered(c);
        } else if (!word.empty()) {
            words.push_back(std::move(word));
            word.clear();
        }
    }
    if (!word.empty()) words.push_back(std::move(word));
    return words;
}

bool startsWith(const std::string& word, const std::string& prefix) { return word.rfind(prefix, 0) == 0; }

struct Scored {
    HelpSearchHit hit;
    int phrases = 0;
    int occurrences = 0;
};

// How often the page's words start with each query word, and how often they run as the query does;
// nothing when a query word is missing.
std::optional<Scored> score(const HelpPage& page, const std::vector<std::string>& query)
{
    std::vector<std::string> words = wordsOf(page.title);
    const std::vector<std::string> body = wordsOf(page.text);
    words.insert(words.end(), body.begin(), body.end());
    Scored scored{{page.file, page.title}};
    std::vector<bool> found(query.size(), false);
    for (std::size_t at = 0; at < words.size(); ++at) {
        for (std::size_t q = 0; q < query.size(); ++q) {
            if (!startsWith(words[at], query[q])) continue;
            found[q] = true;
            ++scored.occurrences;
        }
        if (query.size() > 1 && at + query.size() <= words.size()) {
            bool phrase = true;
            for (std::size_t q = 0; phrase && q < query.size(); ++q) phrase = startsWith(words[at + q], query[q]);
            if (phrase) ++scored.phrases;
        }
    }
    if (std::find(found.begin(), found.end(), false) != found.end()) return std::nullopt;
    return scored;
}

}  // namespace

std::vector<std::string> helpSearchWords(std::string_view query) { return wordsOf(query); }

std::vector<HelpSearchHit> searchHelpPages(const std::vector<HelpPage>& pages, std::string_view query)
{
    const std::vector<std::string> words = helpSearchWords(query);
    if (words.empty()) return {};
    std::vector<Scored> found;
    for (const HelpPage& page : pages) {
        if (page.file == kHelpContents) continue;
        if (auto scored = score(page, words)) found.push_back(std::move(*scored));
    }
    std::stable_sort(found.begin(), found.end(), [](const Scored& a, const Scored& b) {
        return std::tie(b.phrases, b.occurrences, a.hit.title) < std::tie(a.phrases, a.occurrences, b.hit.title);
    });
    std::vector<HelpSearchHit> hits;
    for (Scored& scored : found) hits.push_back(std::move(scored.hit));
    return hits;
}

}  // namespace qm

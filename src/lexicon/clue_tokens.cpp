#include "lexicon/clue_tokens.h"

#include <string_view>

#include "common/text_rules.h"

namespace qm {

bool isClueMark(char c)
{
    constexpr std::string_view kMarks = "\"()+,-./:;<=>?\\{}";
    return kMarks.find(c) != std::string_view::npos;
}

std::vector<std::string> clueTokens(std::string_view clue)
{
    std::vector<std::string> tokens;
    std::string current;
    auto append = [&](char c) {
        if (current.size() < kMaxClueTokenLength) current.push_back(c);
    };
    auto endToken = [&] {
        if (!current.empty()) tokens.push_back(std::move(current));
        current.clear();
    };
    for (char c : clue) {
        // Once the last token has begun, everything belongs to it.
        if (tokens.size() == kMaxClueTokens - 1 && !current.empty()) {
            append(c);
            continue;
        }
        if (isClueMark(c)) {
            endToken();
            if (tokens.size() == kMaxClueTokens - 1) {
                append(c);
                continue;
            }
            tokens.emplace_back(1, c);
        } else if (c == ' ') {
            endToken();
        } else {
            append(c);
        }
    }
    endToken();
    return tokens;
}

std::string tokenWord(std::string_view token)
{
    std::string word;
    for (char c : token)
        if (!isClueMark(c)) word.push_back(c);
    return word;
}

std::string replacedToken(std::string_view token, std::string_view replacement)
{
    std::string result;
    if (!token.empty() && isClueMark(token.front())) result.push_back(token.front());
    result.append(replacement);
    if (token.size() > 1 && isClueMark(token.back())) result.push_back(token.back());
    return result;
}

std::string rebuiltClue(const std::vector<std::string>& tokens)
{
    std::string clue;
    for (const std::string& token : tokens) clue += token + " ";
    return trimmedCopy(clue);
}

}  // namespace qm

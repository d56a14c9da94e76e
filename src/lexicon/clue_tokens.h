// How a clue is split into the words the spelling checker looks at, and put back together once a
// word of it was replaced.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qm {

inline constexpr std::size_t kMaxClueTokens = 50;
inline constexpr std::size_t kMaxClueTokenLength = 150;

// The 17 marks that stand apart from words: " ( ) + , - . / : ; < = > ? \ { }. The apostrophe
// and the exclamation mark belong to the word they touch.
bool isClueMark(char c);

// Each mark is a token of its own, a space ends a token, every other character extends the
// current one. Past the 50th token everything goes into the 50th; a token holds at most 150
// characters, further characters of it are dropped.
std::vector<std::string> clueTokens(std::string_view clue);

// The text of a token to check: the token without its marks.
std::string tokenWord(std::string_view token);

// A replaced token: the replacement, after the token's first character when that was a mark and
// before its last when the token was longer than one character and ended with one.
std::string replacedToken(std::string_view token, std::string_view replacement);

// The tokens in order, each followed by one space, trimmed: "big , red" from "big", ",", "red".
std::string rebuiltClue(const std::vector<std::string>& tokens);

}  // namespace qm

#include "generate/bad_word_list.h"

#include <string_view>

#include "common/binary_file.h"
#include "common/cp1252.h"
#include "common/text_rules.h"

namespace qm {
namespace {

// Words that hide inside ordinary words (forwards or backwards) are left out on purpose: each
// one would make every puzzle with such a word impossible to generate.
constexpr std::array<std::string_view, kBuiltInBadWords> kBuiltIn{
    "fuck",      "fucker",   "fucking",   "fucked",   "fuckwit",   "clusterfuck", "shit",     "shitty",     "bullshit",
    "horseshit", "shithead", "shithole",  "dipshit",  "asshole",   "arsehole",    "dumbass",  "fatass",     "bitch",
    "bastard",   "cunt",     "wanker",    "tosser",   "bellend",   "bollocks",    "dickhead", "cocksucker", "knobhead",
    "pisshead",  "slutty",   "whore",     "skank",    "dildo",     "blowjob",     "handjob",  "rimjob",     "cumshot",
    "gangbang",  "jizz",     "titties",   "tranny",   "shemale",   "faggot",      "nigger",   "kike",       "shitbag",
    "wetback",   "raghead",  "towelhead", "goddamn",  "douchebag", "jerkoff",     "shitface", "fuckface",   "buttfuck",
    "arsewipe",  "fucktard", "fuckhead",  "assclown",
};

}  // namespace

BadWordList builtInBadWords()
{
    BadWordList list;
    for (std::size_t i = 0; i < kBuiltIn.size(); ++i) list.Entries[i].assign(kBuiltIn[i]);
    list.Count = kBuiltInBadWords;
    return list;
}

BadWordList GetBadList(const std::filesystem::path& programDirectory)
{
    BadWordList list = builtInBadWords();
    const auto contents = readWholeFile(programDirectory / kBadListFileName);
    if (!contents) return list;
    const std::string text = textFileToCp1252(*contents);

    for (const std::string_view line : textLines(text)) {
        if (list.Count == kMaxBadWords) break;
        list.Entries[list.Count++].assign(line);
    }
    return list;
}

BadWordList upCasedBadWords(const BadWordList& list)
{
    BadWordList raised = list;
    for (int i = 0; i < raised.usedCount(); ++i)
        for (std::size_t k = 1; k <= raised.Entries[i].length(); ++k) {
            auto& byte = raised.Entries[i].bytes[k];
            if (byte >= 'a' && byte <= 'z') byte = static_cast<std::uint8_t>(byte - 0x20);
        }
    return raised;
}

}  // namespace qm

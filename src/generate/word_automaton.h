// Many words looked for at once along a line of cells: the words compiled into one Aho-Corasick
// automaton, so that a line costs one table look-up a cell whatever the number of words.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace qm {

class WordAutomaton {
public:
    using State = std::int32_t;

    // A word to find, with the tag that names it in tagsEndingAt. The same text may come with
    // several tags; an empty word is never found.
    void addWord(std::string word, int tag);
    // Compiles the words added so far; the automaton is used only after this.
    void build();

    static constexpr State start() { return 0; }
    State next(State state, std::uint8_t byte) const { return m_next[state * m_classes + m_class[byte]]; }
    // True when a word ends at the byte that led to this state.
    bool accepting(State state) const { return m_tagBegin[state] != m_tagBegin[state + 1]; }
    // The tags of the words that end at the byte that led to this state, each tag once.
    std::span<const int> tagsEndingAt(State state) const
    {
        return {m_tags.data() + m_tagBegin[state], m_tags.data() + m_tagBegin[state + 1]};
    }
    bool findsNothing() const { return m_tags.empty(); }

private:
    std::vector<std::pair<std::string, int>> m_words;
    // Bytes that occur in no word share class 0, which always leads back to the start state.
    std::array<std::uint16_t, 256> m_class{};
    int m_classes = 1;
    std::vector<State> m_next;  // state * m_classes + class
    // The tags of state s are m_tags[m_tagBegin[s] .. m_tagBegin[s+1]).
    std::vector<int> m_tagBegin{0, 0};
    std::vector<int> m_tags;
};

}  // namespace qm

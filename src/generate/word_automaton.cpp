#include "generate/word_automaton.h"

#include <algorithm>
#include <queue>

namespace qm {

void WordAutomaton::addWord(std::string word, int tag)
{
    if (!word.empty()) m_words.emplace_back(std::move(word), tag);
}

void WordAutomaton::build()
{
    m_class.fill(0);
    m_classes = 1;
    for (const auto& [word, tag] : m_words)
        for (const char c : word) {
            std::uint16_t& byteClass = m_class[static_cast<std::uint8_t>(c)];
            if (byteClass == 0) byteClass = static_cast<std::uint16_t>(m_classes++);
        }

    // The trie of the words, edges -1 where none leads yet.
    m_next.assign(m_classes, -1);
    std::vector<std::vector<int>> ownTags(1);
    for (const auto& [word, tag] : m_words) {
        State state = start();
        for (const char c : word) {
            const std::size_t edge =
                static_cast<std::size_t>(state) * m_classes + m_class[static_cast<std::uint8_t>(c)];
            if (m_next[edge] < 0) {
                m_next[edge] = static_cast<State>(ownTags.size());
                ownTags.emplace_back();
                m_next.resize(m_next.size() + m_classes, -1);
            }
            state = m_next[edge];
        }
        std::vector<int>& tags = ownTags[state];
        if (std::find(tags.begin(), tags.end(), tag) == tags.end()) tags.push_back(tag);
    }

    // A breadth-first walk gives every state its fallback, completes the table, and hands each
    // state the tags of its fallback, the longest word that ends there too.
    const std::size_t states = ownTags.size();
    std::vector<State> fallback(states, 0);
    std::vector<std::vector<int>> tags(states);
    std::queue<State> pending;
    for (int c = 0; c < m_classes; ++c) {
        State& edge = m_next[c];
        if (edge < 0) {
            edge = start();
        } else {
            pending.push(edge);
        }
    }
    while (!pending.empty()) {
        const State state = pending.front();
        pending.pop();
        tags[state] = ownTags[state];
        for (const int tag : tags[fallback[state]])
            if (std::find(tags[state].begin(), tags[state].end(), tag) == tags[state].end()) tags[state].push_back(tag);
        for (int c = 0; c < m_classes; ++c) {
            State& edge = m_next[static_cast<std::size_t>(state) * m_classes + c];
            const State viaFallback = m_next[static_cast<std::size_t>(fallback[state]) * m_classes + c];
            if (edge < 0) {
                edge = viaFallback;
            } else {
                fallback[edge] = viaFallback;
                pending.push(edge);
            }
        }
    }

    m_tagBegin.assign(1, 0);
    m_tags.clear();
    for (const std::vector<int>& stateTags : tags) {
        m_tags.insert(m_tags.end(), stateTags.begin(), stateTags.end());
        m_tagBegin.push_back(static_cast<int>(m_tags.size()));
    }
}

}  // namespace qm

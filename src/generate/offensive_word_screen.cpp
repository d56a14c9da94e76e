#include "generate/offensive_word_screen.h"

#include "generate/grid_lines.h"
#include "generate/letter_case.h"

namespace qm {

OffensiveWordScreen::OffensiveWordScreen(const BadWordList& read)
{
    const BadWordList list = upCasedBadWords(read);
    for (int i = 0; i < list.usedCount(); ++i) {
        const BadWord& entry = list.Entries[i];
        std::string forwards(entry.view());
        m_entries.addWord(std::string(forwards.rbegin(), forwards.rend()), i);
        m_entries.addWord(std::move(forwards), i);
    }
    m_entries.build();
}

bool OffensiveWordScreen::TestBadWords(const PuzzleGrid& letters, const PuzzleGrid& fill, int width, int height) const
{
    if (m_entries.findsNothing()) return false;
    return anyGridLine(width, height, [&](const GridLine& line) {
        WordAutomaton::State state = WordAutomaton::start();
        for (int k = 0, cell = line.first; k < line.length; ++k, cell += line.step) {
            const std::uint8_t letter = letters[cell];
            state = m_entries.next(state, letter == ' ' ? fill[cell] : letter);
            if (m_entries.accepting(state)) return true;
        }
        return false;
    });
}

bool OffensiveWordScreen::spellsBadWord(std::string_view word) const
{
    WordAutomaton::State state = WordAutomaton::start();
    for (const char character : word) {
        if (character == ' ') continue;
        state = m_entries.next(state, UpCaseLetter(static_cast<std::uint8_t>(character)));
        if (m_entries.accepting(state)) return true;
    }
    return false;
}

}  // namespace qm

#include "app/ui/editor_lexicon.h"

#include <vector>

namespace qm {

void EditorLexicon::spellCheck(QWidget* parent, std::array<WordListRow, kMaxWords>& rows, bool checkWords,
                               bool checkClues)
{
    std::vector<SpellCheckEntry> entries;
    entries.reserve(rows.size());
    for (const WordListRow& row : rows) entries.push_back({row.Word, row.Clue});
    m_tools.spellCheck(parent, entries, checkWords, checkClues);
    // Only the words and clues change; whether a word is placed stays as it was.
    for (std::size_t i = 0; i < rows.size(); ++i) {
        rows[i].Word = std::move(entries[i].Word);
        rows[i].Clue = std::move(entries[i].Clue);
    }
}

}  // namespace qm

// The offensive-word screen of the list last asked for, kept while the list stays the same:
// compiling costs more than the attempts of a small puzzle, and the list rarely changes between
// runs. Whoever runs the generator time and again (the word list editor) keeps one and asks it
// for the screen before each run.
#pragma once

#include <memory>

#include "generate/bad_word_list.h"
#include "generate/offensive_word_screen.h"

namespace qm {

class ScreenCache {
public:
    // The screen of the list: the one handed out last when the list has the same entries, else a
    // new one. A screen handed out earlier stays as it was.
    std::shared_ptr<const OffensiveWordScreen> screenOf(const BadWordList& list);

private:
    BadWordList m_list;
    std::shared_ptr<const OffensiveWordScreen> m_screen;
};

}  // namespace qm

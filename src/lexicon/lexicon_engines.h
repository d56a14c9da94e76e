// The spelling dictionaries and thesauri installed, by their setting values (Dictionary 1..8,
// Thesaurus 1..2). Whether one is installed is cheap to ask; an engine is loaded when first asked
// for and kept, so start-up stays quick and later checks do not load again.
#pragma once

namespace qm {

class SpellingEngine;
class ThesaurusEngine;

class LexiconEngines {
public:
    virtual ~LexiconEngines() = default;

    virtual bool hasSpelling(int language) const = 0;
    virtual bool hasThesaurus(int thesaurus) const = 0;
    // Null when the language or thesaurus is not installed. The engine lives as long as this.
    virtual SpellingEngine* spelling(int language) = 0;
    virtual ThesaurusEngine* thesaurus(int thesaurus) = 0;
};

}  // namespace qm

// What the lexicon's dialogs work on in a test: fake engines, the settings, the personal lists in
// a scratch folder and the scripted message boxes, tied into one context.
#pragma once

#include "lexicon/ui/lexicon_tools.h"
#include "support/lexicon/fake_lexicons.h"
#include "support/temp_dir.h"
#include "support/ui/scripted_dialogs.h"

namespace qm::test {

struct LexiconScene {
    LexiconContext context() { return {dialogs, style, settings, engines, PersonalListFiles::of(dir.path(), 1)}; }

    TempDir dir;
    ScriptedDialogs dialogs;
    UiStyle style;
    LexiconSettings settings;
    FakeLexicons engines;
};

}  // namespace qm::test

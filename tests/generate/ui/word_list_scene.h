// What the word list editor works on, in a scratch folder: the settings, a new puzzle's working
// copy, the current shape, the candidates and a seeded random source, copied into the context of
// each editor. The shape file is the caller's to write.
#pragma once

#include "app/settings.h"
#include "collection/collection_file.h"
#include "generate/ui/word_list_window.h"
#include "layout/default_page_layout.h"
#include "support/temp_dir.h"
#include "support/ui/layout_chooser.h"
#include "support/ui/scripted_dialogs.h"

namespace qm::test {

struct WordListScene {
    WordListScene()
    {
        settings.Shapes.LastShape = 0;
        resetToNewPuzzle(*working.record, loadDefaultPageLayout(dir.path(), 0));
    }

    std::filesystem::path collectionPath() const { return dir / "SCHOOL.QZ3"; }

    // The context of the next editor, over the scene as the test left it. The layout list it
    // opens changes the scene's layout settings, as it does the program's.
    WordListContext context()
    {
        WordListContext context{dialogs,      style,        settings.WordList, settings.Shapes,  copyOf(working),
                                currentShape, candidates,   dir.path(),        collectionPath(), {"Animals", "Birds"},
                                &random,      editorLexicon};
        context.chooseLayout = layoutChooser(dialogs, style, settings.PageLayout, dir.path(), collectionPath(),
                                             PageListMode::PuzzleLayout);
        return context;
    }

    TempDir dir;
    ScriptedDialogs dialogs;
    UiStyle style;
    Settings settings;
    WorkingCopy working;
    ShapeRecord currentShape = makeNewShape();
    Candidates candidates;
    SeededRandom random{11};
    WordListLexicon* editorLexicon = nullptr;
};

}  // namespace qm::test

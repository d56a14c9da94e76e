// What the print options, the status window and the preview work with in a scratch folder: the
// settings, the program's printer, a printer that counts its jobs, text metrics simple enough to
// work out by hand, a seeded random source and the help keywords asked for.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include <QPrinter>

#include "app/settings.h"
#include "output/print/ui/page_printing.h"
#include "output/print/ui/preview_window.h"
#include "output/print/ui/print_options_window.h"
#include "output/render_fixtures.h"
#include "support/temp_dir.h"
#include "support/ui/layout_chooser.h"
#include "support/ui/scripted_dialogs.h"

namespace qm::test {

// A printer that takes every job it is given and remembers how many copies each asked for.
class CountingPrinting final : public PagePrinting {
public:
    bool installed = true;
    bool isBusy = false;
    int copiesPerJob = 999;
    std::vector<int> jobs;  // the copies of each job, in order

    bool printerInstalled() const override { return installed; }
    bool busy() const override { return isBusy; }
    int copiesOneJobCanMake() const override { return copiesPerJob; }
    bool print(const PageFile&, int copies) override
    {
        jobs.push_back(copies);
        return true;
    }
};

// A generated puzzle on the built-in layout (a title, the grid and a one-column word list) with a
// bonus question.
inline std::unique_ptr<PuzzleRecord> generatedPuzzle()
{
    auto record = std::make_unique<PuzzleRecord>();
    record->Title.assign("Farm");
    record->Category.assign("Animals");
    record->BonusQuestion.assign("Which animal barks?");
    record->Layout = makeBuiltInPageLayout();
    setGrid(*record, {"CATXY", "DOGZQ", "PIGRS", "COWUV", "HENWT"});
    setWords(*record, {"CAT", "DOG", "PIG"});
    record->StartCell = {1, 51, 101};
    record->EndCell = {3, 53, 103};
    record->Generated = true;
    return record;
}

struct PrintScene {
    TempDir dir;
    ScriptedDialogs dialogs;
    UiStyle style;
    Settings settings;
    QPrinter printer;
    CountingPrinting printing;
    FixedMetrics metrics;
    SeededRandom random{7};
    std::vector<QString> helpKeywords;
    PrintOptionsContext context{
        dialogs,
        style,
        settings.Reports,
        settings.Html,
        settings.Exports,
        layoutChooser(dialogs, style, settings.PageLayout, dir.path(), dir / "SCHOOL.QZ3", PageListMode::PrintLayout),
        printer,
        printing,
        metrics,
        [this](const QString& keyword) { helpKeywords.push_back(keyword); },
        &random};
    // The print copy the preview shows.
    std::unique_ptr<PuzzleRecord> previewPuzzle = generatedPuzzle();
    PreviewContext previewContext{dialogs,          style,    settings.Reports, settings.Html,
                                  settings.Exports, printing, *previewPuzzle};
};

template <typename T>
T* child(QWidget& window, const char* name)
{
    T* found = window.findChild<T*>(name);
    EXPECT_NE(found, nullptr) << name;
    return found;
}

}  // namespace qm::test

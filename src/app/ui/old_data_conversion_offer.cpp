#include "app/ui/old_data_conversion_offer.h"

#include <system_error>

#include "common/ui/command_outcome_report.h"

namespace qm {
namespace {

namespace M = OldDataMessages;

bool found(const std::filesystem::path& path)
{
    std::error_code ignored;
    return std::filesystem::exists(path, ignored);
}

bool asked(UserDialogs& dialogs, const char* question) { return dialogs.askYesNo(M::QuestionCaption, question); }

// The message of a conversion that ended; true when it was done.
bool reported(UserDialogs& dialogs, const OldDataConversion& conversion, const Refusal& done)
{
    if (!reportCommandOutcome(dialogs, conversion.outcome)) return false;
    showRefusal(dialogs, done);
    return true;
}

}  // namespace

void offerOldDataConversion(UserDialogs& dialogs, const OldDataFolders& folders,
                            const std::function<PageLayoutRecord()>& newPuzzleLayout)
{
    if (found(folders.oldPuzzleFile()) && asked(dialogs, M::PuzzlesQuestion)) {
        // A conversion that fails ends the offer for this start.
        if (!reported(dialogs, convertOldPuzzles(folders, newPuzzleLayout()), M::PuzzlesConverted)) return;
    }
    if (found(folders.oldShapeFile()) && asked(dialogs, M::ShapesQuestion))
        reported(dialogs, convertOldShapes(folders), M::ShapesAdded);
}

}  // namespace qm

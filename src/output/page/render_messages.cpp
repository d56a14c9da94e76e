#include "output/page/render_messages.h"

namespace qm {

std::string reportEndStatus(const RenderOutcome& outcome)
{
    return std::string("\n") + (outcome.Aborted ? kPuzzleGenerationCanceledStatus : kPuzzleGeneratedStatus);
}

std::vector<std::string> renderWarnings(const RenderOutcome& outcome)
{
    std::vector<std::string> warnings;
    if (outcome.BitmapMissing) warnings.emplace_back(kBitmapMissingWarning);
    if (outcome.Aborted) return warnings;
    if (outcome.CluesOverflow) warnings.emplace_back(kCluesOverflowWarning);
    if (outcome.WordsOverflow) warnings.emplace_back(kWordsOverflowWarning);
    if (outcome.anyTextOverflow()) warnings.emplace_back(kTextOverflowWarning);
    return warnings;
}

}  // namespace qm

#include "output/page/render_messages.h"

namespace qm {

namespace {

bool cancelled(const Ending& outcome) { return outcome.kind == Ending::Kind::Cancelled; }

}  // namespace

std::string reportEndStatus(const Outcome<RenderedPage>& outcome)
{
    return std::string("\n") + (cancelled(outcome) ? kPuzzleGenerationCanceledStatus : kPuzzleGeneratedStatus);
}

std::vector<std::string> renderWarnings(const Outcome<RenderedPage>& outcome)
{
    const RenderedPage& drawn = outcome.value;
    std::vector<std::string> warnings;
    if (drawn.BitmapMissing) warnings.emplace_back(kBitmapMissingWarning);
    if (cancelled(outcome)) return warnings;
    if (drawn.CluesOverflow) warnings.emplace_back(kCluesOverflowWarning);
    if (drawn.WordsOverflow) warnings.emplace_back(kWordsOverflowWarning);
    if (drawn.anyTextOverflow()) warnings.emplace_back(kTextOverflowWarning);
    return warnings;
}

}  // namespace qm

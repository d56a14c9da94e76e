#include "output/page/render_messages.h"

namespace qm {

namespace {

bool cancelled(const Ending& outcome) { return outcome.kind == Ending::Kind::Cancelled; }

}  // namespace

std::string reportEndStatus(const Outcome<RenderedPage>& outcome)
{
    return std::string("\n") + (cancelled(outcome) ? RenderMessages::PuzzleGenerationCanceledStatus
                                                   : RenderMessages::PuzzleGeneratedStatus);
}

std::vector<std::string> renderWarnings(const Outcome<RenderedPage>& outcome)
{
    const RenderedPage& drawn = outcome.value;
    std::vector<std::string> warnings;
    if (drawn.BitmapMissing) warnings.emplace_back(RenderMessages::BitmapMissingWarning);
    if (cancelled(outcome)) return warnings;
    if (drawn.CluesOverflow) warnings.emplace_back(RenderMessages::CluesOverflowWarning);
    if (drawn.WordsOverflow) warnings.emplace_back(RenderMessages::WordsOverflowWarning);
    if (drawn.anyTextOverflow()) warnings.emplace_back(RenderMessages::TextOverflowWarning);
    return warnings;
}

}  // namespace qm

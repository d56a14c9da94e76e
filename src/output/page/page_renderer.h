// The page renderer: one printed page of a puzzle through its own page layout, drawn object by
// object in layout order on a report target.
#pragma once

#include <functional>

#include "collection/puzzle_record.h"
#include "common/command_outcome.h"
#include "common/random_source.h"
#include "output/page/output_settings.h"
#include "output/page/rendered_page.h"
#include "output/page/report_target.h"

namespace qm {

// Called before each object is drawn: where a window showing the progress lets its Cancel
// button be pressed. The rendering stops at the next object once the target is aborted.
using BetweenObjects = std::function<void()>;

// Sets up the sheet from the layout (orientation and paper), then draws the objects the print
// options ask for. Scrambled words take their random numbers from random. Shows nothing: what
// did not fit and what was missing is in the outcome (renderWarnings gives the messages), which
// is Cancelled, with what was drawn so far, once the target was aborted.
Outcome<RenderedPage> RenderPage(const PuzzleRecord& record, const PrintOptions& options, ReportTarget& target,
                                 RandomSource& random, const BetweenObjects& betweenObjects = {});

}  // namespace qm

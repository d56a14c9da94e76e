// The text of one numbered clue and its wrapping into lines.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "collection/puzzle_record.h"
#include "output/page/output_settings.h"
#include "output/page/report_target.h"

namespace qm {

inline constexpr std::size_t kMaxClueLines = 7;

// Clue i (from 0) as printed: with the answer key its word in parentheses before it, with
// underscores one "_" per letter of the word instead ("(_ _ _ _) clue"), else the clue alone.
std::string ClueText(const PuzzleRecord& record, int index, const PrintOptions& options);

struct WrappedClue {
    std::vector<std::size_t> lineLengths;  // consecutive pieces of the text, one per line
    bool failed = false;
};

// Breaks the text into lines narrower than width in the current font, at spaces, into at most 7
// lines. A word wider than width fails (the lines before it are kept). Text for an 8th line is
// dropped, or fails with Make It Fit.
WrappedClue WrapClue(const ReportTarget& target, std::string_view text, double width, bool makeItFit);

}  // namespace qm

// The letter grid of the Puzzle object: cell backgrounds, grid lines, letters and the answer key.
#pragma once

#include <cstdint>

#include "collection/page_layout_record.h"
#include "collection/puzzle_record.h"
#include "output/page/output_settings.h"
#include "output/page/report_target.h"

namespace qm {

// A grid letter as printed with lower case letters: A-Z and the Latin-1 capitals C0-D6 and
// D8-DE become small; every other byte stays.
constexpr std::uint8_t LowCaseGridLetter(std::uint8_t byte)
{
    const bool capital =
        (byte >= 'A' && byte <= 'Z') || (byte >= 0xC0 && byte <= 0xD6) || (byte >= 0xD8 && byte <= 0xDE);
    return capital ? static_cast<std::uint8_t>(byte + 0x20) : byte;
}

// Draws nothing for a grid of no rows or no columns. printCount words are outlined in the
// answer key.
void DoPuzz(ReportTarget& target, const PageObject& object, const PageBox& box, const PuzzleRecord& record,
            const PrintOptions& options, int printCount);

}  // namespace qm

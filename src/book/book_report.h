// What the user is told when a book ends: its pages, the puzzles left out and the warnings of
// its pages. Texts are Windows-1252 bytes.
#pragma once

#include <optional>
#include <string>

#include "book/book_composer.h"

namespace qm {

// The warnings a report lists before it only counts the rest.
inline constexpr std::size_t kReportedWarnings = 5;

// Nothing for a book the user cancelled.
std::optional<std::string> bookReport(const BookOutcome& outcome);

}  // namespace qm

// What the user is told when a book ends: its pages, the puzzles left out and the warnings of
// its pages. Texts are Windows-1252 bytes.
#pragma once

#include <string>

#include "book/book_composer.h"

namespace qm {

// The warnings a report lists before it only counts the rest.
inline constexpr std::size_t kReportedWarnings = 5;

std::string bookReport(const MadeBook& book);

}  // namespace qm

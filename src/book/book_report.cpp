#include "book/book_report.h"

namespace qm {
namespace {

std::string joinedTitles(const std::vector<BookPuzzle>& puzzles)
{
    std::string titles;
    for (const BookPuzzle& puzzle : puzzles) titles += (titles.empty() ? "" : ", ") + puzzle.title;
    return titles;
}

}  // namespace

std::string bookReport(const MadeBook& book)
{
    std::string report = "The book of " + std::to_string(book.plan.pageCount) + " pages was saved.";
    if (!book.selection.leftOut.empty())
        report +=
            "  These puzzles were never generated and are left out: " + joinedTitles(book.selection.leftOut) + ".";
    const std::vector<std::string>& warnings = book.warnings;
    for (std::size_t k = 0; k < warnings.size() && k < kReportedWarnings; ++k) report += "\n\n" + warnings[k];
    if (warnings.size() > kReportedWarnings)
        report += "\n\nAnd " + std::to_string(warnings.size() - kReportedWarnings) + " more warnings.";
    return report;
}

}  // namespace qm

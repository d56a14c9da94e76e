#include "app/recent_files.h"

#include <algorithm>

namespace qm {

void updateRecentFiles(RecentFiles& entries, const std::string& previousPath, const std::string& openedPath)
{
    const auto found = std::find(entries.begin(), entries.end(), openedPath);
    if (found != entries.end()) {
        std::move(found + 1, entries.end(), found);
        entries.back().clear();
    }
    std::move_backward(entries.begin(), entries.end() - 1, entries.end());
    entries.front() = previousPath;
}

std::string recentFileCaption(int n, const std::string& path) { return "&" + std::to_string(n) + "   " + path; }

bool anyRecentFile(const RecentFiles& entries)
{
    return std::any_of(entries.begin(), entries.end(), [](const std::string& entry) { return !entry.empty(); });
}

}  // namespace qm
